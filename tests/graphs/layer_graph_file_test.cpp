#include "graphs/layer_graph_file.h"

#include <string>

#include <gtest/gtest.h>

namespace pave::graphs {
namespace {

// One problem of each kind the file can hold: a linear one without damage, then a nonlinear and
// viscoelastic one (MATL 4) with a damage analysis of two periods, a single wheel and a tandem group.
const char* const kTwoProblems =
    " 2 \r\n"
    "Linear single wheel\r\n"
    " 1  0  1  1 \r\n"
    " 3  2  0 \r\n"
    " 4  6 \r\n"
    " .35  .3  .45 \r\n"
    " 0  10 \r\n"
    " 400000  20000  10000 \r\n"
    " 0 \r\n"
    " 6  80 \r\n"
    " 2 \r\n"
    " 0  10 \r\n"
    "Combined\r\n"
    " 4  1  2  2 \r\n"
    " 3  0  0 \r\n"
    " 6  8 \r\n"
    " .4  .35  .45 \r\n"
    " 0  7500  3020 \r\n"
    " 0  10000  12340 \r\n"
    " 0 \r\n"
    " 5.35  100 \r\n"
    " 1 \r\n"
    " 0 \r\n"
    " 2 \r\n"
    " 4.52  70 \r\n"
    " 2 \r\n"
    " 48  13.5  0  0  0  6.75 \r\n"
    " 2 \r\n"
    " 2  0  3  1 \r\n"
    " 10  15 \r\n"
    " 0  0  6.75  0 \r\n"
    " 145  135  120 \r\n"
    " .5  .6 \r\n"
    " 6.2  1110  178  .8 \r\n"
    " 40  7500 \r\n"
    " 1827         7682          3020 \r\n"
    " 40  10000 \r\n"
    " 7605         17002         12340 \r\n"
    " .1 \r\n"
    " 1 \r\n"
    " 1 \r\n"
    " 3 \r\n"
    " .01  .1  1 \r\n"
    " .113  70 \r\n"
    " 1E-06  2E-06  5E-06 \r\n"
    " 60 \r\n"
    " 80 \r\n"
    " 1  1 \r\n"
    " 18250  36500 \r\n"
    " 18250  36500 \r\n"
    " 2 \r\n"
    " 6  14.0001 \r\n"
    " .01 \r\n"
    " .02 \r\n"
    " .03 \r\n"
    " .04 \r\n"
    " .001 \r\n"
    " .002 \r\n"
    " .05 \r\n"
    " .06 \r\n"
    " .07 \r\n"
    " .08 \r\n"
    " .005 \r\n"
    " .006 \r\n"
    " .2 \r\n"
    " .4 \r\n"
    " 2.5 \r\n";

TEST(LayerGraphFile, ReadsEveryProblemToTheEndOfTheFile) {
  LayerGraphReader r{FreeFormatReader(kTwoProblems)};
  ASSERT_EQ(r.ProblemCount(), 2);
  LayerGraphProblem p;
  ASSERT_TRUE(r.ReadProblem(p));
  EXPECT_EQ(p.title, "Linear single wheel");
  EXPECT_EQ(p.nl, 3);
  EXPECT_FLOAT_EQ(p.zc[2], 10);
  EXPECT_EQ(p.e[1][1], 400000);
  EXPECT_EQ(p.nr[1], 2);
  EXPECT_FLOAT_EQ(p.rc[2][1], 10);
  EXPECT_FALSE(r.AtEnd());

  ASSERT_TRUE(r.ReadProblem(p));
  EXPECT_EQ(p.title, "Combined");
  EXPECT_EQ(p.matl, 4);
  EXPECT_EQ(p.e[3][2], 12340);
  EXPECT_EQ(p.npt[2], 2);
  EXPECT_FLOAT_EQ(p.ypt[2][2], 6.75f);
  // Nonlinear constants are stored under the layer number.
  EXPECT_EQ(p.nclay[3], 1);
  EXPECT_FLOAT_EQ(p.k3[3], 1110);
  EXPECT_FLOAT_EQ(p.k0[2], 0.6f);
  EXPECT_FLOAT_EQ(p.phi[2][2], 40);
  EXPECT_FLOAT_EQ(p.emax[3][1], 7682);
  EXPECT_FLOAT_EQ(p.k1[3][2], 12340);
  EXPECT_FLOAT_EQ(p.gam[3], 120);
  // Viscoelastic values under the layer number.
  EXPECT_FLOAT_EQ(p.tempref[1], 70);
  EXPECT_DOUBLE_EQ(p.creep[1][3].Number(), 5e-6);
  EXPECT_FLOAT_EQ(p.temp[1][2], 80);
  // Damage: the damage depths replace the response depths; a tandem group's ratios are the sums of
  // its two passes; the sums and the design life close the problem.
  EXPECT_EQ(p.nz, 2);
  EXPECT_FLOAT_EQ(p.zc[2], 14.0001f);
  EXPECT_FLOAT_EQ(p.tnlr[2][2], 36500);
  EXPECT_FLOAT_EQ(p.drf[1][1], 0.01f);
  EXPECT_FLOAT_EQ(p.drp[1][1], 0.02f);
  EXPECT_FLOAT_EQ(p.drf[1][2], 0.03f + 0.001f);
  EXPECT_FLOAT_EQ(p.drp[1][2], 0.04f + 0.002f);
  EXPECT_FLOAT_EQ(p.drf[2][2], 0.07f + 0.005f);
  EXPECT_FLOAT_EQ(p.sdrf, 0.2f);
  EXPECT_FLOAT_EQ(p.sdrp, 0.4f);
  EXPECT_FLOAT_EQ(p.dlife, 2.5f);
  EXPECT_TRUE(r.AtEnd());
}

TEST(LayerGraphFile, BottomTensionAbsent) {
  const char* const text =
      " 1 \r\nT\r\n 1  1  1  1 \r\n 2  2  0 \r\n 5 \r\n .35  .45 \r\n 300000  10000 \r\n"
      " 0 \r\n 6  80 \r\n 1 \r\n 0 \r\n"
      " 0  1 \r\n 1000 \r\n 1 \r\n 5.0001 \r\n .25 \r\n .25 \r\n 4 \r\n";
  LayerGraphReader r{FreeFormatReader(text)};
  LayerGraphProblem p;
  ASSERT_TRUE(r.ReadProblem(p));
  EXPECT_EQ(p.nlbt, 0);
  EXPECT_FLOAT_EQ(p.drf[1][1], 0);
  EXPECT_FLOAT_EQ(p.drp[1][1], 0.25f);
  EXPECT_FLOAT_EQ(p.sdrf, 0);
  EXPECT_FLOAT_EQ(p.sdrp, 0.25f);
  EXPECT_FLOAT_EQ(p.dlife, 4);
  EXPECT_TRUE(r.AtEnd());
}

// A linear single-wheel problem with `nr` radial coordinates in a two-layer system.
std::string SingleWheel(const std::string& title, int nr) {
  std::string text = title + "\r\n 1  0  1  1 \r\n 2  1  0 \r\n 5 \r\n .35  .45 \r\n 0 \r\n 300000  10000 \r\n"
                     " 0 \r\n 6  80 \r\n " + std::to_string(nr) + " \r\n";
  for (int i = 1; i <= nr; ++i) text += " " + std::to_string(i) + " ";
  return text + "\r\n";
}

TEST(LayerGraphFile, TablesAreSizedToWhatTheAnalysisWrites) {
  const std::string head = " 1 \r\n";
  LayerGraphProblem p;
  // Up to 25 radial coordinates; nonlinear layers numbered up to 19.
  {
    LayerGraphReader r{FreeFormatReader(head + SingleWheel("T", 25))};
    EXPECT_TRUE(r.ReadProblem(p));
    EXPECT_FLOAT_EQ(p.rc[25][1], 25);
    EXPECT_TRUE(r.AtEnd());
  }
  {
    LayerGraphReader r{FreeFormatReader(head + SingleWheel("T", 26))};
    EXPECT_THROW(r.ReadProblem(p), DataError);
  }
  auto nonlinear = [&](int layno) {
    std::string t = head + "T\r\n 2  0  1  1 \r\n 19  1  0 \r\n";
    for (int i = 1; i <= 18; ++i) t += " 2 ";
    t += "\r\n";
    for (int i = 1; i <= 19; ++i) t += " .35 ";
    t += "\r\n 0 \r\n";
    for (int i = 1; i <= 19; ++i) t += " 1E+05 ";
    t += "\r\n 0 \r\n 6  80 \r\n 1 \r\n 0 \r\n 1 \r\n " + std::to_string(layno) + "  0 \r\n 40 \r\n 0  0  0  0 \r\n";
    for (int i = 1; i <= 19; ++i) t += " 120 ";
    return t + "\r\n .5  .6 \r\n 40  7500 \r\n";
  };
  {
    LayerGraphReader r{FreeFormatReader(nonlinear(19))};
    EXPECT_TRUE(r.ReadProblem(p));
    EXPECT_FLOAT_EQ(p.k1[19][1], 7500);
    EXPECT_FLOAT_EQ(p.phi[19][1], 40);
    EXPECT_EQ(p.e[3][1], 100000);   // moduli written in exponent form are read as whole numbers
    EXPECT_TRUE(r.AtEnd());
  }
  {
    LayerGraphReader r{FreeFormatReader(nonlinear(20))};
    EXPECT_THROW(r.ReadProblem(p), DataError);
  }
  // A file that ends early.
  {
    LayerGraphReader r{FreeFormatReader(head + "T\r\n 1  0  1  1 \r\n 2  1 \r\n")};
    EXPECT_THROW(r.ReadProblem(p), DataError);
  }
}

TEST(LayerGraphFile, AProblemEndingInAnEmptyListIsFollowedByTheNextTitle) {
  // No radial coordinates: the list is an empty line, which is not the next problem's title.
  LayerGraphReader r{FreeFormatReader(" 2 \r\n" + SingleWheel("First", 0) + SingleWheel("Second", 1))};
  LayerGraphProblem p;
  EXPECT_TRUE(r.ReadProblem(p));
  EXPECT_EQ(p.nr[1], 0);
  EXPECT_TRUE(r.ReadProblem(p));
  EXPECT_EQ(p.title, "Second");
  EXPECT_EQ(p.nr[1], 1);
  EXPECT_TRUE(r.AtEnd());
}

TEST(LayerGraphFile, AStoppedProblemIsOnlyItsTitleAndTheProblemsAfterItRead) {
  LayerGraphReader r{FreeFormatReader(" 3 \r\n" + SingleWheel("First", 2) + "Second, stopped\r\nSTOPPED\r\n" +
                                      SingleWheel("Third", 3))};
  LayerGraphProblem p;
  EXPECT_TRUE(r.ReadProblem(p));
  EXPECT_FALSE(r.ReadProblem(p));
  EXPECT_EQ(p.title, "Second, stopped");
  EXPECT_TRUE(r.ReadProblem(p));
  EXPECT_EQ(p.title, "Third");
  EXPECT_EQ(p.nr[1], 3);
  EXPECT_TRUE(r.AtEnd());
}

}  // namespace
}  // namespace pave::graphs
