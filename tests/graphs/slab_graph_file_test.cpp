// Reading the slab graph file, and where its nodes and slabs go on the plan.
#include "graphs/slab_graph_file.h"

#include <string>

#include <gtest/gtest.h>

#include "graphs/slab_grid_page.h"

namespace pave::graphs {
namespace {

// Two slabs (3 by 3 nodes, then 3 by 2), two slab layers, a damage analysis of one period and two
// load groups, node results of slab 2 (stresses).
std::string TwoSlabs(int areas_in_group_1 = 1, int nx1 = 3) {
  std::string t = " 1 \r\nTwo slabs\r\n 0  1  1  2 \r\n 2  1 \r\n";
  t += " " + std::to_string(nx1) + "  3  0  1  0  0 \r\n 3  2  1  0  0  0 \r\n 2  0  0  1 \r\n";
  for (int i = 0; i < nx1; ++i) t += " " + std::to_string(10 * i) + " ";
  t += "\r\n 0  5  10 \r\n 0  6  12 \r\n 0  8 \r\n";
  t += " 8  .15  4000000 \r\n 4  .2  3.5E+07 \r\n";
  t += " " + std::to_string(areas_in_group_1) + "  0 \r\n 0  0  0  0 \r\n";
  for (int a = 0; a < areas_in_group_1; ++a) t += " 2  1  9  2  6  100 \r\n";
  t += " 1 \r\n 200 \r\n 50000  40000 \r\n";
  for (int page = 1; page <= 2; ++page) {
    t += " 6  2 \r\n";
    for (int i = 1; i <= 6; ++i)
      for (int l = 1; l <= 2; ++l) t += " " + std::to_string(-10 * i - l) + "  " + std::to_string(i + l) + " ";
    t += "\r\n";
    for (int l = 1; l <= 2; ++l)
      t += " 14  -" + std::to_string(60 + l) + "  9 \r\n 14 -62  10  3  15  -2  11  8 \r\n";
    t += " .25 \r\n .125 \r\n";
  }
  return t + " 12.5 \r\n";
}

TEST(SlabGraphFile, ReadsAProblemItsPagesAndItsDesignLife) {
  SlabGraphReader r{FreeFormatReader(TwoSlabs())};
  ASSERT_EQ(r.ProblemCount(), 1);
  auto p = std::make_unique<SlabGraphProblem>();
  r.ReadProblemHead(*p);
  EXPECT_EQ(p->title, "Two slabs");
  EXPECT_EQ(p->nslab, 2);
  EXPECT_EQ(p->jono[2][1], 1);
  EXPECT_EQ(p->jono[1][2], 1);
  EXPECT_FLOAT_EQ(p->y[3][1], 10);
  EXPECT_FLOAT_EQ(p->x[3][2], 12);
  EXPECT_FLOAT_EQ(p->y[2][2], 8);
  EXPECT_EQ(p->ym[1], 4000000);
  EXPECT_EQ(p->ym[2], 35000000);   // written in exponent form
  EXPECT_EQ(p->nodes_to[1], 9);
  EXPECT_EQ(p->nodes_to[2], 15);
  r.ReadProblemRest(*p);
  EXPECT_EQ(p->areas[1][1].ls, 2);
  EXPECT_FLOAT_EQ(p->areas[1][1].xl2, 9);
  EXPECT_FLOAT_EQ(p->areas[1][1].qq, 100);
  EXPECT_FLOAT_EQ(p->submod, 200);
  EXPECT_FLOAT_EQ(p->tnlr[1][2], 40000);
  auto page = std::make_unique<SlabGraphPage>();
  r.ReadPage(*p, *page);
  EXPECT_EQ(page->ls1, 2);
  EXPECT_FLOAT_EQ(page->res_x[6][2], -62);
  EXPECT_FLOAT_EQ(page->res_y[6][2], 8);
  EXPECT_EQ(page->smax_node[2], 14);
  EXPECT_FLOAT_EQ(page->smax[2], -62);
  EXPECT_EQ(page->extremes[1].node_min_y, 11);
  EXPECT_FLOAT_EQ(page->extremes[1].min_y, 8);
  EXPECT_FLOAT_EQ(page->ci[2], 0.125f);
  r.ReadPage(*p, *page);
  EXPECT_FLOAT_EQ(r.ReadDesignLife(), 12.5f);
  EXPECT_TRUE(r.AtEnd());
}

TEST(SlabGraphFile, TablesAreSizedToWhatTheSlabAnalysisWrites) {
  auto p = std::make_unique<SlabGraphProblem>();
  {
    SlabGraphReader r{FreeFormatReader(TwoSlabs(24))};   // 24 loaded areas in one group
    r.ReadProblemHead(*p);
    r.ReadProblemRest(*p);
    EXPECT_EQ(p->areas[24][1].ls, 2);
  }
  {
    SlabGraphReader r{FreeFormatReader(TwoSlabs(25))};
    EXPECT_THROW(r.ReadProblemHead(*p), DataError);
  }
  {
    SlabGraphReader r{FreeFormatReader(TwoSlabs(1, 60))};   // one slab with 60 coordinates in x
    EXPECT_NO_THROW(r.ReadProblemHead(*p));
  }
  {
    SlabGraphReader r{FreeFormatReader(TwoSlabs(1, 61))};
    EXPECT_THROW(r.ReadProblemHead(*p), DataError);
  }
  {
    std::string cut = TwoSlabs();
    SlabGraphReader r{FreeFormatReader(cut.substr(0, cut.size() - 30))};
    auto page = std::make_unique<SlabGraphPage>();
    r.ReadProblemHead(*p);
    r.ReadProblemRest(*p);
    r.ReadPage(*p, *page);
    EXPECT_THROW(r.ReadPage(*p, *page), DataError);
  }
}

TEST(SlabGraphFile, NodesAreFoundSlabAfterSlabColumnByColumn) {
  auto p = std::make_unique<SlabGraphProblem>();
  SlabGraphReader r{FreeFormatReader(TwoSlabs())};
  r.ReadProblemHead(*p);
  struct Case {
    long node;
    int slab, column, row;
  };
  const Case cases[] = {{1, 1, 1, 1}, {3, 1, 1, 3}, {4, 1, 2, 1}, {9, 1, 3, 3},
                        {10, 2, 1, 1}, {11, 2, 1, 2}, {15, 2, 3, 2}, {16, 0, 0, 0}, {0, 0, 0, 0}};
  for (const Case& c : cases) {
    const SlabNode n = LocateNode(*p, c.node);
    EXPECT_EQ(n.slab, c.slab) << c.node;
    EXPECT_EQ(n.column, c.column) << c.node;
    EXPECT_EQ(n.row, c.row) << c.node;
  }
}

TEST(SlabGraphFile, AreaForcesInPoundsOrKilonewtons) {
  auto p = std::make_unique<SlabGraphProblem>();
  SlabGraphReader r{FreeFormatReader(TwoSlabs(2))};
  r.ReadProblemHead(*p);
  r.ReadProblemRest(*p);
  p->areas[2][1].qq = 50;
  p->nunit = 0;
  PageForces f = ForcesOfPage(*p, 1);
  EXPECT_FLOAT_EQ(f.area_max, 8 * 4 * 100);
  EXPECT_FLOAT_EQ(f.area_min, 8 * 4 * 50);
  p->nunit = 1;   // cm by cm by kPa: divided by 10000 to give kN
  f = ForcesOfPage(*p, 1);
  EXPECT_FLOAT_EQ(f.area_max, 0.32f);
}

TEST(SlabPlan, EveryCountOfSlabsHasItsWindowsInsideThePlanAndApart) {
  for (int nslab = 1; nslab <= 6; ++nslab) {
    for (int s = 1; s <= nslab; ++s) {
      const PlanWindow w = SlabPlanWindow(nslab, s);
      EXPECT_GE(w.jc1, 8) << nslab << " " << s;
      EXPECT_LE(w.jc2, 95) << nslab << " " << s;
      EXPECT_GE(w.jr1, 20) << nslab << " " << s;
      EXPECT_LE(w.jr2, 74) << nslab << " " << s;
      for (int t = 1; t < s; ++t) {
        const PlanWindow o = SlabPlanWindow(nslab, t);
        const bool apart = w.jc1 >= o.jc2 || o.jc1 >= w.jc2 || w.jr1 >= o.jr2 || o.jr1 >= w.jr2;
        EXPECT_TRUE(apart) << nslab << ": slabs " << t << " and " << s;
      }
    }
  }
}

}  // namespace
}  // namespace pave::graphs
