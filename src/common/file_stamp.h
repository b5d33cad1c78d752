// What a file on disk was when an editor read or wrote it, so that a later save can tell whether
// another program has changed it since: its bytes (their length and a hash of them) and, for a file
// that cannot be read, the file itself, its size and its time of change.
#pragma once

#include <cstdint>
#include <string>

namespace pave {

struct FileStamp {
  bool exists = false;
  bool readable = false;
  std::uint64_t device = 0, inode = 0;
  std::int64_t size = 0, seconds = 0, nanoseconds = 0;
  std::size_t hash = 0;   // of the bytes, when readable
};

// The file `path` names now, symbolic links followed.
FileStamp StampOf(const std::string& path);

// True when the file `now` holds something else than the file `before` did: a file that is gone
// has lost nothing to a save, a file that is there where none was has changed, and one whose bytes
// are the same (only touched, or written again as it was) has not.
bool ChangedSince(const FileStamp& before, const FileStamp& now);

}  // namespace pave
