// Reading a layered data file back into the data sets (File Old): record by record in the order,
// with the conditions and loops of the writer, the conditions evaluated on the values just read.
// Data sets of the old format (an identifier of record (3) shorter than 7 characters) are converted
// while they are read. Counts are checked to be whole numbers inside their index ranges before
// anything is indexed with them.
#pragma once

#include <functional>
#include <string>

#include "common/free_format_reader.h"
#include "shell/record_reader.h"

namespace pave {

inline constexpr const char* kOldFormatMessage =
    "When converting an old DOS data file to the new format , EMIN for granular material is no longer needed "
    "and is replaced by a default angle of internal friction (PHI) of 0 signifying that no tension is "
    "allowed.  If you don't want to use this default, be sure to change it before saving the file";

struct LayeredReadHooks {
  std::function<void()> old_format_nonlinear;   // shows kOldFormatMessage
  std::function<void(int nprob)> nprob_read;     // marks the data sets that exist
};

// Reads the whole file into the data sets. Throws RecordReadError when a record cannot be read
// (what was read before stays), FileRejected with kWrongFileMessage when the identifier of record
// (9) is not where it belongs, or with its own message when NPROB is not a whole number from 1 to 5.
void ReadLayeredFile(FreeFormatReader& in, const LayeredReadHooks& hooks);

}  // namespace pave
