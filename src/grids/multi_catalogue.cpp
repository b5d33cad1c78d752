#include "grids/multi_catalogue.h"

#include <vector>

#include "layered_editor/layered_kinds.h"
#include "shell/window_makers.h"
#include "slab_editor/slab_kinds.h"
#include "grids/grid_window.h"

namespace pave {

namespace {

constexpr MultiLayout kLayouts[] = {
    {.kind = 104, .name = "tblLayer", .window = kind::kGridMulti, .cols = 4, .column_rule = ColumnRule::ByMatl,
     .capacity = 19, .caption = "Layer Thickness, Poisson's Ratio and Unit Weight for Data Set No.{set}",
     .units_si = "Unit       cm               kN/m^3", .units_english = "Unit       in.              pcf",
     .headers = {"Layer No.", "TH", "PR", "GAM"},
     .cells = {Entry("gLayeredLayer", kLine, At(1)), Entry("gLayeredLayer", kLine, At(2)),
               Entry("gLayeredLayer", kLine, At(3))},
     .count = Entry("gLayeredGeneral", At(6)), .marked_last = Entry("gLayeredGeneral", At(6)),
     .done_window = kind::kLayeredEditor, .done_label = "lblLayer", .layer_lines = true},
    {.kind = 112, .name = "tblSeasonal", .window = kind::kGridMulti, .cols = 4, .capacity = 12,
     .caption = "Seasonal Input Parameters for Layer No.{layno} (Clay) and Data Set No.{set}",
     .units_si = "Unit        kPa     kPa     kPa", .units_english = "Unit        psi     psi     psi",
     .headers = {"Period No.", "EMIN", "EMAX", "K1"},
     .cells = {Entry("gLayeredSeasonal", kLayer, kLine, At(1)), Entry("gLayeredSeasonal", kLayer, kLine, At(2)),
               Entry("gLayeredSeasonal", kLayer, kLine, At(3))},
     .count = Entry("gLayeredGeneral", At(3)), .done_window = kind::kLayerChooser, .done_label = "lblLayer{layer}",
     .lines = LineIndex::Period},
    {.kind = 117, .name = "tblViscoLayer", .window = kind::kGridMulti, .cols = 4, .capacity = 12,
     .caption = "Vicoelastic Layer Information for Data Set No.{set}",
     .units_si = "Unit               per C    C", .units_english = "Unit               per F    F",
     .headers = {"Sequence", "LAYNO", "BETA", "TEMPREF"},
     .cells = {Entry("gLayeredViscoLayer", kLine, At(1)), Entry("gLayeredViscoLayer", kLine, At(2)),
               Entry("gLayeredViscoLayer", kLine, At(3))},
     .count = Entry("gLayeredViscoGeneral", At(2)), .check = MultiCheck::LayerNumber,
     .check_message = "LAYNO should not be 0", .done_window = kind::kViscoMenu, .done_label = "lblLayer",
     .lines = LineIndex::ViscoSequence},
    {.kind = 121, .name = "tblBottom", .window = kind::kGridMulti, .cols = 5, .capacity = 19,
     .caption = "Layer Number and Fatigue Coefficients for Data Set No.{set}",
     .headers = {"Sequence", "LNBT", "FT1", "FT2", "FT3"},
     .cells = {Entry("gLayeredBottom", kLine, At(1)), Entry("gLayeredBottom", kLine, At(2)),
               Entry("gLayeredBottom", kLine, At(3)), Entry("gLayeredBottom", kLine, At(4))},
     .count = Entry("gLayeredGeneral", At(11)), .check = MultiCheck::LayerNumber,
     .check_message = "LNBT should not be 0", .done_window = kind::kLayeredDamage, .done_label = "lblBottom"},
    {.kind = 122, .name = "tblTop", .window = kind::kGridMulti, .cols = 4, .capacity = 19,
     .caption = "Layer Number and Permanent Deformation Coefficients for Data Set No.{set}",
     .headers = {"Sequence", "LNTC", "FT4", "FT5"},
     .cells = {Entry("gLayeredTop", kLine, At(1)), Entry("gLayeredTop", kLine, At(2)),
               Entry("gLayeredTop", kLine, At(3))},
     .count = Entry("gLayeredGeneral", At(12)), .check = MultiCheck::LayerNumber,
     .check_message = "LNTC should not be 0", .done_window = kind::kLayeredDamage, .done_label = "lblTop"},
    {.kind = 203, .name = "tblArrangement", .window = kind::kGridMulti, .cols = 7,
     .column_rule = ColumnRule::ByNslab, .capacity = 6,
     .caption = "Arrangement of Slabs and Joints for Data Set No.{set}",
     .headers = {"Slab No.", "NX", "NY", "JONO1", "JONO2", "JONO3", "JONO4"},
     .cells = {Entry("gSlabArrangement", kLine, At(1)), Entry("gSlabArrangement", kLine, At(2)),
               Entry("gSlabArrangement", kLine, At(3)), Entry("gSlabArrangement", kLine, At(4)),
               Entry("gSlabArrangement", kLine, At(5)), Entry("gSlabArrangement", kLine, At(6))},
     .count = Entry("gSlabGeneral", At(7)), .check = MultiCheck::NodeCounts,
     .done_window = kind::kSlabData, .done_label = "lblArrange"},
    {.kind = 209, .name = "tblUniform aux", .window = kind::kGridMulti, .cols = 7, .capacity = 24,
     .caption = "Loaded Areas for Load Group No.{owner} and Data Set No.{set}",
     .units_si = "Unit               cm      cm       cm      cm       kPa",
     .units_english = "Unit               in.     in.      in.     in.      psi",
     .headers = {"Load Sequence", "LS", "XL1", "XL2", "YL1", "YL2", "QQ"},
     .cells = {Entry("gSlabLoadAreas", kOwner, kLine, At(1)), Entry("gSlabLoadAreas", kOwner, kLine, At(2)),
               Entry("gSlabLoadAreas", kOwner, kLine, At(3)), Entry("gSlabLoadAreas", kOwner, kLine, At(4)),
               Entry("gSlabLoadAreas", kOwner, kLine, At(5)), Entry("gSlabLoadAreas", kOwner, kLine, At(6))},
     .count = Entry("gSlabNUDL", kOwner), .done_window = kind::kSlabEditor, .done_label = "lblUniform",
     .back_to_main = true},
    {.kind = 223, .name = "tblLayeredFoundation aux", .window = kind::kGridMulti, .cols = 4, .capacity = 6,
     .caption = "Properties of Layered Foundation for Data Set No.{set}",
     .units_si = "Unit      cm       kPa", .units_english = "Unit      in.      psi",
     .headers = {"Layer No.", "TH", "E", "PRBF"},
     .cells = {Entry("gSlabFoundLayers", kLine, At(1)), Entry("gSlabFoundLayers", kLine, At(2)),
               Entry("gSlabFoundLayers", kLine, At(3))},
     .count = Entry("gSlabLayered", At(2)), .marked_last = Entry("gSlabLayered", At(2)),
     .done_window = kind::kSlabEditor, .done_label = "lblFoundation", .back_to_main = true},
    // The slab-layer tables (frmSpread3): one line per slab layer, no count written.
    {.kind = 205, .name = "tblFatigue", .window = kind::kGridSlabLayer, .cols = 4,
     .column_rule = ColumnRule::ByNdama, .capacity = 2,
     .caption = "Strength and  Fatigue Coefficients of Each Slab Layer for Data Set No.{set}",
     .units_si = "Unit       kPa", .units_english = "Unit       psi", .headers = {"Layer No.", "PMR", "F1", "F2"},
     .cells = {Entry("gSlabFatigue", kLine, At(1)), Entry("gSlabFatigue", kLine, At(2)),
               Entry("gSlabFatigue", kLine, At(3))},
     .done_window = kind::kSlabDamage, .done_label = "lblFatigue"},
    {.kind = 208, .name = "tblProperties", .window = kind::kGridSlabLayer, .cols = 5,
     .column_rule = ColumnRule::ByNwt, .capacity = 2,
     .caption = "Thickness, Poisson's Ratio, Young's Modulus, and Unit Weight of Concrete for Data Set No.{set}",
     .units_si = "Unit       cm               kPa     kN/m^3", .units_english = "Unit       in.              psi     pcf",
     .headers = {"Layer No.", "T", "PR", "YM", "GAMA"},
     .cells = {Entry("gSlabLayerProps", kLine, At(1)), Entry("gSlabLayerProps", kLine, At(2)),
               Entry("gSlabLayerProps", kLine, At(3)), Entry("gSlabLayerProps", kLine, At(4))},
     .done_window = kind::kSlabData, .done_label = "lblProperties"},
};

// The recurring paragraphs of the multi-column tables.
std::string LongGuidance(const std::string& arrows_when) {
  return " This form differs from the General Information form in that the active cell is marked by a dotted "
         "rectangle, not by the cursor. Move the rectangle with the arrow keys or, more conveniently, by "
         "clicking the cell wanted. After data is typed, the rectangle turns into a three-dimensional box, and "
         "the Enter key must be pressed to make the entry effective; the up and down arrow keys also make it "
         "effective" + arrows_when + ".";
}
const std::string kStartsUpperLeft =
    " The rectangle starts in the upper left cell, so data can be typed at once. To read the rest of this "
    "text with the PgDn key instead of the scroll bar, first click this text box and, after reading, click "
    "the cell before typing data.";

std::string ShortGuidance(const std::string& what) {
  return " The cursor stands in the upper left cell, as the dotted rectangle shows, so " + what +
         " can be typed at once. To read the rest of this text with the PgDn key, first click this text box "
         "and, after reading, click the cell before typing.";
}

std::string EnterParagraph(bool arrow) {
  return arrow ? "After typing the data in a cell, press the Enter key or an arrow key to make it effective."
               : "After typing the data in a cell, press the Enter key to make it effective.";
}

std::string DeleteParagraph(const std::string& item, const std::string& count_owner) {
  return "A line, or " + item + ", is deleted by first clicking anywhere on the line to make it active and "
         "then pressing <Ctrl>-<Del>. " + count_owner + " is reduced automatically by 1.";
}

std::string InsertParagraph(const std::string& item, const std::string& count_owner, bool anywhere,
                            bool last_line_note) {
  std::string s = "A new line, or one more " + item + ", is added above a given line by first clicking " +
                  (anywhere ? "anywhere in that line" : "the cell in that line") +
                  " to make it active and then pressing <Ctrl>-<Ins>. A blank line is shown for the data, and " +
                  count_owner + " increases automatically by 1.";
  if (last_line_note) {
    s += " To add a line after the last line, change " + count_owner +
         " by adding 1, and a blank line is shown as the last line. Always use <Ctrl>-<Ins> unless the line "
         "to be added is the last one, so that no existing line has to be retyped.";
  }
  return s;
}

std::string ReturnParagraph(const std::string& to) { return "After completing this form, click OK to return to " + to + "."; }

std::vector<std::string> Paragraphs(int kind) {
  switch (kind) {
    case 104:
      return {"This form appears when the 'Layer' menu on the Main Menu of PELDRANE is clicked. The number "
              "of layers equals NL as specified in the 'General' menu." + LongGuidance("") + kStartsUpperLeft,
              "TH (thickness of each layer). The last layer is infinite in thickness and need not be "
              "entered.",
              "PR (Poisson's ratio of each layer). Suggested values are 0.35 for HMA and granular materials "
              "and 0.45 for fine-grained soils.",
              "GAM (unit weight of each layer). Suggested values are 145 pcf (22.8 kN/m^3) for HMA, 135 pcf "
              "(21.2 kN/m^3) for granular materials and 105 pcf (19.6 kN/m^3) for soil. This column is not "
              "shown when MATL = 1 or 3.",
              EnterParagraph(false), DeleteParagraph("one of the layers", "NL in the 'General' menu"),
              InsertParagraph("one of the layers", "NL in the 'General' menu", false, true),
              ReturnParagraph("the Main Menu of PELDRANE")};
    case 112:
      return {"This form appears when the layer button on the Seasonal Input Parameters of Each Layer is "
              "clicked. The number of periods equals NPY as specified in the 'General' menu.",
              "EMIN (minimum elastic modulus). If EMIN is 0, there is no horizontal cutoff line, and the "
              "sloping K4 or K3 line is extended until it hits the horizontal axis.",
              "EMAX (maximum elastic modulus). If EMAX is given a very large value, there is no horizontal "
              "cutoff line, and the sloping K3 line is extended until it hits the vertical axis.",
              "K1 (break point elastic modulus).",
              "After typing the data in the first cell, move to the next cell by pressing the Enter key.",
              DeleteParagraph("one period", "NPY in the 'General' menu"),
              InsertParagraph("one period", "NPY in the 'General' menu", true, true),
              "Upon completion, click the OK button to return to the Seasonal Input Parameters of Each "
              "Layer."};
    case 117:
      return {"This form appears when the 'Layer' menu on the Viscoelastic Layers Menu is clicked. The "
              "number of viscoelastic layers equals NVL as specified in the Viscoelastic General "
              "Information." + ShortGuidance("the data"),
              "LAYNO (layer number in the layer system which is viscoelastic).",
              "BETA (temperature shift coefficient), obtained from the slope of the time-temperature shift "
              "factor versus temperature on a semilog plot.",
              "TEMPREF (reference temperature of each viscoelastic layer at which the creep compliances are "
              "measured).",
              EnterParagraph(true),
              DeleteParagraph("one of the layers", "NVL in the Viscoelastic General Information"),
              InsertParagraph("one of the layers", "NVL in the Viscoelastic General Information", false, true),
              ReturnParagraph("the Viscoelastic Layers Menu")};
    case 121:
      return {"This form appears when the 'Bottom Tension' menu on the Damage Analysis is clicked. The "
              "number of sequences, or layers for damage analysis, equals NLBT as specified in the "
              "'General' menu." + ShortGuidance("the layer number"),
              "LNBT (layer number for damage analysis of bottom tension).",
              "FT1, FT2, FT3 (fatigue coefficients f1, f2 and f3). The values suggested by the Asphalt "
              "Institute are 0.0796, 3.291 and 0.854.",
              EnterParagraph(false), DeleteParagraph("one of the layers", "NLBT in the 'General' menu"),
              InsertParagraph("one of the layers", "NLBT in the 'General' menu", false, true),
              ReturnParagraph("the Damage Analysis")};
    case 122:
      return {"This form appears when the 'Top Compression' menu on the Damage Analysis is clicked. The "
              "number of sequences, or layers for damage analysis, equals NLTC as specified in the "
              "'General' menu." + ShortGuidance("the layer number"),
              "LNTC (layer number for damage analysis of top compression).",
              "FT4, FT5 (permanent deformation coefficients f4 and f5). The values suggested by the Asphalt "
              "Institute are 1.365x10^-9 and 4.477.",
              EnterParagraph(false), DeleteParagraph("one of the layers", "NLTC in the 'General' menu"),
              InsertParagraph("one of the layers", "NLTC in the 'General' menu", false, true),
              ReturnParagraph("the Damage Analysis")};
    case 203:
      return {"This form appears when the 'Arrangement' menu on the Slab Information is clicked. The number "
              "of slabs equals NSLAB as specified in the 'General' menu." +
                  LongGuidance(" when there is more than one slab") + kStartsUpperLeft,
              "NX (number of nodes in the X direction for each slab). A maximum of 15 can be specified.",
              "NY (number of nodes in the Y direction for each slab). A maximum of 15 can be specified.",
              "JONO1 (joint no. on the left of each slab): 0 if the left side is not a joint but an edge. "
              "This column and the next three are not shown when NSLAB = 1.",
              "JONO2 (joint no. on the right of each slab): 0 if the right side is an edge.",
              "JONO3 (joint no. at the bottom of each slab): 0 if the bottom side is an edge.",
              "JONO4 (joint no. at the top of each slab): 0 if the top side is an edge.",
              EnterParagraph(true), DeleteParagraph("one of the slabs", "NSLAB in the 'General' menu"),
              InsertParagraph("one of the slabs", "NSLAB in the 'General' menu", false, true),
              ReturnParagraph("the Slab Information")};
    case 209:
      return {"This auxiliary form appears automatically when NUDL of a line is typed on the main form. For "
              "an existing file, it is entered by double clicking the line on the main form.",
              "LS (slab number on which the load is applied).",
              "XL1 (left limit of the loaded area in the x local coordinate).",
              "XL2 (right limit of the loaded area in the x local coordinate).",
              "YL1 (lower limit of the loaded area in the y local coordinate).",
              "YL2 (upper limit of the loaded area in the y local coordinate).",
              "QQ (tire contact pressure of each loaded area).", EnterParagraph(true),
              DeleteParagraph("one of the loaded areas", "NUDL in the main form"),
              InsertParagraph("one of the loaded areas", "NUDL in the main form", false, true),
              ReturnParagraph("the main form")};
    case 223:
      return {"This auxiliary form appears automatically when NL is typed on the main form. For an existing "
              "file, it is entered by double clicking the main form.",
              "TH (thickness of each layer). The last, or lowest, layer is of infinite thickness, so its "
              "thickness is crossed out and not needed.",
              "E (elastic modulus of each layer).", "PRBF (Poisson's ratio of each Burmister layer).",
              EnterParagraph(true),
              DeleteParagraph("one of the layers but not the last", "NL in the main form"),
              InsertParagraph("one of the layers but not the last", "NL in the main form", false, false),
              ReturnParagraph("the main form")};
    case 205:
      return {"This form appears when the 'Fatigue Properties' menu on the Damage Analysis is clicked. The "
              "slab may have two layers, one for a concrete surface course and the other for a concrete "
              "base course. With only one layer of concrete (NLAYER = 1), layer 2 is not shown. After "
              "typing the data, press the Enter or an arrow key to make it effective.",
              "PMR (modulus of rupture of pavement slab).",
              "F1 (fatigue coefficient): the intercept of the log of allowable number of repetitions versus "
              "stress ratio curve, i.e. the log of the allowable number of load repetitions when the stress "
              "ratio is 0. The column is not shown when NDAMA = 1.",
              "F2 (fatigue exponent): the slope of the log number of allowable repetitions versus stress "
              "ratio curve. The column is not shown when NDAMA = 1.",
              "F1 and F2 are needed only when NDAMA = 2. If the PCA criteria are used with NDAMA = 1, they "
              "are not needed and can be any values.",
              "Upon completion, click OK to return to the Damage Analysis."};
    case 208:
      return {"This form appears when the 'Properties' menu on the Slab Information is clicked. The slab may "
              "have two layers, one for a concrete surface course and the other for a concrete base course. "
              "With only one layer of concrete (NLAYER = 1), layer 2 is not shown. After typing the data, "
              "press the Enter or an arrow key to make it effective.",
              "T (thickness of each slab layer). If the thickness is not uniform, this is the thickness of "
              "the uniform part, while the nodal numbers and thicknesses of the non-uniform part are read "
              "later.",
              "PR (Poisson's ratio of each slab layer).", "YM (Young's modulus of each slab layer).",
              "GAMA (unit weight of each layer), used to compute the nodal forces when NWT = 1. The column "
              "is not shown when NWT = 0.",
              "Upon completion, click OK to return to the Slab Information."};
    default:
      return {};
  }
}
}  // namespace

std::span<const MultiLayout> MultiLayouts() { return kLayouts; }

const MultiLayout* FindMultiLayout(int kind) {
  for (const MultiLayout& l : kLayouts) {
    if (l.kind == kind) return &l;
  }
  return nullptr;
}

std::string MultiHelp(const MultiLayout& layout) { return HelpText(Paragraphs(layout.kind)); }

}  // namespace pave
