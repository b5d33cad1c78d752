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

std::optional<std::string> GeneralRefusal(const std::string& title, std::array<double, 17>& v) {
  if (title.find(',') != std::string::npos) return "No comma should be used in TITLE";
  const std::size_t first = title.find_first_not_of(' ');
  if (first != std::string::npos && title[first] == '"') return "TITLE should not begin with a double quote";
  for (int k = 1; k <= 16; ++k) {
    v[k] = std::nearbyint(v[k]);   // the default rounding: a half to the even number
    if (auto refusal = CountRefusal(kGeneralFields[k], v[k], -32768, 32767)) return refusal;
  }
  const auto n = [&v](int k) { return v[k]; };
  // The limits of the lists, in the order the form has always tested them.
  if (n(gen::kNPY) > limit::kPeriods) return "NPY should not be greater than 12";
  if (n(gen::kNLG) > limit::kLoadGroups) return "NLG should not be greater than 12";
  if (n(gen::kNBOND) == 1 && n(gen::kNLAYER) == 1) return "When NLAYER = 1, NBOND should always be 0";
  if (n(gen::kNSLAB) > limit::kSlabs) return "NSLAB should not be greater than 6";
  if (n(gen::kNJOINT) > limit::kJoints) return "NJOINT should not be greater than 7";
  // What the analysis program cannot take.
  if (n(gen::kNFOUND) < 0 || n(gen::kNFOUND) > 2) return "NFOUND should be 0, 1 or 2";
  if (n(gen::kNLAYER) < 1 || n(gen::kNLAYER) > 2) return "NLAYER should be 1 or 2";
  if (n(gen::kNUNIT) != 0 && n(gen::kNUNIT) != 1) return "NUNIT should be 0 or 1";
  if (auto r = CountRefusal("NPY", n(gen::kNPY), 1, limit::kPeriods)) return r;
  if (auto r = CountRefusal("NLG", n(gen::kNLG), 0, limit::kLoadGroups)) return r;
  if (auto r = CountRefusal("NSLAB", n(gen::kNSLAB), 1, limit::kSlabs)) return r;
  if (auto r = CountRefusal("NJOINT", n(gen::kNJOINT), 0, limit::kJoints)) return r;
  if (n(gen::kNSLAB) == 1 && n(gen::kNJOINT) != 0) return "When NSLAB = 1, NJOINT should always be 0";
  if (auto r = CountRefusal("NNCK", n(gen::kNNCK), 1, limit::kNodes)) return r;
  if (auto r = CountRefusal("NPRINT", n(gen::kNPRINT), 0, limit::kNodeList)) return r;
  if (auto r = CountRefusal("NSX", n(gen::kNSX), 0, limit::kSymmetryList)) return r;
  if (auto r = CountRefusal("NSY", n(gen::kNSY), 0, limit::kSymmetryList)) return r;
  if (auto r = CountRefusal("NAT1", n(gen::kNAT1), 0, limit::kNodeList)) return r;
  if (auto r = CountRefusal("NAT2", n(gen::kNAT2), 0, limit::kNodeList)) return r;
  if (n(gen::kNLAYER) == 1 && n(gen::kNAT2) != 0) return "When NLAYER = 1, NAT2 should always be 0";
  return std::nullopt;
}

std::optional<std::string> CurlingRefusal(const std::array<double, 11>& v) {
  if (auto r = CountRefusal("NOTCON", v[curl::kNOTCON], 0, limit::kNodeList)) return r;
  if (auto r = CountRefusal("NGAP", v[curl::kNGAP], 0, limit::kNodeList)) return r;
  if (auto r = CountRefusal("NCYCLE", v[curl::kNCYCLE], 0, 32767)) return r;
  return std::nullopt;
}

}  // namespace pave
