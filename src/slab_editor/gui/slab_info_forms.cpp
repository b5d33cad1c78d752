#include "slab_editor/gui/slab_info_forms.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/platform.h"
#include "shell/gui/parameter_form.h"
#include "shell/gui/status_label.h"
#include "shell/gui/status_menu.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"
#include "slab_editor/gui/slab_form_support.h"
#include "slab_editor/slab_data_set.h"
#include "slab_editor/slab_help_texts.h"
#include "slab_editor/slab_kinds.h"

namespace pave {

namespace {

constexpr FontSpec kStatusFont{"MS Sans Serif", 8.25, false};

constexpr ControlSpec kDataControls[] = {
    {"lblArrange", ControlKind::Label, "input", 120, 60, 1200, 255, kStatusFont, colour::kRed,
     "Arrange of slabs and joint"},
    {"lblXcoord", ControlKind::Label, "input", 1400, 60, 1200, 255, kStatusFont, colour::kRed,
     "X local coordinates of finite element grid for each slab"},
    {"lblYcoord", ControlKind::Label, "input", 2700, 60, 1200, 255, kStatusFont, colour::kRed,
     "Y local coordinates of finite element grid for each slab"},
    {"lblProperties", ControlKind::Label, "input", 4000, 60, 1200, 255, kStatusFont, colour::kRed,
     "Thickness, Poisson's ratio, Young's modulus, and unit weight of concrete"},
    {"Text1", ControlKind::TextArea, "", 120, 600, 7680, 4980, {}, colour::kBlue, {}, {}, ctl::kReadOnly},
    {"cmdOK", ControlKind::Button, "&OK", 7980, 600, 1320, 420},
};

constexpr MenuSpec kDataMenus[] = {
    {"mnuArrangement", "&Arrangement"},
    {"mnuXcoordinate", "&X-coordinate"},
    {"mnuYcoordinate", "&Y-coordinate"},
    {"mnuProperties", "&Properties"},
};

constexpr MenuStatus kDataStatus[] = {{"mnuArrangement", "lblArrange"},
                                      {"mnuXcoordinate", "lblXcoord"},
                                      {"mnuYcoordinate", "lblYcoord"},
                                      {"mnuProperties", "lblProperties"}};

constexpr ControlSpec kChooserControls[] = {
    {"cmdSlab1", ControlKind::Button, "", 360, 240, 1260, 420},
    {"cmdSlab2", ControlKind::Button, "", 1860, 240, 1260, 420},
    {"cmdSlab3", ControlKind::Button, "", 3360, 240, 1260, 420},
    {"cmdSlab4", ControlKind::Button, "", 4860, 240, 1260, 420},
    {"cmdSlab5", ControlKind::Button, "", 6360, 240, 1260, 420},
    {"cmdSlab6", ControlKind::Button, "", 7860, 240, 1260, 420},
    {"lblSlab1", ControlKind::Label, "", 360, 720, 1260, 255, kStatusFont, colour::kRed, {}, {}, ctl::kCentre},
    {"lblSlab2", ControlKind::Label, "", 1860, 720, 1260, 255, kStatusFont, colour::kRed, {}, {}, ctl::kCentre},
    {"lblSlab3", ControlKind::Label, "", 3360, 720, 1260, 255, kStatusFont, colour::kRed, {}, {}, ctl::kCentre},
    {"lblSlab4", ControlKind::Label, "", 4860, 720, 1260, 255, kStatusFont, colour::kRed, {}, {}, ctl::kCentre},
    {"lblSlab5", ControlKind::Label, "", 6360, 720, 1260, 255, kStatusFont, colour::kRed, {}, {}, ctl::kCentre},
    {"lblSlab6", ControlKind::Label, "", 7860, 720, 1260, 255, kStatusFont, colour::kRed, {}, {}, ctl::kCentre},
    {"Text1", ControlKind::TextArea, "", 360, 1260, 7260, 4620, {}, colour::kBlue, {}, {}, ctl::kReadOnly},
    {"cmdOk", ControlKind::Button, "&OK", 7860, 1260, 1260, 420},
};

int G(int k) { return gSlabGeneral(CurrentSlabSet(), k); }

void Tell(const std::string& text) { platform().messages().Tell(text, ParameterForm::kTitle); }

bool XCoordinates() { return gScreenCode.Number() == 206; }

}  // namespace

std::span<const ControlSpec> SlabDataForm::Controls() { return kDataControls; }
std::span<const MenuSpec> SlabDataForm::Menus() { return kDataMenus; }

void SlabDataForm::Load() {
  const int set = CurrentSlabSet();
  BuildForm(*this, FormSpec{kind::kSlabData, "", 9615, 6450, kDataControls, kDataMenus});
  setWindowTitle(QString::fromStdString(DataSetCaption("Slab Information for Data Set No", set)));
  gHelpText = Value(SlabDataHelp());
  Control<QPlainTextEdit>(*this, "Text1").setPlainText(QString::fromStdString(gHelpText.Text()));
  AttachStatusLabels(*this, kDataStatus);
  connect(&MenuAction(*this, "mnuArrangement"), &QAction::triggered, this, [] {
    gScreenCode = Value(203);
    gGridCols = static_cast<std::int16_t>(G(gen::kNSLAB) < 2 ? 3 : 7);
    gGridLines = Value(LineCount(G(gen::kNSLAB)));
    LoadWindow(kind::kGridMulti);
  });
  connect(&MenuAction(*this, "mnuProperties"), &QAction::triggered, this, [] {
    gScreenCode = Value(208);
    gGridLines = Value(G(gen::kNLAYER) == 1 ? 1 : 2);
    gGridCols = static_cast<std::int16_t>(gSlabCurling(CurrentSlabSet(), curl::kNWT).Number() == 1 ? 5 : 4);
    LoadWindow(kind::kGridSlabLayer);
  });
  connect(&MenuAction(*this, "mnuXcoordinate"), &QAction::triggered, this, [] {
    gScreenCode = Value(206);
    LoadWindow(kind::kSlabChooser);
  });
  connect(&MenuAction(*this, "mnuYcoordinate"), &QAction::triggered, this, [] {
    gScreenCode = Value(207);
    LoadWindow(kind::kSlabChooser);
  });
  connect(&Control<QPushButton>(*this, "cmdOK"), &QPushButton::clicked, this, [this] {
    MarkDone(kind::kSlabEditor, "lblSlab");
    if (registry()) registry()->Unload(this);
  });
  Show();
}

std::span<const ControlSpec> SlabChooser::Controls() { return kChooserControls; }

void SlabChooser::Load() {
  const int set = CurrentSlabSet();
  BuildForm(*this, FormSpec{kind::kSlabChooser, "", 9615, 6450, kChooserControls});
  gGridCols = 2;
  const bool x = XCoordinates();
  setWindowTitle(QString::fromStdString(
      DataSetCaption(x ? "X Coordinates of Each Slab for Data Set No. " : "Y Coordinates of Each Slab for Data Set No. ", set)));
  const int nslab = std::min<int>(G(gen::kNSLAB), slab_cap::kSlabs);
  for (int i = 1; i <= nslab; ++i) {
    const std::string n = std::to_string(i);
    Control<QPushButton>(*this, "cmdSlab" + n).setText(QString::fromStdString("Slab&" + n));
    Control<QLabel>(*this, "lblSlab" + n).setText("Input");
  }
  for (int i = 1; i <= slab_cap::kSlabs; ++i) {
    connect(&Control<QPushButton>(*this, "cmdSlab" + std::to_string(i)), &QPushButton::clicked, this,
            [this, i] { cmdSlab_Click(i); });
  }
  gHelpText = Value(SlabChooserHelp(x));
  Control<QPlainTextEdit>(*this, "Text1").setPlainText(QString::fromStdString(gHelpText.Text()));
  connect(&Control<QPushButton>(*this, "cmdOk"), &QPushButton::clicked, this, [this] {
    MarkDone(kind::kSlabData, XCoordinates() ? "lblXcoord" : "lblYcoord");
    if (registry()) registry()->Unload(this);
  });
  Show();
}

void SlabChooser::cmdSlab_Click(int slab) {
  const int s = CurrentSlabSet();
  gCurrentSlab = Value(slab);
  const int nx = gSlabArrangement(s, slab, 1), ny = gSlabArrangement(s, slab, 2);
  if (nx == 0 || ny == 0) {
    Tell("NX or NY for slab " + std::to_string(slab) + " in the 'Arrange' menu is 0");
    return;
  }
  gGridLines = Value(LineCount(XCoordinates() ? nx : ny));
  LoadWindow(kind::kGridSingle);
}

}  // namespace pave
