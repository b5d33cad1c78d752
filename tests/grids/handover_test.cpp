// The hand-over of a grid window is taken when it opens: the program-wide values changed while it is
// open (another menu, another data set, another period button) do not move its OK; one table is
// edited at a time; and a status label of a window that was closed meanwhile is left alone.
#include "grids_fixture.h"
#include "grids/gui/period_form.h"

namespace pave::testing {
namespace {

class HandoverTest : public GridsTest {};

const char* kOneTable =
    "Another table is still open. Please complete it with its OK button (or close it) before you open "
    "this one.";

TEST_F(HandoverTest, AMenuClickedWhileATableIsOpenDoesNotMoveItsOk) {
  OwnerWindow& main = Owner("frmPELDRANE", {"lblZcoord", "lblInterface"});
  L->General(1, 7) = 2;
  gScreenCode = Value(103);
  gGridCols = 2;
  gGridLines = Value(2);
  LoadWindow(kind::kGridSingle);
  GridForm* f = Grid(kind::kGridSingle);
  ASSERT_NE(f, nullptr);
  // The Interface menu of the editor and a switch to data set 3 while the table is open.
  gScreenCode = Value(105);
  gGridLines = Value(5);
  gLayeredSet = Value(3);
  LoadWindow(kind::kGridSingle);
  EXPECT_EQ(Messages(), (std::vector<std::string>{kOneTable}));
  Enter(*f, "4");
  ClickOk(*f);
  EXPECT_EQ(L->ZC(1, 1), Value("4"));
  EXPECT_EQ(L->General(1, 7), 2.0f);
  EXPECT_EQ(L->INT(1, 1), 0);
  EXPECT_EQ(L->ZC(3, 1), Value());
  EXPECT_EQ(main.Caption("lblZcoord"), "done");
  EXPECT_EQ(main.Caption("lblInterface"), "input");
}

TEST_F(HandoverTest, ASecondGridWindowIsRefusedWhileOneIsOpen) {
  gScreenCode = Value(103);
  gGridCols = 2;
  gGridLines = Value(1);
  LoadWindow(kind::kGridSingle);
  ASSERT_NE(Grid(kind::kGridSingle), nullptr);
  gScreenCode = Value(104);
  gGridCols = 3;
  gGridLines = Value(2);
  LoadWindow(kind::kGridMulti);
  EXPECT_EQ(Grid(kind::kGridMulti), nullptr);
  EXPECT_EQ(Messages(), (std::vector<std::string>{kOneTable}));
  // Reopening the very table that is open only brings it to the front.
  gScreenCode = Value(103);
  LoadWindow(kind::kGridSingle);
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(HandoverTest, APeriodTableKeepsItsPeriodWhenAnotherButtonIsPressed) {
  Owner("frmPELDRANE", {"lblModuli"});
  L->General(1, 3) = 4;   // NPY
  L->General(1, 6) = 2;   // NL
  gScreenCode = Value(106);
  LoadWindow(kind::kPeriod);
  auto* selector = Loaded<PeriodForm>(kind::kPeriod);
  ASSERT_NE(selector, nullptr);
  QTest::mouseClick(selector->findChild<QPushButton*>("cmdPeriod2"), Qt::LeftButton);
  GridForm* f = Grid(kind::kGridSingle);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->windowTitle().toStdString(), "Layer Moduli for Period No. 2 and Data Set No. 1");
  QTest::mouseClick(selector->findChild<QPushButton*>("cmdPeriod3"), Qt::LeftButton);
  EXPECT_EQ(Messages(), (std::vector<std::string>{kOneTable}));
  EXPECT_EQ(gCurrentPeriod, Value(3));
  Enter(*f, "500000");
  ClickOk(*f);
  EXPECT_EQ(L->E(1, 2, 1), Value("500000"));
  EXPECT_EQ(L->E(1, 3, 1), Value());
  EXPECT_EQ(LabelText(*selector, "lblPeriod2"), "done");
  EXPECT_EQ(LabelText(*selector, "lblPeriod3"), "input");
}

TEST_F(HandoverTest, AnOwnerClosedMeanwhileIsNotOpenedAgain) {
  int loads = 0;
  SetWindowMaker("frmOptional", [&loads]() -> Window* {
    ++loads;
    return new OwnerWindow({"lblNprint"});
  });
  LoadWindow("frmOptional");
  ASSERT_EQ(loads, 1);
  gScreenCode = Value(215);
  gGridCols = 2;
  gGridLines = Value(1);
  LoadWindow(kind::kGridSingle);
  GridForm* f = Grid(kind::kGridSingle);
  ASSERT_NE(f, nullptr);
  platform_.windows.Unload("frmOptional");
  Enter(*f, "12");
  ClickOk(*f);
  EXPECT_EQ(S->NP(1, 1), 12);
  EXPECT_EQ(loads, 1);
  EXPECT_FALSE(platform_.windows.IsLoaded("frmOptional"));
}

TEST_F(HandoverTest, ClosingATableWithoutOkStoresNothing) {
  L->ZC(1, 1) = Value(3.0);
  gScreenCode = Value(103);
  gGridCols = 2;
  gGridLines = Value(1);
  LoadWindow(kind::kGridSingle);
  GridForm* f = Grid(kind::kGridSingle);
  Enter(*f, "9");
  Key(*f, Qt::Key_Insert, Qt::ControlModifier);
  f->close();
  EXPECT_EQ(L->ZC(1, 1), Value(3.0));
  EXPECT_EQ(L->General(1, 7), 0.0f);
}

}  // namespace
}  // namespace pave::testing
