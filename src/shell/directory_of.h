// The directory part of a file path.
#pragma once

#include <string>
#include <string_view>

namespace pave {

// Everything up to and including the last "/" of path; "" when path has none.
std::string DirectoryOf(std::string_view path);
// The same, into the caller's text.
inline void DirectoryOf(std::string_view path, std::string& dir) { dir = DirectoryOf(path); }

// The file name of a path: what follows its last "/".
std::string BareName(std::string_view path);

}  // namespace pave
