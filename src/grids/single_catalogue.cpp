#include "grids/single_catalogue.h"

#include "layered_editor/layered_kinds.h"
#include "layered_editor/layered_unit_defaults.h"
#include "shell/window_makers.h"
#include "slab_editor/slab_kinds.h"

namespace pave {

namespace {
constexpr const char* kPeriodSelector = "frmPeriod";

using V = SingleVariant;
using R = SingleReturn;

// Units texts: the unit names stand over the data columns in the fixed-pitch font.
constexpr std::string_view kCm = "Unit     cm";
constexpr std::string_view kIn = "Unit     in.";

constexpr SingleLayout kLayouts[] = {
    // Layered editor.
    {.kind = 103, .name = "tblZcoord", .capacity = 19,
     .caption = "Z Coordinates of Response Points for Data Set No.{set}",
     .headers = {"Point No.", "ZC"}, .units_si = kCm, .units_english = kIn,
     .cells = {Entry("gLayeredZC", kLine)}, .count = Entry("gLayeredGeneral", At(7)),
     .done_window = kind::kLayeredEditor, .done_label = "lblZcoord"},
    {.kind = 105, .name = "tblInterface", .capacity = 19,
     .caption = "Type of Interface for Data Set No.{set}", .headers = {"Interface No.", "INT"},
     .cells = {Entry("gLayeredINT", kLine)}, .lines_fixed = true,
     .done_window = kind::kLayeredEditor, .done_label = "lblInterface"},
    {.kind = 106, .name = "tblModuli", .capacity = 19,
     .caption = "Layer Moduli for Period No.{period} and Data Set No.{set}", .headers = {"Layer No.", "E"},
     .units_si = "Unit     kPa", .units_english = "Unit     psi",
     .cells = {Entry("gLayeredE", kPeriod, kLine)}, .count = Entry("gLayeredGeneral", At(6)),
     .done_window = kPeriodSelector, .done_label = "lblPeriod{period}", .layer_lines = true},
    {.kind = 107, .variant = V::Points, .name = "tblLoad points", .data_cols = 2, .capacity = 25,
     .caption = "X and Y Coordinates of Response Points for Load Group No.{owner} and Data Set No.{set}",
     .headers = {"Point No.", "XPT", "YPT"}, .units_si = "Unit     cm      cm", .units_english = "Unit     in.     in.",
     .cells = {Entry("gLayeredPoints", kOwner, kLine, At(1)), Entry("gLayeredPoints", kOwner, kLine, At(2))},
     .count = Entry("gLayeredLoad", kOwner, At(6)),
     .done_window = kind::kLayeredEditor, .done_label = "lblLoad1", .after = R::LoadGroups},
    {.kind = 107, .variant = V::Radial, .name = "tblLoad radial", .capacity = 25,
     .caption = "Radial Coordinates of Response Points for Load Group No.{owner} of Data Set No.{set}",
     .headers = {"Point No.", "RC"}, .units_si = kCm, .units_english = kIn,
     .cells = {Entry("gLayeredRC", kOwner, kLine)}, .count = Entry("gLayeredLoad", kOwner, At(6)),
     .done_window = kind::kLayeredEditor, .done_label = "lblLoad1", .after = R::LoadGroups},
    {.kind = 110, .name = "tblRelaxation", .capacity = 12,
     .caption = "Relaxation factor of Each Period for Data Set No.{set}", .headers = {"Period No.", "RELAX"},
     .cells = {Entry("gLayeredRELAX", kLine)}, .count = Entry("gLayeredGeneral", At(3)),
     .done_window = kind::kNonlinearMenu, .done_label = "lblRelaxation",
     .lines = LineIndex::Period},
    {.kind = 112, .variant = V::Granular, .name = "tblSeasonal", .data_cols = 2, .capacity = 12,
     .caption = "Seasonal Input Parameters for Layer No.{layno} (Granular) and Data Set No.{set}",
     .headers = {"Period No.", "PHI", "K1"}, .units_si = "Unit   degree    kPa", .units_english = "Unit   degree    psi",
     .cells = {Entry("gLayeredSeasonal", kLayer, kLine, At(1)), Entry("gLayeredSeasonal", kLayer, kLine, At(2))},
     .count = Entry("gLayeredGeneral", At(3)), .plain_cells = true,
     .done_window = kind::kLayerChooser, .done_label = "lblLayer{layer}",
     .lines = LineIndex::Period},
    {.kind = 112, .variant = V::ClayType, .name = "tblSeasonal clay type", .capacity = 12,
     .caption = "Seasonal Input Parameters for Layer No.{layno} (CLAY) and Data Set No.{set}",
     .headers = {"Period No.", "Clay Type"},
     .cells = {Entry("gLayeredSeasonal", kLayer, kLine, At(1))}, .count = Entry("gLayeredGeneral", At(3)),
     .after = R::ClayValues,
     .lines = LineIndex::Period},
    {.kind = 116, .name = "tblDuration", .capacity = 15,
     .caption = "Time Durations of Creep Compliances for Data Set No.{set}", .headers = {"Sequence", "TYME"},
     .units_si = "Unit     sec", .units_english = "Unit     sec",
     .cells = {Entry("gLayeredTYME", kLine)}, .count = Entry("gLayeredViscoGeneral", At(3)),
     .done_window = kind::kViscoMenu, .done_label = "lblDuration",
     .lines = LineIndex::Time},
    {.kind = 118, .name = "tblCreep", .capacity = 15,
     .caption = "Creep Compliances of Layer No.{lnv} for Data Set No.{set}", .headers = {"TYME", "CREEP"},
     .units_si = "Unit     per kPa", .units_english = "Unit     per psi",
     .cells = {Entry("gLayeredCREEP", kLayer, kLine)}, .count = Entry("gLayeredViscoGeneral", At(3)),
     .times_as_labels = true, .done_window = kind::kLayerChooser, .done_label = "lblLayer{layer}",
     .lines = LineIndex::Time},
    {.kind = 119, .name = "tblTemperature", .capacity = 12,
     .caption = "Temperature of Each Layer for Period No.{period} and Data Set No.{set}",
     .headers = {"Layer No.", "TEMP"}, .units_si = "Unit      C", .units_english = "Unit      F",
     .cells = {Entry("gLayeredTEMP", kPeriod, kLine)}, .count = Entry("gLayeredViscoGeneral", At(2)),
     .done_window = kPeriodSelector, .done_label = "lblPeriod{period}",
     .lines = LineIndex::ViscoSequence, .empty_shows = &kTemperatureDefault},
    {.kind = 123, .name = "tblVolume", .capacity = 12,
     .caption = "Load Repetition for Period No.{period} and Data Set No.{set}",
     .headers = {"Load Group No.", "TNLR"},
     .cells = {Entry("gLayeredTNLR", kPeriod, kLine)}, .count = Entry("gLayeredGeneral", At(4)),
     .done_window = kPeriodSelector, .done_label = "lblPeriod{period}",
     .lines = LineIndex::LoadGroup},
    // Slab editor.
    {.kind = 206, .name = "tblXcoordinate", .capacity = 25,
     .caption = "X Coordinates of Grid for Slab No.{slab} and Data Set No.{set}", .headers = {"Sequence", "X"},
     .units_si = kCm, .units_english = kIn,
     .cells = {Entry("gSlabX", kSlab, kLine)}, .count = Entry("gSlabArrangement", kSlab, At(1)),
     .done_window = kind::kSlabChooser, .done_label = "lblSlab{slab}"},
    {.kind = 207, .name = "tblYcoordinate", .capacity = 25,
     .caption = "Y Coordinates of Grid for Slab No.{slab} and Data Set No.{set}", .headers = {"Sequence", "Y"},
     .units_si = kCm, .units_english = kIn,
     .cells = {Entry("gSlabY", kSlab, kLine)}, .count = Entry("gSlabArrangement", kSlab, At(2)),
     .done_window = kind::kSlabChooser, .done_label = "lblSlab{slab}"},
    {.kind = 210, .variant = V::Forces, .name = "tblRaft forces", .data_cols = 2, .capacity = 120,
     .caption = "Vertical Loads at Designated nodes", .headers = {"Sequence No.", "NN", "FF"},
     .units_si = "Unit              kN", .units_english = "Unit              lb",
     .cells = {Entry("gSlabNodalLoads", kLine, At(1), kOwner), Entry("gSlabNodalLoads", kLine, At(2), kOwner)},
     .count = Entry("gSlabRaftCounts", kOwner),
     .done_window = kind::kSlabEditor, .done_label = "lblRaft", .after = R::SlabMain},
    {.kind = 210, .variant = V::MomentsX, .name = "tblRaft moments x", .data_cols = 2, .capacity = 120,
     .caption = "Moments about X-axis at Designated Nodes", .headers = {"Sequence No.", "NNX", "FMX"},
     .units_si = "Unit              cm-kN", .units_english = "Unit              in.-lb",
     .cells = {Entry("gSlabNodalLoads", kLine, At(1), kOwner), Entry("gSlabNodalLoads", kLine, At(2), kOwner)},
     .count = Entry("gSlabRaftCounts", kOwner),
     .done_window = kind::kSlabEditor, .done_label = "lblRaft", .after = R::SlabMain},
    {.kind = 210, .variant = V::MomentsY, .name = "tblRaft moments y", .data_cols = 2, .capacity = 120,
     .caption = "Moment about Y-axis at Designated Nodes", .headers = {"Sequence No.", "NNY", "FMY"},
     .units_si = "Unit              cm-kN", .units_english = "Unit              in-lb",
     .cells = {Entry("gSlabNodalLoads", kLine, At(1), kOwner), Entry("gSlabNodalLoads", kLine, At(2), kOwner)},
     .count = Entry("gSlabRaftCounts", kOwner),
     .done_window = kind::kSlabEditor, .done_label = "lblRaft", .after = R::SlabMain},
    {.kind = 212, .name = "tblNat1", .data_cols = 2, .capacity = 120,
     .caption = "Additional Thickness for Slab Layer 1 and Data Set No.{set}", .headers = {"Sequence", "NT1", "T1"},
     .units_si = "Unit             cm", .units_english = "Unit             in.",
     .cells = {Entry("gSlabAddT1", kLine, At(1)), Entry("gSlabAddT1", kLine, At(2))},
     .count = Entry("gSlabGeneral", At(15)), .done_window = kind::kOptional, .done_label = "lblNat1"},
    {.kind = 213, .name = "tblNat2", .data_cols = 2, .capacity = 120,
     .caption = "Additional Thickness for Slab Layer 2 and Data Set No.{set}", .headers = {"Sequence", "NT2", "T2"},
     .units_si = "Unit             cm", .units_english = "Unit             in.",
     .cells = {Entry("gSlabAddT2", kLine, At(1)), Entry("gSlabAddT2", kLine, At(2))},
     .count = Entry("gSlabGeneral", At(16)), .done_window = kind::kOptional, .done_label = "lblNat2"},
    {.kind = 214, .name = "tblNotcon", .capacity = 120,
     .caption = "Nodes Not in Contact for Data Set No.{set}", .headers = {"Sequence", "NODNC"},
     .cells = {Entry("gSlabNODNC", kLine)}, .count = Entry("gSlabCurling", At(1)),
     .done_window = kind::kOptional, .done_label = "lblNotcon"},
    {.kind = 215, .name = "tblNprint", .capacity = 120,
     .caption = "Nodes for Printout for Data Set No.{set}", .headers = {"Sequence", "NP"},
     .cells = {Entry("gSlabNP", kLine)}, .count = Entry("gSlabGeneral", At(10)),
     .done_window = kind::kOptional, .done_label = "lblNprint"},
    {.kind = 216, .name = "tblNsx", .capacity = 50,
     .caption = "Nodes on X Axis of Symmetry for Data Set No.{set}", .headers = {"Sequence", "NODSX"},
     .cells = {Entry("gSlabNODSX", kLine)}, .count = Entry("gSlabGeneral", At(11)),
     .done_window = kind::kOptional, .done_label = "lblNsx"},
    {.kind = 217, .name = "tblNsy", .capacity = 50,
     .caption = "Nodes on Y Axis of Symmetry for Data Set No.{set}", .headers = {"Sequence", "NODSY"},
     .cells = {Entry("gSlabNODSY", kLine)}, .count = Entry("gSlabGeneral", At(12)),
     .done_window = kind::kOptional, .done_label = "lblNsy"},
    {.kind = 218, .name = "tblNgap", .data_cols = 2, .capacity = 120,
     .caption = "Gap at Specified Nodes for Layer 2 and Data Set No.{set}", .headers = {"Sequence", "NG", "GAP"},
     .units_si = "Unit             cm", .units_english = "Unit             in.",
     .cells = {Entry("gSlabGaps", kLine, At(1)), Entry("gSlabGaps", kLine, At(2))},
     .count = Entry("gSlabCurling", At(2)), .done_window = kind::kOptional, .done_label = "lblNgap"},
    {.kind = 220, .name = "tblAdjust", .capacity = 12,
     .caption = "Foundation Seasonal Adjustment Factor for Data Set No.{set}", .headers = {"Period No.", "FSAF"},
     .cells = {Entry("gSlabFSAF", kLine)}, .count = Entry("gSlabGeneral", At(3)),
     .done_window = kind::kSlabEditor, .done_label = "lblAdjust"},
    {.kind = 221, .name = "tblLiquidFoundation aux", .data_cols = 2, .capacity = 120,
     .caption = "Additional Subgrade Modulus for Data Set No.{set}", .headers = {"Sequence", "NS", "SUBMOD"},
     .units_si = "Unit              MN/m^3", .units_english = "Unit              pci",
     .cells = {Entry("gSlabAddSubmod", kLine, At(1)), Entry("gSlabAddSubmod", kLine, At(2))},
     .count = Entry("gSlabLiquid", At(2)),
     .done_window = kind::kSlabEditor, .done_label = "lblFoundation", .after = R::SlabMain},
    {.kind = 224, .name = "tblJoint aux", .capacity = 15,
     .caption = "No. of Dowels for Joint No.{owner} and Data Set No.{set}", .headers = {"Node Sequence", "BARNO"},
     .cells = {Entry("gSlabBARNO", kOwner, kLine)}, .count = Entry("gSlabJoints", kOwner, At(8)),
     .after = R::Joints},
    {.kind = 225, .name = "tblSlabVolume", .capacity = 12,
     .caption = "Load Repetition for Period No.{period} and Data Set No.{set}",
     .headers = {"Load Group No.", "TNLR"},
     .cells = {Entry("gSlabTNLR", kPeriod, kLine)}, .count = Entry("gSlabGeneral", At(4)),
     .done_window = kPeriodSelector, .done_label = "lblPeriod{period}"},
};
}  // namespace

std::span<const SingleLayout> SingleLayouts() { return kLayouts; }

bool IsSingleKind(int kind) {
  for (const SingleLayout& l : kLayouts) {
    if (l.kind == kind) return true;
  }
  return false;
}

const SingleLayout* FindSingleLayout(int kind, SingleVariant variant) {
  for (const SingleLayout& l : kLayouts) {
    if (l.kind == kind && l.variant == variant) return &l;
  }
  return nullptr;
}

const SingleLayout* SingleLayoutFor(const TableContext& context) {
  const GridHandover& h = context.handover();
  switch (h.kind) {
    case 107: {
      const bool single_wheel = context.Get(Entry("gLayeredLoad", kOwner, At(1))).Number() == 0;
      return FindSingleLayout(107, single_wheel ? V::Radial : V::Points);
    }
    case 112: {
      const bool granular = context.Get(Entry("gLayeredNonseasonal", kLayer, At(3))).Number() == 0;
      return FindSingleLayout(112, granular ? V::Granular : V::ClayType);
    }
    case 210:
      return FindSingleLayout(210, h.owner == 1 ? V::Forces : h.owner == 2 ? V::MomentsX : V::MomentsY);
    default:
      return FindSingleLayout(h.kind);
  }
}

}  // namespace pave
