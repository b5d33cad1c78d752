// Runs of the nonlinear, viscoelastic and damage analyses on small data files: degenerate cases that
// must give the linear result, and the inputs that stop a problem with a clear message.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "graphs/layer_graph_file.h"
#include "run_fixture.h"

namespace pave::layered {
namespace {

using testing::NumberLines;
using testing::RunData;
using testing::RunResult;

// A two-layer problem: 6 in. over a half-space, single wheel of radius 6 and 80 psi, four depths and
// two radial coordinates. `matl` and the two moduli fill the general and modulus records; `tail`
// holds the records that follow the load group.
std::string TwoLayers(int matl, int ndama, const std::string& e1, const std::string& e2, const std::string& tail,
                      const std::string& nz = " 4 ", const std::string& zc = " 0   3   6   9   (8) ZC\r\n") {
  std::string d = " 1  (1) NPROB\r\nTwo layers\r\n";
  d += " " + std::to_string(matl) + "  " + std::to_string(ndama) + "  1  1  (3) MATL NDAMA NPY NLG\r\n";
  d += " .001  (4) DEL\r\n";
  d += " 2 " + nz + " 80  9  0  (5) NL NZ ICL NSTD NUNIT\r\n";
  d += " 6   (6) TH\r\n .35   .45   (7) PR\r\n";
  if (ndama == 0) d += zc;
  d += " 1  (9) NBOND\r\n";
  d += e1 + "  " + e2 + "   (11) E\r\n";
  d += " 0   (13) LOAD\r\n 6   80   (14) CR CP\r\n 2   (16) NR\r\n 0   8   (17) RC\r\n";
  return d + tail;
}

// The last response table of the report.
std::vector<std::vector<double>> LastTable(const RunResult& r) {
  const std::size_t p = r.report.rfind("COORDINATE  COORDINATE  DISPLACEMENT");
  return NumberLines(r.report, "(STRAIN)   (STRAIN)  (STRAIN)   (STRAIN)", p);
}

void ExpectSameTable(const std::vector<std::vector<double>>& a, const std::vector<std::vector<double>>& b,
                     double rel) {
  ASSERT_EQ(a.size(), b.size());
  ASSERT_FALSE(a.empty());
  for (std::size_t i = 0; i < a.size(); ++i) {
    ASSERT_EQ(a[i].size(), b[i].size()) << i;
    for (std::size_t k = 0; k < a[i].size(); ++k)
      EXPECT_NEAR(a[i][k], b[i][k], rel * std::fabs(b[i][k]) + 1e-9) << "line " << i << " value " << k;
  }
}

const char* const kGranularK2Zero =
    " 1  15  (25) NOLAY ITENOL\r\n 2   0   (26) LAYNO NCLAY\r\n 9   (27) ZCNOL\r\n"
    " 0  0  0  0  .01  (28) RCNOL XCNOL YCNOL SLD DELNOL\r\n 1   (29) RELAX\r\n 145   120   (30) GAM\r\n"
    " 0  .6  (31) K2 K0\r\n 0   15000   (33) PHI K1\r\n";

TEST(ExtendedRun, GranularLayerWithK2ZeroGivesTheLinearResult) {
  const RunResult linear = RunData("linear", TwoLayers(1, 0, " 400000", " 15000", ""));
  const RunResult nonlinear = RunData("granular", TwoLayers(2, 0, " 400000", " 5000", kGranularK2Zero));
  EXPECT_EQ(linear.end, RunEnd::Normal);
  EXPECT_EQ(nonlinear.end, RunEnd::Normal);
  EXPECT_NE(nonlinear.report.find("LAYER NUMBER AND ADJUSTED THREE NORMAL STRESSES"), std::string::npos);
  ExpectSameTable(LastTable(nonlinear), LastTable(linear), 0.0);
}

std::string Visco(const std::string& dur, const std::string& creep, const std::string& temp = " 70 ") {
  return " " + dur + "  (36) DUR\r\n 1  1   (37) NVL LNV\r\n 11  (38) NTYME\r\n"
         " .001   .003   .01   .03   .1   .3   1   3   10   30   100   (39) TYME\r\n"
         " .113   70   (41) BETA TEMPREF\r\n" + creep + "  (42) CREEP\r\n" + temp + "  (44) TEMP\r\n";
}

std::string Constant(const char* d) {
  std::string s;
  for (int i = 0; i < 11; ++i) s += std::string(" ") + d + "  ";
  return s;
}

TEST(ExtendedRun, ConstantCreepComplianceGivesTheLinearResult) {
  const RunResult linear = RunData("linear", TwoLayers(1, 0, " 100000", " 15000", ""));
  // Stationary load: one table per creep time, each the linear one.
  const RunResult stationary = RunData("stationary", TwoLayers(3, 0, " 0", " 15000", Visco(".0", Constant(".00001"))));
  EXPECT_EQ(stationary.end, RunEnd::Normal);
  ExpectSameTable(LastTable(stationary), LastTable(linear), 1e-6);
  // Moving load: the series fitted to a constant is that constant, and so is the moving-load value.
  const RunResult moving = RunData("moving", TwoLayers(3, 0, " 0", " 15000", Visco(".1", Constant(".00001"))));
  EXPECT_EQ(moving.end, RunEnd::Normal);
  EXPECT_NE(moving.report.find("DIRICHLET SERIES"), std::string::npos);
  ExpectSameTable(LastTable(moving), LastTable(linear), 1e-4);
  // Combined with a granular layer whose K2 is 0.
  const RunResult both = RunData("both", TwoLayers(4, 0, " 0", " 5000", std::string(kGranularK2Zero) +
                                                                              Visco(".1", Constant(".00001"))));
  EXPECT_EQ(both.end, RunEnd::Normal);
  ExpectSameTable(LastTable(both), LastTable(linear), 1e-4);
}

const char* const kDamage =
    " 1  1  (46) NLBT NLTC\r\n 1   (47) LNBT\r\n 2   (48) LNTC\r\n %s   (49) TNLR\r\n"
    " .0796   3.291   .854   (50) FT1 FT2 FT3\r\n 1.365E-09   4.477   (51) FT4 FT5\r\n";

std::string Damage(const char* tnlr) {
  char buf[400];
  std::snprintf(buf, sizeof buf, kDamage, tnlr);
  return buf;
}

TEST(ExtendedRun, DamageOfASingleWheelAndItsDesignLife) {
  const RunResult r = RunData("damage", TwoLayers(1, 1, " 400000", " 15000", Damage(" 100000"), " 0 ", ""));
  EXPECT_EQ(r.end, RunEnd::Normal);
  graphs::LayerGraphReader reader = graphs::LayerGraphReader::FromFile(r.graphPath.string());
  graphs::LayerGraphProblem p;
  reader.ReadProblem(p);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(p.nz, 2);
  EXPECT_FLOAT_EQ(p.zc[1], 6);
  EXPECT_FLOAT_EQ(p.zc[2], 6.0001f);
  ASSERT_GT(p.sdrf, 0);
  ASSERT_GT(p.sdrp, 0);
  EXPECT_NEAR(p.dlife, 1 / std::max(p.sdrf, p.sdrp), 1e-3 * p.dlife);
  // The damage ratio is the repetitions over the allowable number printed beside it.
  const std::size_t at = r.report.find("ALLOWABLE LOAD REPETITIONS = ");
  ASSERT_NE(at, std::string::npos);
  const double allowable = std::stod(r.report.substr(at + 29));
  EXPECT_NEAR(p.drf[1][1], 100000 / allowable, 1e-3 * p.drf[1][1]);
}

TEST(ExtendedRun, NoDamageAtAllMeansAnUnlimitedDesignLife) {
  const RunResult r = RunData("nodamage", TwoLayers(1, 1, " 400000", " 15000", Damage(" 0"), " 0 ", ""));
  EXPECT_EQ(r.end, RunEnd::Normal);
  EXPECT_NE(r.report.find("DESIGN LIFE IN YEARS = UNLIMITED (NO DAMAGE)"), std::string::npos);
  graphs::LayerGraphReader reader = graphs::LayerGraphReader::FromFile(r.graphPath.string());
  graphs::LayerGraphProblem p;
  reader.ReadProblem(p);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FLOAT_EQ(p.dlife, 1e30f);
}

TEST(ExtendedRun, DamageWithoutStrainTablesStillComputesTheStrains) {
  // NSTD 1 prints displacements only; the damage analysis needs the strains all the same.
  std::string d = TwoLayers(1, 1, " 400000", " 15000", Damage(" 100000"), " 0 ", "");
  d.replace(d.find(" 80  9  0  (5)"), 14, " 80  1  0  (5)");
  const RunResult r = RunData("nstd1", d);
  EXPECT_EQ(r.end, RunEnd::Normal);
  const RunResult full = RunData("nstd9", TwoLayers(1, 1, " 400000", " 15000", Damage(" 100000"), " 0 ", ""));
  EXPECT_NE(r.report.find("DESIGN LIFE IN YEARS"), std::string::npos);
  const std::string summary = "* SUMMARY OF DAMAGE ANALYSIS *";
  EXPECT_EQ(r.report.substr(r.report.find(summary)), full.report.substr(full.report.find(summary)));
}

TEST(ExtendedRun, FifteenCreepTimesAsRetardationTimesStop) {
  std::string creep, times;
  for (int i = 1; i <= 15; ++i) {
    times += " " + std::to_string(i) + "  ";
    creep += " .00001  ";
  }
  std::string visco = " 0  (36) DUR\r\n 1  1   (37) NVL LNV\r\n 15  (38) NTYME\r\n" + times +
                      " (39) TYME\r\n .113   70   (41) BETA TEMPREF\r\n" + creep + " (42) CREEP\r\n 80   (44) TEMP\r\n";
  const RunResult r = RunData("fifteen", TwoLayers(3, 0, " 0", " 15000", visco));
  EXPECT_EQ(r.end, RunEnd::InputStop);
  ASSERT_EQ(r.messages.size(), 2u);
  EXPECT_EQ(r.messages[0],
            "THE NUMBER OF CREEP TIMES (NTYME) USED AS RETARDATION TIMES (LINE 17) IS  15 WHICH IS GREATER THAN THE LIMIT OF "
            "14, SO COMPUTATION STOPS.");
  EXPECT_NE(r.report.find("WHICH IS GREATER THAN THE LIMIT OF 14, SO COMPUTATION STOPS."), std::string::npos);
}

TEST(ExtendedRun, FifteenCompliancesTakeTwoLinesOfTheReport) {
  std::string times, creep;
  for (int i = 1; i <= 15; ++i) {
    times += " " + std::to_string(0.001 * (1 << (i - 1))) + "  ";  // .001 to 16.4 seconds
    creep += " .00001  ";
  }
  const std::string visco = " .1  (36) DUR\r\n 1  1   (37) NVL LNV\r\n 15  (38) NTYME\r\n" + times +
                            " (39) TYME\r\n .113   70   (41) BETA TEMPREF\r\n" + creep +
                            " (42) CREEP\r\n 70   (44) TEMP\r\n";
  const RunResult r = RunData("fifteen_lines", TwoLayers(3, 0, " 0", " 15000", visco));
  EXPECT_EQ(r.end, RunEnd::Normal);
  const auto lists = NumberLines(r.report, "CREEP COMPLIANCES (CREEP) AT REFERENCE TEMP. (TEMREF) OF");
  ASSERT_EQ(lists.size(), 2u);
  EXPECT_EQ(lists[0].size(), 7u);
  EXPECT_EQ(lists[1].size(), 8u);
  // The series of a moving load has the seven fixed retardation times, on one line.
  const auto series = NumberLines(r.report, "DIRICHLET SERIES AT REFERENCE TEMPERATURE");
  ASSERT_EQ(series.size(), 1u);
  EXPECT_EQ(series[0].size(), 7u);
}

TEST(ExtendedRun, TooManyResponsesToCollocateStop) {
  // 25 radial coordinates, 19 depths and 9 responses under a moving load: 4275 series, more than
  // the 729 that the coefficient table holds with seven terms.
  std::string d = TwoLayers(3, 0, " 0", " 15000", Visco(".1", Constant(".00001")), " 19 ", "");
  std::string zc, rc;
  for (int i = 0; i < 19; ++i) zc += " " + std::to_string(i) + "  ";
  for (int i = 0; i < 25; ++i) rc += " " + std::to_string(i) + "  ";
  d.replace(d.find(" 1  (9) NBOND"), 0, zc + " (8) ZC\r\n");
  d.replace(d.find(" 2   (16) NR\r\n 0   8   (17) RC"), 30, " 25   (16) NR\r\n" + rc + " (17) RC");
  const RunResult r = RunData("collocate", d);
  EXPECT_EQ(r.end, RunEnd::InputStop);
  ASSERT_EQ(r.messages.size(), 2u);
  EXPECT_EQ(r.messages[0],
            "THE NUMBER OF RESPONSES (NR X NZ X NSTD) TO BE COLLOCATED FOR LOAD GROUP 1 IS  4275 WHICH IS GREATER "
            "THAN THE LIMIT OF 729, SO COMPUTATION STOPS.");
}

TEST(ExtendedRun, ANonlinearLayerBeyondTheLayersStops) {
  std::string d = TwoLayers(2, 0, " 400000", " 5000", kGranularK2Zero);
  d.replace(d.find(" 2   0   (26)"), 5, " 3   ");
  const RunResult r = RunData("layno", d);
  EXPECT_EQ(r.end, RunEnd::InputStop);
  ASSERT_EQ(r.messages.size(), 2u);
  EXPECT_EQ(r.messages[0],
            "THE NONLINEAR LAYER NUMBER (LAYNO) (LINE 16) IS  3 WHICH IS GREATER THAN THE LIMIT OF 2, SO COMPUTATION STOPS.");
  // The input stop ends the run: the stopped problem is the last thing in the layer graph file.
  EXPECT_EQ(r.graph, " 1 \r\nTwo layers\r\nSTOPPED\r\n");
}

TEST(ExtendedRun, AZeroCreepComplianceStopsItsProblem) {
  std::string creep = Constant(".00001");
  creep.replace(creep.find(".00001"), 6, "0     ");
  const RunResult r = RunData("zero_creep", TwoLayers(3, 0, " 0", " 15000", Visco(".0", creep)));
  EXPECT_EQ(r.end, RunEnd::InputStop);
  ASSERT_EQ(r.messages.size(), 2u);
  // A compliance as read is refused with the input checks, naming the item.
  EXPECT_EQ(r.messages[0], "THE CREEP COMPLIANCE (CREEP) NO. 1 OF LAYER 1 (LINE 20) IS  0 1/PSI WHICH SHOULD BE FROM 1E-10 TO 1 1/PSI, SO "
                           "COMPUTATION STOPS.");
  // One that the time-temperature shift takes to 0 (a shift coefficient no material has) stops its
  // problem where it would be used.
  std::string shifted = pave::testing::ExampleText("LAY4");
  shifted.replace(shifted.find(" .113   70   (41)"), 17, " 1E+30   70   (41)");
  const RunResult s = RunData("shifted", shifted);
  EXPECT_EQ(s.end, RunEnd::InputStop);
  ASSERT_EQ(s.messages.size(), 2u);
  EXPECT_EQ(s.messages[0], "THE CREEP COMPLIANCE OF LAYER  1 AT TIME  .001 IN PERIOD  3 (LINE 22) IS NOT GREATER THAN 0, SO THIS "
                           "PROBLEM STOPS.");
}

TEST(ExtendedRun, NegativeBulkStressStopsOnlyItsProblem) {
  // A pull on the surface (a negative contact pressure) makes the bulk stress under it negative.
  std::string bad = TwoLayers(2, 0, " 400000", " 5000", kGranularK2Zero);
  bad.replace(bad.find(" 6   80   (14)"), 14, " 6   -8000   (14)");
  bad.replace(bad.find(" 0  .6  (31)"), 12, " .5  .6  (31)");
  // Two problems: the faulty one, then a linear one that is still analysed.
  std::string second = TwoLayers(1, 0, " 400000", " 15000", "");
  second = second.substr(second.find("Two layers"));
  bad.replace(0, bad.find("\r\n"), " 2  (1) NPROB");
  const RunResult r = RunData("negative", bad + second);
  EXPECT_EQ(r.end, RunEnd::InputStop);
  ASSERT_GE(r.messages.size(), 2u);
  EXPECT_EQ(r.messages[0], "THE BULK STRESS OF NONLINEAR LAYER  2 IS NEGATIVE, SO ITS MODULUS CANNOT BE COMPUTED AND "
                           "THIS PROBLEM STOPS.");
  EXPECT_NE(r.report.find("PROBLRM NO. 2"), std::string::npos);
  EXPECT_EQ(r.messages.back(), "Please click the OK button to exit.");
  // The layer graph file holds the stopped problem as its title and "STOPPED", and reads to its end.
  EXPECT_EQ(r.graph.substr(0, 26), " 2 \r\nTwo layers\r\nSTOPPED\r\n");
  graphs::LayerGraphReader reader = graphs::LayerGraphReader::FromFile(r.graphPath.string());
  graphs::LayerGraphProblem p;
  EXPECT_FALSE(reader.ReadProblem(p));
  ASSERT_TRUE(reader.ReadProblem(p));
  EXPECT_EQ(p.matl, 1);
  EXPECT_EQ(p.nr[1], 2);
  EXPECT_TRUE(reader.AtEnd());
}

TEST(ExtendedRun, TheGraphFileOfACompleteProblemHoldsItsLinesAsWritten) {
  const RunResult r = RunData("graph_lines", TwoLayers(1, 0, " 400000", " 15000", ""));
  EXPECT_EQ(r.end, RunEnd::Normal);
  EXPECT_EQ(r.graph,
            " 1 \r\nTwo layers\r\n 1  0  1  1 \r\n 2  4  0 \r\n 6 \r\n .35  .45 \r\n 0  3  6  9 \r\n"
            " 400000  15000 \r\n 0 \r\n 6  80 \r\n 2 \r\n 0  8 \r\n");
}

}  // namespace
}  // namespace pave::layered
