#include "layered_editor/gui/visco_forms.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/number_format.h"
#include "common/value_ranges.h"
#include "layered_editor/gui/layered_form_support.h"
#include "layered_editor/layered_data_set.h"
#include "layered_editor/layered_help_texts.h"
#include "layered_editor/layered_kinds.h"
#include "platform/platform.h"
#include "shell/gui/status_label.h"
#include "shell/gui/status_menu.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"

namespace pave {

namespace {

constexpr FontSpec kStatusFont{"MS Sans Serif", 8.25, false};

constexpr ControlSpec kViscoControls[] = {
    {"lblGeneral", ControlKind::Label, "input", 120, 60, 900, 255, kStatusFont, colour::kRed,
     "Viscoelastic general information"},
    {"lblDuration", ControlKind::Label, "default", 1100, 60, 900, 255, kStatusFont, colour::kBlue,
     "Time durations for creep compliances"},
    {"lblLayer", ControlKind::Label, "input", 2100, 60, 900, 255, kStatusFont, colour::kRed,
     "Layer number, shift factors, and reference temperature for each viscoelastic layer"},
    {"lblCreep", ControlKind::Label, "input", 3100, 60, 900, 255, kStatusFont, colour::kRed,
     "Creep compliances of each viscoelastic layer at reference temperature"},
    {"lbltemperature", ControlKind::Label, "default", 4100, 60, 1100, 255, kStatusFont, colour::kBlue,
     "Temperature of each viscoelastic layer during each period"},
    {"Text1", ControlKind::TextArea, "", 120, 480, 7680, 5100, {}, colour::kBlue, {}, {}, ctl::kReadOnly},
    {"cmdOK", ControlKind::Button, "&OK", 7980, 480, 1320, 420},
};

constexpr MenuSpec kViscoMenus[] = {
    {"mnuGeneral", "&General"}, {"mnuDuration", "T&ime"},           {"mnuLayer", "&Layer"},
    {"mnuCreep", "&Creep"},     {"mnuTemperature", "&Temperature"},
};

constexpr MenuStatus kViscoStatus[] = {{"mnuGeneral", "lblGeneral"},
                                       {"mnuDuration", "lblDuration"},
                                       {"mnuLayer", "lblLayer"},
                                       {"mnuCreep", "lblCreep"},
                                       {"mnuTemperature", "lbltemperature"}};

constexpr ParameterRow kGenvisRows[] = {
    {"txtDur", "Load duration (0 for stationary load, 0.1 sec for moving load at 40 mph)", "DUR"},
    {"txtNvl", "Number of viscoelastic layers", "NVL", colour::kRed},
    {"txtNtyme", "Number of time durations for creep compliances", "NTYME"},
};

constexpr ControlSpec kDamageControls[] = {
    {"lblBottom", ControlKind::Label, "input", 120, 60, 1500, 255, kStatusFont, colour::kRed,
     "damage based on the tensile strains at the bottom of designated asphalt layers"},
    {"lblTop", ControlKind::Label, "input", 1700, 60, 1500, 255, kStatusFont, colour::kRed,
     "damage based on the compressive strain on the surface of subgrade or other granular layers"},
    {"lblVolume", ControlKind::Label, "input", 3400, 60, 1500, 255, kStatusFont, colour::kRed,
     "number of repetitions of each load group during each period"},
    {"Text1", ControlKind::TextArea, "", 120, 480, 7680, 5100, {}, colour::kBlue, {}, {}, ctl::kReadOnly},
    {"cmdOk", ControlKind::Button, "&OK", 7980, 480, 1320, 420},
};

constexpr MenuSpec kDamageMenus[] = {
    {"mnuBottom", "&Bottom Tension"}, {"mnuTop", "&Top Compression"}, {"mnuVolume", "&Volume of Traffic"}};

constexpr MenuStatus kDamageStatus[] = {
    {"mnuBottom", "lblBottom"}, {"mnuTop", "lblTop"}, {"mnuVolume", "lblVolume"}};

int ViscoCount(int k, int limit) {
  return std::max(0, LayeredCount(gLayeredViscoGeneral(CurrentLayeredSet(), k), limit));
}

}  // namespace

std::span<const ControlSpec> ViscoMenu::Controls() { return kViscoControls; }
std::span<const MenuSpec> ViscoMenu::Menus() { return kViscoMenus; }

void ViscoMenu::Load() {
  BuildForm(*this, FormSpec{kind::kViscoMenu, "", 9615, 6450, kViscoControls, kViscoMenus});
  setWindowTitle(QString::fromStdString("Viscoelastic Layers Menu for Data Set No. " + Str(CurrentLayeredSet())));
  gHelpText = Value(ViscoMenuHelp());
  Control<QPlainTextEdit>(*this, "Text1").setPlainText(QString::fromStdString(gHelpText.Text()));
  AttachStatusLabels(*this, kViscoStatus);
  connect(&MenuAction(*this, "mnuGeneral"), &QAction::triggered, this, [] { LoadWindow(kind::kViscoGeneral); });
  connect(&MenuAction(*this, "mnuDuration"), &QAction::triggered, this, [] {
    gScreenCode = Value(116);
    gGridCols = 2;
    gGridLines = Value(ViscoCount(vsg::NTYME, kLayeredTimes));
    LoadWindow(kind::kGridSingle);
  });
  connect(&MenuAction(*this, "mnuLayer"), &QAction::triggered, this, [] {
    gScreenCode = Value(117);
    gGridCols = 4;
    gGridLines = Value(ViscoCount(vsg::NVL, kLayeredSequences));
    LoadWindow(kind::kGridMulti);
  });
  connect(&MenuAction(*this, "mnuCreep"), &QAction::triggered, this, [] {
    gScreenCode = Value(118);
    LoadWindow(kind::kLayerChooser);
  });
  connect(&MenuAction(*this, "mnuTemperature"), &QAction::triggered, this, [] {
    gScreenCode = Value(119);
    LoadWindow(kind::kPeriod);
  });
  connect(&Control<QPushButton>(*this, "cmdOK"), &QPushButton::clicked, this, [this] {
    MarkDone(kind::kLayeredEditor, "lblViscoelastic");
    if (registry()) registry()->Unload(this);
  });
  Show();
}

std::span<const ParameterRow> ViscoGeneralForm::Rows() { return kGenvisRows; }

void ViscoGeneralForm::Load() {
  set_ = CurrentLayeredSet();
  BuildParameterForm(kind::kViscoGeneral, "Viscoelastic General Information for Data Set No. " + Str(set_),
                     kGenvisRows, ParameterLayout{120, 7700, 7920, 1320, 480, 480, 285, 2800});
  gHelpText = Value(ViscoGeneralHelp());
  SetHelp(gHelpText.Text());
  for (int k = 1; k <= 3; ++k) SetBox(kGenvisRows[k - 1].box, gLayeredViscoGeneral(set_, k));
  Show();
}

void ViscoGeneralForm::Ok() {
  // Every box holds a number before anything is stored.
  const std::optional<double> dur =
      BoxInRange("txtDur", range::kLoadDuration, gLayeredGeneral(set_, gen::NUNIT) != 0);
  if (!dur) return;
  const std::optional<int> nvl = BoxCount("txtNvl", 0, kLayeredSequences);
  if (!nvl) return;
  const std::optional<int> ntyme = BoxCount("txtNtyme", 0, kLayeredTimes);
  if (!ntyme) return;
  gLayeredViscoGeneral(set_, vsg::DUR) = Value(*dur);
  gLayeredViscoGeneral(set_, vsg::NVL) = Value(*nvl);
  gLayeredViscoGeneral(set_, vsg::NTYME) = Value(*ntyme);
  MarkDone(kind::kViscoMenu, "lblGeneral");
  Close();
}

std::span<const ControlSpec> DamageMenu::Controls() { return kDamageControls; }
std::span<const MenuSpec> DamageMenu::Menus() { return kDamageMenus; }

void DamageMenu::Load() {
  BuildForm(*this, FormSpec{kind::kLayeredDamage, "", 9615, 6450, kDamageControls, kDamageMenus});
  setWindowTitle(QString::fromStdString("Damage Analysis for Data Set N0." + Str(CurrentLayeredSet())));
  gHelpText = Value(DamageHelp());
  Control<QPlainTextEdit>(*this, "Text1").setPlainText(QString::fromStdString(gHelpText.Text()));
  AttachStatusLabels(*this, kDamageStatus);
  auto table = [](int general, const char* name, int code, int cols) {
    const float count = gLayeredGeneral(CurrentLayeredSet(), general);
    if (count == 0) {
      platform().messages().Tell(std::string("No input is required because ") + name + " = 0", "ROVANTE");
      return;
    }
    gScreenCode = Value(code);
    gGridCols = static_cast<std::int16_t>(cols);
    gGridLines = Value(CountOrZero(count));
    LoadWindow(kind::kGridMulti);
  };
  connect(&MenuAction(*this, "mnuBottom"), &QAction::triggered, this, [table] { table(gen::NLBT, "NLBT", 121, 5); });
  connect(&MenuAction(*this, "mnuTop"), &QAction::triggered, this, [table] { table(gen::NLTC, "NLTC", 122, 4); });
  connect(&MenuAction(*this, "mnuVolume"), &QAction::triggered, this, [] {
    gScreenCode = Value(123);
    LoadWindow(kind::kPeriod);
  });
  connect(&Control<QPushButton>(*this, "cmdOk"), &QPushButton::clicked, this, [this] {
    MarkDone(kind::kLayeredEditor, "lblDamage");
    if (registry()) registry()->Unload(this);
  });
  Show();
}

}  // namespace pave
