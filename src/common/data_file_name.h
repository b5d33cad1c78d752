// The data file of an analysis program: its one argument names the data file with or without ".DAT",
// and the report and graph file are named from the same base name. Names are found without regard to
// letter case where no file has exactly the name asked for, but only where that leads to one file.
#pragma once

#include <string>
#include <vector>

namespace pave {

// The argument without a final ".DAT" or ".dat" (other forms, such as ".Dat", stay).
std::string BaseName(const std::string& argument);

// The names in the folder of `path` that differ from its file name only in letter case (its own
// name is not among them), in name order.
std::vector<std::string> NamesDifferingOnlyInCase(const std::string& path);

// Names as a message lists them: "A", "A and B", "A, B and C".
std::string ListedNames(const std::vector<std::string>& names);

// The file `path` names, found without regard to letter case: `path` itself when it is a regular
// file; otherwise the one regular file in its folder whose name differs from it only in letter case;
// otherwise `path` (there is no such file, or there are several and none has exactly the name asked
// for, so the one meant cannot be told).
std::string FileInAnyCase(const std::string& path);

// The data file of an analysis program's argument: the argument itself when it ends in ".DAT" or
// ".dat", otherwise the argument followed by ".DAT"; found as FileInAnyCase finds it. Empty when the
// base name is empty.
std::string DataFileOf(const std::string& argument);

}  // namespace pave
