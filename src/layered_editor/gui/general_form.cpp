#include "layered_editor/gui/general_form.h"

#include <QLineEdit>

#include <array>

#include "common/data_set_title.h"
#include "common/number_format.h"
#include "layered_editor/gui/layered_form_support.h"
#include "layered_editor/layered_data_set.h"
#include "layered_editor/layered_help_texts.h"
#include "layered_editor/layered_kinds.h"
#include "layered_editor/layered_unit_defaults.h"
#include "shell/gui/status_label.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"

namespace pave {

namespace {

constexpr ParameterRow kRows[] = {
    {"txtMatl", "Type of material (1=linear, 2=nonlinear, 3=viscoelastic, 4=combined)", "MATL"},
    {"txtNdama", "Damage analysis (0=no, 1=yes with summary only, 2=yes with detatiled printout)", "NDAMA"},
    {"txtNpy", "Number of periods per year", "NPY"},
    {"txtNlg", "Number of load groups", "NLG"},
    {"txtDel", "Tolerance for numerical integration", "DEL"},
    {"txtNl", "Number of layers", "NL", colour::kRed},
    {"txtNz", "Number of Z coordinates for analysis", "NZ"},
    {"txtIcl", "Maximum cycles of numerical integration", "ICL"},
    {"txtNstd", "Type of responses (1=displacements only, 5=plus stresses, 9=plus strains)", "NSTD"},
    {"txtNbond", "All layer interfaces bonded (1=yes, 0=if some are frictionless)", "NBOND"},
    {"txtNlbt", "Number of layers for bottom tension", "NLBT"},
    {"txtNltc", "Number of layers for top compression", "NLTC"},
    {"txtNunit", "System of units (0=English, 1=SI)", "NUNIT"},
};

constexpr ParameterLayout kLayout{120, 7700, 7920, 1320, 480, 285, 255, 1500};

constexpr ControlSpec kTitleRow[] = {
    {"lblTitle", ControlKind::Label, "TITLE", 120, 120, 700, 255, {"Courier New", 8.25, true}},
    {"txtTitle1", ControlKind::TextBox, "", 840, 90, 8400, 285, {"Courier", 8.25}, colour::kDefault, {}, {}, 0,
     kLayeredTitleLength},
};

}  // namespace

std::span<const ParameterRow> GeneralForm::Rows() { return kRows; }

void GeneralForm::Load() {
  set_ = CurrentLayeredSet();
  BuildParameterForm(kind::kLayeredGeneral, "General Information of PELDRANE for Set No. " + Str(set_), kRows,
                     kLayout, kTitleRow);
  SetTitleBox("txtTitle1", gLayeredTITLE(set_));
  for (int k = 1; k <= 13; ++k) SetBox(kRows[k - 1].box, gLayeredGeneral(set_, k));
  gHelpText = Value(GeneralHelp());
  SetHelp(gHelpText.Text());
  Show();
}

void GeneralForm::Ok() {
  const int s = set_;
  const std::string title = Box("txtTitle1").text().toStdString();
  if (std::optional<std::string> refusal = TitleRefusal(title)) return RefuseAt("txtTitle1", *refusal);
  // Every box holds a number; codes and counts are whole numbers inside their ranges. Nothing is
  // stored before every value has passed.
  std::array<double, 14> values{};
  const auto count = [&](int k, int low, int high) {
    const std::optional<int> v = BoxCount(kRows[k - 1].box, low, high);
    if (v) values[k] = *v;
    return v.has_value();
  };
  const auto single = [&](int k) {
    const std::optional<double> v = BoxSingle(kRows[k - 1].box);
    if (v) values[k] = *v;
    return v.has_value();
  };
  if (!count(gen::MATL, 1, 4) || !count(gen::NDAMA, 0, 2) || !count(gen::NPY, 0, kLayeredPeriods) ||
      !count(gen::NLG, 0, kLayeredLoadGroups) || !single(gen::DEL))
    return;
  const std::optional<double> nl = BoxValue("txtNl");
  if (!nl) return;
  if (*nl == 0) return RefuseAt("txtNl", "NL cannot be zero and should be specified.");
  if (!count(gen::NL, 1, kLayeredLayers) || !count(gen::NZ, 0, kLayeredDepths) || !single(gen::ICL) ||
      !single(gen::NSTD) || !count(gen::NBOND, 0, 1) || !count(gen::NLBT, 0, kLayeredDamageLayers) ||
      !count(gen::NLTC, 0, kLayeredDamageLayers) || !single(gen::NUNIT))
    return;

  const bool was_si = gLayeredGeneral(s, gen::NUNIT) != 0;
  gLayeredTITLE(s) = title;
  for (int k = 1; k <= 13; ++k) gLayeredGeneral(s, k) = static_cast<float>(values[k]);

  // The unit-dependent defaults are filled by the first OK that succeeds for a new or badly read
  // file; a later change of the unit system offers the new system's defaults, and Cancel there
  // leaves the form open with nothing stored.
  const bool first_fill = (gNewFile.Number() == 1 || gLayeredReadError.Number() == 1) &&
                          gLayeredGeneralVisits.Number() + 1 == 1;
  const bool si = gLayeredGeneral(s, gen::NUNIT) != 0;
  if (!first_fill && si != was_si && !OfferUnitDefaults(LayeredArrays(), s, LayeredUnitDefaults(s), si, kTitle))
    return StayAt("txtNunit");

  if (QLabel* done = LabelOf(kind::kLayeredEditor, "lblGeneral")) SetStatus(*done, Status::Done);
  const float MATL = gLayeredGeneral(s, gen::MATL);
  RecolourByCondition("lblNonlinear", MATL == 2 || MATL == 4);
  RecolourByCondition("lblViscoelastic", MATL == 3 || MATL == 4);
  RecolourByCondition("lblZcoord", gLayeredGeneral(s, gen::NZ) != 0);
  RecolourByCondition("lblInterface", gLayeredGeneral(s, gen::NBOND) == 0);
  RecolourByCondition("lblDamage", gLayeredGeneral(s, gen::NDAMA) != 0);

  gLayeredGeneralVisits = Value(gLayeredGeneralVisits.Number() + 1);
  if (first_fill) {
    for (int i = 1; i <= kLayeredSequences; ++i) {
      gLayeredViscoLayer(s, i, 2) = Value(kBetaDefault.In(si));
      gLayeredViscoLayer(s, i, 3) = Value(kTemperatureDefault.In(si));
      for (int p = 1; p <= kLayeredPeriods; ++p) gLayeredTEMP(s, p, i) = Value(kTemperatureDefault.In(si));
    }
    // FT1 of every bottom-tension layer the data set holds, so that no layer keeps the English value.
    if (si)
      for (int i = 1; i <= kLayeredDamageLayers; ++i) gLayeredBottom(s, i, 2) = Value(kFt1Default.si);
  }
  Close();
}

}  // namespace pave
