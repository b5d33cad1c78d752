#include "slab_editor/gui/slab_general_form.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>

#include "shell/program_state.h"
#include "shell/window_makers.h"
#include "slab_editor/gui/slab_form_support.h"
#include "slab_editor/slab_data_set.h"
#include "slab_editor/slab_entry_checks.h"
#include "slab_editor/slab_help_texts.h"
#include "slab_editor/slab_kinds.h"
#include "slab_editor/slab_unit_defaults.h"

namespace pave {

namespace {

// Rows top to bottom; kField gives each row's field number in gSlabGeneral.
constexpr ParameterRow kRows[] = {
    {"txtNfound", "Type of foundation (0=liquid, 1=solid, 2=layer)", "NFOUND"},
    {"txtNdama", "Damage analysis (0=no, 1=PCA criteria, 2=user specified)", "NDAMA"},
    {"txtNpy", "Number of periods per year", "NPY"},
    {"txtNlg", "Number of load groups", "NLG"},
    {"txtNlayer", "Number of slab layers", "NLAYER"},
    {"txtNbond", "Bond between two slab layers (0=unbonded, 1=bonded)", "NBOND"},
    {"txtNslab", "Number of slabs", "NSLAB", colour::kRed},
    {"txtNjoint", "Number of joints", "NJOINT", colour::kRed},
    {"txtNnck", "Nodal number for checking convergence", "NNCK"},
    {"txtNprint", "Number of nodes for stress printout", "NPRINT", colour::kRed},
    {"txtNsx", "Number of nodes on X axis of symmetry", "NSX"},
    {"txtNsy", "Number of nodes on Y axis of symmetry", "NSY"},
    {"txtMdpo", "More detailed printout (0=no, 1=yes)", "MDPO"},
    {"TxtNat1", "Number of nodes with different thicknesses of slab layer 1", "NAT1"},
    {"txtNat2", "Number of nodes with different thicknesses of slab layer 2", "NAT2"},
    {"txtNunit", "System of units (0=English, 1=SI)", "NUNIT"},
};
constexpr int kField[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 14};

constexpr int kFormWidth = 9800;
constexpr ParameterLayout kLayout{120, 5400, 5640, 840, 120, 340, 285, 0, kFormWidth};

// The right-hand column: the flags' option frames, the help text and OK.
constexpr int kRight = 6660;
constexpr int kRightWidth = 2880;
constexpr FontSpec kOptionFont{"MS Sans Serif", 8.25, false};
constexpr ControlSpec kExtra[] = {
    {"lblTitle", ControlKind::Label, "TITLE", 120, 150, 600, 255},
    {"txtTitle", ControlKind::TextBox, "", 840, 120, 6960, 285, {"Courier", 8.25}, colour::kDefault, {}, {}, 0, 68},
    {"Label1", ControlKind::Label,
     "Default options are shown by the black dots below.    If they are not ok, please click the other button.   ",
     kRight, 480, kRightWidth, 660, kOptionFont, colour::kDefault, {}, {}, ctl::kWrap},
    {"fraUL", ControlKind::Frame, "", kRight, 1200, kRightWidth, 780},
    {"optWUL", ControlKind::Option, "with uniform load", 120, 150, 2640, 270, kOptionFont, colour::kDefault, {},
     "fraUL", ctl::kChecked},
    {"optNUL", ControlKind::Option, "without uniform load", 120, 450, 2640, 270, kOptionFont, colour::kDefault, {},
     "fraUL"},
    {"fraTC", ControlKind::Frame, "", kRight, 2040, kRightWidth, 780},
    {"optNTC", ControlKind::Option, "without temperature curling", 120, 150, 2640, 270, kOptionFont,
     colour::kDefault, {}, "fraTC", ctl::kChecked},
    {"optWTC", ControlKind::Option, "with temperature curling", 120, 450, 2640, 270, kOptionFont,
     colour::kDefault, {}, "fraTC"},
    {"fraCL", ControlKind::Frame, "", kRight, 2880, kRightWidth, 780},
    {"optNCL", ControlKind::Option, "without concentrated load", 120, 150, 2640, 270, kOptionFont,
     colour::kDefault, {}, "fraCL", ctl::kChecked},
    {"optWCL", ControlKind::Option, "with concentrated load", 120, 450, 2640, 270, kOptionFont, colour::kDefault,
     {}, "fraCL"},
};

// The option buttons and the flag value each stores.
struct FlagOption {
  const char* name;
  int flag;   // 1 UL, 2 TC, 3 CL
  int value;
};
constexpr FlagOption kOptions[] = {{"optWUL", 1, 1}, {"optNUL", 1, 2}, {"optNTC", 2, 2},
                                   {"optWTC", 2, 1}, {"optNCL", 3, 2}, {"optWCL", 3, 1}};

void StoreFlag(int s, int flag, int value) {
  if (flag == 1) gSlabUL(s) = value;
  if (flag == 2) gSlabTC(s) = static_cast<std::int16_t>(value);
  if (flag == 3) gSlabCL(s) = value;
}

constexpr const char* kDamageLimit =
    "Damage analysis is limited to edge loading involving only one slab symmetry with respect to y axis, as "
    "shown in Example SLA4.  NPRINT must be equal to 3 and NSY to the number of nodes on the y axis of symmetry";

void Mark(std::string_view label, Status status, bool keep_done) {
  MarkStatus(kind::kSlabEditor, label, status, keep_done);
}

}  // namespace

std::span<const ParameterRow> SlabGeneralForm::Rows() { return kRows; }
std::span<const ControlSpec> SlabGeneralForm::Extra() { return kExtra; }

void SlabGeneralForm::Load() {
  set_ = CurrentSlabSet();
  BuildParameterForm(kind::kSlabGeneral, DataSetCaption("General Information for Set No. ", set_), kRows, kLayout,
                     kExtra, 1);
  // The help text and OK stand in the right-hand column, under the option frames.
  PlaceTwips(Control<QPlainTextEdit>(*this, "Text1"), kRight, 3780, kRightWidth, 1680);
  PlaceTwips(Control<QPushButton>(*this, "cmdOk"), kRight + 960, 5520, 960, 360);
  const int s = set_;
  if (gNewFile.Number() != 1) {
    if (gSlabUL(s).Number() == 2) Control<QRadioButton>(*this, "optNUL").setChecked(true);
    if (gSlabTC(s) == 1) Control<QRadioButton>(*this, "optWTC").setChecked(true);
    if (gSlabCL(s).Number() == 1) Control<QRadioButton>(*this, "optWCL").setChecked(true);
  }
  // A click on an option button chooses its flag; OK stores the flags chosen.
  for (const FlagOption& o : kOptions) {
    connect(&Control<QRadioButton>(*this, o.name), &QRadioButton::clicked, this,
            [this, o] { chosen_flags_[o.flag] = o.value; });
  }
  SetTitleBox("txtTitle", gSlabTITLE(s));
  for (std::size_t row = 0; row < std::size(kRows); ++row) SetBox(kRows[row].box, Value(gSlabGeneral(s, kField[row])));
  gHelpText = Value(SlabGeneralHelp());
  SetHelp(gHelpText.Text());
  Show();
}

void SlabGeneralForm::Recolour() const {
  const int s = set_;
  const auto G = [s](int k) { return gSlabGeneral(s, k); };
  if (gSlabUL(s).Number() == 2)
    Mark("lblUniform", Status::Default, true);
  else
    Mark("lblUniform", Status::Input, false);
  if (gSlabTC(s) == 1) Mark("lblCurling", Status::Input, true);
  if (gSlabCL(s).Number() == 1) Mark("lblRaft", Status::Input, true);
  if (G(gen::kNPY) == 1)
    Mark("lblAdjust", Status::Default, false);
  else
    Mark("lblAdjust", Status::Input, true);
  Mark("lblJoint", G(gen::kNJOINT) != 0 ? Status::Input : Status::Default, G(gen::kNJOINT) != 0);
  const bool optional = G(gen::kNPRINT) != 0 || G(gen::kNSX) != 0 || G(gen::kNSY) != 0 || G(gen::kNAT1) != 0 ||
                        G(gen::kNAT2) != 0;
  Mark("lblOptional", optional ? Status::Input : Status::Default, optional);
}

void SlabGeneralForm::FillDefaults() const {
  const int s = set_;
  const bool si = gSlabGeneral(s, gen::kNUNIT) != 0;
  // After a reading that failed, only what it did not reach takes a default.
  const int reached = gNewFile.Number() == 1 ? 0 : gSlabRecordsRead(s);
  if (reached < 7) {
    gSlabCurling(s, curl::kCT) = kCtDefault.In(si);
    gSlabCurling(s, curl::kFMAX) = Value(kFmaxDefault.In(si));
    gSlabLayerProps(s, 1, 4) = static_cast<float>(kGamaDefault.In(si));
    gSlabFatigue(s, 1, 1) = static_cast<float>(kPmrDefault.In(si));
  }
  if (reached < 10) gSlabLayerProps(s, 1, 3) = static_cast<float>(kYmDefault.In(si));
  if (reached < 34 || gSlabGeneral(s, gen::kNSLAB) <= 1) gSlabDowel(s, 1) = kYmsbDefault.In(si);
}

void SlabGeneralForm::Ok() {
  const int s = set_;
  const std::string title = Box("txtTitle").text().toStdString();
  // Nothing is stored before every value has passed: the title, a number in every box in the
  // order of the rows, then the limits.
  if (std::optional<std::string> refusal = TitleRefusal(title)) return RefuseAt("txtTitle", *refusal);
  const std::optional<std::vector<double>> typed = BoxValues(kRows);
  if (!typed) return;
  std::array<double, 17> values{};
  for (std::size_t row = 0; row < std::size(kRows); ++row) values[kField[row]] = (*typed)[row];
  int field = 0;
  if (std::optional<std::string> refusal = GeneralRefusal(title, values, &field)) {
    const auto row = std::find(std::begin(kField), std::end(kField), field);
    return row != std::end(kField) ? RefuseAt(kRows[row - std::begin(kField)].box, *refusal) : Refuse(*refusal);
  }
  std::array<std::int16_t, 17> stored{};
  for (int k = 1; k <= 16; ++k) stored[k] = static_cast<std::int16_t>(values[k]);
  if (stored[gen::kNDAMA] != 0 && !(stored[gen::kNSY] != 0 && stored[gen::kNPRINT] == 3)) return Refuse(kDamageLimit);

  const bool was_si = gSlabGeneral(s, gen::kNUNIT) != 0;
  gSlabTITLE(s) = title;
  for (int k = 1; k <= 16; ++k) gSlabGeneral(s, k) = stored[k];
  for (const auto& [flag, value] : chosen_flags_) StoreFlag(s, flag, value);
  // The unit-dependent defaults are filled by the first OK that succeeds for a new or badly read
  // file; a later change of the unit system offers the new system's defaults, and Cancel there
  // leaves the form open with nothing stored.
  const bool first_fill = (gNewFile.Number() == 1 || gSlabReadError.Number() == 1) &&
                          gSlabGeneralVisits.Number() + 1 == 1;
  const bool si = gSlabGeneral(s, gen::kNUNIT) != 0;
  if (!first_fill && si != was_si && !OfferUnitDefaults(SlabArrays(), s, SlabUnitDefaults(s), si, kTitle))
    return StayAt("txtNunit");
  MarkDone(kind::kSlabEditor, "lblGeneral");
  Recolour();
  if (gSlabGeneral(s, gen::kNDAMA) != 0)
    Mark("lblDamage", Status::Input, true);
  else
    Mark("lblDamage", Status::Default, false);
  gSlabGeneralVisits = Value(gSlabGeneralVisits.Number() + 1);
  if (first_fill) FillDefaults();
  Close();
}

}  // namespace pave
