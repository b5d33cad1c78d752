#include "grids/main_catalogue.h"

#include <string>
#include <vector>

#include "layered_editor/layered_kinds.h"
#include "shell/window_makers.h"
#include "slab_editor/slab_kinds.h"
#include "grids/grid_window.h"

namespace pave {

namespace {

constexpr MainLayout kLayouts[] = {
    {.kind = 107, .name = "tblLoad", .window = kind::kGridMain, .cols = 7, .capacity = 12,
     .caption = "Load Information for Data Set No.{set}",
     .double_hint = "Double click anywhere on a line to get auxiliary form for NR or NPT.",
     .units_si = "Unit              cm      kPa     cm      cm",
     .units_english = "Unit              in.     psi     in.     in.",
     .headers = {"Load Group No.", "LOAD", "CR", "CP", "YW", "XW", "NR or NPT"},
     .cells = {Entry("gLayeredLoad", kLine, At(1)), Entry("gLayeredLoad", kLine, At(2)),
               Entry("gLayeredLoad", kLine, At(3)), Entry("gLayeredLoad", kLine, At(4)),
               Entry("gLayeredLoad", kLine, At(5)), Entry("gLayeredLoad", kLine, At(6))},
     .blank_when_unset = true, .count_col = 6, .line_count = Entry("gLayeredGeneral", At(4)),
     .lines = LineIndex::LoadGroup,
     .aux_window = kind::kGridSingle, .aux_capacity = 25},
    {.kind = 111, .name = "tblNonseasonal", .window = kind::kGridMain, .cols = 4, .capacity = 12,
     .caption = "Nonseasonal Information for Data Set No.{set}",
     .double_hint = "Double click anywhere on a line to get auxiliary form.",
     .headers = {"Sequence", "LAYNO", "ZCNOL", "NCLAY"},
     .cells = {Entry("gLayeredNonseasonal", kLine, At(1)), Entry("gLayeredNonseasonal", kLine, At(2)),
               Entry("gLayeredNonseasonal", kLine, At(3))},
     .blank_when_unset = true, .count_col = 3, .line_count = Entry("gLayeredNonlinGeneral", At(1)),
     .lines = LineIndex::NonlinearSequence,
     .done_window = kind::kNonlinearMenu, .done_label = "lblNonseasonal"},
    {.kind = 224, .name = "tblJoint", .window = kind::kGridMain, .cols = 9, .capacity = 7,
     .caption = "Joint Information for Data Set No.{set}",
     .double_hint = "Double click anywhere on a line to get auxiliary form for NNAJ.",
     .units_si = "Unit     kN/cm^2 cm-kN/cm Mn/m^3  cm      cm       cm      cm",
     .units_english = "Unit      psi    in.-lb/in. pci   in.     in.      in.     in.",
     .headers = {"Joint No.", "SPCON1", "SPCON2", "SCKV", "BD", "BS", "WJ", "GDC", "NNAJ"},
     .cells = {Entry("gSlabJoints", kLine, At(1)), Entry("gSlabJoints", kLine, At(2)),
               Entry("gSlabJoints", kLine, At(3)), Entry("gSlabJoints", kLine, At(4)),
               Entry("gSlabJoints", kLine, At(5)), Entry("gSlabJoints", kLine, At(6)),
               Entry("gSlabJoints", kLine, At(7)), Entry("gSlabJoints", kLine, At(8))},
     .count_col = 8, .line_count = Entry("gSlabGeneral", At(8)),
     .owned = {Entry("gSlabJoints", kLine, kEach), Entry("gSlabBARNO", kLine, kEach)},
     .aux_window = kind::kGridSingle, .aux_cols = 2, .aux_capacity = 15,
     .done_window = kind::kSlabEditor, .done_label = "lblJoint"},
    {.kind = 209, .name = "tblUniform", .window = kind::kGridMainSlab, .cols = 2, .capacity = 12,
     .caption = "Loaded Areas and Contact Pressures for Data Set No.{set}", .sets_key_hint = true,
     .headers = {"Load Group No.", "NUDL"}, .cells = {Entry("gSlabNUDL", kLine)}, .count_col = 1,
     .line_count = Entry("gSlabGeneral", At(4)),
     .owned = {Entry("gSlabNUDL", kLine), Entry("gSlabLoadAreas", kLine, kEach, kEach),
               Entry("gSlabTNLR", kEach, kLine)},
     .aux_window = kind::kGridMulti, .aux_cols = 7, .aux_capacity = 24},
    {.kind = 210, .name = "tblRaft", .window = kind::kGridMainSlab, .cols = 2, .capacity = 3, .lines_fixed = true,
     .caption = "Number of Concentrated Forces and Moments on Raft", .headers = {"Type", ""},
     .labels = LineLabels::RaftNames, .cells = {Entry("gSlabRaftCounts", kLine)}, .count_col = 1,
     .aux_window = kind::kGridSingle, .aux_cols = 3, .aux_capacity = 120},
    {.kind = 221, .name = "tblLiquidFoundation", .window = kind::kGridMainSlab, .cols = 3, .capacity = 1,
     .lines_fixed = true, .caption = "Liquid Foundation for Data Set No.{set}",
     .units_si = "Unit     MN/m^3", .units_english = "Unit     pci", .headers = {"", "SUBMOD", "NAS"},
     .labels = LineLabels::None, .cells = {Entry("gSlabLiquid", At(1)), Entry("gSlabLiquid", At(2))},
     .count_col = 2, .aux_window = kind::kGridSingle, .aux_cols = 3, .aux_capacity = 120,
     .done_window = kind::kSlabEditor, .done_label = "lblFoundation"},
    {.kind = 223, .name = "tblLayeredFoundation", .window = kind::kGridMainSlab, .cols = 3, .capacity = 1,
     .lines_fixed = true, .caption = "Layered Foundation for Data Set No.{set}", .headers = {"", "MAXIC", "NL"},
     .labels = LineLabels::None, .cells = {Entry("gSlabLayered", At(1)), Entry("gSlabLayered", At(2))},
     .blank_when_unset = true, .count_col = 2, .aux_window = kind::kGridMulti, .aux_cols = 4, .aux_capacity = 6,
     .done_window = kind::kSlabEditor, .done_label = "lblFoundation"},
};

const std::string kFillLineByLine =
    "Because of the auxiliary forms, the table is filled line by line from top to bottom with the Enter "
    "key. Entries left with an arrow key are not saved when an auxiliary form is entered; use the arrow "
    "keys only where there is no auxiliary form.";

std::string DeleteLine(const std::string& count, const std::string& owner) {
  return "<Ctrl>-<Del> deletes the line of the active cell; " + count + " in " + owner +
         " is reduced by 1 automatically.";
}

std::string InsertLine(const std::string& count, const std::string& owner) {
  return "<Ctrl>-<Ins> adds a new line for new data above the line of the active cell; " + count +
         " increases by 1 automatically. To add a line after the last one, increase " + count + " in " +
         owner + " by 1; the table then has a new last line. Using <Ctrl>-<Ins> everywhere else spares "
         "retyping the existing lines.";
}

std::string Reenter(const std::string& count) {
  return "For an existing file, the auxiliary form of a line can be entered without retyping " + count +
         " by double clicking the line, or by pressing the Esc key after moving the dotted rectangle of "
         "the active cell to the line.";
}

std::vector<std::string> Paragraphs(int kind) {
  switch (kind) {
    case 107:
      return {"This form appears when the 'Load' menu on the main menu of PELDRANE is clicked. The number "
              "of lines, or load groups, equals NLG as specified in the 'General' menu.",
              "LOAD (type of loading): 0 for a single axle with single tire, 1 for a single axle with dual "
              "tires, 2 for tandem axles and 3 for tridem axles.",
              "CR (contact radius of the circular loaded areas).",
              "CP (contact pressure on the circular loaded areas).",
              "YW (center-to-center spacing of the two dual wheels along the y axis): 0 when there is only "
              "one wheel, or LOAD = 0.",
              "XW (center-to-center spacing of two axles along the x axis): 0 when only one axle exists, "
              "that is LOAD = 0 or 1.",
              "NR (number of radial coordinates to be analyzed under a single wheel, at most 25). A single "
              "wheel with LOAD = 0 is axisymmetric, so the response points are given by radial "
              "coordinates. This column must be entered and cannot be left blank.",
              "NPT (number of points in x and y coordinates to be analyzed under multiple wheels, at most "
              "25). With LOAD > 0, the response points are given by Cartesian coordinates x and y. This "
              "column must be entered and cannot be left blank.",
              "After typing the data in a cell, press the Enter key to move to the next cell. To keep a "
              "default value unchanged, move on with an arrow key.",
              DeleteLine("NLG", "the 'General' menu"), InsertLine("NLG", "the 'General' menu"),
              Reenter("NR or NPT"), kFillLineByLine,
              "After this form and all the necessary auxiliary forms are complete, click OK to return to "
              "the main menu of PELDRANE."};
    case 111:
      return {"This form appears when the 'Nonseasonal' menu on the Nonlinear Layers Menu is clicked. The "
              "number of lines, or sequences, equals NOLAY as specified in the Nonlinear General "
              "Information.",
              "LAYNO (number of the nonlinear layer whose elastic modulus is stress dependent).",
              "ZCNOL (z coordinate of the point where the elastic modulus of the nonlinear layer is "
              "computed). Any point in the layer can be used; the middepth of each layer is suggested, "
              "except for the subgrade, where a point 1 in. below its top is suggested.",
              "NCLAY (type of nonlinear layer): 0 for granular materials, 1 for fine-grained soils. It must "
              "be entered and cannot be left blank. The properties of these clays are provided as defaults "
              "when the option \"Use default input for clay\" on the Nonlinear Layers screen is chosen.",
              DeleteLine("NOLAY", "the Nonlinear General Information"),
              InsertLine("NOLAY", "the Nonlinear General Information"), Reenter("NCLAY"), kFillLineByLine,
              "After this form and all the necessary auxiliary forms are complete, click OK to return to "
              "the Nonlinear Layers Menu."};
    case 224:
      return {"This form appears when the 'Joint' menu on the main menu is clicked. The number of lines, or "
              "joints, equals NJOINT as specified in the 'General' menu.",
              "SPCON1 (spring constant for shear transfer, in psi, or in kN/cm^2 in SI units; "
              "1 kN/cm^2 is 10,000 kPa): 0 when the dowel bar data (SCKV, BD, BS, WJ and GDC in the other "
              "columns) are given.",
              "SPCON2 (spring constant for moment transfer, in in.-lb/in., or in cm-kN/cm in SI units): 0 "
              "when dowel bars are used.",
              "SCKV (modulus of dowel support, or steel-concrete k value): 0 or any value when SPCON1 is "
              "not 0. Suggested values range from 300,000 to 1,500,000 pci (81.5 to 409 GN/m^3).",
              "BD (dowel bar diameter): 0 or any value when SPCON1 is not 0.",
              "BS (dowel bar spacing): 0 or any value when SPCON1 is not 0.",
              "WJ (width of joint): 0 or any value when SPCON1 is not 0.",
              "GDC (gap between dowel and concrete): 0 when there is no gap. The gap also applies when "
              "SPCON1 is not 0, to account for the loss of shear transfer.",
              "NNAJ (number of nodes at each joint, at most 15): 0 when the dowel bars are uniformly "
              "distributed along the joint, as is usually assumed, so no input of this column is needed. "
              "Otherwise type the number of nodes of the joint and press Enter, and an auxiliary form "
              "appears.",
              DeleteLine("NJOINT", "the 'General' menu"), InsertLine("NJOINT", "the 'General' menu"),
              Reenter("NNAJ"), kFillLineByLine,
              "After this form and all the necessary auxiliary forms are complete, click OK to return to "
              "the main menu."};
    case 209:
      return {"This form appears when the 'Uniform' menu on the main menu is clicked. The number of lines "
              "equals NLG as specified in the 'General' menu.",
              "NUDL (number of uniformly distributed loads of each load group, at most 24). Each load is "
              "distributed over a rectangular loaded area; a load spread over several finite elements "
              "still counts as one loaded area. With NLG greater than 1 there is one line of NUDL for each "
              "load group, and each cell must be filled. The active cell is shown by a dotted rectangle; "
              "typing opens the cell editor, and the Enter key opens the auxiliary form for the loaded "
              "areas. After its OK, the main form returns with the active cell on the next line, and the "
              "process is repeated line by line.",
              DeleteLine("NLG", "the 'General' menu"), InsertLine("NLG", "the 'General' menu"),
              Reenter("NUDL"), kFillLineByLine,
              "After this form and all the auxiliary forms for the loaded areas are complete, click OK to "
              "return to the main menu."};
    case 210:
      return {"This form appears when the 'Raft' menu on the main menu is clicked. The menu serves mainly "
              "for raft foundations and is rarely used in pavement design; with only one load group (NLG "
              "= 1) it can also serve pavements under concentrated loads. The raft is a slab on a liquid, "
              "solid or layered foundation under concentrated vertical loads and moments at designated "
              "nodes, given on this form, and under the uniformly distributed loads of the 'Uniform' menu.",
              "Sign convention: a downward force is positive. The sign of a moment follows the right-hand "
              "rule: the bent fingers show the direction of the moment and the thumb the axis about which "
              "it acts; the moment is positive when the thumb points to the positive direction of the axis "
              "and negative otherwise.",
              "NCNF (number of concentrated vertical nodal forces, at most 120). A column load can be a "
              "concentrated load at a designated node. A large column can also be a uniform load over a "
              "square or rectangular area, and a wall a load over a long rectangular area; their width "
              "need not match the finite element grid, and the uniform load is distributed to the nodes "
              "affected by simple statics.",
              "NNMX (number of nodal moments in the x direction, at most 120). The moment in the x "
              "direction is the moment about the y axis, in line with the stress in the x direction, which "
              "equals that moment divided by the section modulus.",
              "NNMY (number of nodal moments in the y direction, at most 120): the moment about the x axis, "
              "in line with the stress in the y direction.",
              "The active cell is shown by a dotted rectangle. Typing NCNF opens the cell editor, and the "
              "Enter key opens the auxiliary form for the concentrated forces. After its OK, the main form "
              "returns with the active cell on NNMX; the same is repeated for NNMX and NNMY.",
              Reenter("NCNF, NNMX or NNMY"), kFillLineByLine,
              "After this form and all the auxiliary forms are complete, click OK to return to the main "
              "menu."};
    case 221:
      return {"This form appears when NFOUND = 0 and the 'Foundation' menu on the main menu is clicked. It "
              "has one line and two entries.",
              "SUBMOD (subgrade modulus of the liquid foundation). When the modulus is not uniform, SUBMOD "
              "is the modulus of the uniform part, and the non-uniform part is entered through the next "
              "column.",
              "NAS (number of additional subgrade moduli to be typed in, at most 120): 0 when the modulus "
              "is uniform throughout. After NAS is typed, an auxiliary form with NAS lines appears.",
              Reenter("NAS"), kFillLineByLine,
              "After this form and the auxiliary form are complete, click OK to return to the main menu."};
    case 223:
      return {"This form appears when NFOUND = 2 and the 'Foundation' menu on the main menu is clicked. It "
              "has one line and two entries.",
              "MAXIC (maximum number of integration cycles for the layered foundation); 30 is suggested.",
              "NL (number of layers of the layered foundation, at most 6). It must be given and cannot be "
              "left blank. After NL is typed, an auxiliary form with NL lines, or layers, appears.",
              Reenter("NL"), kFillLineByLine,
              "After this form and the auxiliary form are complete, click OK to return to the main menu."};
    default:
      return {};
  }
}
}  // namespace

std::span<const MainLayout> MainLayouts() { return kLayouts; }

const MainLayout* FindMainLayout(int kind) {
  for (const MainLayout& l : kLayouts) {
    if (l.kind == kind) return &l;
  }
  return nullptr;
}

std::string MainHelp(const MainLayout& layout) { return HelpText(Paragraphs(layout.kind)); }

}  // namespace pave
