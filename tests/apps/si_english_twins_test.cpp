// Every SI example is its English twin in SI units: run through its program, it reports the
// English results converted (maximum stresses, deflections, strains, joint springs and forces,
// moments, cracking index and design life), within what the rounding of its converted inputs
// explains. One row a pair.
//
// What a difference may be, for each value compared:
// - half a unit of the last digit printed, in each report;
// - the tolerance DEL that both files ask the solution to meet (.001 in every example, read from
//   the report), times the value's sensitivity to the responses (1 for a response; the steepest
//   exponent of the fatigue or deformation criterion for a damage result): the inputs that the SI
//   files round by less than DEL are covered by it;
// - what the coarser roundings of an SI file do: the row writes them back into the English file,
//   in English units, and the difference between that run and the English run is allowed in full.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "common/analysis_host.h"
#include "layered_analysis/run_driver.h"
#include "slab_analysis/slab_driver.h"
#include "support/file_text.h"
#include "support/printed_numbers.h"
#include "support/unit_factors.h"

namespace pave::testing {
namespace {

namespace fs = std::filesystem;

// ---- What is compared ------------------------------------------------------------------------

struct Kind {
  const char* name;
  double toSi;         // English value times toSi is the SI value
  double sensitivity;  // relative change of the value per relative change of the responses
};
const Kind kStress{"stress", kPsiToKPa, 1};
const Kind kLength{"deflection", kInToCm, 1};
const Kind kStrain{"strain", 1, 1};
const Kind kShearSpring{"shear spring", kPsiToKNPerCm2, 1};
const Kind kMomentSpring{"moment spring", kLbToKN, 1};  // in.-lb/in. -> cm-kN/cm
const Kind kShear{"joint shear", kLbToKN, 1};
const Kind kJointMoment{"joint moment", kInLbToCmKN, 1};
const Kind kMomentPerWidth{"moment", kLbToKN, 1};        // in.-lb/in. -> cm-kN/cm
// The layered damage criteria: repetitions go with the strain to the power 3.291 (fatigue) or
// 4.477 (deformation).
const Kind kLayeredLife{"design life", 1, 4.477};
// The PCA criteria: the allowable repetitions go with the stress to the power 3.268 SR / (SR - 0.4325)
// between the stress ratios 0.45 and 0.55 and 27.8 SR above; at the ratios of SLA4's damaging load
// groups (0.48 to 0.55) that is 15 to 32.
const Kind kSlabDamage{"cracking index", 1, 32};
const Kind kSlabLife{"design life", 1, 32};

struct Value {
  std::string where;  // what the value is, for the failure message
  const Kind* kind;
  Printed number;
};
using Values = std::vector<Value>;

// ---- Reading a report -------------------------------------------------------------------------

// Whether a line holds a word: a letter other than the E of an exponent ("1.500E+06").
bool HasWords(const std::string& line) {
  auto digit = [&](std::size_t k) { return k < line.size() && std::isdigit(static_cast<unsigned char>(line[k])); };
  for (std::size_t k = 0; k < line.size(); ++k) {
    if (!std::isalpha(static_cast<unsigned char>(line[k]))) continue;
    const bool exponent = line[k] == 'E' && k > 0 && (digit(k - 1) || line[k - 1] == '.') &&
                          (digit(k + 1) || ((k + 1 < line.size()) && (line[k + 1] == '-' || line[k + 1] == '+') && digit(k + 2)));
    if (!exponent) return true;
  }
  return false;
}

std::string Trimmed(const std::string& line) {
  const std::size_t a = line.find_first_not_of(' ');
  return a == std::string::npos ? "" : line.substr(a);
}

// The first printed number after `label`, on each line that holds it (an "=" between is passed over).
std::vector<Printed> NumbersAfter(const std::vector<std::string>& lines, const std::string& label) {
  std::vector<Printed> out;
  for (const std::string& line : lines) {
    const std::size_t p = line.find(label);
    if (p == std::string::npos) continue;
    const auto numbers = PrintedNumbers(line.substr(p + label.size()));
    if (!numbers.empty()) out.push_back(numbers.front());
  }
  return out;
}

// The entry of largest magnitude, sign kept.
Printed Largest(const std::vector<Printed>& v) {
  Printed best = v.empty() ? Printed{} : v.front();
  for (const Printed& p : v)
    if (std::fabs(p.value) > std::fabs(best.value)) best = p;
  return best;
}

// The rows of numbers below each line that holds `heading`: the lines up to the first one with
// words once a row has been read; lines of words before the first row (the rest of the heading)
// and empty lines are passed over. A row that begins "(STRAIN)" keeps that word as its marker.
std::vector<std::vector<std::string>> TablesBelow(const std::vector<std::string>& lines,
                                                  const std::function<bool(const std::string&)>& heading) {
  std::vector<std::vector<std::string>> tables;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!heading(lines[i])) continue;
    std::vector<std::string> rows;
    std::size_t k = i + 1;
    for (; k < lines.size(); ++k) {
      const std::string t = Trimmed(lines[k]);
      const bool strainRow = t.rfind("(STRAIN)", 0) == 0 && !PrintedNumbers(t).empty();
      if (t.empty() || (!strainRow && HasWords(t))) {
        if (rows.empty() || t.empty()) continue;
        break;
      }
      rows.push_back(t);
    }
    tables.push_back(rows);
    i = k - 1;
  }
  return tables;
}

// MORVELIN: for each response table, its largest deflection, stress and strain; the critical
// strains of the damage analysis; the design life.
Values LayeredResults(const std::vector<std::string>& lines) {
  Values out;
  const auto tables = TablesBelow(lines, [](const std::string& l) {
    return l.find("DISPLACEMENT") != std::string::npos || l.find("DISP.") != std::string::npos;
  });
  for (std::size_t t = 0; t < tables.size(); ++t) {
    std::vector<Printed> w, s, e;
    for (const std::string& row : tables[t]) {
      const auto n = PrintedNumbers(row);
      if (row.rfind("(STRAIN)", 0) == 0) {
        e.insert(e.end(), n.begin(), n.end());
      } else if (n.size() >= 3) {  // point or radius, depth, deflection, stresses
        w.push_back(n[2]);
        s.insert(s.end(), n.begin() + 3, n.end());
      }
    }
    const std::string table = "response table " + std::to_string(t + 1) + ": largest ";
    if (!w.empty()) out.push_back({table + "deflection", &kLength, Largest(w)});
    if (!s.empty()) out.push_back({table + "stress", &kStress, Largest(s)});
    if (!e.empty()) out.push_back({table + "strain", &kStrain, Largest(e)});
  }
  for (const char* label : {"TENSILE STRAIN =", "COMPRESSIVE STRAIN ="}) {
    const auto v = NumbersAfter(lines, label);
    for (std::size_t i = 0; i < v.size(); ++i)
      out.push_back({std::string(label) + " (" + std::to_string(i + 1) + ")", &kStrain, v[i]});
  }
  for (const Printed& p : NumbersAfter(lines, "DESIGN LIFE IN YEARS =")) out.push_back({"design life", &kLayeredLife, p});
  return out;
}

// BRUNTOLA: the maximum stresses, the largest deflection of each deflection table, the joint
// springs as taken and as derived from the dowels, the largest shear and moment of each joint, the
// maximum moments, the cracking index and the design life.
Values SlabResults(const std::vector<std::string>& lines) {
  Values out;
  auto add = [&](const std::string& where, const Kind& kind, const std::vector<Printed>& v) {
    for (std::size_t i = 0; i < v.size(); ++i) out.push_back({where + " (" + std::to_string(i + 1) + ")", &kind, v[i]});
  };
  auto heading = [](const char* text) { return [text](const std::string& l) { return l.find(text) != std::string::npos; }; };
  std::vector<Printed> smax;  // "MAXIMUM STRESS (SMAX) IN LAYER 1  IS ..." (or "AT BOTTOM OF LAYER 1  IS ...")
  for (const std::string& line : lines) {
    if (line.find("MAXIMUM STRESS (SMAX)") != std::string::npos) smax.push_back(PrintedNumbers(line.substr(line.find(" IS "))).at(0));
  }
  add("SMAX", kStress, smax);
  add("largest F", kLength, [&] {
    std::vector<Printed> v;
    for (const auto& table : TablesBelow(lines, heading("DEFLECTIONS OF SLABS (F) ARE:"))) {
      std::vector<Printed> f;
      for (const std::string& row : table) {
        const auto n = PrintedNumbers(row);
        for (std::size_t i = 1; i < n.size(); i += 2) f.push_back(n[i]);
      }
      v.push_back(Largest(f));
    }
    return v;
  }());
  for (const auto& table : TablesBelow(lines, heading("(SPCON1)  (SPCON2)"))) {
    for (const std::string& row : table) {
      const auto n = PrintedNumbers(row);
      const std::string joint = "joint " + std::to_string(static_cast<int>(n.at(0).value));
      out.push_back({joint + " SPCON1", &kShearSpring, n.at(1)});
      out.push_back({joint + " SPCON2", &kMomentSpring, n.at(2)});
    }
  }
  for (const auto& table : TablesBelow(lines, heading("EQUIVALENT SPRING CONSTANT (SPCON)"))) {
    for (const std::string& row : table) {
      const auto n = PrintedNumbers(row);
      out.push_back({"joint " + std::to_string(static_cast<int>(n.at(0).value)) + " equivalent SPCON", &kShearSpring, n.at(1)});
    }
  }
  std::vector<Printed> shear, moment;
  for (const auto& table : TablesBelow(lines, heading("SHEAR (FAJ1) AND MOMENT (FAJ2) AT THE NODES ARE:"))) {
    std::vector<Printed> s, m;
    for (const std::string& row : table) {
      const auto n = PrintedNumbers(row);
      for (std::size_t i = 0; i + 2 < n.size(); i += 3) s.push_back(n[i + 1]), m.push_back(n[i + 2]);
    }
    shear.push_back(Largest(s));
    moment.push_back(Largest(m));
  }
  add("largest FAJ1", kShear, shear);
  add("largest FAJ2", kJointMoment, moment);
  add("maximum moment in x", kMomentPerWidth, NumbersAfter(lines, "MAXIMUM MOMENT IN X DIRECTION ="));
  add("maximum moment in y", kMomentPerWidth, NumbersAfter(lines, "MAXIMUM MOMENT IN Y DIRECTION ="));
  add("SUMCI", kSlabDamage, NumbersAfter(lines, "SUM OF CRACKING INDEX (SUMCI) ="));
  add("design life", kSlabLife, NumbersAfter(lines, "DESIGN LIFE (DL) IN YEARS ="));
  return out;
}

// ---- The runs ---------------------------------------------------------------------------------

enum class Program { kMorvelin, kBruntola };

struct Report {
  Values values;
  double del = 0;
};

Report RunReport(Program program, const std::string& name, const std::string& data) {
  const fs::path dir = fs::temp_directory_path() / ("pave_si_twins_" + std::to_string(::getpid())) / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / (name + ".DAT"), std::ios::binary) << data;
  RecordingHost host;
  const std::string base = (dir / name).string();
  const RunEnd end = program == Program::kMorvelin ? layered::RunMorvelin(base, host)
                                                   : slab::RunSlabProgram(base, slab::kBruntola, host);
  EXPECT_EQ(end, RunEnd::Normal) << name;
  const std::vector<std::string> lines = TextLines(FileText(base + ".TXT"));
  Report r;
  r.values = program == Program::kMorvelin ? LayeredResults(lines) : SlabResults(lines);
  for (const std::string& line : lines) {
    if (line.find("(DEL)") != std::string::npos) r.del = PrintedNumbers(line.substr(line.find('='))).at(0).value;
  }
  fs::remove_all(dir.parent_path());
  return r;
}

// ---- The pairs --------------------------------------------------------------------------------

// An input of the English file and the value the SI file's rounding gives it in English units.
struct Rounding {
  const char* english;
  const char* rounded;
};

struct Twin {
  const char* name;  // the English example; the SI twin adds "SI"
  Program program;
  std::vector<Rounding> coarse;  // the SI file's coarse roundings, written back in English units
};
void PrintTo(const Twin& t, std::ostream* os) { *os << t.name; }

const Twin kTwins[] = {
    // LAY1, LAY2, LAY3 and LAY5: moduli converted with 6.895 kPa to the psi, lengths, pressures and
    // creep compliances to four digits: the inputs are off by at most 4E-04. (LAY2 gives the unit
    // weight of its clay as 18.1 kN/m^3, 0.2 % above 115 pcf, which acts on its geostatic stress
    // only, a small part of the stress that sets the clay's modulus.)
    {"LAY1", Program::kMorvelin, {}},
    {"LAY2", Program::kMorvelin, {}},
    {"LAY3", Program::kMorvelin, {}},
    // The temperatures to 0.1 C: in SI the asphalt is up to 0.055 C warmer, relative to its
    // reference temperature, than in the English file, which with BETA = 0.2034 per C is 2.6 % in
    // loading time, up to 0.6 % in strain and 0.8 % in design life.
    {"LAY4",
     Program::kMorvelin,
     {{" .113   70   (41)", " .113   69.98   (41)"},  // 21.1 C
      {" 49.7   (44)", " 49.694   (44)"},             // 9.83 C
      {" 59.5   (44)", " 59.54   (44)"},              // 15.3 C
      {" 81.6   (44)", " 81.68   (44)"},              // 27.6 C
      {" 70.1   (44)", " 70.16   (44)"}}},            // 21.2 C
    {"LAY5", Program::kMorvelin, {}},
    {"LAY6",
     Program::kMorvelin,
     {{" .113   70   (41)", " .113   69.98   (41)"},  // 21.1 C
      {" 60   (44)", " 60.08   (44)"},                // 15.6 C
      {" 80   (44)", " 80.06   (44)"}}},              // 26.7 C
    // The slab's modulus to three digits (2.76E+07 kPa, 0.08 % above 4,000,000 psi), which shows in
    // every stress, and the temperature differential and the foundation to three or four digits. On
    // the solid foundation the curled slab's level is fixed only as well as its force balance
    // (SUBSUM, which should be 0): any such change of the input moves it by up to 0.5 %.
    {"SLA1",
     Program::kBruntola,
     {{" 20  0   0   0   0   .000005", " 19.998  0   0   0   0   .000005"},  // 11.11 C, both problems
      {" 20  0   0   0   0   .000005", " 19.998  0   0   0   0   .000005"},
      {" 8   .15   4000000   (10)", " 8   .15   4003042   (10)"},  // 2.76E+07 kPa, both problems
      {" 8   .15   4000000   (10)", " 8   .15   4003042   (10)"},
      {" 0   200   (24)", " 0   200.04   (24)"},        // 54.3 MN/m^3
      {" 15000   .4   (28)", " 14996.9   .4   (28)"}}},  // 103400 kPa
    {"SLA2",
     Program::kBruntola,
     {{" 20  150   0", " 19.998  149.98   0"},  // 11.11 C and 23.56 kN/m^3, both problems
      {" 20  150   0", " 19.998  149.98   0"},
      {" 8   .15   4000000   (10)", " 8   .15   4003042   (10)"},
      {" 8   .15   4000000   (10)", " 8   .15   4003042   (10)"},
      {" 0   200   (24)", " 0   200.04   (24)"},
      {" 15000   .4   (28)", " 14996.9   .4   (28)"}}},
    // SLA3 to SLA6: every input converted to six digits.
    {"SLA3", Program::kBruntola, {}},
    {"SLA4", Program::kBruntola, {}},
    {"SLA5", Program::kBruntola, {}},
    {"SLA6", Program::kBruntola, {}},
};

std::string WithRoundings(std::string text, const std::vector<Rounding>& coarse) {
  for (const Rounding& r : coarse) {
    const std::size_t p = text.find(r.english);
    EXPECT_NE(p, std::string::npos) << r.english;
    if (p != std::string::npos) text.replace(p, std::string(r.english).size(), r.rounded);
  }
  return text;
}

class SiTwin : public ::testing::TestWithParam<Twin> {};

TEST_P(SiTwin, ReportsTheEnglishResultsConverted) {
  const Twin& twin = GetParam();
  const std::string english = ExampleText(twin.name);
  const Report en = RunReport(twin.program, twin.name, english);
  const Report si = RunReport(twin.program, std::string(twin.name) + "SI", ExampleText(std::string(twin.name) + "SI"));
  const Report rounded =
      twin.coarse.empty() ? en : RunReport(twin.program, std::string(twin.name) + "R", WithRoundings(english, twin.coarse));
  ASSERT_FALSE(en.values.empty());
  ASSERT_EQ(en.del, 0.001);
  // The SI file may print more (detailed damage printout); what the English report prints, the SI
  // report prints too, in the same order.
  std::size_t k = 0;
  for (std::size_t i = 0; i < en.values.size(); ++i) {
    const Value& e = en.values[i];
    while (k < si.values.size() && si.values[k].where != e.where) ++k;
    ASSERT_LT(k, si.values.size()) << e.where << " is missing from the SI report";
    const Value& s = si.values[k++];
    const Printed r = rounded.values.at(i).number;
    const double f = e.kind->toSi;
    const double expected = e.number.value * f;
    const double explained = s.number.unit / 2 + e.number.unit * f / 2 + e.kind->sensitivity * en.del * std::fabs(expected) +
                             std::fabs(r.value - e.number.value) * f;
    EXPECT_NEAR(s.number.value, expected, explained) << e.where << " (" << e.kind->name << "): English " << e.number.value;
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, SiTwin, ::testing::ValuesIn(kTwins),
                         [](const ::testing::TestParamInfo<Twin>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pave::testing
