#include "slab_editor/gui/slab_optional_form.h"

#include <QAction>
#include <QMenuBar>
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
constexpr FontSpec kMenuFont{"MS Sans Serif", 7.5, false};

constexpr ControlSpec kControls[] = {
    {"lblNat1", ControlKind::Label, "default", 120, 60, 900, 255, kStatusFont, colour::kBlue,
     "Additional thicknesses for slab layer 1"},
    {"lblNat2", ControlKind::Label, "default", 1100, 60, 900, 255, kStatusFont, colour::kBlue,
     "Additional thicknesses for slab layer 2"},
    {"lblNotcon", ControlKind::Label, "default", 2100, 60, 900, 255, kStatusFont, colour::kBlue,
     "Nodal numbers at which slab and foundation are assumed not in contact"},
    {"lblNprint", ControlKind::Label, "default", 3100, 60, 900, 255, kStatusFont, colour::kBlue,
     "Nodal numbers at which stresses are computed and printed"},
    {"lblNsx", ControlKind::Label, "default", 4100, 60, 900, 255, kStatusFont, colour::kBlue,
     "Nodal numbers on the x axis of symmetry"},
    {"lblNsy", ControlKind::Label, "default", 5100, 60, 900, 255, kStatusFont, colour::kBlue,
     "Nodal numbers on the y axis of symmetry"},
    {"lblNgap", ControlKind::Label, "default", 6100, 60, 900, 255, kStatusFont, colour::kBlue,
     "Initial gaps at designated nodes"},
    {"lblDowel", ControlKind::Label, "default", 7100, 60, 900, 255, kStatusFont, colour::kBlue,
     "Elastic modulus and Poisson's ratio of dowel bar"},
    {"Text1", ControlKind::TextArea, "", 120, 600, 7680, 4980, {}, colour::kBlue, {}, {}, ctl::kReadOnly},
    {"cmdOk", ControlKind::Button, "&OK", 7980, 600, 1320, 420},
};

constexpr MenuSpec kMenus[] = {
    {"mnuNat1", "Add.T.Layer &1"},   {"mnuNat2", "Add.T.Layer &2"},  {"mnuNotcon", "Node not &Contact"},
    {"mnuNprint", "Node &Printout"}, {"mnuNsx", "Node &X symmetry"}, {"mnuNsy", "Node &Y symmetry"},
    {"mnuNgap", "&Gaps"},            {"mnuDowel", "&Dowel "},
};

constexpr MenuStatus kStatus[] = {{"mnuNat1", "lblNat1"},     {"mnuNat2", "lblNat2"}, {"mnuNotcon", "lblNotcon"},
                                  {"mnuNprint", "lblNprint"}, {"mnuNsx", "lblNsx"},   {"mnuNsy", "lblNsy"},
                                  {"mnuNgap", "lblNgap"},     {"mnuDowel", "lblDowel"}};

// A list menu: its status label, count, table kind and grid columns.
struct ListMenu {
  const char* menu;
  const char* label;
  const char* count_name;
  int kind;
  int cols;
};
constexpr ListMenu kLists[] = {
    {"mnuNat1", "lblNat1", "NAT1", 212, 3},     {"mnuNat2", "lblNat2", "NAT2", 213, 3},
    {"mnuNotcon", "lblNotcon", "NOTCON", 214, 2}, {"mnuNprint", "lblNprint", "NPRINT", 215, 2},
    {"mnuNsx", "lblNsx", "NSX", 216, 2},        {"mnuNsy", "lblNsy", "NSY", 217, 2},
    {"mnuNgap", "lblNgap", "NGAP", 218, 3},
};

// The count of a list in the current data set (NOTCON and NGAP as the data set holds them).
double ListCount(int kind) {
  const int s = CurrentSlabSet();
  switch (kind) {
    case 212: return gSlabGeneral(s, gen::kNAT1);
    case 213: return gSlabGeneral(s, gen::kNAT2);
    case 214: return gSlabCurling(s, curl::kNOTCON).Number();
    case 215: return gSlabGeneral(s, gen::kNPRINT);
    case 216: return gSlabGeneral(s, gen::kNSX);
    case 217: return gSlabGeneral(s, gen::kNSY);
    default: return gSlabCurling(s, curl::kNGAP).Number();
  }
}

void Tell(const std::string& text) { platform().messages().Tell(text, ParameterForm::kTitle); }

}  // namespace

std::span<const ControlSpec> OptionalForm::Controls() { return kControls; }
std::span<const MenuSpec> OptionalForm::Menus() { return kMenus; }

void OptionalForm::Load() {
  const int set = CurrentSlabSet();
  BuildForm(*this, FormSpec{kind::kOptional, "", 9615, 6450, kControls, kMenus});
  // Eight menus stand on this bar: in a plain menu font a point smaller they all fit the form's width.
  if (auto* bar = findChild<QMenuBar*>("menuBar")) bar->setFont(MakeFont(kMenuFont, font()));
  setWindowTitle(QString::fromStdString(DataSetCaption("Other Optional Information for Data Set No. ", set)));
  for (const ListMenu& l : kLists)
    if (ListCount(l.kind) != 0) MarkStatus(kind::kOptional, l.label, Status::Input);
  gHelpText = Value(OptionalHelp());
  Control<QPlainTextEdit>(*this, "Text1").setPlainText(QString::fromStdString(gHelpText.Text()));
  AttachStatusLabels(*this, kStatus);
  for (const ListMenu& l : kLists) {
    connect(&MenuAction(*this, l.menu), &QAction::triggered, this, [l] {
      const double count = ListCount(l.kind);
      if (count == 0) {
        Tell(std::string("You don't have to click this menu because ") + l.count_name + " = 0");
        return;
      }
      gScreenCode = Value(l.kind);
      gGridLines = Value(count);
      gGridCols = static_cast<std::int16_t>(l.cols);
      LoadWindow(kind::kGridSingle);
    });
  }
  connect(&MenuAction(*this, "mnuDowel"), &QAction::triggered, this, [] {
    if (gSlabGeneral(CurrentSlabSet(), gen::kNJOINT) == 0) {
      Tell("You don't have to click this menu because NJOINT = 0");
      return;
    }
    LoadWindow(kind::kDowel);
  });
  connect(&Control<QPushButton>(*this, "cmdOk"), &QPushButton::clicked, this, [this] {
    MarkDone(kind::kSlabEditor, "lblOptional");
    if (registry()) registry()->Unload(this);
  });
  Show();
}

}  // namespace pave
