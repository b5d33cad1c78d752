// The single-level grid window on the real widgets: typing, Enter, OK.
#include "grids_fixture.h"

namespace pave::testing {
namespace {

class SingleGridFormTest : public GridsTest {};

TEST_F(SingleGridFormTest, ZCoordinatesTypedAndStored) {
  OwnerWindow& main = Owner("frmPELDRANE", {"lblZcoord"});
  L->General(1, 7) = 3;
  L->ZC(1, 1) = Value(0.0);
  L->ZC(1, 2) = Value(6.0);
  L->ZC(1, 3) = Value(14.0);
  gScreenCode = Value(103);
  gGridCols = 2;
  gGridLines = Value(3);
  LoadWindow(kind::kGridSingle);
  GridForm* form = Grid(kind::kGridSingle);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle().toStdString(), "Z Coordinates of Response Points for Data Set No. 1");
  EXPECT_EQ(Cell(*form, 2, 1), " 6");
  EXPECT_EQ(Cell(*form, 0, 1), "ZC");
  Key(*form, Qt::Key_Down);
  Enter(*form, "7.5");
  EXPECT_EQ(Cell(*form, 2, 1), "7.5");
  EXPECT_EQ(form->grid().Row(), 3);
  ClickOk(*form);
  EXPECT_EQ(L->ZC(1, 2), Value("7.5"));
  EXPECT_EQ(L->ZC(1, 1), Value(0.0));
  EXPECT_EQ(main.Caption("lblZcoord"), "done");
  EXPECT_EQ(Grid(kind::kGridSingle), nullptr);
}

}  // namespace
}  // namespace pave::testing
