// Writing a file a user keeps: the bytes go to a temporary file beside it, which then replaces the
// file in one rename. A failure at any point leaves the old file as it was (or no file) and says why.
#pragma once

#include <string>

namespace pave {

// Writes `bytes` as the file `path`; false with the reason (the system's text) when it could not.
bool WriteFileSafely(const std::string& path, const std::string& bytes, std::string& reason);

}  // namespace pave
