// The data file of an analysis program: its one argument names the data file with or without ".DAT",
// and the report and graph file are named from the same base name.
#pragma once

#include <string>

namespace pave {

// The argument without a final ".DAT" or ".dat" (other forms, such as ".Dat", stay).
std::string BaseName(const std::string& argument);

// The data file of a base name: base + ".DAT" when that is a regular file, otherwise the regular file
// in the same directory whose name is the base's file name followed by ".DAT" in any letter case (the
// first in name order when several are), otherwise base + ".DAT". Empty for an empty base name.
std::string DataFileOf(const std::string& base);

}  // namespace pave
