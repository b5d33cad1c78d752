// Every table of the main, multi-column and slab-layer grid windows, held against its catalogue
// entry: caption, headers, line labels, units lines, hints, help text, and an OK that writes
// exactly the entries the table names, typed through the real widgets.
#include <algorithm>
#include <functional>

#include "entry_snapshot.h"
#include "grids/multi_catalogue.h"
#include "grids_fixture.h"

namespace pave::testing {
namespace {

struct TableCase {
  std::string name;
  const char* window;
  int kind;
  std::function<void(LayeredTestSets&, SlabTestSets&)> data;   // counts and switches of data set 2
  int lines;
  std::string caption;
  std::vector<std::string> headers;            // row 0 from column 0
  std::vector<std::string> labels;             // column 0 of lines 1 and 2
  std::string units_english, units_si;
  std::string hint;                            // lblDouble (main tables) or lblDelIns
  std::vector<std::string> cells;              // entry of each data column; L stands for the line
  std::vector<std::string> also;               // further entries OK writes (the count)
  std::string done_window, done_label;
  std::string help_phrase;
  bool insert_line = false;                    // Ctrl+Ins before typing (one line more)
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

std::string At(std::string pattern, int line) {
  const std::size_t at = pattern.find('L', pattern.find('('));
  if (at != std::string::npos) pattern.replace(at, 1, std::to_string(line));
  return pattern;
}

const std::string kHint =
    "Use <Ctrl>-<Del> to delete a line, <Ctrl>-<Ins> to insert a line, and <Del> to clear a cell.";
const std::string kDouble = "Double click (or press the Esc key) for auxiliary form if any entry is not zero.";

std::vector<std::string> Cols(const std::string& array, int n, const std::string& before = "2,L,") {
  std::vector<std::string> v;
  for (int c = 1; c <= n; ++c) v.push_back(array + "(" + before + std::to_string(c) + ")");
  return v;
}

// NL, and the moduli of every period of the layer inserted as layer 1 (0; none were set before).
std::vector<std::string> LayerCountAndNewModuli() {
  std::vector<std::string> v{"gLayeredGeneral(2,6)"};
  for (int p = 1; p <= 12; ++p) v.push_back("gLayeredE(2," + std::to_string(p) + ",1)");
  return v;
}

std::vector<TableCase> Cases() {
  const auto none = [](LayeredTestSets&, SlabTestSets&) {};
  return {
      // Main tables.
      // The counts of the main tables' lines are held high: a count typed lower is a plain entry (a higher
      // one is entered through the line's auxiliary table).
      {"LoadGroups", "frmSpread1", 107,
       [](LayeredTestSets& l, SlabTestSets&) {
         l.General(2, 4) = 5;
         for (int g = 1; g <= 2; ++g) l.Load(2, g, 6) = Value(25.0);
       },
       2,
       "Load Information for Data Set No. 2", {"Load Group No.", "LOAD", "CR", "CP", "YW", "XW", "NR or NPT"},
       {"1", "2"}, "Unit              in.     psi     in.     in.", "Unit              cm      kPa     cm      cm",
       "Double click anywhere on a line to get auxiliary form for NR or NPT.", Cols("gLayeredLoad", 6),
       {"gLayeredGeneral(2,4)"}, "", "", "tridem axles"},
      {"Nonseasonal", "frmSpread1", 111, [](LayeredTestSets& l, SlabTestSets&) { l.NonlinGeneral(2, 1) = Value(5.0); },
       2, "Nonseasonal Information for Data Set No. 2", {"Sequence", "LAYNO", "ZCNOL", "NCLAY"}, {"1", "2"}, "", "",
       "Double click anywhere on a line to get auxiliary form.", Cols("gLayeredNonseasonal", 3),
       {"gLayeredNonlinGeneral(2,1)"}, "frmNonlin", "lblNonseasonal", "1 in. below its top"},
      {"Joints", "frmSpread1", 224,
       [](LayeredTestSets&, SlabTestSets& s) {
         s.General(2, 8) = 5;
         for (int j = 1; j <= 2; ++j) s.Joints(2, j, 8) = Value(15.0);
       },
       2,
       "Joint Information for Data Set No. 2",
       {"Joint No.", "SPCON1", "SPCON2", "SCKV", "BD", "BS", "WJ", "GDC", "NNAJ"}, {"1", "2"},
       "Unit      psi    in.-lb/in. pci   in.     in.      in.     in.",
       "Unit     kN/cm^2 cm-kN/cm Mn/m^3  cm      cm       cm      cm",
       "Double click anywhere on a line to get auxiliary form for NNAJ.", Cols("gSlabJoints", 8),
       {"gSlabGeneral(2,8)"}, "frmCORVISTA", "lblJoint", "81.5 to 409 GN/m^3"},
      {"Uniform", "frmSpreada", 209,
       [](LayeredTestSets&, SlabTestSets& s) {
         s.General(2, 4) = 5;
         for (int g = 1; g <= 2; ++g) s.NUDL(2, g) = 24;
       },
       2,
       "Loaded Areas and Contact Pressures for Data Set No. 2", {"Load Group No.", "NUDL"}, {"1", "2"}, "", "",
       kDouble, {"gSlabNUDL(2,L)"}, {"gSlabGeneral(2,4)"}, "", "", "at most 24"},
      {"Raft", "frmSpreada", 210,
       [](LayeredTestSets&, SlabTestSets& s) {
         for (int k = 1; k <= 3; ++k) s.RaftCounts(2, k) = 120;
       },
       3, "Number of Concentrated Forces and Moments on Raft", {"Type", ""},
       {"NCNF", "NNMX"}, "", "", kDouble, {"gSlabRaftCounts(2,L)"}, {"gSlabCurling(2,10)"}, "", "",
       "right-hand rule"},
      {"Liquid", "frmSpreada", 221, [](LayeredTestSets&, SlabTestSets& s) { s.Liquid(2, 2) = Value(120.0); }, 1, "Liquid Foundation for Data Set No. 2", {"", "SUBMOD", "NAS"}, {""},
       "Unit     pci", "Unit     MN/m^3", kDouble, {"gSlabLiquid(2,1)", "gSlabLiquid(2,2)"}, {}, "frmCORVISTA",
       "lblFoundation", "uniform throughout"},
      {"LayeredFoundation", "frmSpreada", 223, [](LayeredTestSets&, SlabTestSets& s) { s.Layered(2, 2) = Value(6.0); }, 1, "Layered Foundation for Data Set No. 2", {"", "MAXIC", "NL"},
       {""}, "", "", kDouble, {"gSlabLayered(2,1)", "gSlabLayered(2,2)"}, {}, "frmCORVISTA", "lblFoundation",
       "30 is suggested"},
      // Multi-column tables.
      {"Layer", "frmSpread2", 104, [](LayeredTestSets& l, SlabTestSets&) { l.General(2, 1) = 2; l.General(2, 6) = 2; },
       2, "Layer Thickness, Poisson's Ratio and Unit Weight for Data Set No. 2", {"Layer No.", "TH", "PR", "GAM"},
       {"1", "2"}, "Unit       in.              pcf", "Unit       cm               kN/m^3", kHint,
       Cols("gLayeredLayer", 3), LayerCountAndNewModuli(), "frmPELDRANE", "lblLayer", "19.6 kN/m^3", true},
      {"ClaySeasonal", "frmSpread2", 112, [](LayeredTestSets& l, SlabTestSets&) { l.Nonseasonal(2, 2, 1) = Value(7.0); },
       2, "Seasonal Input Parameters for Layer No. 7 (Clay) and Data Set No. 2", {"Period No.", "EMIN", "EMAX", "K1"},
       {"1", "2"}, "Unit        psi     psi     psi", "Unit        kPa     kPa     kPa", kHint,
       Cols("gLayeredSeasonal", 3, "2,2,L,"), {"gLayeredGeneral(2,3)"}, "frmLayer", "lblLayer2",
       "hits the vertical axis", true},
      {"ViscoLayer", "frmSpread2", 117, none, 2, "Vicoelastic Layer Information for Data Set No. 2",
       {"Sequence", "LAYNO", "BETA", "TEMPREF"}, {"1", "2"}, "Unit               per F    F",
       "Unit               per C    C", kHint, Cols("gLayeredViscoLayer", 3), {"gLayeredViscoGeneral(2,2)"},
       "frmVisco", "lblLayer", "semilog plot", true},
      {"Bottom", "frmSpread2", 121, none, 2, "Layer Number and Fatigue Coefficients for Data Set No. 2",
       {"Sequence", "LNBT", "FT1", "FT2", "FT3"}, {"1", "2"}, "", "", kHint, Cols("gLayeredBottom", 4),
       {"gLayeredGeneral(2,11)"}, "frmDamage1", "lblBottom", "0.0796, 3.291 and 0.854", true},
      {"Top", "frmSpread2", 122, none, 2, "Layer Number and Permanent Deformation Coefficients for Data Set No. 2",
       {"Sequence", "LNTC", "FT4", "FT5"}, {"1", "2"}, "", "", kHint, Cols("gLayeredTop", 3),
       {"gLayeredGeneral(2,12)"}, "frmDamage1", "lblTop", "1.365x10^-9 and 4.477", true},
      {"Arrangement", "frmSpread2", 203, [](LayeredTestSets&, SlabTestSets& s) { s.General(2, 7) = 2; }, 2,
       "Arrangement of Slabs and Joints for Data Set No. 2",
       {"Slab No.", "NX", "NY", "JONO1", "JONO2", "JONO3", "JONO4"}, {"1", "2"}, "", "", kHint,
       Cols("gSlabArrangement", 6), {"gSlabGeneral(2,7)"}, "frmSlabData", "lblArrange", "A maximum of 15", true},
      {"LoadedAreas", "frmSpread2", 209, none, 2, "Loaded Areas for Load Group No. 2 and Data Set No. 2",
       {"Load Sequence", "LS", "XL1", "XL2", "YL1", "YL2", "QQ"}, {"1", "2"},
       "Unit               in.     in.      in.     in.      psi",
       "Unit               cm      cm       cm      cm       kPa", kHint, Cols("gSlabLoadAreas", 6, "2,2,L,"),
       {"gSlabNUDL(2,2)"}, "frmCORVISTA", "lblUniform", "tire contact pressure", true},
      {"FoundationLayers", "frmSpread2", 223, [](LayeredTestSets&, SlabTestSets& s) { s.Layered(2, 2) = Value(2.0); },
       2, "Properties of Layered Foundation for Data Set No. 2", {"Layer No.", "TH", "E", "PRBF"}, {"1", "2"},
       "Unit      in.      psi", "Unit      cm       kPa", kHint, Cols("gSlabFoundLayers", 3), {"gSlabLayered(2,2)"},
       "frmCORVISTA", "lblFoundation", "Burmister", true},
      // Slab-layer tables.
      {"Fatigue", "frmSpread3", 205, [](LayeredTestSets&, SlabTestSets& s) { s.General(2, 2) = 2; }, 2,
       "Strength and  Fatigue Coefficients of Each Slab Layer for Data Set No. 2", {"Layer No.", "PMR", "F1", "F2"},
       {"1", "2"}, "Unit       psi", "Unit       kPa", "", Cols("gSlabFatigue", 3), {}, "frmDamage", "lblFatigue",
       "PCA criteria"},
      {"Properties", "frmSpread3", 208, [](LayeredTestSets&, SlabTestSets& s) { s.Curling(2, 5) = Value(1.0); }, 2,
       "Thickness, Poisson's Ratio, Young's Modulus, and Unit Weight of Concrete for Data Set No. 2",
       {"Layer No.", "T", "PR", "YM", "GAMA"}, {"1", "2"}, "Unit       in.              psi     pcf",
       "Unit       cm               kPa     kN/m^3", "", Cols("gSlabLayerProps", 4), {}, "frmSlabData",
       "lblProperties", "NWT = 1"},
  };
}

class TableCatalogueTest : public GridsTest, public ::testing::WithParamInterface<TableCase> {
 protected:
  GridForm* OpenTable(const TableCase& c, bool si) {
    gScreenCode = Value(c.kind);
    gLayeredSet = Value(2);
    gSlabSet = Value(2);
    gCurrentLayer = Value(2);
    gOwnerLine = Value(2);
    gGridLines = Value(c.lines);
    gMainLines = Value(c.kind == 223 && !Main(c) ? 1 : c.lines);
    gMainTopLine = Value(1);
    L->General(2, 13) = si ? 1.0f : 0.0f;
    S->General(2, 14) = si ? 1 : 0;
    LoadWindow(c.window);
    return Grid(c.window);
  }
  bool Main(const TableCase& c) const { return std::string(c.window) == "frmSpread1" || std::string(c.window) == "frmSpreada"; }
};

TEST_P(TableCatalogueTest, OpensAsCataloguedAndWritesExactlyItsEntries) {
  const TableCase& c = GetParam();
  c.data(*L, *S);
  if (!c.done_window.empty()) Owner(c.done_window, {c.done_label});
  GridForm* si = OpenTable(c, true);
  ASSERT_NE(si, nullptr) << ::testing::PrintToString(Messages());
  EXPECT_EQ(LabelText(*si, "lblUnit"), c.units_si);
  si->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  GridForm* form = OpenTable(c, false);
  ASSERT_NE(form, nullptr) << ::testing::PrintToString(Messages());
  EXPECT_EQ(form->windowTitle().toStdString(), c.caption);
  EXPECT_EQ(LabelText(*form, "lblUnit"), c.units_english);
  if (Main(c)) {
    EXPECT_EQ(LabelText(*form, "lblDouble"), c.hint);
  } else if (!c.hint.empty()) {
    EXPECT_EQ(LabelText(*form, "lblDelIns"), c.hint);
  }
  ASSERT_EQ(form->grid().Cols(), static_cast<int>(c.headers.size()));
  for (std::size_t col = 0; col < c.headers.size(); ++col) EXPECT_EQ(Cell(*form, 0, static_cast<int>(col)), c.headers[col]);
  for (std::size_t line = 0; line < c.labels.size(); ++line) EXPECT_EQ(Cell(*form, static_cast<int>(line) + 1, 0), c.labels[line]);
  const std::string help = form->findChild<QPlainTextEdit*>("Text1")->toPlainText().toStdString();
  EXPECT_EQ(help.rfind("    (1)  ", 0), 0u);
  EXPECT_NE(help.find(c.help_phrase), std::string::npos) << help;

  int lines = c.lines;
  if (c.insert_line) {
    Key(*form, Qt::Key_Insert, Qt::ControlModifier);
    ++lines;
  }
  ASSERT_EQ(form->grid().Rows(), lines + 1);
  const EntrySnapshot before_l = Snapshot(L->dir), before_s = Snapshot(S->dir);
  std::vector<std::string> expected;
  for (int line = 1; line <= lines; ++line) {
    for (std::size_t col = 1; col <= c.cells.size(); ++col) {
      const int column = static_cast<int>(col);
      if (Cell(*form, line, column) == "XXXXXXXXX") continue;   // the infinite thickness is not typed
      const std::string value = std::to_string(line + column);
      if (Main(c)) {
        ClickCell(*form, line, column);
        Type(*form, value);
        Key(*form, Qt::Key_Down);
      } else {
        Enter(*form, value);
      }
      expected.push_back(At(c.cells[col - 1], line));
    }
  }
  ClickOk(*form);
  ASSERT_EQ(Grid(c.window), nullptr) << ::testing::PrintToString(Messages());
  for (const std::string& e : c.also) expected.push_back(e);
  std::vector<std::string> changed = Changed(before_l, Snapshot(L->dir));
  for (const std::string& s : Changed(before_s, Snapshot(S->dir))) changed.push_back(s);
  if (const MultiLayout* multi = FindMultiLayout(c.kind); multi && !Main(c) && c.window == multi->window)
    changed = WithoutMoves(changed, expected, multi->lines);
  std::sort(expected.begin(), expected.end());
  std::sort(changed.begin(), changed.end());
  EXPECT_EQ(changed, expected);
  if (!c.done_window.empty()) {
    EXPECT_EQ(Loaded<OwnerWindow>(c.done_window.c_str())->Caption(c.done_label), "done");
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, TableCatalogueTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<TableCase>& info) { return info.param.name; });

}  // namespace
}  // namespace pave::testing
