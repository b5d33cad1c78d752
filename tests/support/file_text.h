// The bytes of a file as a string, and the lines of a text, for tests and benchmarks that read what a
// run wrote or an example data file.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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

// The lines of a text without their line ends (CR LF or LF).
inline std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(line);
  }
  return out;
}

}  // namespace pave::testing
