#include "slab_editor/gui/slab_curling_form.h"

#include <QLineEdit>

#include <algorithm>
#include <array>

#include "shell/program_state.h"
#include "shell/window_makers.h"
#include "slab_editor/gui/slab_form_support.h"
#include "slab_editor/slab_data_set.h"
#include "slab_editor/slab_entry_checks.h"
#include "slab_editor/slab_help_texts.h"
#include "slab_editor/slab_kinds.h"

namespace pave {

namespace {

// Rows in the order of gSlabCurling's fields 1 to 10; rows 7, 8 and 10 name the unit system's units.
constexpr ParameterRow kFixedRows[] = {
    {"txtNotCon", "Number of nodes not in contact", "NOTCON"},
    {"txtNgap", "Number of nodes with initial gaps", "NGAP"},
    {"txtInput", "Input of gaps from previous problem (1=yes, 0=no)", "INPUT", colour::kRed},
    {"txtNtemp", "Temperature curling (1=yes, 0=no)", "NTEMP", colour::kRed},
    {"txtNwt", "Weight of slabs (1=yes, 0=no)", "NWT", colour::kRed},
    {"txtNcycle", "Maximum number of cycles for checking contact", "NCYCLE", colour::kRed},
};
constexpr const char* kUnitTexts[2][3] = {
    {"Temperature differential between top and bottom in F", "Coefficient of thermal expansion per F",
     "Maximum allowable deflection in in."},
    {"Temperature differential between top and bottom in C", "Coefficient of thermal expansion per C",
     "Maximum allowable deflection in cm"},
};

std::array<ParameterRow, 10> MakeRows(bool si) {
  const auto& unit = kUnitTexts[si ? 1 : 0];
  std::array<ParameterRow, 10> rows{};
  std::copy(std::begin(kFixedRows), std::end(kFixedRows), rows.begin());
  rows[6] = {"txtTemp", unit[0], "TEMP", colour::kRed};
  rows[7] = {"txtCt", unit[1], "CT"};
  rows[8] = {"txtDel", "Tolerance for iteration", "DEL"};
  rows[9] = {"txtFmax", unit[2], "FMAX"};
  return rows;
}

constexpr ParameterLayout kLayout{240, 4800, 5160, 1320, 180, 330, 285, 2220};

}  // namespace

std::span<const ParameterRow> CurlingForm::Rows(bool si) {
  static const std::array<ParameterRow, 10> english = MakeRows(false), metric = MakeRows(true);
  return si ? std::span<const ParameterRow>(metric) : std::span<const ParameterRow>(english);
}

void CurlingForm::Load() {
  set_ = CurrentSlabSet();
  const int s = set_;
  const std::span<const ParameterRow> rows = Rows(gSlabGeneral(s, gen::kNUNIT) != 0);
  BuildParameterForm(kind::kCurling, DataSetCaption("Curling and Contact Conditions for Data Set No. ", s), rows,
                     kLayout);
  for (int k = 1; k <= 10; ++k) SetBox(rows[k - 1].box, gSlabCurling(s, k));
  gHelpText = Value(CurlingHelp());
  SetHelp(gHelpText.Text());
  Show();
}

void CurlingForm::Ok() {
  const int s = set_;
  const std::span<const ParameterRow> rows = Rows(gSlabGeneral(s, gen::kNUNIT) != 0);
  const std::optional<std::vector<double>> typed = BoxValues(rows);
  if (!typed) return;
  std::array<double, 11> values{};
  std::copy(typed->begin(), typed->end(), values.begin() + 1);
  // The counts are checked before anything is stored.
  int field = 0;
  if (std::optional<std::string> refusal = CurlingRefusal(values, &field)) return RefuseAt(rows[field - 1].box, *refusal);
  for (int k = 1; k <= 10; ++k) gSlabCurling(s, k) = values[k];
  MarkDone(kind::kSlabEditor, "lblCurling");
  if (gSlabGeneral(s, gen::kNJOINT) != 0) MarkStatus(kind::kSlabEditor, "lblJoint", Status::Input);
  if (values[curl::kNOTCON] != 0 || values[curl::kNGAP] != 0) MarkStatus(kind::kSlabEditor, "lblOptional", Status::Input);
  Close();
}

}  // namespace pave
