// The checks that run before a slab data file is written.
//
// ErrCheckMessages is the completeness check of data set 1 (what the user forgot to enter).
// AnalysisRefusal then holds every data set of the file against what the slab analysis program
// reads and accepts: the record structure (counts that are whole numbers within their lists, values
// that are numbers where the program reads numbers), the limits it enforces (loaded areas, nodes,
// elements, coordinates, joint nodes, periods and load groups with damage analysis, contact
// cycles) and the node numbers it tests. So every file the editor saves is read by the program
// record for record and passes its input checks.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pave {

// The completeness check of data set 1: the messages to show, in order (none when it passes). The
// first of the ten entry checks ends the check; the three raft checks are made one after another.
std::vector<std::string> ErrCheckMessages();

// The first reason why the file of the data sets held now would not be accepted by the analysis
// program, as a message naming the data set and the item; nothing when it would be.
std::optional<std::string> AnalysisRefusal();

}  // namespace pave
