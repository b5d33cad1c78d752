// Reading a slab data file back into the data sets (File Old). The reading follows the writer
// record by record, with the same conditions and loops evaluated on the values just read, and also
// takes the two older layouts: the old DOS layout (a short record (4) identifier; record (6)
// without NUNIT and the flags, NLG raft counts in place of (13) and (14), unit weights per cubic
// inch, forces alone in (16)) and the layout whose record (6) ends at NUNIT. The tables are not
// cleared first: what the file does not hold keeps its value; a reading that fails keeps what it
// read, and gSlabRecordsRead tells how far it got in each data set (38: all of it).
#pragma once

#include <array>
#include <functional>
#include <string>

#include "common/free_format_reader.h"

namespace pave {

enum class SlabLayout { Current, NoFlags, OldDos };

struct SlabFileRead {
  int sets = 0;                            // data sets read
  std::array<SlabLayout, 3> layouts{};     // layout of data sets 1 and 2
};

// Reads the data sets. Calls `nprob_read` once record (1) is read. Throws RecordReadError (shell/
// record_reader.h) when a value cannot be read, FileRejected with kWrongFileMessage when the file is
// no slab data file: its record (9) identifier is not where it belongs, or its reading fails
// before the first data set's slab records (a layered data file fails at its record (4)).
SlabFileRead ReadSlabFile(FreeFormatReader& in, const std::function<void()>& nprob_read = {});

// The same for a file's bytes, for callers that want the outcome as a value.
struct SlabReadResult {
  enum class Outcome { Read, WrongFile, Failed };
  Outcome outcome = Outcome::Failed;
  std::string reason;   // of a failed reading: where (data set, record) and why
  SlabFileRead read;
};
SlabReadResult ReadSlabData(const std::string& content);

}  // namespace pave
