// Saves every grid window and the period selector as pictures (test-output/grids_*.png) with a
// typical table in each, and checks what a user would notice first: the headers and the cells' texts
// fit their columns, each unit of the units line stands over its column, the OK button lies inside
// the window, the cell editor covers its cell.
#include <QFontMetrics>
#include <QHeaderView>
#include <QStringList>

#include <vector>

#include "grids_fixture.h"
#include "grids/gui/period_form.h"

namespace pave::testing {
namespace {

struct Picture {
  const char* file;
  const char* window;
  int kind;
  int lines;
  int owner;
  std::vector<int> unit_columns = {};   // the column each word of the units line stands over
};

void PrintTo(const Picture& p, std::ostream* os) { *os << p.file; }

class GridImagesTest : public GridsTest, public ::testing::WithParamInterface<Picture> {
 protected:
  void Fill() {
    L->General(1, 1) = 4;
    L->General(1, 3) = 4;
    L->General(1, 4) = 3;
    L->General(1, 6) = 4;
    L->General(1, 7) = 3;
    S->General(1, 2) = 2;
    S->General(1, 7) = 2;
    S->Curling(1, 5) = Value(1.0);
    for (int i = 1; i <= 4; ++i) {
      L->ZC(1, i) = Value(i * 6.0);
      L->Layer(1, i, 1) = Value(4.0 + i);
      L->Layer(1, i, 2) = Value(0.35);
      L->Layer(1, i, 3) = Value(145.0);
      L->Load(1, i, 1) = Value(i == 1 ? 0.0 : 2.0);
      L->Load(1, i, 2) = Value(4.52);
      L->Load(1, i, 3) = Value(70.0);
      L->Load(1, i, 6) = Value(12.0);
      S->Joints(1, i, 8) = Value(7.0);
    }
  }
};

TEST_P(GridImagesTest, SavesTheWindow) {
  const Picture& p = GetParam();
  Fill();
  gScreenCode = Value(p.kind);
  gGridLines = Value(p.lines);
  gMainLines = Value(p.lines);
  gMainTopLine = Value(1);
  gOwnerLine = Value(p.owner);
  gCurrentPeriod = Value(1);
  gCurrentLayer = Value(1);
  gCurrentSlab = Value(1);
  LoadWindow(p.window);
  auto* form = dynamic_cast<QWidget*>(platform_.windows.Find(p.window));
  ASSERT_NE(form, nullptr) << ::testing::PrintToString(Messages());
  for (const QPushButton* ok : form->findChildren<QPushButton*>()) {
    if (ok->text() == "&OK") {
      EXPECT_TRUE(form->rect().contains(ok->geometry())) << "OK button's bottom " << ok->geometry().bottom();
    }
  }
  if (auto* grid_form = dynamic_cast<GridForm*>(form)) {
    QtGrid& grid = grid_form->grid();
    const QFontMetrics header(grid.horizontalHeader()->font());
    const QFontMetrics cells(grid.font());
    for (int c = 0; c < grid.Cols(); ++c) {
      const int wanted = header.horizontalAdvance(QString::fromStdString(grid.Text(0, c))) + 6;
      EXPECT_LE(wanted, grid.columnWidth(c)) << "header of column " << c << ": " << grid.Text(0, c);
      for (int r = 1; r < grid.Rows(); ++r) {
        const QString text = QString::fromStdString(grid.Text(r, c));
        EXPECT_LE(cells.horizontalAdvance(text) + 6, grid.columnWidth(c)) << "line " << r << " column " << c << ": "
                                                                         << text.toStdString();
      }
    }
    // Each unit starts and ends over its column (the units line is in a fixed-pitch font).
    const auto& unit = Control<QLabel>(*form, "lblUnit");
    const QFontMetrics units(unit.font());
    const QString line = unit.text();
    const QStringList words = line.split(' ', Qt::SkipEmptyParts);
    ASSERT_EQ(words.size(), p.unit_columns.empty() ? words.size() : qsizetype(p.unit_columns.size() + 1)) << line.toStdString();
    const int grid_left = grid.x() + grid.frameWidth();
    int from = 0;
    for (std::size_t w = 0; w < p.unit_columns.size(); ++w) {
      const QString& word = words[qsizetype(w + 1)];
      from = line.indexOf(word, from + 1);
      const int left = unit.x() + units.horizontalAdvance(line.left(from));
      const int right = left + units.horizontalAdvance(word);
      const int c = p.unit_columns[w];
      const int column_left = grid_left + grid.columnViewportPosition(c);
      EXPECT_GE(left, column_left) << word.toStdString() << " over column " << c;
      EXPECT_LE(right, column_left + grid.columnWidth(c)) << word.toStdString() << " over column " << c;
    }
    // An editor opened on a cell covers it.
    if (grid.Rows() > 1) {
      ClickCell(*grid_form, 1, 1);
      Type(*grid_form, "1");
      EXPECT_EQ(grid_form->cell_editor().box().geometry(), grid.CellRect(1, 1).translated(grid.pos()));
      Key(*grid_form, Qt::Key_Escape);
    }
  }
  SavePng(*form, std::string("grids_") + p.file + ".png");
}

INSTANTIATE_TEST_SUITE_P(
    Windows, GridImagesTest,
    ::testing::Values(Picture{"period", kind::kPeriod, 106, 0, 0},
                      Picture{"spreadb_zcoord", kind::kGridSingle, 103, 3, 0, {1}},
                      Picture{"spreadb_interface", kind::kGridSingle, 105, 3, 0},
                      Picture{"spreadb_points", kind::kGridSingle, 107, 12, 2, {1, 2}},
                      Picture{"spreadb_xcoord", kind::kGridSingle, 206, 5, 0, {1}},
                      Picture{"spreadb_ycoord", kind::kGridSingle, 207, 5, 0, {1}},
                      Picture{"spreadb_raft", kind::kGridSingle, 210, 2, 2, {2}},
                      Picture{"spreadb_dowels", kind::kGridSingle, 224, 7, 1},
                      Picture{"spreadb_volume", kind::kGridSingle, 123, 3, 0},
                      Picture{"spread1_loads", kind::kGridMain, 107, 3, 0},
                      Picture{"spread1_joints", kind::kGridMain, 224, 2, 0},
                      Picture{"spread1_nonseasonal", kind::kGridMain, 111, 2, 0},
                      Picture{"spreada_uniform", kind::kGridMainSlab, 209, 3, 0},
                      Picture{"spreada_raft", kind::kGridMainSlab, 210, 3, 0},
                      Picture{"spreada_liquid", kind::kGridMainSlab, 221, 1, 0},
                      Picture{"spread2_layers", kind::kGridMulti, 104, 4, 0, {1, 3}},
                      Picture{"spread2_arrangement", kind::kGridMulti, 203, 2, 0},
                      Picture{"spread2_areas", kind::kGridMulti, 209, 3, 1, {2, 3, 4, 5, 6}},
                      Picture{"spread3_properties", kind::kGridSlabLayer, 208, 2, 0, {1, 3, 4}},
                      Picture{"spread3_fatigue", kind::kGridSlabLayer, 205, 2, 0, {1}}),
    [](const ::testing::TestParamInfo<Picture>& i) { return std::string(i.param.file); });

}  // namespace
}  // namespace pave::testing
