#include "shell/directory_of.h"

namespace pave {

std::string DirectoryOf(std::string_view path) {
  std::size_t last = path.rfind('/');
  if (last == std::string_view::npos) return {};
  return std::string(path.substr(0, last + 1));
}

std::string BareName(std::string_view path) {
  std::size_t last = path.rfind('/');
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

}  // namespace pave
