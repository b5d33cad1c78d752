#include "layered_editor/layered_checks.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "common/number_format.h"
#include "common/value_ranges.h"
#include "layered_editor/layered_data_set.h"
#include "shell/program_state.h"

namespace pave {

std::optional<std::string> LayeredCompletenessProblem() {
  const float MATL = gLayeredGeneral(1, gen::MATL);
  const bool nonlinear = MATL == 2 || MATL == 4;
  const bool visco = MATL == 3 || MATL == 4;
  if (gLayeredLayer(1, 1, 1).Number() == 0)
    return "You forgot to enter the layer thickness by clicking the Layer menu.";
  if (MATL < 3 && gLayeredE(1, 1, 1).Number() == 0)
    return "You forgot to enter the elastic modulus by clicking the moduli menu.";
  if (gLayeredLoad(1, 1, ld::CR).Number() == 0) return "You forgot to enter the load by clicking the Load menu.";
  if (nonlinear && gLayeredNonseasonal(1, 1, 1).Number() == 0)
    return "You forgot to enter the Nonseasonal Information by clicking the Nonlinear\\Nonseasonal menu.";
  if (nonlinear && gLayeredSeasonal(1, 1, 1, 2).Number() == 0)
    return "You forgot to enter the seasonal input parameters by clicking the Nonlinear\\Seasonal\\Layer No. menu.";
  if (visco && gLayeredViscoLayer(1, 1, 1).Number() == 0)
    return "You forgot to enter the Viscoelastic Layer Information by clicking the Viscoelastic\\layer menu.";
  if (visco && gLayeredCREEP(1, 1, 1) == 0)
    return "You forgot to enter the creep compliances by clicking the Viscoelastic\\Creep\\Layer No. menu.";
  return std::nullopt;
}

namespace {

// A value refusal, thrown by the checks of one data set.
struct Refusal {
  std::string message;
};

class ValueCheck {
 public:
  ValueCheck(int set, bool si) : set_(set), si_(si) {}

  // Refuses `v` unless `ok(v)`: a number read from a file and the same number typed into a grid
  // (held as its text) alike; a value that is no number is left to the file writer's checks.
  void Need(const Value& v, const std::string& item, const std::function<bool(double)>& ok, const std::string& rule,
            const std::string& unit = "") const {
    if (const std::optional<double> n = v.AsNumber()) Need(*n, item, ok, rule, unit);
  }
  // Shown with the digits of its own precision.
  template <class T>
  void Need(T v, const std::string& item, const std::function<bool(double)>& ok, const std::string& rule,
            const std::string& unit = "") const {
    if (!ok(static_cast<double>(v)))
      throw Refusal{"Data Set " + std::to_string(set_) + ": " + item + " is " + BareStr(v) + (unit.empty() ? "" : " " + unit) +
                    ", which should " + rule + (rule.back() == '.' ? "" : ".")};
  }
  // Refuses a value outside the range of its kind, as the analysis program does.
  template <class T>
  void Within(const T& v, const std::string& item, const ValueRange& r) const {
    Need(v, item, [this, &r](double x) { return r.Holds(x, si_); }, "be " + RangeRule(r, si_, false),
         UnitName(r, si_, false));
  }

 private:
  int set_;
  bool si_;
};

bool Positive(double v) { return v > 0; }
bool NotNegative(double v) { return v >= 0; }
bool AtLeastOne(double v) { return v >= 1; }
bool Poisson(double v) { return v >= 0 && v <= 0.5; }
bool ZeroOrOne(double v) { return v == 0 || v == 1; }
bool Whole(double v) { return std::floor(v) == v; }

constexpr const char* kPositive = "be greater than 0";
constexpr const char* kNotNegative = "not be negative";
constexpr const char* kAtLeastOne = "be at least 1";

std::string Of(const char* what, int i) { return std::string(" of ") + what + " " + std::to_string(i); }

// Counts as the file writer takes them; a count it refuses is left to its message.
int CountOf(float v, int limit) { return std::max(0, LayeredCount(v, limit)); }
int CountOf(const Value& v, int limit) { return std::max(0, LayeredCount(v, limit)); }

// Layer `layer` is one of the viscoelastic layers (LNV) of a data set whose MATL has them.
bool Viscoelastic(int s, int layer) {
  const float MATL = gLayeredGeneral(s, gen::MATL);
  if (MATL != 3 && MATL != 4) return false;
  const int NVL = CountOf(gLayeredViscoGeneral(s, vsg::NVL), kLayeredSequences);
  for (int j = 1; j <= NVL; ++j)
    if (gLayeredViscoLayer(s, j, 1).AsNumber() == static_cast<double>(layer)) return true;
  return false;
}

void CheckSet(int s) {
  auto G = [s](int k) { return gLayeredGeneral(s, k); };
  const ValueCheck c(s, G(gen::NUNIT) != 0);
  const float MATL = G(gen::MATL), NDAMA = G(gen::NDAMA);
  const int NL = CountOf(G(gen::NL), kLayeredLayers), NPY = CountOf(G(gen::NPY), kLayeredPeriods);
  const int NLG = CountOf(G(gen::NLG), kLayeredLoadGroups), NZ = CountOf(G(gen::NZ), kLayeredDepths);
  c.Need(G(gen::DEL), "DEL", Positive, kPositive);
  c.Within(G(gen::DEL), "DEL", range::kTolerance);
  c.Need(G(gen::ICL), "ICL", AtLeastOne, kAtLeastOne);
  // MATL 3 and 4 have viscoelastic layers: without one, no layer may take its modulus from creep.
  if (MATL == 3 || MATL == 4)
    c.Need(gLayeredViscoGeneral(s, vsg::NVL), "NVL", AtLeastOne,
           "be at least 1 while MATL is " + BareStr(MATL) +
               " (set NVL in Viscoelastic\\General, or MATL in General if no layer is viscoelastic)");
  for (int i = 1; i <= NL - 1; ++i) {
    c.Need(gLayeredLayer(s, i, 1), "TH" + Of("layer", i), Positive, kPositive);
    c.Within(gLayeredLayer(s, i, 1), "TH" + Of("layer", i), range::kThickness);
  }
  for (int i = 1; i <= NL; ++i) c.Need(gLayeredLayer(s, i, 2), "PR" + Of("layer", i), Poisson, "be from 0 to 0.5");
  if (NDAMA == 0)
    for (int i = 1; i <= NZ; ++i) {
      c.Need(gLayeredZC(s, i), "ZC" + Of("point", i), NotNegative, kNotNegative);
      c.Within(gLayeredZC(s, i), "ZC" + Of("point", i), range::kLength);
    }
  if (G(gen::NBOND) != 1)
    for (int i = 1; i <= NL - 1; ++i) c.Need(static_cast<int>(gLayeredINT(s, i)), "INT" + Of("interface", i), ZeroOrOne, "be 0 or 1");
  // A layer whose modulus comes from its creep compliances may have 0 here; every other layer needs
  // its modulus in every period, a period added later too.
  for (int p = 1; p <= NPY; ++p)
    for (int i = 1; i <= NL; ++i) {
      const bool from_creep = Viscoelastic(s, i);
      const std::string item = "E" + Of("layer", i) + Of("period", p);
      c.Need(gLayeredE(s, p, i), item, from_creep ? NotNegative : Positive,
             from_creep ? kNotNegative
                        : MATL == 1 ? kPositive : "be greater than 0 for a layer that is not viscoelastic");
      c.Within(gLayeredE(s, p, i), item, from_creep ? range::kModulusOrZero : range::kModulus);
    }
  for (int g = 1; g <= NLG; ++g) {
    c.Need(gLayeredLoad(s, g, ld::CR), "CR" + Of("load group", g), Positive, kPositive);
    c.Within(gLayeredLoad(s, g, ld::CR), "CR" + Of("load group", g), range::kThickness);
    c.Within(gLayeredLoad(s, g, ld::CP), "CP" + Of("load group", g), range::kPressure);
    const int points = CountOf(gLayeredLoad(s, g, ld::NRNPT), kLayeredPoints);
    if (gLayeredLoad(s, g, ld::LOAD).AsNumber() == 0.0) {
      for (int i = 1; i <= points; ++i) {
        c.Need(gLayeredRC(s, g, i), "RC" + Of("point", i) + Of("load group", g), NotNegative, kNotNegative);
        c.Within(gLayeredRC(s, g, i), "RC" + Of("point", i) + Of("load group", g), range::kLength);
      }
    } else {
      c.Within(gLayeredLoad(s, g, ld::XW), "XW" + Of("load group", g), range::kCoordinate);
      c.Within(gLayeredLoad(s, g, ld::YW), "YW" + Of("load group", g), range::kCoordinate);
      for (int i = 1; i <= points; ++i) {
        c.Within(gLayeredPoints(s, g, i, 1), "XPT" + Of("point", i) + Of("load group", g), range::kCoordinate);
        c.Within(gLayeredPoints(s, g, i, 2), "YPT" + Of("point", i) + Of("load group", g), range::kCoordinate);
      }
    }
  }
  if (MATL == 2 || MATL == 4) {
    for (int i = 1; i <= NL; ++i) c.Within(gLayeredLayer(s, i, 3), "GAM" + Of("layer", i), range::kUnitWeight);
    c.Need(gLayeredNonlinGeneral(s, nlg::ITENOL), "ITENOL", AtLeastOne, kAtLeastOne);
    c.Need(gLayeredNonlinGeneral(s, nlg::ITENOL), "ITENOL", Whole, "be a whole number");
    c.Within(gLayeredNonlinGeneral(s, nlg::ITENOL), "ITENOL", range::kIterations);
    c.Within(gLayeredNonlinGeneral(s, nlg::RCNOL), "RCNOL", range::kLength);
    c.Within(gLayeredNonlinGeneral(s, nlg::SLD), "SLD", range::kLoadSpread);
    c.Need(gLayeredNonlinGeneral(s, nlg::DELNOL), "DELNOL", Positive, kPositive);
    c.Within(gLayeredNonlinGeneral(s, nlg::DELNOL), "DELNOL", range::kTolerance);
    const int NOLAY = CountOf(gLayeredNonlinGeneral(s, nlg::NOLAY), kLayeredSequences);
    for (int i = 1; i <= NOLAY; ++i) {
      const std::string layer = Of("nonlinear layer", i);
      c.Within(gLayeredNonseasonal(s, i, 2), "ZCNOL" + layer, range::kLength);
      // The file holds the clay constants of a layer whose NCLAY is not 0, else the granular ones.
      const bool clay = gLayeredNonseasonal(s, i, 3).AsNumber().value_or(0) != 0;
      if (!clay) {
        c.Within(gLayeredGranular(s, i, 2), "K0" + layer, range::kEarthPressureAtRest);
        continue;
      }
      c.Within(gLayeredClay(s, i, 2), "K3" + layer, range::kModulusSlope);
      c.Within(gLayeredClay(s, i, 4), "K0" + layer, range::kEarthPressureAtRest);
      for (int p = 1; p <= NPY; ++p) {
        c.Within(gLayeredSeasonal(s, i, p, 1), "EMIN" + layer + Of("period", p), range::kModulusOrZero);
        c.Within(gLayeredSeasonal(s, i, p, 2), "EMAX" + layer + Of("period", p), range::kModulus);
      }
    }
  }
  if (MATL == 3 || MATL == 4) {
    c.Within(gLayeredViscoGeneral(s, vsg::DUR), "DUR", range::kLoadDuration);
    c.Need(gLayeredViscoGeneral(s, vsg::NTYME), "NTYME", AtLeastOne, kAtLeastOne);
    const int NTYME = CountOf(gLayeredViscoGeneral(s, vsg::NTYME), kLayeredTimes);
    const int NVL = CountOf(gLayeredViscoGeneral(s, vsg::NVL), kLayeredSequences);
    for (int i = 1; i <= NTYME; ++i) c.Within(gLayeredTYME(s, i), "TYME " + std::to_string(i), range::kCreepTime);
    for (int j = 1; j <= NVL; ++j)
      for (int i = 1; i <= NTYME; ++i)
        c.Within(gLayeredCREEP(s, j, i), "CREEP " + std::to_string(i) + Of("viscoelastic layer", j), range::kCompliance);
    for (int j = 1; j <= NVL; ++j) {
      c.Within(gLayeredViscoLayer(s, j, 3), "TEMPREF" + Of("viscoelastic layer", j), range::kLayerTemperature);
      for (int p = 1; p <= NPY; ++p)
        c.Within(gLayeredTEMP(s, p, j), "TEMP" + Of("viscoelastic layer", j) + Of("period", p), range::kLayerTemperature);
    }
  }
  // The damage analysis has no default traffic: every load group's repetitions in every period are
  // entered (in Damage\\Volume of Traffic), a load group or period added later too.
  if (NDAMA > 0) {
    for (int p = 1; p <= NPY; ++p)
      for (int g = 1; g <= NLG; ++g) {
        const std::string item = "TNLR" + Of("load group", g) + Of("period", p);
        c.Need(gLayeredTNLR(s, p, g), item, NotNegative, kNotNegative);
        c.Need(gLayeredTNLR(s, p, g), item, Positive,
               "be entered for the damage analysis: the repetitions of every load group in every period");
        c.Within(gLayeredTNLR(s, p, g), item, range::kRepetitions);
      }
    const int NLTC = CountOf(G(gen::NLTC), kLayeredDamageLayers);
    for (int i = 1; i <= NLTC; ++i) c.Within(gLayeredTop(s, i, 2), "FT4" + Of("top compression layer", i), range::kDeformationCoefficient);
  }
}

}  // namespace

std::optional<std::string> LayeredValueRefusal() {
  const int sets = gLayeredNPROB.IsNumber() ? static_cast<int>(gLayeredNPROB.Number()) : 1;
  try {
    for (int s = 1; s <= std::min(std::max(sets, 1), kLayeredSets); ++s) CheckSet(s);
  } catch (const Refusal& r) {
    return r.message;
  }
  return std::nullopt;
}

}  // namespace pave
