// The layered data file as the editor writes it (Save): record (1), then for each data set 1 to
// NPROB its title line and numbered records, each ended by its identifier, CR LF line ends.
// Before anything is written every data set is checked for what would make the file unreadable or
// incomplete (a count that is empty, not a whole number or outside its index range, a code other
// than its valid values, an empty or non-numeric value of a record, LOAD not 0 with NPT 0, a comma
// in a title); the check names the data set and the item.
#pragma once

#include <optional>
#include <string>

namespace pave {

// The file's bytes, or the first problem (nothing is then to be written).
std::optional<std::string> WriteLayeredFile(std::string& bytes);

// The first problem of the data sets, or nothing.
std::optional<std::string> LayeredWriteProblem();

}  // namespace pave
