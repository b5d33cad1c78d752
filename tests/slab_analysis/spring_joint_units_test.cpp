// A joint of shear and moment springs is taken alike in both unit systems: the spring constants are
// in psi and in.-lb/in. in English units and in kN/cm^2 and cm-kN/cm in SI units (the units of the
// joint table), so one pavement written once in each gives the same deflections, stresses and joint
// forces, converted, to the digits the reports print.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "common/number_format.h"
#include "slab_run_support.h"
#include "support/printed_numbers.h"
#include "support/unit_factors.h"

namespace pave::slab {
namespace {

using pave::testing::Printed;
using pave::testing::PrintedNumbers;
namespace u = pave::testing;

enum class Units { kEnglish, kSi };

// An English value as the data file of `units` gives it: times `toSi` in SI units.
std::string In(Units units, double english, double toSi = 1) {
  return GenNum(units == Units::kSi ? english * toSi : english);
}

// Two slabs of 4 x 5 nodes side by side on a liquid foundation, curled and loaded next to the joint
// between them, which transfers shear and moment through springs.
std::string TwoSlabsWithSpringJoint(Units units) {
  const bool si = units == Units::kSi;
  std::string grid;
  for (double x : {0, 20, 40, 60}) grid += In(units, x, u::kInToCm);
  for (double y : {0, 15, 30, 45, 60}) grid += In(units, y, u::kInToCm);
  grid += " (9) X's and then Y's\r\n";
  return std::string(" 1  (1) NPROB\r\nSPRING JOINT\r\n 0  0  1  1  (3) NFOUND NDAMA NPY NLG\r\n 2  1  (4) NSLAB NJOINT\r\n") +
         " 4  5  0  1  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n 4  5  1  0  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n" +
         " 1  18  0  0  0  0  0  1  0  1  0  0  0  0  0  " + (si ? "1" : "0") +
         "  (6) NLAYER NNCK NOTCON NGAP NPRINT INPUT NBOND NTEMP NWT NCYCLE NAT1 NAT2 NSX NSY MDPO NUNIT\r\n" +
         In(units, 10, u::kFahrenheitDegreeToCelsius) + In(units, 150, u::kPcfToKNPerM3) + " 0" +
         In(units, 650, u::kPsiToKPa) + " 0" + In(units, 5e-6, 1 / u::kFahrenheitDegreeToCelsius) + " .001" +
         In(units, 1, u::kInToCm) + " (7) TEMP GAMA(1) GAMA(2) PMR(1) PMR(2) CT DEL FMAX\r\n" +
         " 0  0  0  0  (8) F1(1) F1(2) F2(1) F2(2)\r\n" + grid + grid + In(units, 8, u::kInToCm) + " .15" +
         In(units, 4e6, u::kPsiToKPa) + " (10) T PR YM\r\n 1  (12) NUDL\r\n 0  (13) NCNF\r\n 0  0  (14) NNMX NNMY\r\n 1" +
         In(units, 40, u::kInToCm) + In(units, 60, u::kInToCm) + In(units, 20, u::kInToCm) + In(units, 40, u::kInToCm) +
         In(units, 100, u::kPsiToKPa) + " (15) LS XL1 XL2 YL1 YL2 QQ\r\n 1  (22) FSAF\r\n 0" +
         In(units, 200, u::kPciToMNPerM3) + " (24) NAS SUBMOD\r\n" + In(units, 29e6, u::kPsiToKPa) +
         // SPCON1 2000 psi, SPCON2 1,000,000 in.-lb/in.
         " .3  (34) YMSB PRSB\r\n" + In(units, 2000, u::kPsiToKNPerCm2) + In(units, 1e6, u::kLbToKN) +
         " 0  0  0  0  0  0  (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ\r\n";
}

// The printed numbers of the lines below the last line holding `heading`, up to an empty line.
std::vector<Printed> NumbersBelow(const std::string& report, const std::string& heading) {
  std::vector<Printed> out;
  const std::size_t at = report.rfind(heading);
  if (at == std::string::npos) return out;
  for (std::size_t p = report.find('\n', at) + 1; p < report.size();) {
    const std::size_t end = report.find('\n', p);
    const std::string line = report.substr(p, end - p);
    if (line.find_first_not_of(" \r") == std::string::npos) break;
    for (const Printed& n : PrintedNumbers(line)) out.push_back(n);
    p = end == std::string::npos ? report.size() : end + 1;
  }
  return out;
}

struct Table {
  const char* heading;
  int columns;                   // numbers a node has, its number first
  std::vector<double> toSi;      // factor of each value column
};

TEST(SpringJointUnits, SiDataSetGivesTheEnglishResultsConverted) {
  const auto en = testing::RunSlabText("SPRINGEN", TwoSlabsWithSpringJoint(Units::kEnglish), kBruntola);
  const auto si = testing::RunSlabText("SPRINGSI", TwoSlabsWithSpringJoint(Units::kSi), kBruntola);
  ASSERT_EQ(en.end, RunEnd::Normal) << (en.messages.empty() ? "" : en.messages.front());
  ASSERT_EQ(si.end, RunEnd::Normal) << (si.messages.empty() ? "" : si.messages.front());
  const Table tables[] = {
      {"DEFLECTIONS OF SLABS (F) ARE:", 2, {u::kInToCm}},
      {"NODE LAYER STRESS X", 8, {1, u::kPsiToKPa, u::kPsiToKPa, u::kPsiToKPa, u::kPsiToKPa, u::kPsiToKPa, u::kPsiToKPa}},
      {"SHEAR (FAJ1) AND MOMENT (FAJ2) AT THE NODES ARE:", 3, {u::kLbToKN, u::kInLbToCmKN}},
  };
  for (const Table& t : tables) {
    const auto a = NumbersBelow(en.report, t.heading), b = NumbersBelow(si.report, t.heading);
    ASSERT_EQ(a.size(), b.size()) << t.heading;
    ASSERT_GE(a.size(), 5u * t.columns) << t.heading;
    // The largest value of each unit in the table (the stresses share one), in SI units.
    std::map<double, double> largest;
    for (std::size_t i = 0; i < a.size(); ++i) {
      const std::size_t column = i % t.columns;
      if (column == 0) continue;
      double& m = largest[t.toSi[column - 1]];
      m = std::max(m, std::fabs(a[i].value * t.toSi[column - 1]));
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
      const std::size_t column = i % t.columns;
      if (column == 0) {
        EXPECT_EQ(a[i].value, b[i].value) << t.heading;  // the same node
        continue;
      }
      const double f = t.toSi[column - 1];
      // Each report rounds to its last digit, so the two may differ by one unit of each. And the
      // program solves in single precision (seven digits); the stresses, differences of the
      // displacements of neighbouring nodes, keep about four of them: 1E-04 of the largest value.
      EXPECT_NEAR(b[i].value, a[i].value * f, b[i].unit + a[i].unit * f + 1e-4 * largest[f])
          << t.heading << " node " << a[i - column].value << " column " << column;
    }
    EXPECT_GT(largest[t.toSi.back()], 0) << t.heading;
  }
}

}  // namespace
}  // namespace pave::slab
