#include "common/text_compare.h"

#include <cctype>

namespace pave {

namespace {
char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

std::string UpperCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = Upper(c);
  return out;
}

bool EndsWithDat(std::string_view name) {
  return name.size() >= 4 && UpperCase(name.substr(name.size() - 4)) == ".DAT";
}

}  // namespace pave
