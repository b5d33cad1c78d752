// A cell whose text its entry cannot hold refuses the OK of every kind of grid window: the message
// names the line and column and why, nothing is stored, the window stays open with that cell
// current and the grid holding the focus, so that the user's typing goes on in that cell.
#include "entry_snapshot.h"
#include "grids_fixture.h"

namespace pave::testing {
namespace {

struct RefusalCase {
  const char* name;
  const char* window;
  int kind;
  int lines;
  int line, col;
  const char* typed;
  const char* message;
};

const RefusalCase kCases[] = {
    // Single-level tables: 16-bit integers, single and double precision, variants.
    {"InterfaceAboveTheIntegerRange", kind::kGridSingle, 105, 3, 2, 1, "40000",
     "The value in line 2, column INT should not be greater than 32767."},
    {"InterfaceBelowTheIntegerRange", kind::kGridSingle, 105, 3, 3, 1, "-32769",
     "The value in line 3, column INT should not be less than -32768."},
    {"InterfaceText", kind::kGridSingle, 105, 3, 1, 1, "abc", "A number is required in line 1, column INT."},
    {"RelaxationBeyondSinglePrecision", kind::kGridSingle, 110, 2, 2, 1, "1e40",
     "The value in line 2, column RELAX should not be greater than 3.4E+38."},
    {"CreepBeyondSinglePrecision", kind::kGridSingle, 118, 2, 1, 1, "-1E+40",
     "The value in line 1, column CREEP should not be less than -3.4E+38."},
    {"AdjustmentFactorThatWouldBecome0", kind::kGridSingle, 220, 2, 2, 1, "1E-50",
     "The value in line 2, column FSAF is too close to 0 to be kept: it should be 0 or at least 1E-45 in size."},
    {"XCoordinateText", kind::kGridSingle, 206, 3, 3, 1, "12,5", "A number is required in line 3, column X."},
    {"SymmetryNodeAboveTheIntegerRange", kind::kGridSingle, 216, 2, 1, 1, "40000",
     "The value in line 1, column NODSX should not be greater than 32767."},
    {"PrintNodeText", kind::kGridSingle, 215, 2, 2, 1, "x", "A number is required in line 2, column NP."},
    {"RaftForceText", kind::kGridSingle, 210, 2, 1, 2, "abc", "A number is required in line 1, column FF."},
    {"ZCoordinateText", kind::kGridSingle, 103, 2, 2, 1, "abc", "A number is required in line 2, column ZC."},
    // Multi-column and slab-layer tables.
    {"SlabNodesAboveTheIntegerRange", kind::kGridMulti, 203, 1, 1, 1, "40000",
     "The value in line 1, column NX should not be greater than 32767."},
    {"TopLayerNumberText", kind::kGridMulti, 122, 2, 2, 1, "abc", "LNTC should not be 0"},
    {"TopCoefficientBeyondSinglePrecision", kind::kGridMulti, 122, 2, 1, 3, "1e40",
     "The value in line 1, column FT5 should not be greater than 3.4E+38."},
    {"SlabThicknessBeyondSinglePrecision", kind::kGridSlabLayer, 208, 2, 2, 1, "1e40",
     "The value in line 2, column T should not be greater than 3.4E+38."},
    {"ModulusOfRuptureText", kind::kGridSlabLayer, 205, 1, 1, 1, "abc", "A number is required in line 1, column PMR."},
    // Main tables.
    {"AreasOfALoadGroupAboveTheIntegerRange", kind::kGridMainSlab, 209, 2, 2, 1, "40000",
     "The value in line 2, column NUDL should not be greater than 32767."},
    {"RaftCountAboveTheIntegerRange", kind::kGridMainSlab, 210, 3, 2, 1, "40000",
     "The value in line 2 should not be greater than 32767."},
    {"LoadGroupText", kind::kGridMain, 107, 1, 1, 3, "abc", "A number is required in line 1, column CP."},
    {"LoadGroupCountBeyondSinglePrecision", kind::kGridMain, 107, 1, 1, 6, "1e40",
     "The value in line 1, column NR or NPT should not be greater than 3.4E+38."},
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class CellRefusalTest : public GridsTest, public ::testing::WithParamInterface<RefusalCase> {
 protected:
  GridForm& Open(const RefusalCase& c) {
    gScreenCode = Value(c.kind);
    gGridLines = Value(c.lines);
    gMainLines = Value(c.lines);
    gMainTopLine = Value(1);
    gOwnerLine = Value(1);
    gCurrentPeriod = Value(1);
    gCurrentLayer = Value(1);
    gCurrentSlab = Value(1);
    LoadWindow(c.window);
    GridForm* form = Grid(c.window);
    EXPECT_NE(form, nullptr) << ::testing::PrintToString(Messages());
    return *form;
  }
};

TEST_P(CellRefusalTest, IsToldAndTheTableStaysOpenOnThatCell) {
  const RefusalCase& c = GetParam();
  for (int f = 1; f <= 6; ++f) L->Load(1, 1, f) = Value(f == 1 ? 0.0 : 3.0);   // a whole load group
  for (int i = 1; i <= 3; ++i) L->Top(1, i, 1) = static_cast<float>(i);          // layer numbers
  GridForm& f = Open(c);
  const EntrySnapshot layered = Snapshot(L->dir), slab = Snapshot(S->dir);
  ClickCell(f, c.line, c.col);
  Type(f, c.typed);
  ClickOk(f);
  EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
  ASSERT_EQ(Grid(c.window), &f);
  EXPECT_TRUE(Changed(layered, Snapshot(L->dir)).empty());
  EXPECT_TRUE(Changed(slab, Snapshot(S->dir)).empty());
  EXPECT_EQ(Cell(f, c.line, c.col), c.typed);
  EXPECT_EQ(f.grid().Row(), c.line);
  EXPECT_EQ(f.grid().Col(), c.col);
  EXPECT_EQ(QApplication::focusWidget(), &f.grid());
  // Typing goes on in the refused cell.
  Type(f, "7");
  EXPECT_TRUE(f.cell_editor().Visible());
  EXPECT_EQ(f.cell_editor().Text(), "7");
  EXPECT_EQ(f.grid().Row(), c.line);
  EXPECT_EQ(f.grid().Col(), c.col);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfTable, CellRefusalTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pave::testing
