// Fuzz targets: each takes one input (the bytes of a file a user could hand the package), runs the
// reader on it as the program does, and aborts when the run is not sound (an exit the program does
// not know, a printed NaN or Inf, a write past what was read). The sanitizers catch the rest.
// libFuzzer drives them from fuzz/<name>_fuzzer; the tests run them over the regression fixtures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pave::fuzz {

using Target = int (*)(const std::uint8_t* data, std::size_t size);

struct NamedTarget {
  const char* name;   // also the folder of its corpus and its fixtures
  Target run;
};

int FreeFormat(const std::uint8_t* data, std::size_t size);
int TextEditorOpen(const std::uint8_t* data, std::size_t size);
int Morvelin(const std::uint8_t* data, std::size_t size);
int Bruntola(const std::uint8_t* data, std::size_t size);
int Large(const std::uint8_t* data, std::size_t size);
int LayeredFileOld(const std::uint8_t* data, std::size_t size);
int SlabFileOld(const std::uint8_t* data, std::size_t size);
int LayerGraph(const std::uint8_t* data, std::size_t size);
int SlabGraph(const std::uint8_t* data, std::size_t size);

// Every target, by name.
const std::vector<NamedTarget>& Targets();

// A fresh scratch file for one input (in memory-backed storage where there is some), with
// `data` written into it; the same path for every input of one process.
std::string ScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size);
// Aborts, naming what was found, when a text holds a printed NaN or Inf. A word that the input
// itself holds in the same place (a title echoed into the report) is the user's text, not a number.
void CheckFinite(const std::string& where, const std::string& text, const std::string& input = {});
// Aborts with the reason.
[[noreturn]] void Fault(const std::string& what);

}  // namespace pave::fuzz
