// The whole run of the layered analysis on data files: the example LAY1, the input checks and stops,
// the files the editor writes, several problems, and the report's tables.
#include "layered_analysis/run_driver.h"

#include "common/data_file_name.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/file_text.h"

namespace pave::layered {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using pave::testing::FileText;
using pave::testing::TextLines;

std::vector<std::string> Tokens(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> t;
  for (std::string w; in >> w;) t.push_back(w);
  return t;
}

// A fresh directory per test.
class MorvelinRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / ("morvelin_" + std::string(info->name()) + "_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Writes the data file name with lines joined by CR LF.
  std::string Write(const std::string& name, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    std::ofstream(dir_ / name, std::ios::binary) << text;
    return (dir_ / name).string();
  }
  RunEnd Run(const std::string& argument) { return RunMorvelin(argument, host_); }
  std::string Report(const std::string& base) { return FileText(dir_ / (base + ".TXT")); }
  std::string Graph(const std::string& base) { return FileText(dir_ / (base + ".LAY")); }

  fs::path dir_;
  RecordingHost host_;
};

// The lines of a problem with one load group, as the editor writes them.
std::vector<std::string> Problem(const std::string& general, const std::string& layers,
                                 const std::vector<std::string>& loads) {
  std::vector<std::string> l = {" 1  (1) NPROB", "Test problem", general, " .001  (4) DEL"};
  std::istringstream in(layers);
  for (std::string line; std::getline(in, line);) l.push_back(line);
  for (const auto& x : loads) l.push_back(x);
  return l;
}

const std::string kLinear = " 1  0  1  1  (3) MATL NDAMA NPY NLG";

const char* kThreeLayers =
    " 3  2  80  9  0  (5) NL NZ ICL NSTD NUNIT\n"
    " 6   8   (6) TH\n"
    " .4   .35   .45   (7) PR\n"
    " 0   14.0001   (8) ZC\n"
    " 1  (9) NBOND\n"
    " 740000   23000   11000   (11) E";

TEST_F(MorvelinRunTest, ExampleOneGivesTheQuotedDeflections) {
  fs::copy_file(fs::path(PAVE_SOURCE_DIR) / "examples/LAY1.DAT", dir_ / "LAY1.DAT");
  ASSERT_EQ(Run((dir_ / "LAY1").string()), RunEnd::Normal);
  EXPECT_THAT(host_.messages, ElementsAre(kExitText));
  const auto lines = TextLines(Report("LAY1"));
  // Table lines: point number, depth, deflection.
  double maxSurface = 0, max6 = 0, max14 = 0;
  int at6 = 0, at14 = 0, rows = 0;
  for (auto it = std::find(lines.begin(), lines.end(), "   NO.           COORDINATE      DISPLACEMENT");
       it != lines.end() && ++it != lines.end();) {
    const auto t = Tokens(*it);
    if (t.size() != 3) break;
    ++rows;
    const double z = std::stod(t[1]), w = std::stod(t[2]);
    if (z == 0) maxSurface = std::max(maxSurface, w);
    if (z == 6 && w > max6) max6 = w, at6 = std::stoi(t[0]);
    if (z == 14 && w > max14) max14 = w, at14 = std::stoi(t[0]);
  }
  EXPECT_EQ(rows, 36);
  EXPECT_NEAR(maxSurface, 0.02044, 0.01 * 0.02044);  // the surface converges least
  EXPECT_NEAR(max6, 0.02030, 0.000005);
  EXPECT_EQ(at6, 3);
  EXPECT_NEAR(max14, 0.01820, 0.000005);
  EXPECT_EQ(at14, 6);
  EXPECT_THAT(lines, ::testing::Contains("LOAD GROUP NO. 1  HAS 4  CONTACT AREAS"));
  EXPECT_THAT(lines, ::testing::Contains("RESPONSE PT. NO. AND (XPT, YPT) ARE:  1   0.000   0.000  2   0.000   3.375"));
  EXPECT_THAT(lines, ::testing::Contains(" 11  24.000   3.375 12  24.000   6.750"));
  EXPECT_THAT(lines, ::testing::Contains("PERIOD NO.  1   LOAD GROUP NO.  1 "));
  EXPECT_EQ(lines.at(1), "INPUT FILE NAME  -" + (dir_ / "LAY1.DAT").string());

  EXPECT_THAT(TextLines(Graph("LAY1")),
              ElementsAre(" 1 ", "Example 1: Elastic three-layer system under dual-tandem tires", " 1  0  1  1 ",
                          " 3  3  0 ", " 6  8 ", " .4  .35  .45 ", " 0  6  14 ", " 740000  23000  11000 ", " 2 ",
                          " 4.52  70 ", " 12 ", HasSubstr(" 48  13.5  0  0  0  3.375 ")));
  const std::string last = host_.shown.back();
  EXPECT_THAT(last, HasSubstr("Your text output is stored in a file called " + (dir_ / "LAY1").string() +
                              ".TXT.  You can click the EDITOR button to open the file for inspection.\r\n"));
}

TEST_F(MorvelinRunTest, ExampleOneInSiUnitsAgreesWithTheEnglishOne) {
  fs::copy_file(fs::path(PAVE_SOURCE_DIR) / "examples/LAY1.DAT", dir_ / "LAY1.DAT");
  fs::copy_file(fs::path(PAVE_SOURCE_DIR) / "examples/LAY1SI.DAT", dir_ / "LAY1SI.DAT");
  ASSERT_EQ(Run((dir_ / "LAY1").string()), RunEnd::Normal);
  ASSERT_EQ(Run((dir_ / "LAY1SI.DAT").string()), RunEnd::Normal);
  auto deflections = [&](const std::string& base) {
    std::vector<double> w;
    const auto lines = TextLines(Report(base));
    auto it = std::find(lines.begin(), lines.end(), "   NO.           COORDINATE      DISPLACEMENT");
    for (++it; it != lines.end() && Tokens(*it).size() == 3; ++it) w.push_back(std::stod(Tokens(*it)[2]));
    return w;
  };
  const auto en = deflections("LAY1"), si = deflections("LAY1SI");
  ASSERT_EQ(en.size(), 36u);
  ASSERT_EQ(si.size(), 36u);
  for (std::size_t k = 0; k < en.size(); ++k) EXPECT_NEAR(si[k], 2.54 * en[k], 0.006 * si[k]) << k;
  EXPECT_THAT(Report("LAY1SI"), HasSubstr("Length and displacement in cm, stress and modulus in kPa\r\n"));
}

TEST_F(MorvelinRunTest, TheDataFileIsFoundWithOrWithoutItsExtensionInAnyCase) {
  const std::string path = Write("lay9.dat", Problem(" 1  0  1  1  (3) MATL NDAMA NPY NLG", kThreeLayers,
                                                     {" 0   (13) LOAD", " 6   80   (14) CR CP", " 1   (16) NR",
                                                      " 0   (17) RC"}));
  EXPECT_EQ(BaseName(path), (dir_ / "lay9").string());
  EXPECT_EQ(BaseName((dir_ / "lay9.DAT").string()), (dir_ / "lay9").string());
  EXPECT_EQ(DataFileOf((dir_ / "lay9").string()), dir_ / "lay9.dat");
  ASSERT_EQ(Run((dir_ / "lay9").string()), RunEnd::Normal);
  EXPECT_TRUE(fs::exists(dir_ / "lay9.TXT"));
  EXPECT_TRUE(fs::exists(dir_ / "lay9.LAY"));
  EXPECT_EQ(host_.captions.back(), "MORVELIN - " + (dir_ / "lay9").string());
}

TEST_F(MorvelinRunTest, AMissingFileIsADataError) {
  EXPECT_EQ(Run((dir_ / "NONE").string()), RunEnd::DataError);
  EXPECT_THAT(host_.messages,
              ElementsAre(std::string(kDataErrorText) + "\n" + (dir_ / "NONE.DAT").string() + " does not exist."));
  EXPECT_FALSE(fs::exists(dir_ / "NONE.TXT"));
  EXPECT_EQ(Run(""), RunEnd::DataError);
}

// A run that a data error stops puts no report or layer graph file in place of those of an earlier
// run (none here).
TEST_F(MorvelinRunTest, ATruncatedFileIsADataErrorAndWritesNoFile) {
  auto lines = Problem(kLinear, kThreeLayers, {" 0   (13) LOAD", " 6   80   (14) CR CP", " 2   (16) NR"});
  lines.push_back(" 0 ");  // one of two radial coordinates, then the end of the file
  Write("CUT.DAT", lines);
  EXPECT_EQ(Run((dir_ / "CUT").string()), RunEnd::DataError);
  EXPECT_THAT(host_.messages, ElementsAre(std::string(kDataErrorText) + "\nIn " + (dir_ / "CUT.DAT").string() +
                                          ", line 14: the data end after record (16), where more data were expected."));
  EXPECT_FALSE(fs::exists(dir_ / "CUT.TXT"));
  EXPECT_FALSE(fs::exists(dir_ / "CUT.LAY"));
}

TEST_F(MorvelinRunTest, AnOldFileWithoutNunitIsRejectedInItsReport) {
  Write("OLD.DAT", {" 1  (1) NPROB", "Old", " 1  0  1  1  (3) MATL NDAMA NPY NLG", " .001  (4) DEL",
                    " 3  1  80  1  (5) NL NZ ICL NSTD"});
  EXPECT_EQ(Run((dir_ / "OLD").string()), RunEnd::InputStop);
  // Where the identifier should stand, record (5) holds the identifier of the old format.
  const std::string stop = std::string(kWrongFormatText) +
                           ": RECORD (5) (LINE 5) SHOULD HOLD NL NZ ICL NSTD NUNIT AND AN IDENTIFIER ENDING IN NUNIT, "
                           "NOT \"(5) NL NZ ICL NSTD\" (LINE 5).";
  EXPECT_THAT(host_.messages, ElementsAre(stop, kExitText));
  const auto lines = TextLines(Report("OLD"));
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
            (std::vector<std::string>{"", "TITLE -Old", "", stop}));
  EXPECT_EQ(Graph("OLD"), " 1 \r\nOld\r\nSTOPPED\r\n");
}

struct StopCase {
  const char* name;
  std::string general;
  std::string layers;
  std::vector<std::string> loads;
  std::string message;
  std::vector<std::string> reportTail;  // the report's last lines
};
void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }


class MorvelinStopTest : public MorvelinRunTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(MorvelinStopTest, StopsWithItsMessageAndReportLines) {
  const StopCase& c = GetParam();
  Write("STOP.DAT", Problem(c.general, c.layers, c.loads));
  EXPECT_EQ(Run((dir_ / "STOP").string()), RunEnd::InputStop);
  EXPECT_THAT(host_.messages, ElementsAre(c.message, kExitText));
  const auto lines = TextLines(Report("STOP"));
  ASSERT_GE(lines.size(), c.reportTail.size());
  const std::vector<std::string> tail(lines.end() - static_cast<long>(c.reportTail.size()), lines.end());
  EXPECT_EQ(tail, c.reportTail);
}

std::vector<std::string> TwentySixRadii() {
  std::string rc;
  for (int k = 0; k < 26; ++k) rc += " " + std::to_string(k) + "  ";
  return {" 0   (13) LOAD", " 6   80   (14) CR CP", " 26   (16) NR", rc + " (17) RC"};
}

INSTANTIATE_TEST_SUITE_P(
    Stops, MorvelinStopTest,
    ::testing::Values(
        StopCase{"TooManyRadialCoordinates", kLinear, kThreeLayers, TwentySixRadii(),
                 "THE NUMBER OF RADIAL COORDINATE (RC) (LINE 13) IS  26 FOR LOAD GROUP  1 WHICH IS GREATER THAN THE "
                 "LIMIT OF 25, SO COMPUTATION STOPS.",
                 {"RADIAL COORDINATES OF  26  POINT(S) (RC) ARE : ",
                  "THE NUMBER OF RADIAL COORDINATE (RC) (LINE 13) IS 26 FOR LOAD GROUP  1 ",
                  "WHICH IS GREATER THAN THE LIMIT OF 25, SO COMPUTATION STOPS."}},
        StopCase{"DualWheelsWithoutSpacing", kLinear, kThreeLayers,
                 {" 1   (13) LOAD", " 6   80   (14) CR CP", " 1   (19) NPT", " 0   0   0   0   (20) XW YW XPT"},
                 "FOR LOAD GROUP  1 WITH LOAD = 1, YW SHOULD SHOULD NOT BE 0: YW (LINE 14) IS 0 IN., SO COMPUTATION "
                 "STOPS.",
                 {"", "FOR LOAD GROUP 1 WITH LOAD = 1, YW SHOULD SHOULD NOT BE 0",
                  "YW (LINE 14) IS 0 IN., SO COMPUTATION STOPS."}},
        StopCase{"TandemWithoutSpacing", kLinear, kThreeLayers,
                 {" 2   (13) LOAD", " 6   80   (14) CR CP", " 1   (19) NPT", " .00005   0   0   0   (20) XW YW XPT"},
                 "FOR LOAD GROUP  1 WITH LOAD =  2 XW SHOULD NOT BE 0: XW (LINE 14) IS .00005 IN. WHICH SHOULD BE AT "
                 "LEAST .0001 IN., SO COMPUTATION STOPS.",
                 {"", "FOR LOAD GROUP 1 WITH LOAD = 2 XW SHOULD NOT BE 0.",
                  "XW (LINE 14) IS .00005 IN. WHICH SHOULD BE AT LEAST .0001 IN., SO COMPUTATION STOPS."}},
        StopCase{"TooManyLayers", kLinear, " 20  2  80  9  0  (5) NL NZ ICL NSTD NUNIT", {},
                 "THE NUMBER OF LAYERS (NL) (LINE 5) IS  20 WHICH IS GREATER THAN THE LIMIT OF 19, SO COMPUTATION STOPS.",
                 {"", "", "THE NUMBER OF LAYERS (NL) (LINE 5) IS 20 ", "WHICH IS GREATER THAN THE LIMIT OF 19, SO COMPUTATION STOPS."}},
        StopCase{"UnknownMaterialCode", " 5  0  1  1  (3) MATL NDAMA NPY NLG", kThreeLayers,
                 {" 0   (13) LOAD", " 6   80   (14) CR CP", " 1   (16) NR", " 0   (17) RC"},
                 "THE MATERIAL CODE (MATL) (LINE 3) IS  5 WHICH SHOULD BE 1, 2, 3 OR 4, SO COMPUTATION STOPS.",
                 {"THE MATERIAL CODE (MATL) (LINE 3) IS 5 ", "WHICH SHOULD BE 1, 2, 3 OR 4, SO COMPUTATION STOPS."}},
        StopCase{"UnknownDamageCode", " 1  -1  1  1  (3) MATL NDAMA NPY NLG",
                 " 3  0  80  9  0  (5) NL NZ ICL NSTD NUNIT\n 6   8   (6) TH\n .4   .35   .45   (7) PR\n"
                 " 1  (9) NBOND\n 740000   23000   11000   (11) E",
                 {" 0   (13) LOAD", " 6   80   (14) CR CP", " 1   (16) NR", " 0   (17) RC"},
                 "THE DAMAGE CODE (NDAMA) (LINE 3) IS -1 WHICH SHOULD BE 0, 1 OR 2, SO COMPUTATION STOPS.",
                 {"THE DAMAGE CODE (NDAMA) (LINE 3) IS-1 ", "WHICH SHOULD BE 0, 1 OR 2, SO COMPUTATION STOPS."}},
        StopCase{"InterfaceCodeOutsideZeroAndOne", kLinear,
                 " 3  2  80  9  0  (5) NL NZ ICL NSTD NUNIT\n 6   8   (6) TH\n .4   .35   .45   (7) PR\n"
                 " 0   14   (8) ZC\n 2  (9) NBOND\n 1   0   (10) INT\n 740000   23000   11000   (11) E",
                 {" 0   (13) LOAD", " 6   80   (14) CR CP", " 1   (16) NR", " 0   (17) RC"},
                 "INTERFACE CODE (NBOND) (LINE 9) IS  2 WHICH SHOULD BE 0 OR 1, SO COMPUTATION STOPS.",
                 {"", "INTERFACE CODE (NBOND) (LINE 9) IS 2 ", "WHICH SHOULD BE 0 OR 1, SO COMPUTATION STOPS."}},
        StopCase{"ComputingCodeOutsideOneFiveNine", kLinear,
                 " 3  2  80  3  0  (5) NL NZ ICL NSTD NUNIT\n 6   8   (6) TH\n .4   .35   .45   (7) PR\n"
                 " 0   14   (8) ZC\n 1  (9) NBOND\n 740000   23000   11000   (11) E",
                 {" 0   (13) LOAD", " 6   80   (14) CR CP", " 1   (16) NR", " 0   (17) RC"},
                 "THE COMPUTING CODE (NSTD) (LINE 5) IS  3 WHICH SHOULD BE 1, 5 OR 9, SO COMPUTATION STOPS.",
                 {"THE COMPUTING CODE (NSTD) (LINE 5) IS 3 ", "WHICH SHOULD BE 1, 5 OR 9, SO COMPUTATION STOPS."}},
        StopCase{"NegativeDepth", kLinear,
                 " 3  2  80  9  0  (5) NL NZ ICL NSTD NUNIT\n 6   8   (6) TH\n .4   .35   .45   (7) PR\n"
                 " 0   -2   (8) ZC\n 1  (9) NBOND\n 740000   23000   11000   (11) E",
                 {" 0   (13) LOAD", " 6   80   (14) CR CP", " 1   (16) NR", " 0   (17) RC"},
                 "THE VERTICAL COORDINATE (ZC) OF POINT  2 (LINE 8) IS -2 IN. WHICH SHOULD BE FROM 0 TO 1000 IN., SO "
                 "COMPUTATION STOPS.",
                 {"THE VERTICAL COORDINATE (ZC) OF POINT 2 (LINE 8) IS-2 IN.",
                  "WHICH SHOULD BE FROM 0 TO 1000 IN., SO COMPUTATION STOPS."}},
        StopCase{"ZeroModulus", kLinear,
                 " 3  2  80  9  0  (5) NL NZ ICL NSTD NUNIT\n 6   8   (6) TH\n .4   .35   .45   (7) PR\n"
                 " 0   14   (8) ZC\n 1  (9) NBOND\n 740000   0   11000   (11) E",
                 {" 0   (13) LOAD", " 6   80   (14) CR CP", " 1   (16) NR", " 0   (17) RC"},
                 "THE MODULUS (E) OF LAYER  2 IN PERIOD  1 (LINE 10) IS  0 PSI WHICH SHOULD BE FROM 1 TO 1E+10 PSI, SO "
                 "COMPUTATION STOPS.",
                 {"THE MODULUS (E) OF LAYER 2 IN PERIOD 1 (LINE 10) IS 0 PSI",
                  "WHICH SHOULD BE FROM 1 TO 1E+10 PSI, SO COMPUTATION STOPS."}},
        StopCase{"ZeroContactRadius", kLinear, kThreeLayers,
                 {" 0   (13) LOAD", " 0   80   (14) CR CP", " 1   (16) NR", " 0   (17) RC"},
                 "THE CONTACT RADIUS (CR) OF LOAD GROUP  1 (LINE 12) IS  0 IN. WHICH SHOULD BE FROM .001 TO 1000 IN., SO "
                 "COMPUTATION STOPS.",
                 {"THE CONTACT RADIUS (CR) OF LOAD GROUP 1 (LINE 12) IS 0 IN.",
                  "WHICH SHOULD BE FROM .001 TO 1000 IN., SO COMPUTATION STOPS."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MorvelinRunTest, TheGraphFileEndsWithTheProblemThatStoppedMarkedAsStopped) {
  Write("STOP.DAT", Problem(kLinear, kThreeLayers, TwentySixRadii()));
  EXPECT_EQ(Run((dir_ / "STOP").string()), RunEnd::InputStop);
  const auto g = TextLines(Graph("STOP"));
  ASSERT_EQ(g.size(), 3u);   // the problem count, the title, "STOPPED": none of its values
  EXPECT_EQ(g.back(), "STOPPED");
}

TEST_F(MorvelinRunTest, OneLayerAndNoInterfaceRecordsAreReadAsTheEditorWritesThem) {
  // NL = 1: no thickness record, and with NBOND 0 no interface record either.
  Write("ONE.DAT", {" 1  (1) NPROB", "Half-space", kLinear, " .001  (4) DEL", " 1  1  80  5  0  (5) NL NZ ICL NSTD NUNIT",
                    " .35   (7) PR", " 0   (8) ZC", " 0  (9) NBOND", " 10000   (11) E", " 0   (13) LOAD",
                    " 6   100   (14) CR CP", " 1   (16) NR", " 0   (17) RC"});
  ASSERT_EQ(Run((dir_ / "ONE").string()), RunEnd::Normal);
  const auto lines = TextLines(Report("ONE"));
  EXPECT_THAT(lines, ::testing::Contains("THICKNESSES OF LAYERS (TH) ARE :"));
  EXPECT_THAT(lines, ::testing::Contains("CONDITIONS OF INTERFACES (INT) ARE : "));
  const auto row = Tokens(lines.back());
  ASSERT_EQ(row.size(), 7u);
  EXPECT_NEAR(std::stod(row[2]), 2 * (1 - 0.35 * 0.35) * 100 * 6 / 10000, 0.0002);
  EXPECT_EQ(row[3], "100.000");  // the surface vertical stress within the contact radius
  EXPECT_EQ(TextLines(Graph("ONE"))[4], "");  // no thicknesses
}

TEST_F(MorvelinRunTest, NoDepthPointReadsNoDepthRecord) {
  Write("NZ0.DAT", {" 1  (1) NPROB", "No depth", kLinear, " .001  (4) DEL", " 2  0  80  1  0  (5) NL NZ ICL NSTD NUNIT",
                    " 5   (6) TH", " .35   .4   (7) PR", " 1  (9) NBOND", " 200000   10000   (11) E",
                    " 0   (13) LOAD", " 6   100   (14) CR CP", " 1   (16) NR", " 0   (17) RC"});
  EXPECT_EQ(Run((dir_ / "NZ0").string()), RunEnd::Normal);
  EXPECT_THAT(Report("NZ0"), HasSubstr("  COORDINATE       COORDINATE      DISPLACEMENT\r\n"));
}

TEST_F(MorvelinRunTest, TheStopOfASecondProblemLeavesTheFirstComplete) {
  auto first = Problem(kLinear, kThreeLayers, {" 0   (13) LOAD", " 6   80   (14) CR CP", " 1   (16) NR", " 0   (17) RC"});
  first[0] = " 2  (1) NPROB";
  auto second = Problem(kLinear, kThreeLayers, TwentySixRadii());
  second.erase(second.begin());
  first.insert(first.end(), second.begin(), second.end());
  Write("TWO.DAT", first);
  EXPECT_EQ(Run((dir_ / "TWO").string()), RunEnd::InputStop);
  const std::string report = Report("TWO");
  EXPECT_THAT(report, HasSubstr("\r\nPROBLRM NO. 2 \r\n"));
  EXPECT_THAT(report, HasSubstr("  (STRAIN)"));  // the first problem's table
  EXPECT_THAT(report, HasSubstr("WHICH IS GREATER THAN THE LIMIT OF 25, SO COMPUTATION STOPS.\r\n"));
  EXPECT_THAT(TextLines(Graph("TWO"))[0], " 2 ");
}

TEST_F(MorvelinRunTest, ANoResultSolveStopsItsProblemAndTheNextIsAnalysed) {
  // A stiff frictionless film, as thin as a layer may be, under the widest load on the softest
  // subgrade: the interface system has no result at the first integration points. The second
  // problem is an ordinary one.
  auto problem = [](const std::string& th, const std::string& cr, const std::string& e) {
    return std::vector<std::string>{"Frictionless film", kLinear, " .001  (4) DEL", " 2  1  80  1  0  (5) NL NZ ICL NSTD NUNIT",
                                    th + "   (6) TH", " 0   .25   (7) PR", " 0   (8) ZC", " 0  (9) NBOND", " 0   (10) INT",
                                    e + "   (11) E", " 0   (13) LOAD", cr + "   100   (14) CR CP", " 1   (16) NR",
                                    " 0   (17) RC"};
  };
  std::vector<std::string> lines = {" 2  (1) NPROB"};
  for (const auto& l : problem(" .001", " 1000", " 1E+10   1")) lines.push_back(l);
  for (const auto& l : problem(" 2", " 6", " 1   10000")) lines.push_back(l);
  Write("FILM.DAT", lines);
  EXPECT_EQ(Run((dir_ / "FILM").string()), RunEnd::InputStop);
  EXPECT_THAT(host_.messages, ElementsAre(HasSubstr("ERROR IN EQUATION SOLVING, IER=-1"), kExitText));
  const std::string report = Report("FILM");
  const auto stop = report.find("SO THE COMPUTATION OF PROBLEM NO. 1 STOPS.\r\n");
  ASSERT_NE(stop, std::string::npos);
  const auto second = report.find("PROBLRM NO. 2 ");
  ASSERT_NE(second, std::string::npos);
  EXPECT_LT(stop, second);
  // Only the second problem has a table.
  const auto table = report.find("  COORDINATE       COORDINATE      DISPLACEMENT");
  EXPECT_GT(table, second);
  EXPECT_EQ(report.find("  COORDINATE       COORDINATE      DISPLACEMENT", table + 1), std::string::npos);
}

TEST_F(MorvelinRunTest, SingleWheelTableWithStrains) {
  // The data file of the editor's example: TH 4 and 6, NSTD 9.
  Write("EX.DAT", {" 1  (1) NPROB", "Example", " 1  0  1  1  (3) MATL NDAMA NPY NLG", " .001  (4) DEL",
                   " 3  1  80  9  0  (5) NL NZ ICL NSTD NUNIT", " 4   6   (6) TH", " .35   .3   .45   (7) PR",
                   " 0   (8) ZC", " 1  (9) NBOND", " 400000   20000   10000   (11) E", " 0   (13) LOAD",
                   " 6   80   (14) CR CP", " 2   (16) NR", " 0   10   (17) RC"});
  ASSERT_EQ(Run((dir_ / "EX").string()), RunEnd::Normal);
  const auto lines = TextLines(Report("EX"));
  auto head = std::find(lines.begin(), lines.end(),
                        "   RADIAL     VERTICAL     VERTICAL   VERTICAL    RADIAL  TANGENTIAL   SHEAR");
  ASSERT_NE(head, lines.end());
  const std::string& under = *(head + 3);
  const std::string& strain = *(head + 4);
  const std::string& outside = *(head + 5);
  EXPECT_EQ(under.substr(0, 22), "   0.00000     0.00000");
  EXPECT_EQ(Tokens(under)[3], "80.000");  // exact boundary value under the load
  EXPECT_EQ(Tokens(outside)[3], "0.000");  // and outside it
  EXPECT_EQ(strain.substr(0, 35), "  (STRAIN)                         ");
  EXPECT_EQ(Tokens(strain).size(), 5u);
  EXPECT_THAT(lines, ::testing::Contains("FOR PERIOD NO. 1 LAYER NO. AND MODULUS ARE :    1  4.000E+05   2  2.000E+04"));
  EXPECT_THAT(lines, ::testing::Contains("RADIAL COORDINATES OF  2  POINT(S) (RC) ARE :  0  10 "));
}

TEST_F(MorvelinRunTest, ModuliOfEightLayersBreakAfterTheSecondAndSeventhPair) {
  std::string th, pr, e;
  for (int i = 1; i <= 8; ++i) {
    if (i < 8) th += " 2  ";
    pr += " .35  ";
    e += " " + std::to_string(10000 * i) + "  ";
  }
  Write("EIGHT.DAT", {" 1  (1) NPROB", "Eight", kLinear, " .001  (4) DEL", " 8  1  80  1  0  (5) NL NZ ICL NSTD NUNIT",
                      th + " (6) TH", pr + " (7) PR", " 20   (8) ZC", " 1  (9) NBOND", e + " (11) E", " 0   (13) LOAD",
                      " 6   80   (14) CR CP", " 1   (16) NR", " 0   (17) RC"});
  ASSERT_EQ(Run((dir_ / "EIGHT").string()), RunEnd::Normal);
  const auto lines = TextLines(Report("EIGHT"));
  auto it = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("FOR PERIOD NO.", 0) == 0; });
  ASSERT_NE(it, lines.end());
  EXPECT_EQ(*it, "FOR PERIOD NO. 1 LAYER NO. AND MODULUS ARE :    1  1.000E+04   2  2.000E+04");
  EXPECT_EQ(*(it + 1), "   3  3.000E+04   4  4.000E+04   5  5.000E+04   6  6.000E+04   7  7.000E+04");
  EXPECT_EQ(*(it + 2), "   8  8.000E+04");
}

TEST_F(MorvelinRunTest, SurfaceStressUnderSeveralWheelsUsesTheGroupsOwnWheels) {
  // Group 1: dual wheels 20 apart, its point under the second wheel. Group 2: other wheels, a point
  // far from them. The surface vertical stress of group 1 is the contact pressure.
  Write("DUAL.DAT",
        {" 1  (1) NPROB", "Dual", " 1  0  1  2  (3) MATL NDAMA NPY NLG", " .001  (4) DEL",
         " 2  1  80  5  0  (5) NL NZ ICL NSTD NUNIT", " 6   (6) TH", " .35   .45   (7) PR", " 0   (8) ZC", " 1  (9) NBOND",
         " 300000   10000   (11) E", " 1   (13) LOAD", " 5   90   (14) CR CP", " 2   (19) NPT",
         " 0   20   0   20   0   10   (20) XW YW XPT", " 1   (13) LOAD", " 5   70   (14) CR CP", " 1   (19) NPT",
         " 0   40   100   100   (20) XW YW XPT"});
  ASSERT_EQ(Run((dir_ / "DUAL").string()), RunEnd::Normal);
  std::vector<std::vector<std::string>> rows;
  for (const auto& l : TextLines(Report("DUAL"))) {
    const auto t = Tokens(l);
    if (t.size() == 7 && t[1] == "0.00000") rows.push_back(t);
  }
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][3], "90.000");  // under wheel 2 of group 1
  EXPECT_EQ(rows[1][3], "0.000");   // midway, outside both wheels
  EXPECT_EQ(rows[2][3], "0.000");   // group 2's point far from its wheels
  // Principal stresses: largest first, then smallest, then intermediate.
  EXPECT_GE(std::stod(rows[0][4]), std::stod(rows[0][6]));
  EXPECT_LE(std::stod(rows[0][5]), std::stod(rows[0][6]));
}

}  // namespace
}  // namespace pave::layered
