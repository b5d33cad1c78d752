#include "layered_editor/gui/nonlinear_forms.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

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

constexpr ControlSpec kMenuControls[] = {
    {"lblGeneral", ControlKind::Label, "input", 120, 60, 900, 255, kStatusFont, colour::kRed,
     "nonlinear general information"},
    {"lblRelaxation", ControlKind::Label, "default", 1100, 60, 900, 255, kStatusFont, colour::kBlue,
     "relaxation factor for each period"},
    {"lblNonseasonal", ControlKind::Label, "input", 2300, 60, 900, 255, kStatusFont, colour::kRed,
     "input parameters not changing with season or period"},
    {"lblSeasonal", ControlKind::Label, "input", 3500, 60, 900, 255, kStatusFont, colour::kRed,
     "input parameters changing with season or period"},
    {"optUseDefault", ControlKind::Option, "Use default input for clay", 480, 480, 4200, 300},
    {"optNoDefault", ControlKind::Option, "Do not use default input for clay", 480, 840, 4200, 300},
    {"Text1", ControlKind::TextArea, "", 120, 1320, 7680, 4260, {}, colour::kBlue, {}, {}, ctl::kReadOnly},
    {"cmdOk", ControlKind::Button, "&OK", 7980, 1320, 1320, 420},
};

constexpr MenuSpec kMenus[] = {
    {"mnuGeneral", "&General"},       {"mnuRelaxation", "&Relaxation"}, {"mnuNonseasonal", "&Nonseasonal"},
    {"mnuSeasonal", "&Seasonal"},     {"mnuMohr", "&Mohr-Coulomb Theory"},
};

constexpr MenuStatus kStatus[] = {{"mnuGeneral", "lblGeneral"},
                                  {"mnuRelaxation", "lblRelaxation"},
                                  {"mnuNonseasonal", "lblNonseasonal"},
                                  {"mnuSeasonal", "lblSeasonal"}};

constexpr ParameterRow kGeneralRows[] = {
    {"txtNolay", "Number of nonlinear layers", "NOLAY", colour::kRed},
    {"txtItenol", "Maximum number of iterations", "ITENOL"},
    {"txtRcnol", "Radial coordinate for nonlinear analysis in in.", "RCNOL"},
    {"txtXcnol", "X coordinate for nonlinear analysis in in.", "XPTNOL"},
    {"txtYcnol", "Y coordinate for nonlinear analysis in in.", "YPTNOL"},
    {"txtSld", "Slope of load distribution", "SLD"},
    {"txtDelnol", "Tolerance for nonlinear analysis", "DELNOL"},
};

constexpr ParameterRow kGranularRows[] = {
    {"txtK2", "Nonlinear exponent for granular materials", "K2"},
    {"txtK0", "Coefficient of earth pressure at rest", "K0"},
};

constexpr ParameterRow kClayRows[] = {
    {"txtK2", "Deviator stress at break point for clay in psi", "K2"},
    {"txtK3", "Slope when deviator stress smaller than K2", "K3"},
    {"txtK4", "Slope when deviator stress greater than K2", "K4"},
    {"txtK0", "Coefficient of earth pressure at rest", "K0"},
};

constexpr ParameterLayout kShortLayout{120, 7700, 7920, 1320, 480, 480, 285, 2400};

std::string Units(bool si) { return si ? "in cm" : "in in."; }

}  // namespace

std::span<const ControlSpec> NonlinearMenu::Controls() { return kMenuControls; }
std::span<const MenuSpec> NonlinearMenu::Menus() { return kMenus; }

void NonlinearMenu::Load() {
  const int set = CurrentLayeredSet();
  BuildForm(*this, FormSpec{kind::kNonlinearMenu, "", 9615, 6450, kMenuControls, kMenus});
  setWindowTitle(QString::fromStdString("Nonlinear Layers Menu for Data Set No. " + Str(set)));
  if (gNewFile.Number() == 1) {
    gClayDefaults = 1;
    Control<QRadioButton>(*this, "optUseDefault").setChecked(true);
  } else {
    gClayDefaults = 2;
    Control<QRadioButton>(*this, "optNoDefault").setChecked(true);
  }
  gHelpText = Value(NonlinearMenuHelp());
  Control<QPlainTextEdit>(*this, "Text1").setPlainText(QString::fromStdString(gHelpText.Text()));
  AttachStatusLabels(*this, kStatus);
  connect(&Control<QRadioButton>(*this, "optUseDefault"), &QRadioButton::clicked, this, [] { gClayDefaults = 1; });
  connect(&Control<QRadioButton>(*this, "optNoDefault"), &QRadioButton::clicked, this, [] { gClayDefaults = 2; });
  connect(&MenuAction(*this, "mnuGeneral"), &QAction::triggered, this, [] { LoadWindow(kind::kNonlinearGeneral); });
  connect(&MenuAction(*this, "mnuRelaxation"), &QAction::triggered, this, [] {
    gScreenCode = Value(110);
    gGridCols = 2;
    gGridLines = Value(CountOrZero(gLayeredGeneral(CurrentLayeredSet(), gen::NPY)));
    LoadWindow(kind::kGridSingle);
  });
  connect(&MenuAction(*this, "mnuNonseasonal"), &QAction::triggered, this, [] {
    gScreenCode = Value(111);
    gMainCols = Value(4);
    gMainLines = Value(std::max(0, LayeredCount(gLayeredNonlinGeneral(CurrentLayeredSet(), nlg::NOLAY),
                                                kLayeredSequences)));
    LoadWindow(kind::kGridMain);
  });
  connect(&MenuAction(*this, "mnuSeasonal"), &QAction::triggered, this, [] {
    gScreenCode = Value(112);
    LoadWindow(kind::kLayerChooser);
  });
  connect(&MenuAction(*this, "mnuMohr"), &QAction::triggered, this, [] { LoadWindow(kind::kMohr); });
  connect(&Control<QPushButton>(*this, "cmdOk"), &QPushButton::clicked, this, [this] {
    MarkDone(kind::kLayeredEditor, "lblNonlinear");
    if (registry()) registry()->Unload(this);
  });
  Show();
}

std::span<const ParameterRow> NonlinearGeneralForm::Rows() { return kGeneralRows; }

void NonlinearGeneralForm::Load() {
  set_ = CurrentLayeredSet();
  BuildParameterForm(kind::kNonlinearGeneral, "Nonlinear General Information for Data Set No. " + Str(set_),
                     kGeneralRows, ParameterLayout{120, 7700, 7920, 1320, 480, 420, 285, 2200});
  const bool si = gLayeredGeneral(set_, gen::NUNIT) != 0;
  const std::pair<const char*, const char*> coordinates[] = {
      {"txtRcnol", "Radial coordinate for nonlinear analysis "},
      {"txtXcnol", "X coordinate for nonlinear analysis "},
      {"txtYcnol", "Y coordinate for nonlinear analysis "}};
  const char* fields[] = {"RCNOL", "XPTNOL", "YPTNOL"};
  const char* boxes[] = {"txtRcnol", "txtXcnol", "txtYcnol"};
  for (int i = 0; i < 3; ++i) SetCaption(boxes[i], std::string(coordinates[i].second) + Units(si), fields[i]);
  gHelpText = Value(NonlinearGeneralHelp());
  SetHelp(gHelpText.Text());
  for (int k = 1; k <= 7; ++k) SetBox(kGeneralRows[k - 1].box, gLayeredNonlinGeneral(set_, k));
  Show();
}

void NonlinearGeneralForm::Ok() {
  // Every box holds a number before anything is stored.
  const std::optional<int> nolay = BoxCount("txtNolay", 0, kLayeredSequences);
  if (!nolay) return;
  const std::optional<std::vector<double>> values = BoxValues(std::span(kGeneralRows).subspan(1));
  if (!values) return;
  // The values the analysis takes only within their physical ranges.
  const bool si = gLayeredGeneral(set_, gen::NUNIT) != 0;
  const auto most_iterations = static_cast<int>(range::kIterations.greatest);
  if (!BoxCount("txtItenol", static_cast<int>(range::kIterations.least), most_iterations) ||
      !BoxInRange("txtRcnol", range::kLength, si) || !BoxInRange("txtSld", range::kLoadSpread, si))
    return;
  gLayeredNonlinGeneral(set_, nlg::NOLAY) = Value(*nolay);
  for (int k = nlg::ITENOL; k <= nlg::DELNOL; ++k) gLayeredNonlinGeneral(set_, k) = Value((*values)[k - 2]);
  MarkDone(kind::kNonlinearMenu, "lblGeneral");
  MarkDone(kind::kLayeredEditor, "lblNonlinear");
  Close();
}

ClaySuggestion SuggestedClay(bool si) { return si ? ClaySuggestion{42.75, 1110, 178, 0.8} : ClaySuggestion{6.2, 1110, 178, 0.8}; }

std::span<const ParameterRow> NonseasonalForm::Rows(bool clay) {
  return clay ? std::span<const ParameterRow>(kClayRows) : std::span<const ParameterRow>(kGranularRows);
}

void NonseasonalForm::Load() {
  set_ = CurrentLayeredSet();
  const int line = LayeredCount(gOwnerLine, kLayeredSequences);
  line_ = line >= 1 ? line : 1;
  const Value layno = gLayeredNonseasonal(set_, line_, 1);
  BuildParameterForm(clay_ ? kind::kClay : kind::kGranular,
                     "Nonseasonal Input Parameters for Layer No." + Str(layno.Number()) +
                         (clay_ ? " (Clay) and Data Set No. " : " (Granular) and Data Set No. ") + Str(set_),
                     Rows(clay_), kShortLayout);
  if (line < 1) {
    Refuse("No nonlinear layer has been chosen on the nonseasonal table.");
    Close();
    return;
  }
  const auto rows = Rows(clay_);
  std::vector<Value> shown;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const int field = static_cast<int>(k) + 1;
    shown.push_back(clay_ ? gLayeredClay(set_, line_, field) : gLayeredGranular(set_, line_, field));
  }
  if (clay_) {
    const bool si = gLayeredGeneral(set_, gen::NUNIT) != 0;
    SetCaption("txtK2",
               si ? "Deviator stress at break point for clay in kPa" : "Deviator stress at break point for clay in psi",
               "K2");
    if (gClayDefaults == 1) {
      // The suggested values are offered only while the layer holds no values of the user's own:
      // nothing yet, or the suggestion of either unit system. They are shown, and stored by OK.
      auto holds = [&](const ClaySuggestion& c) {
        return shown == std::vector<Value>{Value(c.K2), Value(c.K3), Value(c.K4), Value(c.K0)};
      };
      const bool empty = std::all_of(shown.begin(), shown.end(), [](const Value& v) { return v.IsEmpty(); });
      if (empty || holds(SuggestedClay(false)) || holds(SuggestedClay(true))) {
        const ClaySuggestion c = SuggestedClay(si);
        shown = {Value(c.K2), Value(c.K3), Value(c.K4), Value(c.K0)};
      }
    }
  }
  gHelpText = Value(NonseasonalHelp());
  SetHelp(gHelpText.Text());
  for (std::size_t k = 0; k < rows.size(); ++k) SetBox(rows[k].box, shown[k]);
  Show();
}

void NonseasonalForm::Ok() {
  const auto rows = Rows(clay_);
  // Every box holds a number before anything is stored.
  const std::optional<std::vector<double>> values = BoxValues(rows);
  if (!values) return;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const int field = static_cast<int>(k) + 1;
    (clay_ ? gLayeredClay(set_, line_, field) : gLayeredGranular(set_, line_, field)) = Value((*values)[k]);
  }
  Close();
  gMainCols = Value(4);
  gMainLines = gLayeredNonlinGeneral(set_, nlg::NOLAY);
  gMainTopLine = Value(1);
  LoadWindow(kind::kGridMain);
}

}  // namespace pave
