// The cell-editing engine over the scripted grid: opening the editor, committing, the keys of the
// editor and of the grid with their exact key-code sums, line insertion and deletion.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grids/cell_engine.h"
#include "platform/scripted_grid.h"
#include "platform/scripted_platform.h"

namespace pave {
namespace {

// A table of `cols` data columns whose cells read "r.c" from the data set, each standing for the
// number 10 r + c.
class FakeTable : public GridTable {
 public:
  FakeTable(GridControl& grid, int cols, int capacity = 50) : grid_(grid), cols_(cols), capacity_(capacity) {}
  void Setup(int rows) override {
    ++setups;
    grid_.SetCols(cols_ + 1);
    grid_.SetRows(rows);
    for (int i = 1; i < rows; ++i) {
      grid_.SetText(i, 0, std::to_string(i));
      for (int c = 1; c <= cols_; ++c) grid_.SetText(i, c, std::to_string(i) + "." + std::to_string(c));
    }
    grid_.SetRow(rows > 1 ? 1 : 0);
    grid_.SetCol(1);
  }
  std::optional<Value> Shown(int line, int col) const override { return Value(10.0 * line + col); }
  int Capacity() const override { return capacity_; }
  bool LinesFixed() const override { return fixed; }
  void DoubleClickAction() override { ++double_clicks; }
  void LineInserted(int line, int lines) override { events.push_back("insert " + std::to_string(line) + " of " + std::to_string(lines)); }
  void LineDeleted(int line, int lines) override { events.push_back("delete " + std::to_string(line) + " of " + std::to_string(lines)); }

  bool fixed = false;
  int double_clicks = 0;
  int setups = 0;
  std::vector<std::string> events;

 private:
  GridControl& grid_;
  int cols_, capacity_;
};

class CellEngineTest : public ::testing::Test {
 protected:
  void Start(int lines, int cols, EngineStyle style = {.grid_left = 240, .grid_top = 360}) {
    table_ = std::make_unique<FakeTable>(grid_, cols);
    engine_ = std::make_unique<CellEngine>(grid_, editor_, *table_, style);
    engine_->Start(lines);
    grid_.SetFocus();
  }
  std::vector<std::string> Column(int col) const {
    std::vector<std::string> v;
    for (int r = 1; r < grid_.Rows(); ++r) v.push_back(grid_.Text(r, col));
    return v;
  }
  std::pair<int, int> Current() const { return {grid_.Row(), grid_.Col()}; }

  ScriptedPlatform platform_;
  ScriptedGrid grid_;
  ScriptedCellEditor editor_{grid_};
  std::unique_ptr<FakeTable> table_;
  std::unique_ptr<CellEngine> engine_;
};

TEST_F(CellEngineTest, TypingACharacterReplacesTheCellAndEnterStoresItAndMovesRight) {
  Start(3, 2);
  grid_.SetRow(2);
  grid_.TypeChar('7');
  ASSERT_TRUE(editor_.Visible());
  EXPECT_EQ(editor_.Text(), "7");
  EXPECT_EQ(editor_.Caret(), 1);
  EXPECT_EQ(grid_.Text(2, 1), "2.1");   // nothing is stored before the commit
  editor_.PressKey(key::kReturn);
  EXPECT_FALSE(editor_.Visible());
  EXPECT_EQ(grid_.Text(2, 1), "7");
  EXPECT_EQ(Current(), std::make_pair(2, 2));
  EXPECT_FALSE(engine_->Untouched(2, 1).has_value());
  EXPECT_EQ(engine_->Untouched(2, 2), Value(22.0));
}

TEST_F(CellEngineTest, ControlCharactersOpenTheEditorWithTheCellsText) {
  for (int c : {13, 32, 8, 27, 0}) {
    Start(2, 1);
    engine_->Edit(c);
    EXPECT_EQ(editor_.Text(), "1.1") << c;
    EXPECT_EQ(editor_.Caret(), 3) << c;
  }
}

TEST_F(CellEngineTest, EditorSitsOverTheCurrentCell) {
  Start(3, 2);
  grid_.Click(3, 2);
  grid_.TypeChar('5');
  EXPECT_EQ(editor_.left(), 240 + grid_.CellLeft());
  EXPECT_EQ(editor_.top(), 360 + grid_.CellTop());
  EXPECT_EQ(editor_.width(), grid_.CellWidth());
  EXPECT_EQ(editor_.height(), grid_.CellHeight());
}

struct EnterCase {
  const char* name;
  int lines, cols, row, col;
  int row_after, col_after;
};

void PrintTo(const EnterCase& c, std::ostream* os) { *os << c.name; }

class EnterTest : public CellEngineTest, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EnterTest, EnterWalksTheTableLineByLine) {
  const EnterCase& c = GetParam();
  Start(c.lines, c.cols);
  grid_.Click(c.row, c.col);
  grid_.TypeChar('9');
  editor_.PressKey(key::kReturn);
  EXPECT_EQ(grid_.Text(c.row, c.col), "9");
  EXPECT_EQ(Current(), std::make_pair(c.row_after, c.col_after));
}

INSTANTIATE_TEST_SUITE_P(Cases, EnterTest,
                         ::testing::Values(EnterCase{"NextColumn", 3, 2, 2, 1, 2, 2},
                                           EnterCase{"LastColumnGoesToNextLine", 3, 2, 2, 2, 3, 1},
                                           EnterCase{"LastCellStaysOnLastLine", 3, 2, 3, 2, 3, 1},
                                           EnterCase{"OneColumn", 3, 1, 1, 1, 2, 1}),
                         [](const ::testing::TestParamInfo<EnterCase>& i) { return i.param.name; });

TEST_F(CellEngineTest, EnterMovesOnFromTheEndOfTheSelection) {
  Start(4, 2);
  grid_.Click(1, 1);
  grid_.ExtendSelection(3, 1);
  engine_->EditKey(key::kReturn, 0);
  EXPECT_EQ(Current(), std::make_pair(3, 2));
}

TEST_F(CellEngineTest, EscapeDiscardsTheTypedText) {
  Start(2, 1);
  grid_.TypeChar('4');
  editor_.PressKey(key::kEscape);
  EXPECT_FALSE(editor_.Visible());
  EXPECT_EQ(grid_.Text(1, 1), "1.1");
  EXPECT_TRUE(grid_.HasFocus());
}

TEST_F(CellEngineTest, UpAndDownCommitAndStopAtTheEnds) {
  Start(3, 1);
  grid_.TypeChar('4');
  editor_.PressKey(key::kUp);
  EXPECT_EQ(grid_.Text(1, 1), "4");
  EXPECT_EQ(Current(), std::make_pair(1, 1));
  grid_.Click(3, 1);
  grid_.TypeChar('6');
  editor_.PressKey(key::kDown);
  EXPECT_EQ(grid_.Text(3, 1), "6");
  EXPECT_EQ(Current(), std::make_pair(3, 1));
  grid_.TypeChar('8');
  editor_.PressKey(key::kUp);
  EXPECT_EQ(grid_.Text(3, 1), "8");
  EXPECT_EQ(Current(), std::make_pair(2, 1));
}

TEST_F(CellEngineTest, AClickEndingAnEditStoresTheTextInTheCellItWasTypedFor) {
  Start(4, 1);
  grid_.TypeChar('5');
  grid_.Click(3, 1);   // the grid takes the focus, then the clicked cell becomes current
  EXPECT_EQ(grid_.Text(1, 1), "5");
  EXPECT_EQ(grid_.Text(3, 1), "3.1");
  EXPECT_EQ(Current(), std::make_pair(3, 1));
}

struct KeyCase {
  const char* name;
  int key_code, shift;
  std::vector<std::string> column;   // column 1 afterwards
  int double_clicks;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class GridKeyTest : public CellEngineTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(GridKeyTest, OnlyTheExactKeyCodeSumsAct) {
  const KeyCase& c = GetParam();
  Start(3, 1);
  grid_.Click(2, 1);
  grid_.PressKey(c.key_code, c.shift);
  EXPECT_EQ(Column(1), c.column);
  EXPECT_EQ(table_->double_clicks, c.double_clicks);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, GridKeyTest,
    ::testing::Values(KeyCase{"Del460", key::kDelete, 0, {"1.1", "", "3.1"}, 0},
                      KeyCase{"CtrlDel462", key::kDelete, key::kCtrl, {"1.1", "3.1"}, 0},
                      KeyCase{"CtrlIns452", key::kInsert, key::kCtrl, {"1.1", " 0", "2.1", "3.1"}, 0},
                      KeyCase{"Esc270", key::kEscape, 0, {"1.1", "2.1", "3.1"}, 1},
                      KeyCase{"CtrlShiftDel463", key::kDelete, key::kCtrl | key::kShift, {"1.1", "2.1", "3.1"}, 0},
                      KeyCase{"ShiftIns451", key::kInsert, key::kShift, {"1.1", "2.1", "3.1"}, 0},
                      KeyCase{"ShiftDel461", key::kDelete, key::kShift, {"1.1", "2.1", "3.1"}, 0},
                      KeyCase{"CtrlAltIns456", key::kInsert, key::kCtrl | key::kAlt, {"1.1", "2.1", "3.1"}, 0}),
    [](const ::testing::TestParamInfo<KeyCase>& i) { return i.param.name; });

TEST_F(CellEngineTest, EscapeOnTheGridThenOpensTheEditorWithTheCellsText) {
  Start(2, 1);
  grid_.PressKey(key::kEscape);
  EXPECT_EQ(table_->double_clicks, 1);
  ASSERT_TRUE(editor_.Visible());
  EXPECT_EQ(editor_.Text(), "1.1");
}

TEST_F(CellEngineTest, DeletingALineKeepsTheOtherLinesAndTheirShownValues) {
  Start(4, 2);
  grid_.Click(2, 2);
  grid_.TypeChar('x');
  editor_.PressKey(key::kReturn);   // line 2, column 2 now typed
  grid_.Click(2, 1);
  grid_.PressKey(key::kDelete, key::kCtrl);
  EXPECT_EQ(Column(1), (std::vector<std::string>{"1.1", "3.1", "4.1"}));
  EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(Current(), std::make_pair(2, 1));
  EXPECT_EQ(engine_->Lines(), 3);
  EXPECT_EQ(engine_->Untouched(2, 1), Value(31.0));
  EXPECT_EQ(table_->events, (std::vector<std::string>{"delete 2 of 3"}));
  grid_.Click(3, 1);
  grid_.PressKey(key::kDelete, key::kCtrl);
  EXPECT_EQ(Current(), std::make_pair(2, 1));
}

TEST_F(CellEngineTest, InsertingALinePutsZerosAboveTheCurrentLineAndKeepsTypedText) {
  Start(3, 2);
  grid_.Click(3, 1);
  grid_.TypeChar('q');
  editor_.PressKey(key::kReturn);
  grid_.Click(2, 2);
  grid_.PressKey(key::kInsert, key::kCtrl);
  EXPECT_EQ(Column(1), (std::vector<std::string>{"1.1", " 0", "2.1", "q"}));
  EXPECT_EQ(Column(2), (std::vector<std::string>{"1.2", " 0", "2.2", "3.2"}));
  EXPECT_EQ(Current(), std::make_pair(2, 1));
  EXPECT_EQ(engine_->Lines(), 4);
  EXPECT_EQ(engine_->Untouched(2, 1), Value(0.0));
  EXPECT_EQ(engine_->Untouched(3, 2), Value(22.0));
  EXPECT_FALSE(engine_->Untouched(4, 1).has_value());
}

TEST_F(CellEngineTest, TheOnlyLineCanBeDeletedAndAnEmptyTableTakesANewLine) {
  Start(1, 2);
  grid_.PressKey(key::kDelete, key::kCtrl);
  EXPECT_EQ(engine_->Lines(), 0);
  EXPECT_EQ(grid_.Rows(), 1);
  EXPECT_EQ(grid_.Row(), 0);
  grid_.PressKey(key::kDelete);             // nothing to clear
  grid_.TypeChar('5');                      // no cell to edit
  EXPECT_FALSE(editor_.Visible());
  grid_.PressKey(key::kInsert, key::kCtrl);
  EXPECT_EQ(engine_->Lines(), 1);
  EXPECT_EQ(Column(1), (std::vector<std::string>{" 0"}));
  EXPECT_EQ(Current(), std::make_pair(1, 1));
}

TEST_F(CellEngineTest, AFullTableRefusesAnotherLineWithAMessage) {
  table_ = std::make_unique<FakeTable>(grid_, 1, 3);
  engine_ = std::make_unique<CellEngine>(grid_, editor_, *table_, EngineStyle{});
  engine_->Start(3);
  grid_.SetFocus();
  grid_.PressKey(key::kInsert, key::kCtrl);
  EXPECT_EQ(engine_->Lines(), 3);
  EXPECT_EQ(platform_.messages.Texts(), (std::vector<std::string>{TableFullMessage(3)}));
}

TEST_F(CellEngineTest, FixedTablesIgnoreInsertionAndDeletionButClearCells) {
  Start(3, 1);
  table_->fixed = true;
  grid_.PressKey(key::kInsert, key::kCtrl);
  grid_.PressKey(key::kDelete, key::kCtrl);
  EXPECT_EQ(engine_->Lines(), 3);
  EXPECT_TRUE(platform_.messages.Texts().empty());
  grid_.PressKey(key::kDelete);
  EXPECT_EQ(grid_.Text(1, 1), "");
}

TEST_F(CellEngineTest, MainTablesPageAfterTwentyLines) {
  ScriptedGrid tall(40);
  ScriptedCellEditor editor(tall);
  FakeTable table(tall, 1);
  CellEngine engine(tall, editor, table, {.paging = EngineStyle::Paging::MainTable});
  for (int lines : {50, 30}) {
    engine.Start(lines);
    tall.SetFocus();
    tall.SetTopRow(1);
    tall.Click(20, 1);
    engine.EditKey(key::kDown, 0);
    EXPECT_EQ(tall.TopRow(), lines == 50 ? 21 : 10) << lines;
  }
}

TEST_F(CellEngineTest, MultiColumnTablesPageAfterFiveLines) {
  ScriptedGrid grid(8);
  ScriptedCellEditor editor(grid);
  FakeTable table(grid, 1);
  CellEngine engine(grid, editor, table, {.enter_from_selection = false, .paging = EngineStyle::Paging::MultiColumn});
  for (int lines : {12, 9}) {
    engine.Start(lines);
    grid.SetFocus();
    grid.SetTopRow(1);
    grid.Click(5, 1);
    engine.EditKey(key::kReturn, 0);
    EXPECT_EQ(grid.TopRow(), lines == 12 ? 6 : 4) << lines;
  }
}

}  // namespace
}  // namespace pave
