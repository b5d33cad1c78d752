// The bytes of a file as a string, for tests and benchmarks that read what a run wrote or an example
// data file.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace pave::testing {

// The whole file, byte for byte; empty when it cannot be read.
inline std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The example data file examples/NAME.DAT of the source tree.
inline std::string ExampleText(const std::string& name) {
  return FileText(std::filesystem::path(PAVE_SOURCE_DIR) / "examples" / (name + ".DAT"));
}

}  // namespace pave::testing
