#include "slab_editor/gui/slab_damage_form.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>

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

constexpr ControlSpec kControls[] = {
    {"lblFatigue", ControlKind::Label, "input", 120, 60, 1800, 255, kStatusFont, colour::kRed,
     "modulus of rupture and fatigue coefficients for each slab layer"},
    {"lblVolume", ControlKind::Label, "input", 2000, 60, 1800, 255, kStatusFont, colour::kRed,
     "number of repetitions of each load group during each period"},
    {"Text1", ControlKind::TextArea, "", 120, 600, 7680, 4980, {}, colour::kBlue, {}, {}, ctl::kReadOnly},
    {"cmdOk", ControlKind::Button, "&OK", 7980, 600, 1320, 420},
};

constexpr MenuSpec kMenus[] = {{"mnuFatigue", "&Fatigue Properties"}, {"mnuVolume", "&Volume of Traffic"}};

constexpr MenuStatus kStatus[] = {{"mnuFatigue", "lblFatigue"}, {"mnuVolume", "lblVolume"}};

}  // namespace

std::span<const ControlSpec> SlabDamageForm::Controls() { return kControls; }
std::span<const MenuSpec> SlabDamageForm::Menus() { return kMenus; }

void SlabDamageForm::Load() {
  const int set = CurrentSlabSet();
  BuildForm(*this, FormSpec{kind::kSlabDamage, "", 9615, 6450, kControls, kMenus});
  setWindowTitle(QString::fromStdString(DataSetCaption("Damage Analysis for Data Set N0.", set)));
  gHelpText = Value(SlabDamageHelp());
  Control<QPlainTextEdit>(*this, "Text1").setPlainText(QString::fromStdString(gHelpText.Text()));
  AttachStatusLabels(*this, kStatus);
  connect(&MenuAction(*this, "mnuFatigue"), &QAction::triggered, this, [] {
    const int s = CurrentSlabSet();
    gScreenCode = Value(205);
    gGridLines = Value(gSlabGeneral(s, gen::kNLAYER) == 1 ? 1 : 2);
    gGridCols = static_cast<std::int16_t>(gSlabGeneral(s, gen::kNDAMA) == 2 ? 4 : 2);
    LoadWindow(kind::kGridSlabLayer);
  });
  connect(&MenuAction(*this, "mnuVolume"), &QAction::triggered, this, [] {
    gScreenCode = Value(225);
    LoadWindow(kind::kPeriod);
  });
  connect(&Control<QPushButton>(*this, "cmdOk"), &QPushButton::clicked, this, [this] {
    MarkDone(kind::kSlabEditor, "lblDamage");
    if (registry()) registry()->Unload(this);
  });
  Show();
}

}  // namespace pave
