#include "shell/stand_in_rules.h"

#include "common/text_compare.h"

namespace pave {

std::string EditorDataFileName(const std::string& data_file) {
  return EndsWithDat(data_file) ? data_file : data_file + ".DAT";
}

std::string GraphFileName(const std::string& data_file, const std::string& extension) {
  std::size_t n = data_file.size();
  if (n >= 4) {
    std::string end = data_file.substr(n - 4);
    if (end == ".DAT" || end == ".dat") return data_file.substr(0, n - 4) + extension;
  }
  return data_file + extension;
}

}  // namespace pave
