// The slab data file as CORVISTA writes it: record (1), then records (2) to (37) of each data set
// 1 to NPROB, with CR LF line ends. The counts must have passed the save checks
// (slab_save_checks.h); a count beyond its table throws TableIndexError.
#pragma once

#include <string>

namespace pave {

// The bytes of the slab data file for the data sets held now.
std::string SlabFileText();

// The records of one data set (2) to (37).
std::string SlabDataSetText(int set);

}  // namespace pave
