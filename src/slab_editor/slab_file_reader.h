// Reading a slab data file back into the data sets (File Old). The reading follows the writer
// record by record, with the same conditions and loops evaluated on the values just read, and also
// takes the two older layouts: the old DOS layout (a short record (4) identifier; record (6)
// without NUNIT and the flags, NLG raft counts in place of (13) and (14), unit weights per cubic
// inch, forces alone in (16)) and the layout whose record (6) ends at NUNIT. The tables are not
// cleared first: what the file does not hold keeps its value; a reading that fails keeps what it
// read. gSlabRecordsRead tells how far the reading got in each data set (38: all of it).
#pragma once

#include <array>
#include <string>

#include "common/value.h"

namespace pave {

enum class SlabLayout { Current, NoFlags, OldDos };

struct SlabReadResult {
  enum class Outcome {
    Read,        // every data set was read
    NotOpened,   // the file could not be opened; `reason` says why; nothing was read
    WrongFile,   // not a slab data file: the record (9) check failed, or the reading failed in the
                 // first data set's records (1) to (4)
    Failed,      // a read error; `reason` says where and why
  };
  Outcome outcome = Outcome::Failed;
  std::string reason;
  bool nprob_read = false;                 // record (1) was read (into gSlabNPROB)
  int sets_read = 0;                       // data sets read whole
  std::array<SlabLayout, 3> layouts{};     // layout of data sets 1 and 2
};

// Reads the file's bytes into the data sets.
SlabReadResult ReadSlabData(const std::string& content);
// Reads the file of that path; a file that cannot be opened fails with the reason.
SlabReadResult ReadSlabFile(const std::string& path);

}  // namespace pave
