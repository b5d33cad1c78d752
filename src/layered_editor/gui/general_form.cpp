#include "layered_editor/gui/general_form.h"

#include <QLineEdit>

#include "common/data_set_title.h"
#include "common/number_format.h"
#include "layered_editor/gui/layered_form_support.h"
#include "layered_editor/layered_data_set.h"
#include "layered_editor/layered_help_texts.h"
#include "layered_editor/layered_kinds.h"
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
  if (QLabel* done = LabelOf(kind::kLayeredEditor, "lblGeneral")) SetStatus(*done, Status::Done);
  gLayeredGeneralVisits = Value(gLayeredGeneralVisits.Number() + 1);
  for (int k = 1; k <= 13; ++k) SetBox(kRows[k - 1].box, gLayeredGeneral(set_, k));
  gHelpText = Value(GeneralHelp());
  SetHelp(gHelpText.Text());
  Show();
}

void GeneralForm::Ok() {
  const int s = set_;
  auto store = [s](int k, double v) { gLayeredGeneral(s, k) = static_cast<float>(v); };
  const std::string title = Box("txtTitle1").text().toStdString();
  if (std::optional<std::string> refusal = TitleRefusal(title)) return RefuseAt("txtTitle1", *refusal);
  gLayeredTITLE(s) = title;
  // Every box holds a number; codes and counts are whole numbers inside their ranges. Each value is
  // stored once it passed.
  std::optional<int> v;
  if (!(v = BoxCount("txtMatl", 1, 4))) return;
  store(gen::MATL, *v);
  if (!(v = BoxCount("txtNdama", 0, 2))) return;
  store(gen::NDAMA, *v);
  if (!(v = BoxCount("txtNpy", 0, kLayeredPeriods))) return;
  store(gen::NPY, *v);
  if (!(v = BoxCount("txtNlg", 0, kLayeredLoadGroups))) return;
  store(gen::NLG, *v);
  std::optional<double> x;
  if (!(x = BoxSingle("txtDel"))) return;
  store(gen::DEL, *x);
  if (!(x = BoxValue("txtNl"))) return;
  if (*x == 0) return RefuseAt("txtNl", "NL cannot be zero and should be specified.");
  if (!(v = BoxCount("txtNl", 1, kLayeredLayers))) return;
  store(gen::NL, *v);
  if (!(v = BoxCount("txtNz", 0, kLayeredDepths))) return;
  store(gen::NZ, *v);
  if (!(x = BoxSingle("txtIcl"))) return;
  store(gen::ICL, *x);
  if (!(x = BoxSingle("txtNstd"))) return;
  store(gen::NSTD, *x);
  if (!(v = BoxCount("txtNbond", 0, 1))) return;
  store(gen::NBOND, *v);
  if (!(v = BoxCount("txtNlbt", 0, kLayeredDamageLayers))) return;
  store(gen::NLBT, *v);
  if (!(v = BoxCount("txtNltc", 0, kLayeredDamageLayers))) return;
  store(gen::NLTC, *v);
  if (!(x = BoxSingle("txtNunit"))) return;
  store(gen::NUNIT, *x);

  const float MATL = gLayeredGeneral(s, gen::MATL);
  RecolourByCondition("lblNonlinear", MATL == 2 || MATL == 4);
  RecolourByCondition("lblViscoelastic", MATL == 3 || MATL == 4);
  RecolourByCondition("lblZcoord", gLayeredGeneral(s, gen::NZ) != 0);
  RecolourByCondition("lblInterface", gLayeredGeneral(s, gen::NBOND) == 0);
  RecolourByCondition("lblDamage", gLayeredGeneral(s, gen::NDAMA) != 0);

  if ((gNewFile.Number() == 1 || gLayeredReadError.Number() == 1) && gLayeredGeneralVisits.Number() == 1) {
    const bool si = gLayeredGeneral(s, gen::NUNIT) != 0;
    for (int i = 1; i <= kLayeredSequences; ++i) {
      gLayeredViscoLayer(s, i, 2) = Value(si ? 0.2034 : 0.113);
      gLayeredViscoLayer(s, i, 3) = Value(si ? 21.1 : 70.0);
      for (int p = 1; p <= kLayeredPeriods; ++p) gLayeredTEMP(s, p, i) = Value(si ? 21.1 : 70.0);
    }
    // FT1 of every bottom-tension layer the data set holds, so that no layer keeps the English value.
    if (si)
      for (int i = 1; i <= kLayeredDamageLayers; ++i) gLayeredBottom(s, i, 2) = Value(0.414);
  }
  Close();
}

}  // namespace pave
