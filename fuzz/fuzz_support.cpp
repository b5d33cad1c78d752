#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "fuzz_targets.h"
#include "support/non_finite_word.h"

namespace pave::fuzz {

namespace fs = std::filesystem;

std::string ScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
  static const fs::path dir = [] {
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path d = base / ("pave_fuzz_" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
  }();
  const fs::path file = dir / name;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return file.string();
}

void CheckFinite(const std::string& where, const std::string& text, const std::string& raw_input) {
  // Line by line: a line whose word the input holds with the same neighbours is an echo. A message
  // quotes an item of the input with its control characters shown as "?", so the input is compared
  // as a message shows it.
  std::string shown = raw_input;
  for (char& c : shown) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 && c != '\n' && c != '\r') c = '?';
    if (u == 0x7F) c = '?';
  }
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    const std::string found = pave::testing::NonFiniteWord(line);
    if (!found.empty()) {
      std::string trimmed = found;
      while (!trimmed.empty() && (trimmed.back() == '\r' || trimmed.back() == ' ')) trimmed.pop_back();
      std::size_t first = trimmed.find_first_not_of(' ');
      trimmed = first == std::string::npos ? "" : trimmed.substr(first);
      // An echo of the input: the word as the input has it with up to three characters on one side.
      bool echoed = false;
      for (std::size_t at = 0; !echoed && at + 3 <= trimmed.size(); ++at) {
        std::string w = trimmed.substr(at, 3);
        for (char& c : w) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        if (w != "nan" && w != "inf") continue;
        const std::size_t left = at >= 3 ? at - 3 : 0;
        for (const std::string* input : {&raw_input, static_cast<const std::string*>(&shown)}) {
          echoed = echoed || input->find(trimmed.substr(left, at + 3 - left)) != std::string::npos ||
                   input->find(trimmed.substr(at, std::min<std::size_t>(6, trimmed.size() - at))) != std::string::npos;
        }
      }
      if (!echoed) Fault("a NaN or Inf in " + where + ": " + found);
    }
    start = end + 1;
  }
}

void Fault(const std::string& what) {
  std::fprintf(stderr, "unsound run: %s\n", what.c_str());
  std::abort();
}

const std::vector<NamedTarget>& Targets() {
  static const std::vector<NamedTarget> targets = {
      {"free_format", FreeFormat}, {"text_editor_open", TextEditorOpen},
      {"morvelin", Morvelin},      {"bruntola", Bruntola},
      {"large", Large},            {"layered_file_old", LayeredFileOld},
      {"layer_graph", LayerGraph}, {"slab_graph", SlabGraph},
      {"slab_file_old", SlabFileOld},
  };
  return targets;
}

}  // namespace pave::fuzz
