// Writing a file a user keeps: the bytes go to a temporary file beside it, which then replaces the
// file in one rename. A failure at any point leaves the old file as it was (or no file) and says why.
// The temporary file's name fits wherever the file's own name fits.
//
// The file written is the file the path names: a symbolic link (a chain of them, relative or not) is
// followed, the file it points at gets the new bytes and keeps its owner and permissions, and the
// link stays a link; a link that points at nothing makes the file it names. A file with more than
// one name (hard links) stays one file under all of them: the bytes are written into it in place,
// only after all of them stand complete and flushed in the temporary file beside it.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace pave {

// Writes `bytes` as the file `path`; false with the reason (the system's text) when it could not.
// A path that WhyNotReplaceable refuses (a read-only file or folder among them) is not written.
// `untouched`, where given, tells after a failure whether the file stands as it was: it does not
// only when a file written in place could be neither finished nor put back (the reason then names
// the file that keeps the complete new text).
bool WriteFileSafely(const std::string& path, const std::string& bytes, std::string& reason,
                     bool* untouched = nullptr);

// Several files written together, all or none: every temporary file is written completely before the
// first rename, and when a rename fails the files renamed before it are put back as they were. So a
// failure leaves all of the old files as they were; `failed` names the file that could not be
// written. A file that could not be put back (a file system without hard links keeps no copy of the
// old file) stays replaced and is named in `replaced`; `failedUntouched` tells whether the file that
// failed stands as it was (see WriteFileSafely).
bool WriteFilesSafely(const std::vector<std::pair<std::string, std::string>>& files, std::string& failed,
                      std::string& reason, std::vector<std::string>* replaced = nullptr,
                      bool* failedUntouched = nullptr);

// Why `path` cannot be replaced, checked before anything is written: a directory in its place, a
// file or folder marked read-only (for every user, the super-user too), a folder that is missing or
// cannot be written, a loop of links. A link is judged by the file it points at. Empty when it can be.
std::string WhyNotReplaceable(const std::string& path);

}  // namespace pave
