// Text comparisons without regard to case (file names, data directories, the editors' texts): ASCII
// letters compare equal in either case.
#pragma once

#include <string>
#include <string_view>

namespace pave {

bool EqualsIgnoringCase(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view s);
// True when the last four characters, turned to upper case, are ".DAT".
bool EndsWithDat(std::string_view name);

}  // namespace pave
