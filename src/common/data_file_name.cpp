#include "common/data_file_name.h"

#include <filesystem>

#include "common/text_compare.h"

namespace pave {

namespace fs = std::filesystem;

std::string BaseName(const std::string& argument) {
  const std::size_t n = argument.size();
  if (n >= 4 && (argument.compare(n - 4, 4, ".DAT") == 0 || argument.compare(n - 4, 4, ".dat") == 0))
    return argument.substr(0, n - 4);
  return argument;
}

std::string DataFileOf(const std::string& base) {
  if (base.empty()) return std::string();
  const std::string exact = base + ".DAT";
  std::error_code ec;
  if (fs::is_regular_file(exact, ec)) return exact;
  const fs::path b(base);
  const fs::path dir = b.has_parent_path() ? b.parent_path() : fs::path(".");
  const std::string want = b.filename().string() + ".DAT";
  std::string found;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code kind;
    if (!EqualsIgnoringCase(name, want) || !it->is_regular_file(kind)) continue;
    if (found.empty() || name < found) found = name;
  }
  if (found.empty()) return exact;
  return b.has_parent_path() ? (dir / found).string() : found;
}

}  // namespace pave
