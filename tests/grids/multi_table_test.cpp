// The multi-column and slab-layer grid windows: the infinite thickness of the last layer, layers
// inserted and deleted with every per-layer entry, the column counts by the data set, the key-column
// checks, the defaults of a new slab arrangement, and the slab-layer tables.
#include "entry_snapshot.h"
#include "grids_fixture.h"

namespace pave::testing {
namespace {

class MultiTableTest : public GridsTest {
 protected:
  GridForm& Open(const char* window, int kind, int lines, int owner = 0) {
    gScreenCode = Value(kind);
    gGridLines = Value(lines);
    gOwnerLine = Value(owner);
    LoadWindow(window);
    GridForm* form = Grid(window);
    EXPECT_NE(form, nullptr) << ::testing::PrintToString(Messages());
    return *form;
  }
  std::pair<int, int> Current(GridForm& f) const { return {f.grid().Row(), f.grid().Col()}; }
};

TEST_F(MultiTableTest, TheLastLayersThicknessIsMarkedSkippedAndNeverStored) {
  Owner("frmPELDRANE", {"lblLayer"});
  L->General(1, 1) = 2;   // MATL: GAM shown
  L->General(1, 6) = 4;
  for (int i = 1; i <= 4; ++i) L->Layer(1, i, 1) = Value(10.0 * i);
  GridForm& f = Open(kind::kGridMulti, 104, 4);
  EXPECT_EQ(f.grid().Cols(), 4);
  EXPECT_EQ(Cell(f, 4, 1), "XXXXXXXXX");
  ClickCell(f, 3, 3);
  Enter(f, "120");
  EXPECT_EQ(Current(f), std::make_pair(4, 2));
  ClickCell(f, 4, 1);
  Enter(f, "55");
  ClickOk(f);
  EXPECT_EQ(L->Layer(1, 4, 1), Value(40.0));
  EXPECT_EQ(L->Layer(1, 3, 3), Value("120"));
}

TEST_F(MultiTableTest, TheMarkTravelsWithItsLine) {
  L->General(1, 1) = 1;   // MATL: no GAM
  L->General(1, 6) = 3;
  for (int i = 1; i <= 3; ++i) {
    L->Layer(1, i, 1) = Value(10.0 * i);
    L->Layer(1, i, 2) = Value(0.35);
  }
  GridForm& f = Open(kind::kGridMulti, 104, 3);
  EXPECT_EQ(f.grid().Cols(), 3);
  ClickCell(f, 2, 1);
  Key(f, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(Cell(f, 4, 1), "XXXXXXXXX");
  EXPECT_EQ(Cell(f, 3, 1), " 20");
  ClickCell(f, 4, 2);
  Key(f, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(Cell(f, 3, 1), " 20");
  ClickOk(f);
  EXPECT_EQ(L->General(1, 6), 3.0f);
  EXPECT_EQ(L->Layer(1, 2, 1), Value(0.0));
  // The new last line's thickness is not stored: the layer keeps its own, the old layer 3 is gone.
  EXPECT_EQ(L->Layer(1, 3, 1), Value(20.0));
}

// Four layers of data set 1 with MATL 1 (GAM not shown), interfaces of their own (NBOND 0), two
// periods of moduli, a stale nonlinear layer number and a top compression of layer 4.
void FourLayers(LayeredTestSets& l) {
  l.General(1, 1) = 1;
  l.General(1, 2) = 1;    // NDAMA
  l.General(1, 6) = 4;
  l.General(1, 10) = 0;   // NBOND
  l.General(1, 12) = 1;   // NLTC
  for (int i = 1; i <= 4; ++i) {
    l.Layer(1, i, 1) = Value(10.0 * i);
    l.Layer(1, i, 2) = Value(0.3);
    l.Layer(1, i, 3) = Value(100.0 + i);
    for (int p = 1; p <= 2; ++p) l.E(1, p, i) = Value(1000.0 * p + i);
  }
  l.INT(1, 1) = 0;
  l.INT(1, 2) = 1;
  l.INT(1, 3) = 0;
  l.Nonseasonal(1, 1, 1) = Value(3.0);   // MATL 1: not in use
  l.Top(1, 1, 1) = 4;
}

TEST_F(MultiTableTest, LayersMovedTakeEveryPerLayerEntryAlong) {
  FourLayers(*L);
  GridForm& f = Open(kind::kGridMulti, 104, 4);
  ClickCell(f, 2, 1);
  Key(f, Qt::Key_Delete, Qt::ControlModifier);   // layers 1, 3, 4
  ClickCell(f, 3, 1);
  Key(f, Qt::Key_Delete, Qt::ControlModifier);   // layer 4 stays: the damage analysis names it
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Layer 3 cannot be deleted: LNTC of damage layer sequence 1 names it. Delete that sequence "
                            "in the Damage\\Top Compression table first, or give it another layer."}));
  EXPECT_EQ(f.grid().Rows(), 4);
  Key(f, Qt::Key_Insert, Qt::ControlModifier);   // layers 1, 3, new, 4
  Enter(f, "5");
  Enter(f, ".2");
  ClickOk(f);
  ASSERT_EQ(Grid(kind::kGridMulti), nullptr) << ::testing::PrintToString(Messages());
  EXPECT_EQ(L->General(1, 6), 4.0f);
  const int from[] = {1, 3, 0, 4};   // the layer each line holds (0: the new one)
  for (int i = 1; i <= 4; ++i) {
    const int was = from[i - 1];
    EXPECT_EQ(L->Layer(1, i, 3).Number(), was == 0 ? 0 : 100.0 + was) << "GAM of layer " << i;
    for (int p = 1; p <= 2; ++p) {
      EXPECT_EQ(L->E(1, p, i).Number(), was == 0 ? 0 : 1000.0 * p + was) << "E of layer " << i << " in period " << p;
    }
  }
  EXPECT_EQ(L->Layer(1, 3, 1), Value("5"));
  // The interface below layer 2 went with it; the new layer meets the layer below as the one above.
  EXPECT_EQ(std::vector<int>({L->INT(1, 1), L->INT(1, 2), L->INT(1, 3)}), std::vector<int>({0, 0, 0}));
  EXPECT_EQ(L->Nonseasonal(1, 1, 1), Value(2));
  EXPECT_EQ(L->Top(1, 1, 1), 4.0f);
}

TEST_F(MultiTableTest, LayersMovedReachTheDataSetOnlyByAnOkThatCanMakeThem) {
  FourLayers(*L);
  const EntrySnapshot before = Snapshot(L->dir);
  GridForm& closed = Open(kind::kGridMulti, 104, 4);
  ClickCell(closed, 2, 1);
  Key(closed, Qt::Key_Delete, Qt::ControlModifier);
  closed.close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(Changed(before, Snapshot(L->dir)).empty());

  GridForm& f = Open(kind::kGridMulti, 104, 4);
  ClickCell(f, 2, 1);
  Key(f, Qt::Key_Delete, Qt::ControlModifier);
  L->Top(1, 1, 1) = 2;   // named meanwhile, in the damage analysis
  const EntrySnapshot named = Snapshot(L->dir);
  ClickOk(f);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "The layers cannot be stored: layer 2 of the data set was deleted in this table, but LNTC "
                            "of damage layer sequence 1 names it. Delete that sequence in the Damage\\Top Compression "
                            "table first, or give it another layer."}));
  EXPECT_EQ(Grid(kind::kGridMulti), &f);
  EXPECT_TRUE(Changed(named, Snapshot(L->dir)).empty());
}

TEST_F(MultiTableTest, TheLayerNumberIsCheckedLineByLine) {
  OwnerWindow& visco = Owner("frmVisco", {"lblLayer"});
  for (int i = 1; i <= 3; ++i) L->ViscoLayer(1, i, 1) = Value(i);
  const Value nvl = L->ViscoGeneral(1, 2);
  GridForm& f = Open(kind::kGridMulti, 117, 3);
  ClickCell(f, 2, 1);
  Key(f, Qt::Key_Delete);
  ClickOk(f);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"LAYNO should not be 0"}));
  EXPECT_EQ(visco.Caption("lblLayer"), "input");
  EXPECT_EQ(L->ViscoLayer(1, 2, 1), Value(2));
  Type(f, "0");
  ClickOk(f);
  EXPECT_EQ(Messages().back(), "LAYNO should not be 0");
  EXPECT_EQ(L->ViscoLayer(1, 2, 1), Value(2));   // a refused OK stores nothing
  EXPECT_EQ(L->ViscoGeneral(1, 2), nvl);
  EXPECT_EQ(Current(f), std::make_pair(2, 3));
}

TEST_F(MultiTableTest, TextInASingleEntryAndZeroLntcAreRefused) {
  Owner("frmDamage1", {"lblTop"});
  L->Top(1, 1, 1) = 1;
  L->Top(1, 1, 2) = 1.365e-9f;
  GridForm& f = Open(kind::kGridMulti, 122, 1);
  ClickCell(f, 1, 2);
  Type(f, "abc");
  ClickOk(f);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"A number is required in line 1, column FT4."}));
  EXPECT_EQ(L->Top(1, 1, 2), 1.365e-9f);
  Type(f, "2E-9");
  ClickOk(f);
  EXPECT_EQ(Grid(kind::kGridMulti), nullptr);
  EXPECT_EQ(L->Top(1, 1, 2), 2e-9f);
  platform_.messages.shown.clear();
  L->Top(1, 1, 1) = 0;
  GridForm& g = Open(kind::kGridMulti, 122, 1);
  ClickOk(g);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"LNTC should not be 0"}));
}

TEST_F(MultiTableTest, SlabNodeCountsAreChecked) {
  S->General(1, 7) = 2;
  for (int s = 1; s <= 2; ++s) {
    S->Arrangement(1, s, 1) = 5;
    S->Arrangement(1, s, 2) = 5;
  }
  GridForm& f = Open(kind::kGridMulti, 203, 2);
  EXPECT_EQ(f.grid().Cols(), 7);
  ClickCell(f, 2, 1);
  Type(f, "16");
  ClickOk(f);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"NX and NY should not be greater than 15"}));
  EXPECT_EQ(Current(f), std::make_pair(2, 1));
  Type(f, "0");
  ClickOk(f);
  EXPECT_EQ(Messages().back(), "NX and NY should not be 0");
  S->General(1, 7) = 1;
  f.close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Open(kind::kGridMulti, 203, 1).grid().Cols(), 3);
  EXPECT_EQ(gArrangementVisits, 0);   // only an OK that succeeds counts
}

TEST_F(MultiTableTest, TheFirstArrangementOfANewFileFillsDowelAndPrintDefaults) {
  for (int n = 1; n <= 15; ++n) S->BARNO(1, 1, n) = Value(1.0);
  S->General(1, 7) = 2;   // NSLAB
  S->General(1, 8) = 1;   // NJOINT
  S->General(1, 2) = 2;   // NDAMA
  const std::int16_t slabs[2][6] = {{7, 5, 0, 1, 0, 0}, {7, 5, 1, 0, 0, 0}};
  for (int s = 1; s <= 2; ++s) {
    for (int fld = 1; fld <= 6; ++fld) S->Arrangement(1, s, fld) = slabs[s - 1][fld - 1];
  }
  gNewFile = Value(1);
  ClickOk(Open(kind::kGridMulti, 203, 2));
  EXPECT_EQ(S->BARNO(1, 1, 5), Value(0.0));
  EXPECT_EQ(S->BARNO(1, 1, 7), Value(1.0));
  EXPECT_EQ(S->NP(1, 1), 1);
  EXPECT_EQ(S->NP(1, 2), 11);
  EXPECT_EQ(S->NP(1, 3), 21);
  // The second visit generates nothing.
  S->BARNO(1, 1, 5) = Value(1.0);
  ClickOk(Open(kind::kGridMulti, 203, 2));
  EXPECT_EQ(S->BARNO(1, 1, 5), Value(1.0));
}

TEST_F(MultiTableTest, LoadedAreasGoBackToTheUniformLoadsAndMarkThem) {
  OwnerWindow& corvista = Owner("frmCORVISTA", {"lblUniform"});
  S->General(1, 4) = 3;
  gScreenCode = Value(209);
  gMainCols = Value(2);
  gMainLines = Value(3);
  gMainTopLine = Value(2);
  GridForm& f = Open(kind::kGridMulti, 209, 1, 2);
  Key(f, Qt::Key_Insert, Qt::ControlModifier);
  ClickOk(f);
  EXPECT_EQ(S->NUDL(1, 2), 2);
  GridForm* uniform = Grid(kind::kGridMainSlab);
  ASSERT_NE(uniform, nullptr);
  EXPECT_EQ(uniform->grid().Row(), 3);
  EXPECT_EQ(corvista.Caption("lblUniform"), "done");
}

TEST_F(MultiTableTest, SlabLayerPropertiesCheckTheFirstThickness) {
  OwnerWindow& slab_data = Owner("frmSlabData", {"lblProperties"});
  S->General(1, 5) = 2;
  S->Curling(1, 5) = Value(0.0);   // NWT 0: no GAMA
  S->LayerProps(1, 1, 4) = 150;
  S->LayerProps(1, 2, 1) = 4;
  GridForm& f = Open(kind::kGridSlabLayer, 208, 2);
  EXPECT_EQ(f.grid().Cols(), 4);
  Enter(f, "0");
  Enter(f, ".15");
  Enter(f, "4000000");
  EXPECT_EQ(f.grid().Row(), 2);
  Enter(f, "0");
  Enter(f, ".2");
  Enter(f, "5000000");
  EXPECT_EQ(f.grid().Row(), 2);
  EXPECT_EQ(f.grid().Col(), 1);
  ClickOk(f);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"T of slab layer 1 should not be 0"}));
  EXPECT_EQ(S->LayerProps(1, 2, 3), 0.0f);   // a refused OK stores nothing
  EXPECT_EQ(S->LayerProps(1, 2, 1), 4.0f);
  EXPECT_EQ(slab_data.Caption("lblProperties"), "input");
  ClickCell(f, 1, 1);
  Enter(f, "8");
  ClickOk(f);
  EXPECT_EQ(Grid(kind::kGridSlabLayer), nullptr);
  EXPECT_EQ(S->LayerProps(1, 1, 4), 150.0f);
  EXPECT_EQ(slab_data.Caption("lblProperties"), "done");
}

TEST_F(MultiTableTest, SlabLayerTablesHaveFixedLinesAndACellClearedByDelIsRefused) {
  Owner("frmDamage", {"lblFatigue"});
  S->General(1, 2) = 1;   // NDAMA 1: PMR only
  S->Fatigue(1, 1, 1) = 650;
  GridForm& f = Open(kind::kGridSlabLayer, 205, 1);
  EXPECT_EQ(f.grid().Cols(), 2);
  Key(f, Qt::Key_Insert, Qt::ControlModifier);
  Key(f, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(f.grid().Rows(), 2);
  Key(f, Qt::Key_Delete);
  EXPECT_EQ(Cell(f, 1, 1), "");
  ClickOk(f);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"A number is required in line 1, column PMR."}));
  EXPECT_EQ(Grid(kind::kGridSlabLayer), &f);
  EXPECT_EQ(S->Fatigue(1, 1, 1), 650.0f);
}

}  // namespace
}  // namespace pave::testing
