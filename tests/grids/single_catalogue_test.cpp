// Every table of the single-level grid window, held against its catalogue entry: it opens with its
// caption, headers, line labels, units line, key hint and help text, and its OK writes exactly the
// entries the table names (its cells and its count), typed through the real widgets.
#include <algorithm>
#include <functional>

#include "entry_snapshot.h"
#include "grids/single_catalogue.h"
#include "grids_fixture.h"

namespace pave::testing {
namespace {

struct SingleCase {
  std::string name;
  int kind;
  int owner;                                   // the owning line handed over (kinds 107, 210, 224)
  std::function<void(LayeredTestSets&, SlabTestSets&)> data;   // picks the layout
  std::string caption;
  std::vector<std::string> headers;            // row 0, from column 0
  std::string label2;                          // column 0 of line 2
  std::string units_english, units_si;
  std::vector<std::string> cells;              // entry of each data column; L stands for the line
  std::string count;                           // the count entry ("" none)
  std::string done_window, done_label;         // the label marked "done" ("" none)
  std::string help_phrase;                     // a fact the help text must give
  std::string next_window = {};                // the window OK opens next ("" none)
  std::vector<std::string> moved = {};         // entries of other tables the inserted line 1 writes
};

void PrintTo(const SingleCase& c, std::ostream* os) { *os << c.name; }

std::string At(std::string pattern, int line) {
  const std::size_t at = pattern.find('L', pattern.find('('));
  if (at != std::string::npos) pattern.replace(at, 1, std::to_string(line));
  return pattern;
}

void Nothing(LayeredTestSets&, SlabTestSets&) {}

// A layer inserted as layer 1 of data set 2: its entries in the per-layer tables, 0 (none were set
// before), other than those of period `own_period`'s moduli.
std::vector<std::string> NewLayerOne(int own_period) {
  std::vector<std::string> v;
  for (int p = 1; p <= 12; ++p) {
    if (p != own_period) v.push_back("gLayeredE(2," + std::to_string(p) + ",1)");
  }
  if (own_period != 0) {
    for (int k = 1; k <= 3; ++k) v.push_back("gLayeredLayer(2,1," + std::to_string(k) + ")");
  }
  return v;
}

const std::string kHint =
    "Use <Ctrl>-<Del> to delete a line, <Ctrl>-<Ins> to insert a line, and <Del> to clear a cell.";

std::vector<SingleCase> Cases() {
  return {
      {"ZC", 103, 0, Nothing, "Z Coordinates of Response Points for Data Set No. 2", {"Point No.", "ZC"}, "2",
       "Unit     in.", "Unit     cm", {"gLayeredZC(2,L)"}, "gLayeredGeneral(2,7)", "frmPELDRANE", "lblZcoord",
       "0.0001 larger"},
      {"Interface", 105, 0, Nothing, "Type of Interface for Data Set No. 2", {"Interface No.", "INT"}, "2", "", "",
       {"gLayeredINT(2,L)"}, "", "frmPELDRANE", "lblInterface", "You cannot delete or add a line on this form."},
      {"Moduli", 106, 0, Nothing, "Layer Moduli for Period No. 3 and Data Set No. 2", {"Layer No.", "E"}, "2",
       "Unit     psi", "Unit     kPa", {"gLayeredE(2,3,L)"}, "gLayeredGeneral(2,6)", "frmPeriod", "lblPeriod3",
       "1.234E5", "", NewLayerOne(3)},
      {"Points", 107, 2, [](LayeredTestSets& l, SlabTestSets&) { l.Load(2, 2, 1) = Value(1.0); },
       "X and Y Coordinates of Response Points for Load Group No. 2 and Data Set No. 2",
       {"Point No.", "XPT", "YPT"}, "2", "Unit     in.     in.", "Unit     cm      cm",
       {"gLayeredPoints(2,2,L,1)", "gLayeredPoints(2,2,L,2)"}, "gLayeredLoad(2,2,6)", "frmPELDRANE", "lblLoad1",
       "NPT", "frmSpread1"},
      {"Radial", 107, 2, Nothing, "Radial Coordinates of Response Points for Load Group No. 2 of Data Set No. 2",
       {"Point No.", "RC"}, "2", "Unit     in.", "Unit     cm", {"gLayeredRC(2,2,L)"}, "gLayeredLoad(2,2,6)",
       "frmPELDRANE", "lblLoad1", "radial distances", "frmSpread1"},
      {"Relaxation", 110, 0, Nothing, "Relaxation factor of Each Period for Data Set No. 2", {"Period No.", "RELAX"},
       "2", "", "", {"gLayeredRELAX(2,L)"}, "gLayeredGeneral(2,3)", "frmNonlin", "lblRelaxation", "0.25"},
      {"Granular", 112, 0, Nothing, "Seasonal Input Parameters for Layer No. 7 (Granular) and Data Set No. 2",
       {"Period No.", "PHI", "K1"}, "2", "Unit   degree    psi", "Unit   degree    kPa",
       {"gLayeredSeasonal(2,2,L,1)", "gLayeredSeasonal(2,2,L,2)"}, "gLayeredGeneral(2,3)", "frmLayer", "lblLayer2",
       "K1 (nonlinear coefficient of granular layer)."},
      {"Duration", 116, 0, Nothing, "Time Durations of Creep Compliances for Data Set No. 2", {"Sequence", "TYME"},
       "2", "Unit     sec", "Unit     sec", {"gLayeredTYME(2,L)"}, "gLayeredViscoGeneral(2,3)", "frmVisco",
       "lblDuration", "0.001 to 100 sec"},
      {"Creep", 118, 0, Nothing, "Creep Compliances of Layer No. 4 for Data Set No. 2", {"TYME", "CREEP"}, "0.003",
       "Unit     per psi", "Unit     per kPa", {"gLayeredCREEP(2,2,L)"}, "gLayeredViscoGeneral(2,3)", "frmLayer",
       "lblLayer2", "1.325e-5"},
      {"Temperature", 119, 0, Nothing, "Temperature of Each Layer for Period No. 3 and Data Set No. 2",
       {"Layer No.", "TEMP"}, "2", "Unit      F", "Unit      C", {"gLayeredTEMP(2,3,L)"},
       "gLayeredViscoGeneral(2,2)", "frmPeriod", "lblPeriod3", "pavement temperature"},
      {"Volume", 123, 0, Nothing, "Load Repetition for Period No. 3 and Data Set No. 2", {"Load Group No.", "TNLR"},
       "2", "", "", {"gLayeredTNLR(2,3,L)"}, "gLayeredGeneral(2,4)", "frmPeriod", "lblPeriod3",
       "TNLR (total number of load repetitions for each load group during each period)."},
      {"Xcoordinate", 206, 0, Nothing, "X Coordinates of Grid for Slab No. 2 and Data Set No. 2", {"Sequence", "X"},
       "2", "Unit     in.", "Unit     cm", {"gSlabX(2,2,L)"}, "gSlabArrangement(2,2,1)", "frmSlabs", "lblSlab2",
       "from left to right"},
      {"Ycoordinate", 207, 0, Nothing, "Y Coordinates of Grid for Slab No. 2 and Data Set No. 2", {"Sequence", "Y"},
       "2", "Unit     in.", "Unit     cm", {"gSlabY(2,2,L)"}, "gSlabArrangement(2,2,2)", "frmSlabs", "lblSlab2",
       "from bottom to top"},
      {"RaftForces", 210, 1, Nothing, "Vertical Loads at Designated nodes", {"Sequence No.", "NN", "FF"}, "2",
       "Unit              lb", "Unit              kN", {"gSlabNodalLoads(2,L,1,1)", "gSlabNodalLoads(2,L,2,1)"},
       "gSlabRaftCounts(2,1)", "frmCORVISTA", "lblRaft", "FF (concentrated force applied at the given node): "
       "Downward positive.", "frmSpreada"},
      {"RaftMomentsX", 210, 2, Nothing, "Moments about X-axis at Designated Nodes", {"Sequence No.", "NNX", "FMX"},
       "2", "Unit              in.-lb", "Unit              cm-kN",
       {"gSlabNodalLoads(2,L,1,2)", "gSlabNodalLoads(2,L,2,2)"}, "gSlabRaftCounts(2,2)", "frmCORVISTA", "lblRaft",
       "about the y axis", "frmSpreada"},
      {"RaftMomentsY", 210, 3, Nothing, "Moment about Y-axis at Designated Nodes", {"Sequence No.", "NNY", "FMY"},
       "2", "Unit              in-lb", "Unit              cm-kN",
       {"gSlabNodalLoads(2,L,1,3)", "gSlabNodalLoads(2,L,2,3)"}, "gSlabRaftCounts(2,3)", "frmCORVISTA", "lblRaft",
       "about the x axis", "frmSpreada"},
      {"Nat1", 212, 0, Nothing, "Additional Thickness for Slab Layer 1 and Data Set No. 2", {"Sequence", "NT1", "T1"},
       "2", "Unit             in.", "Unit             cm", {"gSlabAddT1(2,L,1)", "gSlabAddT1(2,L,2)"},
       "gSlabGeneral(2,15)", "frmOptional", "lblNat1", "'Add.T.Layer1'"},
      {"Nat2", 213, 0, Nothing, "Additional Thickness for Slab Layer 2 and Data Set No. 2", {"Sequence", "NT2", "T2"},
       "2", "Unit             in.", "Unit             cm", {"gSlabAddT2(2,L,1)", "gSlabAddT2(2,L,2)"},
       "gSlabGeneral(2,16)", "frmOptional", "lblNat2", "'Add.T.Layer2'"},
      {"Notcon", 214, 0, Nothing, "Nodes Not in Contact for Data Set No. 2", {"Sequence", "NODNC"}, "2", "", "",
       {"gSlabNODNC(2,L)"}, "gSlabCurling(2,1)", "frmOptional", "lblNotcon",
       "In the analysis, the reactive forces are initially assumed to be 0."},
      {"Nprint", 215, 0, Nothing, "Nodes for Printout for Data Set No. 2", {"Sequence", "NP"}, "2", "", "",
       {"gSlabNP(2,L)"}, "gSlabGeneral(2,10)", "frmOptional", "lblNprint", "Sla4"},
      {"Nsx", 216, 0, Nothing, "Nodes on X Axis of Symmetry for Data Set No. 2", {"Sequence", "NODSX"}, "2", "", "",
       {"gSlabNODSX(2,L)"}, "gSlabGeneral(2,11)", "frmOptional", "lblNsx", "x axis of symmetry"},
      {"Nsy", 217, 0, Nothing, "Nodes on Y Axis of Symmetry for Data Set No. 2", {"Sequence", "NODSY"}, "2", "", "",
       {"gSlabNODSY(2,L)"}, "gSlabGeneral(2,12)", "frmOptional", "lblNsy", "y axis of symmetry"},
      {"Ngap", 218, 0, Nothing, "Gap at Specified Nodes for Layer 2 and Data Set No. 2", {"Sequence", "NG", "GAP"},
       "2", "Unit             in.", "Unit             cm", {"gSlabGaps(2,L,1)", "gSlabGaps(2,L,2)"},
       "gSlabCurling(2,2)", "frmOptional", "lblNgap", "'Curling' menu"},
      {"Adjust", 220, 0, Nothing, "Foundation Seasonal Adjustment Factor for Data Set No. 2", {"Period No.", "FSAF"},
       "2", "", "", {"gSlabFSAF(2,L)"}, "gSlabGeneral(2,3)", "frmCORVISTA", "lblAdjust", "stronger foundation"},
      {"Submod", 221, 1, Nothing, "Additional Subgrade Modulus for Data Set No. 2", {"Sequence", "NS", "SUBMOD"}, "2",
       "Unit              pci", "Unit              MN/m^3", {"gSlabAddSubmod(2,L,1)", "gSlabAddSubmod(2,L,2)"},
       "gSlabLiquid(2,2)", "frmCORVISTA", "lblFoundation", "NS (node", "frmSpreada"},
      {"Dowels", 224, 2, Nothing, "No. of Dowels for Joint No. 2 and Data Set No. 2", {"Node Sequence", "BARNO"}, "2",
       "", "", {"gSlabBARNO(2,2,L)"}, "gSlabJoints(2,2,8)", "", "",
       "In most cases, NNAJ is assumed 0 so you don't have to enter this form.", "frmSpread1"},
      {"SlabVolume", 225, 0, Nothing, "Load Repetition for Period No. 3 and Data Set No. 2", {"Load Group No.", "TNLR"},
       "2", "", "", {"gSlabTNLR(2,3,L)"}, "gSlabGeneral(2,4)", "frmPeriod", "lblPeriod3",
       "TNLR (total number of load repetitions for each load group during each period)."},
  };
}

class SingleCatalogueTest : public GridsTest, public ::testing::WithParamInterface<SingleCase> {
 protected:
  void OpenTable(const SingleCase& c, bool si) {
    gScreenCode = Value(c.kind);
    gLayeredSet = Value(2);
    gSlabSet = Value(2);
    gCurrentPeriod = Value(3);
    gCurrentLayer = Value(2);
    gCurrentSlab = Value(2);
    gOwnerLine = Value(c.owner);
    gGridCols = static_cast<std::int16_t>(c.cells.size() + 1);
    gGridLines = Value(2);
    gMainCols = Value(c.kind == 210 ? 2 : 3);
    gMainLines = Value(c.kind == 210 ? 3 : 1);
    gMainTopLine = Value(1);
    L->General(2, 13) = si ? 1.0f : 0.0f;
    S->General(2, 14) = si ? 1 : 0;
    LoadWindow(kind::kGridSingle);
  }
};

TEST_P(SingleCatalogueTest, OpensAsCataloguedAndWritesExactlyItsEntries) {
  const SingleCase& c = GetParam();
  c.data(*L, *S);
  L->Nonseasonal(2, 2, 1) = Value(7.0);   // LAYNO of the nonlinear sequence in the caption
  L->ViscoLayer(2, 2, 1) = Value(4.0);    // LNV of the viscoelastic sequence
  L->TYME(2, 1) = Value(".001");
  L->TYME(2, 2) = Value(0.003);
  L->TYME(2, 3) = Value(0.01);
  L->General(2, 4) = 5;                   // NLG, for the load-group table OK reopens
  S->General(2, 8) = 3;                   // NJOINT, for the joint table
  Owner(c.done_window.empty() ? "frmNone" : c.done_window, {c.done_label.empty() ? "lblNone" : c.done_label});

  OpenTable(c, true);
  GridForm* si = Grid(kind::kGridSingle);
  ASSERT_NE(si, nullptr) << ::testing::PrintToString(Messages());
  EXPECT_EQ(LabelText(*si, "lblUnit"), c.units_si);
  si->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(Grid(kind::kGridSingle), nullptr);

  OpenTable(c, false);
  GridForm* form = Grid(kind::kGridSingle);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle().toStdString(), c.caption);
  EXPECT_EQ(LabelText(*form, "lblUnit"), c.units_english);
  EXPECT_EQ(LabelText(*form, "lblDelIns"), c.kind == 105 ? "" : kHint);
  ASSERT_EQ(form->grid().Cols(), static_cast<int>(c.headers.size()));
  for (std::size_t col = 0; col < c.headers.size(); ++col) EXPECT_EQ(Cell(*form, 0, static_cast<int>(col)), c.headers[col]);
  EXPECT_EQ(Cell(*form, 2, 0), c.label2);
  const std::string help = form->findChild<QPlainTextEdit*>("Text1")->toPlainText().toStdString();
  EXPECT_EQ(help.rfind("    (1)  ", 0), 0u);
  EXPECT_NE(help.find(c.help_phrase), std::string::npos) << help;
  EXPECT_EQ(gHelpText.Text().find("\r\n") != std::string::npos, true);

  const int lines = c.kind == 105 ? 2 : 3;
  if (c.kind != 105) Key(*form, Qt::Key_Insert, Qt::ControlModifier);
  ASSERT_EQ(form->grid().Rows(), lines + 1);
  const EntrySnapshot before_l = Snapshot(L->dir), before_s = Snapshot(S->dir);
  for (int line = 1; line <= lines; ++line) {
    for (std::size_t col = 1; col <= c.cells.size(); ++col) Enter(*form, std::to_string(10 * line + static_cast<int>(col)));
  }
  ClickOk(*form);
  ASSERT_EQ(Grid(kind::kGridSingle), nullptr) << ::testing::PrintToString(Messages());

  std::vector<std::string> expected;
  for (int line = 1; line <= lines; ++line) {
    for (const std::string& cell : c.cells) expected.push_back(At(cell, line));
  }
  if (!c.count.empty()) expected.push_back(c.count);
  for (const std::string& e : c.moved) expected.push_back(e);
  std::vector<std::string> changed = Changed(before_l, Snapshot(L->dir));
  for (const std::string& s : Changed(before_s, Snapshot(S->dir))) changed.push_back(s);
  for (const SingleLayout& l : SingleLayouts())
    if (l.kind == c.kind) changed = WithoutMoves(changed, expected, l.lines);
  std::sort(expected.begin(), expected.end());
  std::sort(changed.begin(), changed.end());
  EXPECT_EQ(changed, expected);
  if (!c.done_window.empty()) {
    EXPECT_EQ(Loaded<OwnerWindow>(c.done_window.c_str())->Caption(c.done_label), "done");
  }
  if (!c.next_window.empty()) {
    EXPECT_TRUE(platform_.windows.IsLoaded(c.next_window));
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, SingleCatalogueTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<SingleCase>& info) { return info.param.name; });

}  // namespace
}  // namespace pave::testing
