// The main tables: the way to a line's auxiliary table and back, the checks of their OK, and line
// insertion and deletion moving what each line owns.
#include "grids_fixture.h"

namespace pave::testing {
namespace {

class MainTableTest : public GridsTest {
 protected:
  GridForm& Open(const char* window, int kind, int lines, int owner = 0) {
    gScreenCode = Value(kind);
    gMainLines = Value(lines);
    gMainTopLine = Value(1);
    gOwnerLine = Value(owner);
    LoadWindow(window);
    GridForm* form = Grid(window);
    EXPECT_NE(form, nullptr) << ::testing::PrintToString(Messages());
    return *form;
  }
  // Load groups of layered data set 1: LOAD, CR, CP, YW, XW, NR or NPT.
  void LoadGroup(int g, std::vector<double> v) {
    for (int f = 1; f <= 6; ++f) L->Load(1, g, f) = Value(v[static_cast<std::size_t>(f) - 1]);
  }
};

TEST_F(MainTableTest, ACountOfZeroIsRefusedWithTheEditorOnTheCountCell) {
  LoadGroup(1, {0, 5, 80, 0, 0, 0});
  GridForm& f = Open(kind::kGridMain, 107, 1);
  DoubleClickCell(f, 1, 2);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"NR or NPT cannot be 0"}));
  EXPECT_EQ(Grid(kind::kGridMain), &f);
  EXPECT_TRUE(f.cell_editor().box().isVisible());
  EXPECT_EQ(f.grid().Col(), 6);
  EXPECT_EQ(f.cell_editor().box().text().toStdString(), " 0");
}

TEST_F(MainTableTest, TypingTheCountAndEnterOpensTheAuxiliaryTableAndItsOkComesBack) {
  Owner("frmPELDRANE", {"lblLoad1"});
  LoadGroup(1, {0, 5, 80, 0, 0, 2});
  LoadGroup(2, {0, 6, 90, 0, 0, 3});
  L->General(1, 4) = 2;
  GridForm& f = Open(kind::kGridMain, 107, 2);
  ClickCell(f, 1, 3);
  Enter(f, "85");            // another column moves on although the value is not 0
  EXPECT_EQ(f.grid().Col(), 4);
  ClickCell(f, 1, 6);
  Enter(f, "5");
  // The main table waits, disabled, for the points of its line.
  EXPECT_TRUE(f.Waiting());
  EXPECT_FALSE(f.isEnabled());
  GridForm* points = Grid(kind::kGridSingle);
  ASSERT_NE(points, nullptr);
  EXPECT_EQ(points->grid().Cols(), 2);
  EXPECT_EQ(points->grid().Rows(), 6);
  EXPECT_EQ(L->Load(1, 1, 6), Value(5.0));
  EXPECT_EQ(L->Load(1, 1, 3), Value(85.0));
  EXPECT_EQ(L->Load(1, 1, 2), Value(5.0));
  ClickOk(*points);
  GridForm* back = Grid(kind::kGridMain);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->grid().Row(), 2);
  EXPECT_EQ(back->grid().Col(), 1);
  // The last line's auxiliary table leads back to line 1.
  Key(*back, Qt::Key_Escape);
  points = Grid(kind::kGridSingle);
  ASSERT_NE(points, nullptr);
  EXPECT_EQ(points->grid().Rows(), 4);
  ClickOk(*points);
  EXPECT_EQ(Grid(kind::kGridMain)->grid().Row(), 1);
}

TEST_F(MainTableTest, ALineLeftWithTheArrowsIsLostWhenAnotherLineOpensItsTable) {
  LoadGroup(1, {0, 5, 80, 0, 0, 2});
  LoadGroup(2, {0, 6, 90, 0, 0, 3});
  GridForm& f = Open(kind::kGridMain, 107, 2);
  ClickCell(f, 1, 2);
  Type(f, "7");
  Key(f, Qt::Key_Down);
  DoubleClickCell(f, 2, 1);
  ASSERT_NE(Grid(kind::kGridSingle), nullptr);
  EXPECT_EQ(L->Load(1, 1, 2), Value(5.0));
}

TEST_F(MainTableTest, ABlankCellOnTheLineRefusesTheOpening) {
  LoadGroup(1, {0, 5, 80, 0, 0, 2});
  L->Load(1, 1, 4) = Value();
  GridForm& f = Open(kind::kGridMain, 107, 1);
  EXPECT_EQ(Cell(f, 1, 4), "");
  DoubleClickCell(f, 1, 1);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"An entry is required to fill the blank"}));
  EXPECT_EQ(f.grid().Col(), 4);
  EXPECT_EQ(Grid(kind::kGridSingle), nullptr);
}

TEST_F(MainTableTest, CountsBeyondTheAuxiliaryTablesAreRefused) {
  LoadGroup(1, {0, 5, 80, 0, 0, 26});
  GridForm& f = Open(kind::kGridMain, 107, 1);
  DoubleClickCell(f, 1, 1);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"NR or NPT should not be greater than 25."}));
  ClickCell(f, 1, 6);
  Type(f, "-2");
  Key(f, Qt::Key_Return);
  EXPECT_EQ(Messages().back(), "NR or NPT should not be negative") << ::testing::PrintToString(Messages()) << Cell(f, 1, 6);
  EXPECT_EQ(Grid(kind::kGridSingle), nullptr);
}

TEST_F(MainTableTest, OkChecksTheCountsLineByLine) {
  LoadGroup(1, {0, 5, 80, 0, 0, 3});
  LoadGroup(2, {1, 5, 80, 13.5, 0, 26});
  LoadGroup(3, {0, 5, 80, 0, 0, 1});
  L->General(1, 4) = 1;
  GridForm& f = Open(kind::kGridMain, 107, 3);
  ClickCell(f, 1, 2);
  Type(f, "4.5");
  ClickOk(f);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"NR or NPT should not be greater than 25."}));
  EXPECT_EQ(Grid(kind::kGridMain), &f);
  EXPECT_EQ(L->General(1, 4), 1.0f);   // a refused OK stores nothing
  EXPECT_EQ(L->Load(1, 1, 2), Value(5.0));
  EXPECT_EQ(f.grid().Row(), 2);
  ClickCell(f, 2, 6);
  Type(f, "25");
  ClickOk(f);
  EXPECT_EQ(Grid(kind::kGridMain), nullptr);
  EXPECT_EQ(L->General(1, 4), 3.0f);
  EXPECT_EQ(L->Load(1, 1, 2), Value(4.5));   // the value still in the editor is taken
}

TEST_F(MainTableTest, DeletingALoadGroupMovesItsPointsAndRepetitionsWithIt) {
  LoadGroup(1, {0, 5, 80, 0, 0, 1});
  LoadGroup(2, {0, 6, 80, 0, 0, 2});
  LoadGroup(3, {1, 7, 80, 13.5, 0, 4});
  for (int p = 1; p <= 4; ++p) {
    L->Points(1, 3, p, 1) = Value(10.0 * p);
    L->Points(1, 3, p, 2) = Value(20.0 * p);
  }
  L->TNLR(1, 1, 2) = 200;
  L->TNLR(1, 1, 3) = 300;
  L->TNLR(1, 2, 3) = 310;
  GridForm& f = Open(kind::kGridMain, 107, 3);
  ClickCell(f, 2, 1);
  Key(f, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(f.grid().Rows(), 3);
  EXPECT_EQ(Cell(f, 2, 2), " 7");
  EXPECT_EQ(L->Load(1, 2, 1), Value(0.0));   // nothing moves before OK
  ClickOk(f);
  EXPECT_EQ(L->General(1, 4), 2.0f);
  EXPECT_EQ(L->Load(1, 2, 1), Value(1.0));
  EXPECT_EQ(L->Load(1, 2, 6), Value(4.0));
  EXPECT_EQ(L->Points(1, 2, 4, 1), Value(40.0));
  EXPECT_EQ(L->Points(1, 2, 4, 2), Value(80.0));
  EXPECT_EQ(L->TNLR(1, 1, 2), 300.0f);
  EXPECT_EQ(L->TNLR(1, 2, 2), 310.0f);
  // The former last line keeps its entries.
  EXPECT_EQ(L->Load(1, 3, 1), Value(1.0));
  EXPECT_EQ(L->Points(1, 3, 1, 1), Value(10.0));
}

TEST_F(MainTableTest, InsertingAJointMovesTheDowelBarsAndClearsTheNewLine) {
  Owner("frmCORVISTA", {"lblJoint"});
  for (int j = 1; j <= 2; ++j) {
    for (int fld = 1; fld <= 8; ++fld) S->Joints(1, j, fld) = Value(fld == 8 ? 3.0 : 100.0 * j + fld);
    for (int n = 1; n <= 15; ++n) S->BARNO(1, j, n) = Value(j * 10.0 + n);
  }
  S->General(1, 8) = 2;
  GridForm& f = Open(kind::kGridMain, 224, 2);
  Key(f, Qt::Key_Insert, Qt::ControlModifier);
  for (int c = 1; c <= 8; ++c) EXPECT_EQ(Cell(f, 1, c), " 0");
  EXPECT_EQ(Cell(f, 2, 1), " 101");
  ClickOk(f);
  EXPECT_EQ(S->General(1, 8), 3);
  EXPECT_EQ(S->Joints(1, 1, 1), Value(0.0));
  EXPECT_EQ(S->Joints(1, 2, 1), Value(101.0));
  EXPECT_EQ(S->Joints(1, 3, 1), Value(201.0));
  EXPECT_EQ(S->BARNO(1, 1, 2), Value(0.0));
  EXPECT_EQ(S->BARNO(1, 2, 2), Value(12.0));
  EXPECT_EQ(S->BARNO(1, 3, 15), Value(35.0));
}

TEST_F(MainTableTest, LinesMovedAndNotConfirmedLeaveTheDataSetAsItWas) {
  LoadGroup(1, {0, 5, 80, 0, 0, 1});
  LoadGroup(2, {0, 6, 80, 0, 0, 2});
  L->RC(1, 1, 1) = Value(11.0);
  L->General(1, 4) = 2;
  GridForm& f = Open(kind::kGridMain, 107, 2);
  Key(f, Qt::Key_Insert, Qt::ControlModifier);
  Key(f, Qt::Key_Delete, Qt::ControlModifier);
  Key(f, Qt::Key_Delete, Qt::ControlModifier);
  f.close();
  EXPECT_EQ(L->Load(1, 1, 2), Value(5.0));
  EXPECT_EQ(L->Load(1, 2, 2), Value(6.0));
  EXPECT_EQ(L->RC(1, 1, 1), Value(11.0));
  EXPECT_EQ(L->General(1, 4), 2.0f);
}

TEST_F(MainTableTest, MovesAreConfirmedWhenALinesTableOpens) {
  LoadGroup(1, {0, 5, 80, 0, 0, 1});
  LoadGroup(2, {0, 6, 80, 0, 0, 2});
  L->RC(1, 2, 1) = Value(22.0);
  GridForm& f = Open(kind::kGridMain, 107, 2);
  ClickCell(f, 1, 1);
  Key(f, Qt::Key_Delete, Qt::ControlModifier);
  DoubleClickCell(f, 1, 1);
  ASSERT_NE(Grid(kind::kGridSingle), nullptr);
  EXPECT_EQ(L->General(1, 4), 1.0f);
  EXPECT_EQ(L->Load(1, 1, 2), Value(6.0));
  EXPECT_EQ(L->RC(1, 1, 1), Value(22.0));
}

TEST_F(MainTableTest, AFullTableTakesNoMoreLinesAndTheOnlyLineCanGo) {
  for (int g = 1; g <= 12; ++g) LoadGroup(g, {0, 5, 80, 0, 0, 1});
  GridForm& f = Open(kind::kGridMain, 107, 12);
  Key(f, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"No line can be added: this table holds at most 12 lines."}));
  EXPECT_EQ(f.grid().Rows(), 13);
  f.close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  GridForm& one = Open(kind::kGridMain, 107, 1);
  Key(one, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(one.grid().Rows(), 1);
  Key(one, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(one.grid().Rows(), 2);
  EXPECT_EQ(Cell(one, 1, 1), " 0");
  Key(one, Qt::Key_Delete, Qt::ControlModifier);
  ClickOk(one);
  EXPECT_EQ(Grid(kind::kGridMain), nullptr);
  EXPECT_EQ(L->General(1, 4), 0.0f);
}

TEST_F(MainTableTest, NonseasonalLinesOpenTheGranularOrTheClayForm) {
  int granular = 0, clay = 0;
  SetWindowMaker("frmGranular", [&granular]() -> Window* { ++granular; return new OwnerWindow({}); });
  SetWindowMaker("frmClay", [&clay]() -> Window* { ++clay; return new OwnerWindow({}); });
  L->Nonseasonal(1, 1, 1) = Value(2.0);
  L->Nonseasonal(1, 1, 2) = Value(3.0);
  L->Nonseasonal(1, 1, 3) = Value(0.0);
  L->Nonseasonal(1, 2, 1) = Value(3.0);
  L->Nonseasonal(1, 2, 2) = Value(0.0);
  L->Nonseasonal(1, 2, 3) = Value(1.0);
  GridForm& f = Open(kind::kGridMain, 111, 2);
  ClickCell(f, 2, 1);
  Key(f, Qt::Key_Escape);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"ZCNOL cannot be 0"}));
  ClickCell(f, 1, 3);
  Enter(f, "0");   // Enter in the NCLAY column opens whatever its value
  EXPECT_EQ(granular, 1);
  EXPECT_EQ(gOwnerLine, Value(1));
  EXPECT_EQ(gScreenCode, Value(111));
  EXPECT_EQ(L->NonlinGeneral(1, 1), Value(2));
  platform_.windows.Unload("frmGranular");
  GridForm& again = Open(kind::kGridMain, 111, 2, 1);
  EXPECT_EQ(again.grid().Row(), 2);
  ClickCell(again, 2, 2);
  Type(again, "5");
  ClickCell(again, 2, 3);
  Enter(again, "1");
  EXPECT_EQ(clay, 1);
}

TEST_F(MainTableTest, ANonlinearLayerTakesItsConstantsAndSeasonalValuesAlong) {
  for (int i = 1; i <= 2; ++i) {
    L->Nonseasonal(1, i, 1) = Value(i + 1.0);
    L->Nonseasonal(1, i, 2) = Value(10.0 * i);
    L->Nonseasonal(1, i, 3) = Value(i - 1.0);
    L->Seasonal(1, i, 2, 1) = Value(100.0 * i);   // period 2
  }
  L->Clay(1, 2, 1) = Value(6.2);
  GridForm& f = Open(kind::kGridMain, 111, 2);
  ClickCell(f, 1, 1);
  Key(f, Qt::Key_Insert, Qt::ControlModifier);
  ClickCell(f, 1, 1);
  Enter(f, "1");
  Enter(f, "4");
  Type(f, "0");
  Key(f, Qt::Key_Down);
  ClickOk(f);
  EXPECT_EQ(L->NonlinGeneral(1, 1), Value(3));
  EXPECT_EQ(L->Seasonal(1, 1, 2, 1), Value(0.0));
  EXPECT_EQ(L->Seasonal(1, 2, 2, 1), Value(100.0));
  EXPECT_EQ(L->Seasonal(1, 3, 2, 1), Value(200.0));
  EXPECT_EQ(L->Clay(1, 3, 1), Value(6.2));
  EXPECT_EQ(L->Nonseasonal(1, 3, 3), Value(1.0));
}

TEST_F(MainTableTest, NonseasonalOkRefusesAZeroLayerNumberButNotAZeroDepth) {
  OwnerWindow& nonlin = Owner("frmNonlin", {"lblNonseasonal"});
  L->Nonseasonal(1, 1, 1) = Value(2.0);
  L->Nonseasonal(1, 1, 2) = Value(0.0);
  L->Nonseasonal(1, 1, 3) = Value(0.0);
  GridForm& f = Open(kind::kGridMain, 111, 1);
  ClickOk(f);
  EXPECT_EQ(Grid(kind::kGridMain), nullptr);
  EXPECT_EQ(nonlin.Caption("lblNonseasonal"), "done");
  L->Nonseasonal(1, 1, 1) = Value(0.0);
  GridForm& g = Open(kind::kGridMain, 111, 1);
  ClickOk(g);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"LAYNO should not be 0"}));
}

TEST_F(MainTableTest, UniformLoadsAreCheckedAndCounted) {
  for (int g = 1; g <= 7; ++g) S->NUDL(1, g) = 24;
  GridForm& f = Open(kind::kGridMainSlab, 209, 7);
  ClickOk(f);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Total number of loaded areas = 168 which is greater than the allowable 144"}));
  EXPECT_EQ(Grid(kind::kGridMainSlab), nullptr);
  S->NUDL(1, 2) = 25;
  GridForm& g = Open(kind::kGridMainSlab, 209, 2);
  ClickCell(g, 1, 1);
  Type(g, "2.5");
  const std::int16_t groups = S->General(1, 4);
  ClickOk(g);
  EXPECT_EQ(Messages().back(), "NUDL should not be greater than 24");
  EXPECT_EQ(S->NUDL(1, 1), 24);   // a refused OK stores nothing
  EXPECT_EQ(S->General(1, 4), groups);
}

TEST_F(MainTableTest, RaftCountsRaiseADefaultFmaxAndTheRaftTableKeepsItsLines) {
  for (bool si : {false, true}) {
    S->General(1, 14) = si ? 1 : 0;
    S->Curling(1, 10) = si ? Value(2.54) : Value(1.0);   // the Curling form's default
    GridForm& f = Open(kind::kGridMainSlab, 210, 3);
    EXPECT_EQ(Cell(f, 3, 0), "NNMY");
    Key(f, Qt::Key_Delete, Qt::ControlModifier);
    Key(f, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(f.grid().Rows(), 4);
    ClickOk(f);
    EXPECT_EQ(S->Curling(1, 10), si ? Value(2.54) : Value(1.0));   // all counts 0: FMAX as it was
    GridForm& g = Open(kind::kGridMainSlab, 210, 3);
    ClickCell(g, 2, 1);
    Enter(g, "3.5");   // a count is raised through the line's own table
    ASSERT_NE(Grid(kind::kGridSingle), nullptr);
    ClickOk(*Grid(kind::kGridSingle));
    ASSERT_NE(Grid(kind::kGridMainSlab), nullptr);
    ClickOk(*Grid(kind::kGridMainSlab));
    EXPECT_EQ(S->RaftCounts(1, 2), 4);
    EXPECT_EQ(S->Curling(1, 10), si ? Value(25.4) : Value(10.0));
    S->RaftCounts(1, 2) = 0;
  }
}

TEST_F(MainTableTest, AnFmaxTheUserChoseIsKeptByTheRaftTable) {
  S->RaftCounts(1, 1) = 4;
  S->Curling(1, 10) = Value(5.0);
  ClickOk(Open(kind::kGridMainSlab, 210, 3));
  EXPECT_EQ(S->Curling(1, 10), Value(5.0));
}

TEST_F(MainTableTest, AZeroRaftLineIsRefused) {
  GridForm& f = Open(kind::kGridMainSlab, 210, 3);
  DoubleClickCell(f, 2, 1);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"You don't have to enter this screen because the entry is 0"}));
}

TEST_F(MainTableTest, FoundationTablesCheckTheirEntries) {
  S->Layered(1, 1) = Value(30.0);
  S->Layered(1, 2) = Value(7.0);
  GridForm& f = Open(kind::kGridMainSlab, 223, 1);
  ClickOk(f);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"NL should not be greater than 6"}));
  ClickCell(f, 1, 2);
  Type(f, "0");
  Key(f, Qt::Key_Escape);
  Key(f, Qt::Key_Delete);
  Type(f, "0");
  Key(f, Qt::Key_Down);
  DoubleClickCell(f, 1, 1);
  EXPECT_EQ(Messages().back(), "A nonzero entry is required");
  ClickOk(f);
  EXPECT_EQ(Messages().back(), "NL should not be 0");
  f.close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  S->Liquid(1, 1) = Value(0.0);
  S->Liquid(1, 2) = Value(0.0);
  GridForm& g = Open(kind::kGridMainSlab, 221, 1);
  ClickOk(g);
  EXPECT_EQ(Messages().back(), "SUBMOD should not be 0");
  DoubleClickCell(g, 1, 1);
  EXPECT_EQ(Messages().back(), "You don't have to enter this screen because NAS = 0");
}

// A count raised on a main table changes the data set only through its auxiliary table's OK: the
// main table waits for that table, and closing it without OK shows the main table again as the
// user left it, the count as stored.
TEST_F(MainTableTest, ARaisedCountTakesEffectOnlyWithTheAuxiliaryTablesOk) {
  struct Case {
    const char* name;
    const char* window;
    int kind;
    int count_col, other_col;   // other_col: a further column typed into (0: none)
    const char* aux;
    std::function<void(LayeredTestSets&, SlabTestSets&)> data;
    std::function<double(LayeredTestSets&, SlabTestSets&)> count;
  };
  const Case cases[] = {
      {"load group points", kind::kGridMain, 107, 6, 2, kind::kGridSingle,
       [](LayeredTestSets& l, SlabTestSets&) {
         for (int f = 1; f <= 6; ++f) l.Load(1, 1, f) = Value(std::vector<double>{1, 5, 80, 13.5, 0, 12}[f - 1]);
         l.General(1, 4) = 1;
       },
       [](LayeredTestSets& l, SlabTestSets&) { return l.Load(1, 1, 6).Number(); }},
      {"uniform loads", kind::kGridMainSlab, 209, 1, 0, kind::kGridMulti,
       [](LayeredTestSets&, SlabTestSets& s) {
         s.NUDL(1, 1) = 2;
         s.General(1, 4) = 1;
       },
       [](LayeredTestSets&, SlabTestSets& s) { return static_cast<double>(s.NUDL(1, 1)); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.data(*L, *S);
    const double held = c.count(*L, *S);
    const std::string raised = std::to_string(static_cast<int>(held) + 2);
    GridForm& f = Open(c.window, c.kind, 1);
    const std::string shown = Cell(f, 1, c.count_col);
    if (c.other_col) {
      ClickCell(f, 1, c.other_col);
      Type(f, "9");
    }
    ClickCell(f, 1, c.count_col);
    Enter(f, raised);
    ASSERT_NE(Grid(c.aux), nullptr) << ::testing::PrintToString(Messages());
    EXPECT_TRUE(f.Waiting());
    EXPECT_EQ(c.count(*L, *S), held + 2);   // stored for the auxiliary table, not yet confirmed

    Grid(c.aux)->close();
    EXPECT_EQ(Grid(c.aux), nullptr);
    EXPECT_FALSE(f.Waiting());
    EXPECT_TRUE(f.isEnabled());
    EXPECT_EQ(c.count(*L, *S), held);
    EXPECT_EQ(Cell(f, 1, c.count_col), shown);
    if (c.other_col) {
      EXPECT_EQ(Cell(f, 1, c.other_col), "9");   // what else was typed is still there
    }

    // The main table's OK does not take a raised count either.
    platform_.messages.shown.clear();
    ClickCell(f, 1, c.count_col);
    Type(f, raised);
    ClickOk(f);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find(" of line 1 was raised to " + raised + "."), std::string::npos) << Messages()[0];
    EXPECT_EQ(c.count(*L, *S), held);

    // Through the auxiliary table the count is taken.
    ClickCell(f, 1, c.count_col);
    Enter(f, raised);
    ASSERT_NE(Grid(c.aux), nullptr);
    ClickOk(*Grid(c.aux));
    EXPECT_EQ(c.count(*L, *S), held + 2) << ::testing::PrintToString(Messages());
    GridForm* back = Grid(c.window);
    ASSERT_NE(back, nullptr);   // opened anew from what is stored
    EXPECT_FALSE(back->Waiting());
    EXPECT_EQ(Cell(*back, 1, c.count_col), " " + raised);
    ClickOk(*back);
    EXPECT_EQ(c.count(*L, *S), held + 2);
  }
}

}  // namespace
}  // namespace pave::testing
