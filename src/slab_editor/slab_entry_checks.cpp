#include "slab_editor/slab_entry_checks.h"

#include <cmath>

#include "slab_editor/slab_data_set.h"
#include "slab_editor/slab_limits.h"

namespace pave {

std::optional<std::string> CountRefusal(const std::string& field, double value, int low, int high) {
  if (value > high) return field + " should not be greater than " + std::to_string(high);
  if (value < low) return field + " should not be less than " + std::to_string(low);
  if (!(std::floor(value) == value)) return field + " should be a whole number";
  return std::nullopt;
}

namespace {
constexpr const char* kGeneralFields[] = {"",     "NFOUND", "NDAMA", "NPY",  "NLG", "NLAYER",
                                          "NBOND", "NSLAB", "NJOINT", "NNCK", "NPRINT", "NSX",
                                          "NSY",  "MDPO",   "NUNIT", "NAT1", "NAT2"};
}

std::optional<std::string> GeneralRefusal(const std::string& title, std::array<double, 17>& v, int* field) {
  if (auto refusal = TitleRefusal(title)) return refusal;
  for (int k = 1; k <= 16; ++k) v[k] = std::nearbyint(v[k]);   // the default rounding: a half to the even number
  int at = 0;   // the field of the refusal
  const auto check = [&]() -> std::optional<std::string> {
    const auto n = [&v](int k) { return v[k]; };
    const auto count = [&](int k, int low, int high) {
      at = k;
      return CountRefusal(kGeneralFields[k], v[k], low, high);
    };
    // The limits of the lists, in the order the form has always tested them.
    if ((at = gen::kNPY), n(gen::kNPY) > limit::kPeriods) return "NPY should not be greater than 12";
    if ((at = gen::kNLG), n(gen::kNLG) > limit::kLoadGroups) return "NLG should not be greater than 12";
    if ((at = gen::kNBOND), n(gen::kNBOND) == 1 && n(gen::kNLAYER) == 1) return "When NLAYER = 1, NBOND should always be 0";
    if ((at = gen::kNSLAB), n(gen::kNSLAB) > limit::kSlabs) return "NSLAB should not be greater than 6";
    if ((at = gen::kNJOINT), n(gen::kNJOINT) > limit::kJoints) return "NJOINT should not be greater than 7";
    // What the analysis program cannot take.
    if ((at = gen::kNFOUND), n(gen::kNFOUND) < 0 || n(gen::kNFOUND) > 2) return "NFOUND should be 0, 1 or 2";
    if ((at = gen::kNLAYER), n(gen::kNLAYER) < 1 || n(gen::kNLAYER) > 2) return "NLAYER should be 1 or 2";
    if ((at = gen::kNUNIT), n(gen::kNUNIT) != 0 && n(gen::kNUNIT) != 1) return "NUNIT should be 0 or 1";
    if (auto r = count(gen::kNPY, 1, limit::kPeriods)) return r;
    if (auto r = count(gen::kNLG, 0, limit::kLoadGroups)) return r;
    if (auto r = count(gen::kNSLAB, 1, limit::kSlabs)) return r;
    if (auto r = count(gen::kNJOINT, 0, limit::kJoints)) return r;
    if ((at = gen::kNJOINT), n(gen::kNSLAB) == 1 && n(gen::kNJOINT) != 0) return "When NSLAB = 1, NJOINT should always be 0";
    if (auto r = count(gen::kNNCK, 1, limit::kNodes)) return r;
    if (auto r = count(gen::kNPRINT, 0, limit::kNodeList)) return r;
    if (auto r = count(gen::kNSX, 0, limit::kSymmetryList)) return r;
    if (auto r = count(gen::kNSY, 0, limit::kSymmetryList)) return r;
    if (auto r = count(gen::kNAT1, 0, limit::kNodeList)) return r;
    if (auto r = count(gen::kNAT2, 0, limit::kNodeList)) return r;
    if ((at = gen::kNAT2), n(gen::kNLAYER) == 1 && n(gen::kNAT2) != 0) return "When NLAYER = 1, NAT2 should always be 0";
    // Last the range of the 16-bit integers they are stored in, for the values no limit above holds.
    for (int k = 1; k <= 16; ++k)
      if (auto r = count(k, -32768, 32767)) return r;
    return std::nullopt;
  };
  std::optional<std::string> refusal = check();
  if (field) *field = refusal ? at : 0;
  return refusal;
}

std::optional<std::string> CurlingRefusal(const std::array<double, 11>& v, int* field) {
  const std::pair<int, int> counts[] = {
      {curl::kNOTCON, limit::kNodeList}, {curl::kNGAP, limit::kNodeList}, {curl::kNCYCLE, 32767}};
  const char* names[] = {"", "NOTCON", "NGAP", "", "", "", "NCYCLE"};
  for (const auto& [k, high] : counts) {
    if (auto r = CountRefusal(names[k], v[k], 0, high)) {
      if (field) *field = k;
      return r;
    }
  }
  if (field) *field = 0;
  return std::nullopt;
}

}  // namespace pave
