// Every figure an example screen or an examples help topic quotes is the figure a run of its
// example data file reports: each case runs the examples it needs once, finds the quote in the text
// as the screen shows it, and reads the same value from the report. The screens quote what the
// programs reported, so these figures are the programs' own output: they guard the reports and the
// screens against change and check nothing of the analysis itself. The design lives of LAY5 and
// SLA4 are recomputed from their reports' strains and stresses by the damage criteria in the
// examples' own tests (layered_examples_test.cpp, solid_layered_examples_test.cpp).
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "common/analysis_host.h"
#include "help/example_screens.h"
#include "help/help_topic_lines.h"
#include "layered_analysis/run_driver.h"
#include "slab_analysis/slab_driver.h"
#include "support/file_text.h"

namespace pave::testing {
namespace {

namespace fs = std::filesystem;

// ---- Reading a report ------------------------------------------------------------------------

// The part of a report that belongs to problem `k` (1 or 2) of a two-problem slab file.
std::string Problem(const std::string& report, int k) {
  const std::size_t second = report.find("PROBLEM NO. 2");
  if (second == std::string::npos) return k == 1 ? report : "";
  return k == 1 ? report.substr(0, second) : report.substr(second);
}

// Position just past the n-th occurrence of `label` (n < 0 counts from the end), or npos.
std::size_t Past(const std::string& text, const std::string& label, int n) {
  std::vector<std::size_t> at;
  for (std::size_t p = text.find(label); p != std::string::npos; p = text.find(label, p + 1)) at.push_back(p);
  const int i = n > 0 ? n - 1 : static_cast<int>(at.size()) + n;
  if (i < 0 || i >= static_cast<int>(at.size())) return std::string::npos;
  return at[i] + label.size();
}

double NumberAt(const std::string& text, std::size_t p) {
  if (p == std::string::npos) return NAN;
  char* end = nullptr;
  const double v = std::strtod(text.c_str() + p, &end);
  return end == text.c_str() + p ? NAN : v;
}

// The number right after the n-th `label`.
double After(const std::string& text, const std::string& label, int n = 1) {
  return NumberAt(text, Past(text, label, n));
}

// The number after the "=" that follows the n-th `label` (labels padded with dashes).
double Value(const std::string& text, const std::string& label, int n = 1) {
  const std::size_t p = Past(text, label, n);
  return p == std::string::npos ? NAN : NumberAt(text, text.find('=', p) + 1);
}

// The node of "( NODE n )" after the n-th `label`.
double NodeAfter(const std::string& text, const std::string& label, int n = 1) {
  const std::size_t p = Past(text, label, n);
  return p == std::string::npos ? NAN : After(text.substr(p), "( NODE ");
}

// The lines after the n-th `heading` that hold only numbers, up to the first line that does not;
// lines beginning "(STRAIN)" are passed over.
std::vector<std::vector<double>> Rows(const std::string& text, const std::string& heading, int n = 1) {
  std::vector<std::vector<double>> rows;
  const std::size_t p = Past(text, heading, n);
  if (p == std::string::npos) return rows;
  std::istringstream in(text.substr(text.find('\n', p) + 1));
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string word;
    std::vector<double> row;
    bool numbers = true;
    if (line.find("(STRAIN)") != std::string::npos) continue;
    while (words >> word) {
      char* end = nullptr;
      const double v = std::strtod(word.c_str(), &end);
      if (*end != '\0') numbers = false;
      row.push_back(v);
    }
    if (!numbers || row.empty()) {
      if (rows.empty()) continue;   // headings and blank lines before the first row
      break;
    }
    rows.push_back(row);
  }
  return rows;
}

// A table of "node value node value ..." lines after the n-th `heading`.
std::map<int, double> NodeValues(const std::string& text, const std::string& heading, int n = 1) {
  std::map<int, double> values;
  for (const auto& row : Rows(text, heading, n)) {
    for (std::size_t i = 0; i + 1 < row.size(); i += 2) values[static_cast<int>(row[i])] = row[i + 1];
  }
  return values;
}

// The moduli of the last iteration of a nonlinear layered report: layer -> modulus.
std::map<int, double> LastModuli(const std::string& text) {
  const std::size_t p = Past(text, "MODULUS ARE :", -1);
  return p == std::string::npos ? std::map<int, double>{} : NodeValues("MODULI\n" + text.substr(p), "MODULI");
}

// Column `col` of the stress table row of `node`, layer 1 (the last table of the text).
double StressRow(const std::string& text, int node, int col) {
  for (const auto& row : Rows(text, "NODE LAYER STRESS X", -1)) {
    if (static_cast<int>(row[0]) == node) return row[col];
  }
  return NAN;
}

// Largest vertical displacement at depth `z` of a layered report table: {value, point}.
std::pair<double, int> LargestDisplacement(const std::string& text, double z) {
  std::pair<double, int> best{-1e30, 0};
  for (const auto& row : Rows(text, "DISPLACEMENT")) {
    if (std::fabs(row[1] - z) < 1e-6 && row[2] > best.first) best = {row[2], static_cast<int>(row[0])};
  }
  return best;
}

// The extreme entry of a node table: {value, node}, the largest when `largest`, else the smallest.
std::pair<double, int> Extreme(const std::map<int, double>& values, bool largest) {
  std::pair<double, int> best{largest ? -1e30 : 1e30, 0};
  for (const auto& [node, v] : values) {
    if (largest ? v > best.first : v < best.first) best = {v, node};
  }
  return best;
}

// The damage ratios of a layered report in order, one after each number of allowable repetitions.
std::vector<double> DamageRatios(const std::string& text) {
  std::vector<double> out;
  for (int n = 1;; ++n) {
    const std::size_t p = Past(text, "ALLOWABLE LOAD REPETITIONS", n);
    if (p == std::string::npos) return out;
    out.push_back(After(text.substr(p), "DAMAGE RATIO ="));
  }
}

// The reactive forces of a slab (pressure times the node's share of the area) added up without their
// signs, from the grid coordinates and the pressure table of one problem.
double ReactiveForcesCombined(const std::string& text) {
  auto grid = [&](const std::string& label) {
    std::vector<double> out;
    std::istringstream in(text.substr(Past(text, label, 1)));
    std::string line;
    std::getline(in, line);
    std::istringstream words(line);
    for (double v; words >> v;) out.push_back(v);
    return out;
  };
  const std::vector<double> xs = grid("X = "), ys = grid("Y = ");
  auto share = [](const std::vector<double>& c, std::size_t i) {
    return ((i > 0 ? c[i] - c[i - 1] : 0) + (i + 1 < c.size() ? c[i + 1] - c[i] : 0)) / 2;
  };
  double sum = 0;
  for (const auto& [node, p] : NodeValues(text, "REACTIVE PRESSURE (SUBR)", -1)) {
    const std::size_t i = (node - 1) / ys.size(), j = (node - 1) % ys.size();
    sum += std::fabs(p) * share(xs, i) * share(ys, j);
  }
  return sum;
}

// ---- The runs --------------------------------------------------------------------------------

enum class Program { kMorvelin, kBruntola, kLarge };

// One run: an example data file, perhaps edited, through one program.
struct ExampleRun {
  std::string name;      // the name the figures refer to
  std::string example;   // examples/EXAMPLE.DAT
  Program program = Program::kMorvelin;
  std::function<std::string(std::string)> edit = nullptr;
};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t p = text.find(from);
  EXPECT_NE(p, std::string::npos) << from;
  if (p != std::string::npos) text.replace(p, from.size(), to);
  return text;
}

std::string Report(const ExampleRun& run) {
  const fs::path dir = fs::temp_directory_path() / ("pave_example_figures_" + std::to_string(::getpid())) / run.name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::string data = ExampleText(run.example);
  if (run.edit) data = run.edit(data);
  std::ofstream(dir / (run.name + ".DAT"), std::ios::binary) << data;
  RecordingHost host;
  const std::string base = (dir / run.name).string();
  const RunEnd end = run.program == Program::kMorvelin
                         ? layered::RunMorvelin(base, host)
                         : slab::RunSlabProgram(base, run.program == Program::kLarge ? slab::kLarge : slab::kBruntola, host);
  EXPECT_EQ(end, RunEnd::Normal) << run.name;
  return FileText(base + ".TXT");
}

// ---- The figures -----------------------------------------------------------------------------

using Reports = std::map<std::string, std::string>;

// A figure as the text quotes it. `quote` is found in the text (line breaks and runs of blanks read
// as one blank); `number` is the figure within it, compared with `find`'s value rounded to the
// decimals it is quoted with. A quote without a number states a fact that `find` returns as 1 (true)
// or 0. `metric`, where given, is the metric equivalent in the quote: the figure times `factor`,
// within one unit of its last decimal.
struct Figure {
  std::string quote;
  std::string number;
  std::function<double(const Reports&)> find;
  std::string metric = "";
  double factor = 0;
};

struct Case {
  std::string name;
  std::function<std::string()> text;
  std::vector<ExampleRun> runs;
  std::vector<Figure> figures;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

std::string ScreenText(const char* kind) {
  const ExampleScreen* screen = FindExampleScreen(kind);
  EXPECT_NE(screen, nullptr) << kind;
  return screen ? ExampleScreenText(*screen) : "";
}

std::string TopicText(help_lines::Lines lines) {
  std::string text;
  for (std::string_view line : lines) text += std::string(line) + "\n";
  return text;
}

std::string Squeezed(const std::string& s) {
  std::string out;
  for (char ch : s) {
    if (ch == '\r' || ch == '\n') ch = ' ';
    if (ch != ' ' || (!out.empty() && out.back() != ' ')) out += ch;
  }
  return out;
}

int Decimals(const std::string& number) {
  const std::size_t dot = number.find('.');
  return dot == std::string::npos ? 0 : static_cast<int>(number.size() - dot - 1);
}

double Parsed(std::string number) {
  number.erase(std::remove(number.begin(), number.end(), ','), number.end());
  return std::stod(number);
}

constexpr double kInToMm = 25.4, kPsiToKPa = 6.894757, kPsiToMPa = kPsiToKPa / 1000, kLbToN = 4.448222,
                 kInLbToKNm = 0.0001129848, kPsiToKNPerCm2 = kPsiToKPa / 10000;

std::function<double(const Reports&)> In(const std::string& run, std::function<double(const std::string&)> f) {
  return [run, f](const Reports& r) { return f(r.at(run)); };
}

double Fact(bool b) { return b ? 1 : 0; }

const Case kCases[] = {
    {"frmLay1", [] { return ScreenText("frmLay1"); }, {{"LAY1", "LAY1"}},
     {{"deflection is 0.02036 in. (0.517 mm)", "0.02036",
       In("LAY1", [](const std::string& r) { return LargestDisplacement(r, 0).first; }), "0.517", kInToMm},
      {"and occurs at point 2", "2", In("LAY1", [](const std::string& r) { return LargestDisplacement(r, 0).second; })},
      {"first interface is 0.02030 in. (0.516 mm), at point 3", "0.02030",
       In("LAY1", [](const std::string& r) { return LargestDisplacement(r, 6).first; }), "0.516", kInToMm},
      {"0.02030 in. (0.516 mm), at point 3", "3",
       In("LAY1", [](const std::string& r) { return LargestDisplacement(r, 6).second; })},
      {"second interface it is 0.01820 in. (0.462 mm), at point 6", "0.01820",
       In("LAY1", [](const std::string& r) { return LargestDisplacement(r, 14).first; }), "0.462", kInToMm},
      {"0.01820 in. (0.462 mm), at point 6", "6",
       In("LAY1", [](const std::string& r) { return LargestDisplacement(r, 14).second; })}}},

    {"frmLay2", [] { return ScreenText("frmLay2"); },
     {{"LAY2", "LAY2"},
      {"LAY2E", "LAY2", Program::kMorvelin,
       [](std::string t) {
         return Replaced(t, " 120000   80000   50000   30000   20000   10000   5000   (11) E",
                         " 5000   5000   5000   5000   5000   5000   5000   (11) E");
       }}},
     {{"verical deflection of 0.05505 in. (1.40 mm) on the surface", "0.05505",
       In("LAY2", [](const std::string& r) { return Rows(r, "(STRAIN)   (STRAIN)  (STRAIN)   (STRAIN)")[0][2]; }),
       "1.40", kInToMm},
      {"vertical stress of 7.978 psi (55.0 kPa)", "7.978",
       In("LAY2", [](const std::string& r) { return Rows(r, "(STRAIN)   (STRAIN)  (STRAIN)   (STRAIN)")[1][3]; }),
       "55.0", kPsiToKPa},
      {"After 7 iterations", "7", In("LAY2", [](const std::string& r) { return After(r, "AT ITERATION ", -1); })},
      {"top layer converges to 190,700 psi (1,315 MPa)", "190,700",
       In("LAY2", [](const std::string& r) { return LastModuli(r).at(1); }), "1,315",
       kPsiToMPa},
      {"bottom layer to 4390 psi (30.3 MPa)", "4390",
       In("LAY2", [](const std::string& r) { return LastModuli(r).at(7); }), "30.3", kPsiToMPa},
      {"only 9 iterations, or 2 more", "9", In("LAY2E", [](const std::string& r) { return After(r, "AT ITERATION ", -1); })}}},

    {"frmLay3", [] { return ScreenText("frmLay3"); }, {{"LAY3", "LAY3"}},
     {{"increase from 0.036 in. (0.92 mm) at a loading time of 0.01 sec", "0.036",
       In("LAY3", [](const std::string& r) { return Rows(r, "TIME =  .01")[0][2]; }), "0.92", kInToMm},
      {"to 1.302 in. (33.1 mm) at 10 sec", "1.302",
       In("LAY3", [](const std::string& r) { return Rows(r, "TIME =  10")[0][2]; }), "33.1", kInToMm},
      {"layer 1 is 353.9 psi (2.440 MPa) at 0.01 sec", "353.9",
       In("LAY3", [](const std::string& r) { return -Rows(r, "TIME =  .01")[0][4]; }), "2.440", kPsiToMPa},
      {"and 514.1 psi (3.545 MPa) at 10 sec", "514.1",
       In("LAY3", [](const std::string& r) { return -Rows(r, "TIME =  10")[0][4]; }), "3.545", kPsiToMPa},
      {"top of layer 2 is 7.951 psi (54.8 kPa) at 0.01 sec", "7.951",
       In("LAY3", [](const std::string& r) { return Rows(r, "TIME =  .01")[1][3]; }), "54.8", kPsiToKPa},
      {"and 2.206 psi (15.2 kPa) at 10 sec", "2.206",
       In("LAY3", [](const std::string& r) { return Rows(r, "TIME =  10")[1][3]; }), "15.2", kPsiToKPa},
      {"The vertical displacements and stresses at the bottom of layer 1 are the same as those at the top of "
       "layer 2, while the radial stresses are not",
       "", In("LAY3", [](const std::string& r) {
         bool same = true;
         for (const char* time : {"TIME =  .01", "TIME =  10"}) {
           const auto rows = Rows(r, time);
           same = same && rows[0][2] == rows[1][2] && std::fabs(rows[0][3] - rows[1][3]) <= 0.001 &&
                  rows[0][4] != rows[1][4];
         }
         return Fact(same);
       })}}},

    {"frmLay4", [] { return ScreenText("frmLay4"); }, {{"LAY4", "LAY4"}},
     {{"the design life is 11.83 years", "11.83", In("LAY4", [](const std::string& r) { return After(r, "DESIGN LIFE IN YEARS = "); })},
      {"controlled by fatigue cracking at the bottom of the asphalt layer", "",
       In("LAY4", [](const std::string& r) {
         return Fact(Value(r, "AT BOTTOM OF LAYER  1     SUM OF DAMAGE RATIO") > Value(r, "AT TOP OF LAYER  3        SUM OF DAMAGE RATIO"));
       })}}},

    {"frmLay5", [] { return ScreenText("frmLay5"); },
     {{"LAY5", "LAY5"},
      {"LAY5X", "LAY5", Program::kMorvelin,
       [](std::string t) {
         const std::string row = " 48   13.5   0   0   0   3.375   0   6.75   (20) XW YW XPT";
         const std::size_t tridem = t.rfind(row);
         EXPECT_NE(tridem, std::string::npos);
         t.replace(tridem, row.size(), " 48   13.5   48   0   48   3.375   48   6.75   (20) XW YW XPT");
         return t;
       }}},
     {{"the design life is 171.49 years", "171.49", In("LAY5", [](const std::string& r) { return After(r, "DESIGN LIFE IN YEARS = "); })},
      {"controlled by fatigue cracking", "",
       In("LAY5", [](const std::string& r) {
         return Fact(Value(r, "AT BOTTOM OF LAYER  1     SUM OF DAMAGE RATIO") > Value(r, "AT TOP OF LAYER  2        SUM OF DAMAGE RATIO"));
       })},
      // Single axle: fatigue, deformation; tandem and tridem: both under an axle, then both halfway.
      {"The damage ratios for fatigue cracking decrease from single axles to tridem axles, while those for "
       "permanent deformation increase",
       "", In("LAY5", [](const std::string& r) {
         const std::vector<double> d = DamageRatios(r);
         if (d.size() != 10) return 0.0;
         const double f1 = d[0], f2 = d[2] + d[4], f3 = d[6] + d[8];
         const double p1 = d[1], p2 = d[3] + d[5], p3 = d[7] + d[9];
         return Fact(f1 > f2 && f2 > f3 && p1 < p2 && p2 < p3);
       })},
      {"a design life of 171.49 years for the former", "171.49",
       In("LAY5", [](const std::string& r) { return After(r, "DESIGN LIFE IN YEARS = "); })},
      {"and 157.56 years for the latter", "157.56",
       In("LAY5X", [](const std::string& r) { return After(r, "DESIGN LIFE IN YEARS = "); })},
      {"the damage ratios for both fatigue cracking and permanent deformation increase", "",
       [](const Reports& r) {
         const std::vector<double> a = DamageRatios(r.at("LAY5")), b = DamageRatios(r.at("LAY5X"));
         if (a.size() != 10 || b.size() != 10) return 0.0;
         return Fact(b[6] + b[8] > a[6] + a[8] && b[7] + b[9] > a[7] + a[9]);
       }}}},

    {"frmLay6", [] { return ScreenText("frmLay6"); },
     {{"LAY6", "LAY6"},
      // The granular layer as four 2-in. layers with PHI = 0, each with its stress point at mid-height.
      {"LAY6S", "LAY6", Program::kMorvelin,
       [](std::string t) {
         const std::pair<const char*, const char*> edits[] = {
             {" 3  0  80  9  0  (5)", " 6  0  80  9  0  (5)"},
             {" 6   8   (6) TH", " 6   2   2   2   2   (6) TH"},
             {" .4   .35   .45   (7) PR", " .4   .35   .35   .35   .35   .45   (7) PR"},
             {" 0   7500   3020   (11) E", " 0   7500   7500   7500   7500   3020   (11) E"},
             {" 0   10000   12340   (11) E", " 0   10000   10000   10000   10000   12340   (11) E"},
             {" 2  15  (25) NOLAY ITENOL", " 5  15  (25) NOLAY ITENOL"},
             {" 2   0   3   1   (26) LAYNO NCLAY", " 2   0   3   0   4   0   5   0   6   1   (26) LAYNO NCLAY"},
             {" 10   15   (27) ZCNOL", " 7   9   11   13   15   (27) ZCNOL"},
             {" 145   135   125   (30) GAM", " 145   135   135   135   135   125   (30) GAM"},
             {" .5  .6  (31) K2 K0\r\n", " .5  .6  (31) K2 K0\r\n .5  .6  (31) K2 K0\r\n .5  .6  (31) K2 K0\r\n .5  .6  (31) K2 K0\r\n"},
             {" 40   7500   (33) PHI K1\r\n", " 0   7500   (33) PHI K1\r\n 0   7500   (33) PHI K1\r\n 0   7500   (33) PHI K1\r\n 0   7500   (33) PHI K1\r\n"},
             {" 40   10000   (33) PHI K1\r\n", " 0   10000   (33) PHI K1\r\n 0   10000   (33) PHI K1\r\n 0   10000   (33) PHI K1\r\n 0   10000   (33) PHI K1\r\n"},
             {" 3   (48) LNTC", " 6   (48) LNTC"}};
         for (const auto& [from, to] : edits) t = Replaced(t, from, to);
         return t;
       }}},
     {{"the design life is 30.48 years", "30.48", In("LAY6", [](const std::string& r) { return After(r, "DESIGN LIFE IN YEARS = "); })},
      {"If it is subdivided with PHI = 0, the design life is 26.94 years", "26.94",
       In("LAY6S", [](const std::string& r) { return After(r, "DESIGN LIFE IN YEARS = "); })},
      {"is controlled by permanent deformation", "",
       In("LAY6", [](const std::string& r) {
         return Fact(Value(r, "AT BOTTOM OF LAYER  1     SUM OF DAMAGE RATIO") < Value(r, "AT TOP OF LAYER  3        SUM OF DAMAGE RATIO"));
       })}}},

    {"frmSla1", [] { return ScreenText("frmSla1"); }, {{"SLA1", "SLA1", Program::kBruntola}},
     {{"node 1, is 237.6 psi (1.638 MPa)", "237.6",
       In("SLA1", [](const std::string& r) { return StressRow(Problem(r, 1), 1, 2); }), "1.638", kPsiToMPa},
      {"node 7, the stress is 216.2 psi (1.491 MPa)", "216.2",
       In("SLA1", [](const std::string& r) { return StressRow(Problem(r, 1), 7, 2); }), "1.491", kPsiToMPa},
      {"stresses are 237.0 psi (1.634 MPa) at node 1", "237.0",
       In("SLA1", [](const std::string& r) { return StressRow(Problem(r, 2), 1, 2); }), "1.634", kPsiToMPa},
      {"204.3 psi (1.409 MPa) at node 7", "204.3",
       In("SLA1", [](const std::string& r) { return StressRow(Problem(r, 2), 7, 2); }), "1.409", kPsiToMPa},
      {"The error is only 1.7 lb (7.6 N) for the liquid foundation", "1.7",
       In("SLA1", [](const std::string& r) { return -Value(Problem(r, 1), "(SUBSUM)"); }), "7.6", kLbToN},
      {"88.7 lb (395 N) for the solid foundation", "88.7",
       In("SLA1", [](const std::string& r) { return -Value(Problem(r, 2), "(SUBSUM)"); }), "395", kLbToN},
      {"less than 0.5% of the 19,692 lb (87.6 kN) of positive and negative reactive forces combined", "19,692",
       In("SLA1", [](const std::string& r) { return ReactiveForcesCombined(Problem(r, 2)); }), "87.6", kLbToN / 1000},
      {"88.7 lb is less than 0.5% of the 19,692 lb", "",
       In("SLA1", [](const std::string& r) {
         return Fact(-Value(Problem(r, 2), "(SUBSUM)") < 0.005 * ReactiveForcesCombined(Problem(r, 2)));
       })},
      {"half band width NB for the 147 simultaneous equations is only 27", "27",
       In("SLA1", [](const std::string& r) { return Value(Problem(r, 1), "HALF BAND WIDTH (NB)"); })},
      {"27, against 147 for the solid foundation", "147",
       In("SLA1", [](const std::string& r) { return Value(Problem(r, 2), "HALF BAND WIDTH (NB)"); })}}},

    {"frmSla2", [] { return ScreenText("frmSla2"); }, {{"SLA2", "SLA2", Program::kBruntola}},
     {{"node 1 with partial contact is 230.8 psi (1.591 MPa)", "230.8",
       In("SLA2", [](const std::string& r) { return StressRow(Problem(r, 1), 1, 2); }), "1.591", kPsiToMPa},
      {"edge stress at node 7 is 212.0 psi (1.462 MPa)", "212.0",
       In("SLA2", [](const std::string& r) { return StressRow(Problem(r, 1), 7, 2); }), "1.462", kPsiToMPa},
      {"the stress at node 1 is 224.9 psi (1.551 MPa)", "224.9",
       In("SLA2", [](const std::string& r) { return StressRow(Problem(r, 2), 1, 2); }), "1.551", kPsiToMPa},
      {"that at node 7 is 205.2 psi (1.415 MPa)", "205.2",
       In("SLA2", [](const std::string& r) { return StressRow(Problem(r, 2), 7, 2); }), "1.415", kPsiToMPa},
      {"forces FOSUM is 7500.0 lb", "7500.0", In("SLA2", [](const std::string& r) { return Value(Problem(r, 1), "(FOSUM)"); })},
      {"7497.5 lb for the liquid foundation", "7497.5",
       In("SLA2", [](const std::string& r) { return Value(Problem(r, 1), "(SUBSUM)"); })},
      {"7489.7 lb for the solid foundation", "7489.7",
       In("SLA2", [](const std::string& r) { return Value(Problem(r, 2), "(SUBSUM)"); })},
      {"NOTCON, is 13", "13", In("SLA2", [](const std::string& r) { return Value(r, "(NOTCON)"); })},
      {"node 39 is negative in cycle 1 and positive in cycle 2", "",
       In("SLA2", [](const std::string& r) {
         const std::string liquid = Problem(r, 1);
         return Fact(NodeValues(liquid, "THE GAP (GAP)", 1).at(39) < 0 && NodeValues(liquid, "THE GAP (GAP)", 2).at(39) > 0 &&
                     NodeValues(liquid, "THE GAP (GAP)", 3).at(39) > 0);
       })}}},

    {"frmSla3", [] { return ScreenText("frmSla3"); },
     {{"SLA3", "SLA3", Program::kBruntola}, {"SLA3L", "SLA3", Program::kLarge}},
     {{"maximum stress is 225.6 psi (1.555 MPa) and occurs at node 25", "225.6",
       In("SLA3", [](const std::string& r) { return -After(r, "MAXIMUM STRESS (SMAX) IN LAYER 1  IS"); }), "1.555",
       kPsiToMPa},
      {"225.6 psi (1.555 MPa) and occurs at node 25", "25",
       In("SLA3", [](const std::string& r) { return NodeAfter(r, "MAXIMUM STRESS (SMAX) IN LAYER 1  IS"); })},
      {"maximum deflection is 0.05289 in. (1.343 mm) and occurs at node 49", "0.05289",
       In("SLA3", [](const std::string& r) { return Extreme(NodeValues(r, "DEFLECTIONS OF SLABS (F)"), true).first; }),
       "1.343", kInToMm},
      {"0.05289 in. (1.343 mm) and occurs at node 49", "49",
       In("SLA3", [](const std::string& r) { return Extreme(NodeValues(r, "DEFLECTIONS OF SLABS (F)"), true).second; })},
      {"the half band width NB is 141", "141", In("SLA3", [](const std::string& r) { return Value(r, "HALF BAND WIDTH (NB)"); })},
      {"LARGE RAM, the half band width is 312", "312",
       In("SLA3L", [](const std::string& r) { return Value(r, "HALF BAND WIDTH (NB)"); })},
      {"tension is 0.856 psi (5.90 kPa), at node 8", "0.856",
       In("SLA3", [](const std::string& r) { return -Extreme(NodeValues(r, "REACTIVE PRESSURE (SUBR)"), false).first; }),
       "5.90", kPsiToKPa},
      {"0.856 psi (5.90 kPa), at node 8", "8",
       In("SLA3", [](const std::string& r) { return Extreme(NodeValues(r, "REACTIVE PRESSURE (SUBR)"), false).second; })},
      // 150 pcf concrete, as the weight of the slab of the second example.
      {"the weight of the slab, 0.694 psi (4.79 kPa)", "0.694",
       In("SLA3", [](const std::string& r) { return Rows(r, "MODULUS (YM)")[0][1] * 150 / 1728; }), "4.79", kPsiToKPa},
      {"turns all these tensions into compression but the one at node 8", "",
       In("SLA3", [](const std::string& r) {
         const double weight = Rows(r, "MODULUS (YM)")[0][1] * 150 / 1728;
         std::vector<int> beyond;
         for (const auto& [node, p] : NodeValues(r, "REACTIVE PRESSURE (SUBR)")) {
           if (-p > weight) beyond.push_back(node);
         }
         return Fact(beyond == std::vector<int>{8});
       })}}},

    {"frmSla4", [] { return ScreenText("frmSla4"); },
     {{"SLA4", "SLA4", Program::kBruntola}, {"SLA4L", "SLA4", Program::kLarge}},
     {{"each with three load groups, is 0.057502", "0.057502",
       In("SLA4", [](const std::string& r) { return Value(r, "SUM OF CRACKING INDEX (SUMCI)"); })},
      {"design life based on fatigue cracking is 17.39 years", "17.39",
       In("SLA4", [](const std::string& r) { return Value(r, "DESIGN LIFE (DL) IN YEARS"); })},
      {"the half band width NB is only 192", "192", In("SLA4", [](const std::string& r) { return Value(r, "HALF BAND WIDTH (NB)"); })},
      {"NB = 243 and no iterations are required", "243",
       In("SLA4L", [](const std::string& r) { return Value(r, "HALF BAND WIDTH (NB)"); })},
      {"maximum stress of 264.117 psi (1.821 MPa)", "264.117",
       In("SLA4", [](const std::string& r) { return -After(r, "MAXIMUM STRESS (SMAX) IN LAYER 1  IS", 3); }), "1.821",
       kPsiToMPa},
      {"is less than 45% of the modulus of rupture", "",
       In("SLA4", [](const std::string& r) {
         return Fact(-After(r, "MAXIMUM STRESS (SMAX) IN LAYER 1  IS", 3) < 0.45 * 600 &&
                     After(r, "FOR PERIOD 1 LOAD GROUP 3 CRACKING INDEX (CI) FOR LAYER 1 IS") == 0 &&
                     After(r, "FOR PERIOD 2 LOAD GROUP 3 CRACKING INDEX (CI) FOR LAYER 1 IS") > 0);
       })}}},

    {"frmSla5", [] { return ScreenText("frmSla5"); }, {{"SLA5", "SLA5", Program::kBruntola}},
     {{"maximum stresses are 217.5 psi (1.500 MPa) in step 1", "217.5",
       In("SLA5", [](const std::string& r) { return -After(r, "MAXIMUM STRESS (SMAX) IN LAYER 1  IS", 1); }), "1.500",
       kPsiToMPa},
      {"138.9 psi (0.958 MPa) in step 2", "138.9",
       In("SLA5", [](const std::string& r) { return -After(r, "MAXIMUM STRESS (SMAX) IN LAYER 1  IS", 2); }), "0.958",
       kPsiToMPa},
      {"step 1 is 217.5 psi (1.500 MPa) at node 4, as at nodes 15, 22 and 33", "4",
       In("SLA5", [](const std::string& r) { return NodeAfter(r, "MAXIMUM STRESS (SMAX) IN LAYER 1  IS", 1); })},
      {"138.9 psi (0.958 MPa) at nodes 8 and 17", "138.9",
       In("SLA5", [](const std::string& r) {
         const std::string step2 = Problem(r, 2);
         return StressRow(step2, 8, 7) == StressRow(step2, 17, 7) ? -StressRow(step2, 17, 7) : NAN;
       })},
      // The shear springs as the program took them: the joint table of the report.
      {"shear springs of 5000 psi (3.45 kN/cm^2) at the longitudinal joints", "5000",
       In("SLA5", [](const std::string& r) {
         const auto joints = Rows(r, "(SPCON1)  (SPCON2)");
         return joints.size() == 4 && joints[0][1] == joints[2][1] && joints[1][1] == 0 && joints[3][1] == 0 ? joints[0][1] : NAN;
       }),
       "3.45", kPsiToKNPerCm2},
      {"curl down by the same -0.06642 in. (-1.687 mm)", "-0.06642",
       In("SLA5", [](const std::string& r) { return NodeValues(r, "AMOUNT OF INITIAL CURLING AND GAP (CURL)").at(3); }),
       "-1.687", kInToMm},
      {"the initial curling there is only -0.01642 in. (-0.417 mm)", "-0.01642",
       In("SLA5", [](const std::string& r) { return NodeValues(r, "AMOUNT OF INITIAL CURLING AND GAP (CURL)").at(1); }),
       "-0.417", kInToMm}}},

    {"frmSla6", [] { return ScreenText("frmSla6"); }, {{"SLA6", "SLA6", Program::kBruntola}},
     {{"concrete is -1,198 psi (-8.26 MPa), at node 56", "-1,198",
       In("SLA6", [](const std::string& r) { return After(r, "MAXIMUM STRESS (SMAX) IN LAYER 1  IS"); }), "-8.26",
       kPsiToMPa},
      {"-1,198 psi (-8.26 MPa), at node 56", "56",
       In("SLA6", [](const std::string& r) { return NodeAfter(r, "MAXIMUM STRESS (SMAX) IN LAYER 1  IS"); })},
      {"direction are -79,755 in.-lb (-9.01 kN-m) at node 56", "-79,755",
       In("SLA6", [](const std::string& r) { return Value(r, "MAXIMUM MOMENT IN X DIRECTION"); }), "-9.01", kInLbToKNm},
      {"-79,755 in.-lb (-9.01 kN-m) at node 56", "56",
       In("SLA6", [](const std::string& r) { return NodeAfter(r, "MAXIMUM MOMENT IN X DIRECTION"); })},
      {"and 20,052 in.-lb (2.27 kN-m) at node 21", "20,052",
       In("SLA6", [](const std::string& r) { return Value(r, "MINIMUM MOMENT IN X DIRECTION"); }), "2.27", kInLbToKNm},
      {"20,052 in.-lb (2.27 kN-m) at node 21", "21",
       In("SLA6", [](const std::string& r) { return NodeAfter(r, "MINIMUM MOMENT IN X DIRECTION"); })},
      {"in the y direction they are -76,633 in.-lb (-8.66 kN-m) at node 6", "-76,633",
       In("SLA6", [](const std::string& r) { return Value(r, "MAXIMUM MOMENT IN Y DIRECTION"); }), "-8.66", kInLbToKNm},
      {"-76,633 in.-lb (-8.66 kN-m) at node 6", "6",
       In("SLA6", [](const std::string& r) { return NodeAfter(r, "MAXIMUM MOMENT IN Y DIRECTION"); })},
      {"and 36,010 in.-lb (4.07 kN-m) at node 3", "36,010",
       In("SLA6", [](const std::string& r) { return Value(r, "MINIMUM MOMENT IN Y DIRECTION"); }), "4.07", kInLbToKNm},
      {"36,010 in.-lb (4.07 kN-m) at node 3", "3",
       In("SLA6", [](const std::string& r) { return NodeAfter(r, "MINIMUM MOMENT IN Y DIRECTION"); })}}},

    {"LayeredExamplesTopic", [] { return TopicText(help_lines::LayeredExamples()); },
     {{"LAY1", "LAY1"}, {"LAY2", "LAY2"}, {"LAY3", "LAY3"}, {"LAY4", "LAY4"}, {"LAY4SI", "LAY4SI"},
      {"LAY5", "LAY5"}, {"LAY5SI", "LAY5SI"}, {"LAY6", "LAY6"}, {"LAY6SI", "LAY6SI"}},
     {{"NSTD = 1 for Example 1", "1", In("LAY1", [](const std::string& r) { return Value(r, "(NSTD)"); })},
      {"NSTD = 9 for Example 2", "9", In("LAY2", [](const std::string& r) { return Value(r, "(NSTD)"); })},
      {"NSTD = 5 for Example 3", "5", In("LAY3", [](const std::string& r) { return Value(r, "(NSTD)"); })},
      {"summary printout (NDAMA = 1) is specified in the English files of Examples 4 and 6", "1",
       In("LAY4", [](const std::string& r) { return After(r, "NDAMA="); })},
      {"more detailed printout (NDAMA = 2) in their SI files", "2",
       In("LAY4SI", [](const std::string& r) { return After(r, "NDAMA="); })},
      {"(NDAMA = 1) is specified in the English files of Examples 4 and 6 and more detailed printout "
       "(NDAMA = 2) in their SI files",
       "", [](const Reports& r) {
         return Fact(After(r.at("LAY4"), "NDAMA=") == 1 && After(r.at("LAY6"), "NDAMA=") == 1 &&
                     After(r.at("LAY4SI"), "NDAMA=") == 2 && After(r.at("LAY6SI"), "NDAMA=") == 2);
       }},
      {"Example 5 uses the detailed printout in both files", "",
       [](const Reports& r) { return Fact(After(r.at("LAY5"), "NDAMA=") == 2 && After(r.at("LAY5SI"), "NDAMA=") == 2); }}}},

    {"SlabExamplesTopic", [] { return TopicText(help_lines::SlabExamples()); },
     {{"SLA1", "SLA1", Program::kBruntola}, {"SLA2", "SLA2", Program::kBruntola},
      {"SLA3", "SLA3", Program::kBruntola}, {"SLA4", "SLA4", Program::kBruntola},
      {"SLA4SI", "SLA4SI", Program::kBruntola}, {"SLA5", "SLA5", Program::kBruntola}},
     {{"Examples 1 to 3 use NPRINT = 0", "", [](const Reports& r) {
         bool zero = true;
         for (const char* run : {"SLA1", "SLA2", "SLA3"}) {
           zero = zero && Value(r.at(run), "(NPRINT)", 1) == 0 && Value(r.at(run), "(NPRINT)", -1) == 0;
         }
         return Fact(zero);
       }},
      {"prints the stresses at three edge nodes only (NPRINT = 3)", "3",
       In("SLA4", [](const std::string& r) { return Value(r, "(NPRINT)"); })},
      {"the PCA fatigue criteria (NDAMA = 1) are specified in the English and the SI file alike", "",
       [](const Reports& r) { return Fact(Value(r.at("SLA4"), "(NDAMA)") == 1 && Value(r.at("SLA4SI"), "(NDAMA)") == 1); }},
      {"The two reports differ only in their units", "",
       [](const Reports& r) {
         return Fact(Value(r.at("SLA4"), "DESIGN LIFE (DL) IN YEARS") == Value(r.at("SLA4SI"), "DESIGN LIFE (DL) IN YEARS"));
       }},
      {"simplified output (MDPO = 0) is specified in step 1", "0",
       In("SLA5", [](const std::string& r) { return Value(Problem(r, 1), "(MDPO)"); })},
      {"more detailed output (MDPO = 1) in step 2", "1",
       In("SLA5", [](const std::string& r) { return Value(Problem(r, 2), "(MDPO)"); })}}},
};

class ExampleReportFigures : public ::testing::TestWithParam<Case> {};

TEST_P(ExampleReportFigures, QuoteWhatTheRunsReport) {
  const Case& c = GetParam();
  Reports reports;
  for (const ExampleRun& run : c.runs) reports[run.name] = Report(run);
  const std::string text = Squeezed(c.text());
  for (const Figure& f : c.figures) {
    SCOPED_TRACE(f.quote);
    EXPECT_NE(text.find(Squeezed(f.quote)), std::string::npos) << "not in the text";
    const double found = f.find(reports);
    ASSERT_FALSE(std::isnan(found)) << "not in the report";
    if (f.number.empty()) {
      EXPECT_EQ(found, 1) << "the report does not bear the statement out";
      continue;
    }
    ASSERT_NE(f.quote.find(f.number), std::string::npos);
    const double scale = std::pow(10.0, Decimals(f.number));
    EXPECT_EQ(std::round(found * scale), std::round(Parsed(f.number) * scale))
        << "quoted " << f.number << ", reported " << found;
    if (!f.metric.empty()) {
      ASSERT_NE(f.quote.find(f.metric), std::string::npos);
      EXPECT_NEAR(Parsed(f.metric), found * f.factor, std::pow(10.0, -Decimals(f.metric)) * 1.0001)
          << "metric " << f.metric << " of " << found;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, ExampleReportFigures, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

}  // namespace
}  // namespace pave::testing
