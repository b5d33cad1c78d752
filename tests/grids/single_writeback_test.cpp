// OK of the single-level grid window: conversions by entry kind, the cells that must hold numbers,
// the granular K1 check, the clay types, and the tables that lead back to their main table.
#include <QRadioButton>

#include "grids_fixture.h"

namespace pave::testing {
namespace {

class SingleWritebackTest : public GridsTest {
 protected:
  GridForm& Open(int kind, int lines, int owner = 0, int layer = 0) {
    gScreenCode = Value(kind);
    gGridCols = 2;
    gGridLines = Value(lines);
    gOwnerLine = Value(owner);
    gCurrentLayer = Value(layer);
    gCurrentPeriod = Value(1);
    LoadWindow(kind::kGridSingle);
    GridForm* form = Grid(kind::kGridSingle);
    EXPECT_NE(form, nullptr) << ::testing::PrintToString(Messages());
    return *form;
  }
};

TEST_F(SingleWritebackTest, InterfaceValuesRoundHalfToEven) {
  Owner("frmPELDRANE", {"lblInterface"});
  for (int i = 1; i <= 5; ++i) L->INT(1, i) = 7;
  GridForm& f = Open(105, 5);
  for (const char* typed : {"2.5", "3.5", "32767.4", "-32768.5", "-1"}) Enter(f, typed);
  ClickOk(f);
  EXPECT_EQ(L->INT(1, 1), 2);
  EXPECT_EQ(L->INT(1, 2), 4);
  EXPECT_EQ(L->INT(1, 3), 32767);
  EXPECT_EQ(L->INT(1, 4), -32768);
  EXPECT_EQ(L->INT(1, 5), -1);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SingleWritebackTest, UntouchedCellsKeepTheirEntriesAsTheyWere) {
  Owner("frmPELDRANE", {"lblZcoord"});
  L->ZC(1, 1) = Value(0.1);
  L->ZC(1, 2) = Value("3.50");
  L->ZC(1, 3) = Value();        // never set: shows " 0", stored as the number 0
  GridForm& f = Open(103, 3);
  EXPECT_EQ(Cell(f, 1, 1), " .1");
  EXPECT_EQ(Cell(f, 2, 1), " 3.5");
  EXPECT_EQ(Cell(f, 3, 1), " 0");
  ClickCell(f, 3, 1);
  Key(f, Qt::Key_Insert, Qt::ControlModifier);   // a new line 3; the old one moves to line 4
  ClickOk(f);
  EXPECT_EQ(L->ZC(1, 1), Value(0.1));
  EXPECT_EQ(L->ZC(1, 2), Value("3.50"));
  EXPECT_EQ(L->ZC(1, 3), Value(0.0));
  EXPECT_EQ(L->ZC(1, 4), Value(0.0));
  EXPECT_EQ(L->General(1, 7), 4.0f);
}

TEST_F(SingleWritebackTest, ACountThatAlreadyHoldsTheLinesIsLeftAsItIs) {
  L->ViscoGeneral(1, 3) = Value("2");
  GridForm& f = Open(116, 2);
  ClickOk(f);
  EXPECT_EQ(L->ViscoGeneral(1, 3), Value("2"));
  GridForm& g = Open(116, 2);
  Key(g, Qt::Key_Insert, Qt::ControlModifier);
  ClickOk(g);
  EXPECT_EQ(L->ViscoGeneral(1, 3), Value(3));
}

TEST_F(SingleWritebackTest, ACellThatIsNoNumberIsRefusedAndNothingIsStored) {
  OwnerWindow& main = Owner("frmPELDRANE", {"lblZcoord"});
  L->ZC(1, 1) = Value(5.0);
  L->ZC(1, 2) = Value(6.0);
  L->General(1, 7) = 2;
  GridForm& f = Open(103, 2);
  Enter(f, "8");
  Key(f, Qt::Key_Delete);   // line 2 emptied
  Key(f, Qt::Key_Insert, Qt::ControlModifier);
  ClickOk(f);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"A number is required in line 3, column ZC."}));
  EXPECT_EQ(Grid(kind::kGridSingle), &f);
  EXPECT_EQ(f.grid().Row(), 3);
  EXPECT_EQ(L->ZC(1, 1), Value(5.0));
  EXPECT_EQ(L->General(1, 7), 2.0f);
  EXPECT_EQ(main.Caption("lblZcoord"), "input");
  Type(f, "1x");
  ClickOk(f);
  EXPECT_EQ(Messages().back(), "A number is required in line 3, column ZC.");
  Type(f, "12");
  ClickOk(f);
  EXPECT_EQ(Grid(kind::kGridSingle), nullptr);
  EXPECT_EQ(L->ZC(1, 1), Value("8"));
  EXPECT_EQ(L->ZC(1, 2), Value(0.0));
  EXPECT_EQ(L->ZC(1, 3), Value("12"));
  EXPECT_EQ(main.Caption("lblZcoord"), "done");
}

TEST_F(SingleWritebackTest, AGranularK1OfZeroRefusesTheTableAndStoresNothing) {
  OwnerWindow& chooser = Owner("frmLayer", {"lblLayer1"});
  for (int p = 1; p <= 5; ++p) {
    L->Seasonal(1, 1, p, 1) = Value("30.0");
    L->Seasonal(1, 1, p, 2) = Value(9.0);
  }
  L->Nonseasonal(1, 1, 3) = Value(0.0);
  GridForm& f = Open(112, 5, 0, 1);
  EXPECT_EQ(Cell(f, 1, 1), "30.0");   // plain text, as stored
  ClickCell(f, 2, 1);
  Type(f, "35");
  ClickCell(f, 3, 2);
  Type(f, "0");
  ClickCell(f, 4, 1);
  Type(f, "45");
  ClickOk(f);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"K1 should not be 0"}));
  EXPECT_EQ(Grid(kind::kGridSingle), &f);
  EXPECT_EQ(L->Seasonal(1, 1, 2, 1), Value("30.0"));   // a refused OK stores nothing
  EXPECT_EQ(L->Seasonal(1, 1, 3, 2), Value(9.0));
  EXPECT_EQ(L->Seasonal(1, 1, 4, 1), Value("30.0"));
  EXPECT_EQ(chooser.Caption("lblLayer1"), "input");
  ClickCell(f, 3, 2);
  Type(f, "5");
  ClickOk(f);
  EXPECT_EQ(Grid(kind::kGridSingle), nullptr);
  EXPECT_EQ(L->Seasonal(1, 1, 4, 1), Value("45"));
  EXPECT_EQ(chooser.Caption("lblLayer1"), "done");
}

class ClayTypeTest : public SingleWritebackTest {
 protected:
  // The clay-type table of nonlinear sequence 2 (a clay layer) over seven periods that hold EMIN
  // 10 + p, EMAX 11, K1 12.
  GridForm& OpenClayTypes(bool si) {
    auto& nonlin = Owner("frmNonlin", {});
    no_default_ = new QRadioButton(&nonlin);
    no_default_->setObjectName("optNoDefault");
    L->General(1, 13) = si ? 1.0f : 0.0f;
    L->Nonseasonal(1, 2, 3) = Value(1.0);
    for (int p = 1; p <= 7; ++p) {
      L->Seasonal(1, 2, p, 1) = Value(10.0 + p);
      L->Seasonal(1, 2, p, 2) = Value(11.0);
      L->Seasonal(1, 2, p, 3) = Value(12.0);
    }
    gClayDefaults = 1;
    return Open(112, 7, 0, 2);
  }
  QRadioButton* no_default_ = nullptr;
};

// Types 1 to 4 give their default values; a period left as shown, or given 0, keeps its own.
TEST_F(ClayTypeTest, TypesFillTheDefaultValuesAndOpenTheThreeColumnTable) {
  struct Row {
    const char* typed;   // nullptr: left as shown
    Value emin, emax, k1;
  };
  for (bool si : {false, true}) {
    GridForm& f = OpenClayTypes(si);
    EXPECT_EQ(f.windowTitle().toStdString(), "Seasonal Input Parameters for Layer No. 0 (CLAY) and Data Set No. 1");
    const std::vector<Row> rows =
        si ? std::vector<Row>{{"1", 6895.0, 39040.0, 6895.0}, {"2", 12597.0, 52967.0, 20823.0},
                              {"3", 32517.0, 85098.0, 52954.0}, {"4", 52436.0, 117229.0, 85084.0},
                              {nullptr, 15.0, 11.0, 12.0}, {"0", 16.0, 11.0, 12.0}, {"4.0", 52436.0, 117229.0, 85084.0}}
           : std::vector<Row>{{"1", 1000.0, 5662.0, 1000.0}, {"2", 1827.0, 7682.0, 3020.0},
                              {"3", 4716.0, 12342.0, 7680.0}, {"4", 7605.0, 17002.0, 12340.0},
                              {nullptr, 15.0, 11.0, 12.0}, {"0", 16.0, 11.0, 12.0}, {"4.0", 7605.0, 17002.0, 12340.0}};
    for (const Row& r : rows) {
      if (r.typed) Type(f, r.typed);
      Key(f, Qt::Key_Down);
    }
    ClickOk(f);
    EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(Messages());
    for (int p = 1; p <= 7; ++p) {
      const Row& r = rows[static_cast<std::size_t>(p) - 1];
      const std::string typed = r.typed ? r.typed : "(as shown)";
      EXPECT_EQ(L->Seasonal(1, 2, p, 1), r.emin) << si << " type " << typed;
      EXPECT_EQ(L->Seasonal(1, 2, p, 2), r.emax) << si << " type " << typed;
      EXPECT_EQ(L->Seasonal(1, 2, p, 3), r.k1) << si << " type " << typed;
    }
    EXPECT_EQ(gClayDefaults, 2);
    EXPECT_TRUE(no_default_->isChecked());
    GridForm* next = Grid(kind::kGridMulti);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->grid().Cols(), 4);
    EXPECT_EQ(next->grid().Rows(), 8);
    EXPECT_EQ(Cell(*next, 1, 2), si ? " 39040" : " 5662");
    EXPECT_EQ(Cell(*next, 5, 1), " 15");
    platform_.windows.UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

struct ClayRefusal {
  const char* name;
  const char* typed;   // into period 2, after period 1 was given type 4
};
void PrintTo(const ClayRefusal& c, std::ostream* os) { *os << c.name; }

class ClayTypeRefusalTest : public ClayTypeTest, public ::testing::WithParamInterface<ClayRefusal> {};

// An entry that is none of the types is refused at its cell and nothing is stored: no period takes
// a soil the user did not choose.
TEST_P(ClayTypeRefusalTest, NamesTheAcceptedEntriesAndStoresNothing) {
  GridForm& f = OpenClayTypes(false);
  Type(f, "4");
  Key(f, Qt::Key_Down);
  if (*GetParam().typed) {
    Type(f, GetParam().typed);
  } else {
    Key(f, Qt::Key_Delete);
  }
  Key(f, Qt::Key_Down);
  ClickOk(f);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "The clay type of period 2 should be 1 (very soft), 2 (soft), 3 (medium) or 4 (stiff), or "
                            "0 to keep the period's EMIN, EMAX and K1."}));
  ASSERT_EQ(Grid(kind::kGridSingle), &f);
  EXPECT_EQ(std::make_pair(f.grid().Row(), f.grid().Col()), std::make_pair(2, 1));
  for (int p = 1; p <= 7; ++p) {
    EXPECT_EQ(L->Seasonal(1, 2, p, 1), Value(10.0 + p)) << p;
    EXPECT_EQ(L->Seasonal(1, 2, p, 2), Value(11.0)) << p;
  }
  EXPECT_EQ(gClayDefaults, 1);
  EXPECT_EQ(Grid(kind::kGridMulti), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Entries, ClayTypeRefusalTest,
                         ::testing::Values(ClayRefusal{"AWord", "stiff"}, ClayRefusal{"AnotherType", "5"},
                                           ClayRefusal{"Negative", "-1"}, ClayRefusal{"AFraction", "2.5"},
                                           ClayRefusal{"Empty", ""}, ClayRefusal{"ANumberAndAWord", "4 stiff"}),
                         [](const ::testing::TestParamInfo<ClayRefusal>& info) { return std::string(info.param.name); });

TEST_F(SingleWritebackTest, ResponsePointsReturnToTheLoadGroupsAtTheNextLine) {
  OwnerWindow& main = Owner("frmPELDRANE", {"lblLoad1"});
  L->General(1, 4) = 5;
  L->Load(1, 4, 1) = Value(2.0);
  L->Load(1, 4, 6) = Value(2.0);
  gMainTopLine = Value(4);
  GridForm& f = Open(107, 2, 4);
  EXPECT_EQ(f.grid().Cols(), 3);
  Key(f, Qt::Key_Insert, Qt::ControlModifier);
  Enter(f, "1");
  ClickOk(f);
  EXPECT_EQ(L->Load(1, 4, 6), Value(3));
  EXPECT_EQ(L->Points(1, 4, 1, 1), Value("1"));
  GridForm* loads = Grid(kind::kGridMain);
  ASSERT_NE(loads, nullptr);
  EXPECT_EQ(loads->grid().Rows(), 6);
  EXPECT_EQ(loads->grid().Row(), 5);
  EXPECT_EQ(gMainTopLine, Value(1));
  EXPECT_EQ(gMainCols, Value(7));
  EXPECT_EQ(main.Caption("lblLoad1"), "done");
}

TEST_F(SingleWritebackTest, DowelBarsReturnToTheJointsAndMarkNothing) {
  OwnerWindow& corvista = Owner("frmCORVISTA", {"lblJoint"});
  S->General(1, 8) = 3;
  GridForm& f = Open(224, 2, 3);
  Enter(f, "1");
  ClickOk(f);
  EXPECT_EQ(S->Joints(1, 3, 8), Value(2));
  GridForm* joints = Grid(kind::kGridMain);
  ASSERT_NE(joints, nullptr);
  EXPECT_EQ(joints->grid().Cols(), 9);
  EXPECT_EQ(joints->grid().Rows(), 4);
  EXPECT_EQ(corvista.Caption("lblJoint"), "input");
}

TEST_F(SingleWritebackTest, RaftListsStoreDoublesAndReturnToTheRaftTableAsItWas) {
  Owner("frmCORVISTA", {"lblRaft"});
  gMainCols = Value(2);
  gMainLines = Value(3);
  gMainTopLine = Value(3);
  GridForm& f = Open(210, 1, 3);
  EXPECT_EQ(f.windowTitle().toStdString(), "Moment about Y-axis at Designated Nodes");
  Enter(f, "17");
  Enter(f, "0.123456789012");
  ClickOk(f);
  EXPECT_EQ(S->RaftCounts(1, 3), 1);
  EXPECT_EQ(S->NodalLoads(1, 1, 1, 3), 17.0);
  EXPECT_EQ(S->NodalLoads(1, 1, 2, 3), 0.123456789012);
  GridForm* raft = Grid(kind::kGridMainSlab);
  ASSERT_NE(raft, nullptr);
  EXPECT_EQ(raft->grid().Rows(), 4);
  EXPECT_EQ(raft->grid().Row(), 1);
}

TEST_F(SingleWritebackTest, CountsBeyondTheArraysAreRefusedWhenTheTableOpens) {
  gGridCols = 2;
  for (auto [kind, lines, expected] : {std::tuple{103, 20, "This table holds at most 19 lines, not 20."},
                                       std::tuple{216, 51, "This table holds at most 50 lines, not 51."},
                                       std::tuple{220, -1, "The number of lines, -1, cannot be negative."}}) {
    gScreenCode = Value(kind);
    gGridLines = Value(lines);
    LoadWindow(kind::kGridSingle);
    EXPECT_EQ(Grid(kind::kGridSingle), nullptr);
    EXPECT_EQ(Messages().back(), expected);
  }
  gScreenCode = Value(106);
  gGridLines = Value(3);
  gCurrentPeriod = Value(13);
  LoadWindow(kind::kGridSingle);
  EXPECT_EQ(Grid(kind::kGridSingle), nullptr);
  EXPECT_EQ(Messages().back(), "This table cannot be opened for period 13.");
}

}  // namespace
}  // namespace pave::testing
