// The grid control and the engine's keys on the real widgets, offscreen: key codes and their order,
// the cell editor over its cell, Enter, Esc, the arrows, Del, Ctrl+Del, Ctrl+Ins, a double click and
// a click that ends an edit.
#include "grids_fixture.h"
#include "grids/gui/single_grid_form.h"

#include <QHeaderView>

namespace pave::testing {
namespace {

class Recorder : public GridEvents {
 public:
  void GridGotFocus() override { log.push_back("focus"); }
  void GridLeaveCell() override { log.push_back("leave"); }
  void GridKeyDown(int code, int shift) override {
    log.push_back("down " + std::to_string(code * 10 + shift));
  }
  void GridKeyPress(int ascii) override { log.push_back("press " + std::to_string(ascii)); }
  void GridDblClick() override { log.push_back("dblclick"); }
  std::vector<std::string> log;
};

class QtGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GridsTestApp();
    window_ = std::make_unique<QWidget>();
    window_->resize(400, 300);
    grid_ = new QtGrid(window_.get());
    grid_->setGeometry(10, 10, 300, 200);
    grid_->SetEvents(&recorder_);
    grid_->SetCols(3);
    grid_->SetRows(4);
    for (int r = 0; r < 4; ++r) {
      for (int c = 0; c < 3; ++c) grid_->SetText(r, c, std::to_string(r) + ":" + std::to_string(c));
    }
    window_->show();
    grid_->setFocus();
    grid_->SetRow(1);
    grid_->SetCol(1);
    recorder_.log.clear();
  }
  std::unique_ptr<QWidget> window_;
  QtGrid* grid_ = nullptr;
  Recorder recorder_;
};

struct KeyCase {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers mods;
  std::vector<std::string> log;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class QtGridKeyTest : public QtGridTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(QtGridKeyTest, KeyDownComesBeforeTheCharacterWithTheExactCodeSum) {
  const KeyCase& c = GetParam();
  QTest::keyClick(grid_, c.key, c.mods);
  EXPECT_EQ(recorder_.log, c.log);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, QtGridKeyTest,
    // The modifier keys report their own key-down first (Ctrl 17, Shift 16), which acts on nothing.
    ::testing::Values(KeyCase{"CtrlIns", Qt::Key_Insert, Qt::ControlModifier, {"down 172", "down 452"}},
                      KeyCase{"Del", Qt::Key_Delete, Qt::NoModifier, {"down 460"}},
                      KeyCase{"CtrlDel", Qt::Key_Delete, Qt::ControlModifier, {"down 172", "down 462"}},
                      KeyCase{"CtrlShiftDel", Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier,
                              {"down 161", "down 173", "down 463"}},
                      KeyCase{"ShiftIns", Qt::Key_Insert, Qt::ShiftModifier, {"down 161", "down 451"}},
                      KeyCase{"Esc", Qt::Key_Escape, Qt::NoModifier, {"down 270", "press 27"}},
                      KeyCase{"Enter", Qt::Key_Return, Qt::NoModifier, {"down 130", "press 13"}},
                      KeyCase{"Digit", Qt::Key_7, Qt::NoModifier, {"down 550", "press 55"}},
                      // A chord is a command: its key-down is reported, it types no character.
                      KeyCase{"AltDigit", Qt::Key_1, Qt::AltModifier, {"down 184", "down 494"}},
                      KeyCase{"CtrlDigit", Qt::Key_7, Qt::ControlModifier, {"down 172", "down 552"}},
                      KeyCase{"Down", Qt::Key_Down, Qt::NoModifier, {"down 400", "leave"}}),
    [](const ::testing::TestParamInfo<KeyCase>& i) { return i.param.name; });

TEST_F(QtGridTest, RowZeroIsTheHeaderAndColumnZeroNeverBecomesCurrent) {
  EXPECT_EQ(grid_->horizontalHeaderItem(2)->text().toStdString(), "0:2");
  EXPECT_EQ(grid_->Rows(), 4);
  grid_->SetColWidth(1, 1500);
  EXPECT_EQ(grid_->ColWidth(1), 1500);
  QTest::mouseClick(grid_->viewport(), Qt::LeftButton, Qt::NoModifier,
                    grid_->CellRect(3, 0).center() - grid_->viewport()->pos());
  EXPECT_EQ(grid_->Row(), 1);
  QTest::keyClick(grid_, Qt::Key_Left);
  EXPECT_EQ(grid_->Col(), 1);
  QTest::mouseDClick(grid_->viewport(), Qt::LeftButton, Qt::NoModifier,
                     grid_->CellRect(2, 2).center() - grid_->viewport()->pos());
  EXPECT_EQ(grid_->Row(), 2);
  EXPECT_EQ(grid_->Col(), 2);
  EXPECT_EQ(recorder_.log.back(), "dblclick");
}

TEST_F(QtGridTest, CellPlaceIsTheCellsRectangleOnTheGrid) {
  grid_->SetRow(3);
  grid_->SetCol(2);
  const QRect r = grid_->CellRect(3, 2);
  EXPECT_EQ(grid_->CellLeft(), PixelsToTwips(r.left()));
  EXPECT_EQ(grid_->CellTop(), PixelsToTwips(r.top()));
  EXPECT_EQ(grid_->CellWidth(), PixelsToTwips(r.width()));
  EXPECT_GT(r.top(), grid_->horizontalHeader()->height() - 1);
}

// A column is widened to what the view needs to draw a cell's text whole, whatever the text, and a
// text that fits leaves its width alone.
TEST_F(QtGridTest, AColumnIsWidenedToShowEachTextWhole) {
  const QFontMetrics cells(grid_->font());
  const auto needed = [&](int row, int col) {
    return cells.horizontalAdvance(grid_->item(row - 1, col)->text()) + 6;
  };
  const char* const texts[] = {"XXXXXXXXX", " 1.234568E+09", "WWWWWWWWWWWWWW", "-.0001234567",
                               "\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84"};
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    grid_->SetColWidth(1, 300);
    const int narrow = grid_->columnWidth(1);
    grid_->SetText(2, 1, " 5");
    EXPECT_EQ(grid_->columnWidth(1), narrow);
    grid_->SetText(3, 1, text);
    EXPECT_GE(grid_->columnWidth(1), needed(3, 1));
    EXPECT_GT(grid_->columnWidth(1), narrow);
  }
}

// The engine on the Z-coordinate table of the single-level window.
class GridKeysTest : public GridsTest {
 protected:
  GridForm& Open(int lines) {
    Owner("frmPELDRANE", {"lblZcoord"});
    for (int i = 1; i <= 19; ++i) L->ZC(1, i) = Value(i);
    L->General(1, 7) = static_cast<float>(lines);
    gScreenCode = Value(103);
    gGridCols = 2;
    gGridLines = Value(lines);
    LoadWindow(kind::kGridSingle);
    return *Grid(kind::kGridSingle);
  }
  static std::vector<std::string> Column(GridForm& f) {
    std::vector<std::string> v;
    for (int r = 1; r < f.grid().Rows(); ++r) v.push_back(Cell(f, r, 1));
    return v;
  }
};

TEST_F(GridKeysTest, TypingOpensTheEditorOverTheCellAndEnterStores) {
  GridForm& f = Open(3);
  ClickCell(f, 2, 1);
  Type(f, "7");
  QLineEdit& box = f.cell_editor().box();
  ASSERT_TRUE(box.isVisible());
  EXPECT_EQ(box.text().toStdString(), "7");
  EXPECT_EQ(box.cursorPosition(), 1);
  const QRect cell = f.grid().CellRect(2, 1).translated(f.grid().pos());
  EXPECT_EQ(box.geometry(), cell);
  Type(f, ".25");
  Key(f, Qt::Key_Return);
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(Column(f), (std::vector<std::string>{" 1", "7.25", " 3"}));
  EXPECT_EQ(f.grid().Row(), 3);
}

TEST_F(GridKeysTest, EnterOnACellOpensItsTextAndEscKeepsIt) {
  GridForm& f = Open(2);
  Key(f, Qt::Key_Return);   // opens the editor with the text, caret at the end
  QLineEdit& box = f.cell_editor().box();
  ASSERT_TRUE(box.isVisible());
  EXPECT_EQ(box.text().toStdString(), " 1");
  EXPECT_EQ(box.cursorPosition(), 2);
  Key(f, Qt::Key_Backspace);
  Type(f, "9");
  Key(f, Qt::Key_Escape);
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(Cell(f, 1, 1), " 1");
  Key(f, Qt::Key_Escape);   // Esc on the grid opens the editor with the cell's text
  EXPECT_TRUE(box.isVisible());
  EXPECT_EQ(box.text().toStdString(), " 1");
}

TEST_F(GridKeysTest, UpAndDownCommitAndStayInsideTheTable) {
  GridForm& f = Open(2);
  Type(f, "5");
  Key(f, Qt::Key_Up);
  EXPECT_EQ(Cell(f, 1, 1), "5");
  EXPECT_EQ(f.grid().Row(), 1);
  Type(f, "6");
  Key(f, Qt::Key_Down);
  Type(f, "8");
  Key(f, Qt::Key_Down);
  EXPECT_EQ(Column(f), (std::vector<std::string>{"6", "8"}));
  EXPECT_EQ(f.grid().Row(), 2);
}

TEST_F(GridKeysTest, DelCtrlDelAndCtrlInsOnTheRealGrid) {
  GridForm& f = Open(4);
  ClickCell(f, 2, 1);
  Key(f, Qt::Key_Delete);
  EXPECT_EQ(Cell(f, 2, 1), "");
  Key(f, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(Column(f), (std::vector<std::string>{" 1", " 3", " 4"}));
  Key(f, Qt::Key_Insert, Qt::ShiftModifier);
  Key(f, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Column(f), (std::vector<std::string>{" 1", " 3", " 4"}));
  ClickCell(f, 3, 1);
  Key(f, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(Column(f), (std::vector<std::string>{" 1", " 3", " 0", " 4"}));
  EXPECT_EQ(f.grid().Row(), 3);
  EXPECT_EQ(Cell(f, 4, 0), "4");
  EXPECT_EQ(gGridLines, Value(4));
}

TEST_F(GridKeysTest, AClickThatEndsAnEditStoresTheTextWhereItWasTyped) {
  GridForm& f = Open(4);
  ClickCell(f, 1, 1);
  Type(f, "42");
  ClickCell(f, 3, 1);
  EXPECT_EQ(Column(f), (std::vector<std::string>{"42", " 2", " 3", " 4"}));
  EXPECT_EQ(f.grid().Row(), 3);
  EXPECT_FALSE(f.cell_editor().box().isVisible());
}

TEST_F(GridKeysTest, ADoubleClickDoesNotOpenTheEditorHere) {
  GridForm& f = Open(3);
  DoubleClickCell(f, 2, 1);
  EXPECT_FALSE(f.cell_editor().box().isVisible());
  EXPECT_EQ(f.grid().Row(), 2);
}

// A key held with Ctrl, Alt or Meta never types into a cell: not on the grid (no edit opens, the
// value stays), not in an open edit (its text stays), and what the user typed is what OK stores.
struct ChordCase {
  const char* name;
  Qt::KeyboardModifiers mods;
};
void PrintTo(const ChordCase& c, std::ostream* os) { *os << c.name; }

class AChord : public GridKeysTest, public ::testing::WithParamInterface<ChordCase> {};

TEST_P(AChord, TypesNothingIntoACell) {
  GridForm& f = Open(3);
  ClickCell(f, 2, 1);
  Key(f, Qt::Key_7, GetParam().mods);
  EXPECT_FALSE(f.cell_editor().box().isVisible());
  Key(f, Qt::Key_Down);
  EXPECT_EQ(Column(f), (std::vector<std::string>{" 1", " 2", " 3"}));

  Type(f, "5");
  Key(f, Qt::Key_1, GetParam().mods);
  ASSERT_TRUE(f.cell_editor().box().isVisible());
  EXPECT_EQ(f.cell_editor().box().text().toStdString(), "5");
  ClickOk(f);
  EXPECT_EQ(L->ZC(1, 3), Value("5"));
  EXPECT_EQ(L->ZC(1, 2), Value(2));
}

INSTANTIATE_TEST_SUITE_P(Chords, AChord,
                         ::testing::Values(ChordCase{"Alt", Qt::AltModifier}, ChordCase{"Ctrl", Qt::ControlModifier},
                                           ChordCase{"CtrlAlt", Qt::ControlModifier | Qt::AltModifier},
                                           ChordCase{"Meta", Qt::MetaModifier},
                                           ChordCase{"ShiftAlt", Qt::ShiftModifier | Qt::AltModifier}),
                         [](const ::testing::TestParamInfo<ChordCase>& i) { return std::string(i.param.name); });

TEST_F(GridKeysTest, APendingEditIsStoredByOk) {
  GridForm& f = Open(2);
  Type(f, "3.5");
  ClickOk(f);
  EXPECT_EQ(L->ZC(1, 1), Value("3.5"));
}

}  // namespace
}  // namespace pave::testing
