// Fuzz targets: each takes one input (the bytes of a file a user could hand the package), runs the
// reader on it as the program does, and aborts when the run is not sound (an exit the program does
// not know, a printed NaN or Inf, a write past what was read). The sanitizers catch the rest.
// libFuzzer drives them from fuzz/<name>_fuzzer; the tests run them over the regression fixtures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/analysis_host.h"

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
// The first line of a text that holds a printed NaN or Inf; empty when there is none. A word the
// input itself holds in its own place is the user's text, not a number: on a line that echoes a
// title (the title under the heading of the report or the progress text, or alone as in a graph
// file, just as the title record holds it from its line's start to its end), or inside the item a
// message quotes. The same letters anywhere else in the input make no echo.
std::string UnechoedNonFinite(const std::string& text, const std::string& input);
// Aborts, naming what was found, when UnechoedNonFinite finds a line.
void CheckFinite(const std::string& where, const std::string& text, const std::string& input = {});

// Whether the detail of a data-error message says where the fault lies: a line of the data file
// ("line 12"), the data file itself (`dataFile`, as the run named it), the item in the programs' stop
// form ("... WHICH SHOULD ..., SO COMPUTATION STOPS.", "... IS GREATER THAN THE LIMIT ...") or the
// work array a problem outgrows.
bool NamesAPlace(const std::string& detail, const std::string& dataFile);
// The first message that is "File not found or data error" with no detail, or with a detail that names
// no place, described; empty when there is none.
std::string UnplacedDataError(const std::vector<std::string>& messages, const std::string& dataFile);

// The largest size a response (stress, deflection, strain, force, moment) of a pavement inside the
// value ranges reaches, in either unit system, with room to spare. The extreme is plate bending: a
// nodal load of 1E+9 on a slab of the least thickness, 0.001, gives about 3 P / h^2 = 3E+15 (psi),
// and in SI units (kN on cm, stresses in kPa) 3E+19; plate and edge factors stay within ten times
// that. A pressure of 1E+4 on the widest loaded area spreads over the foundation and stays far
// below. Deflections stay below a load over the stiffness of the softest support on the smallest
// element, strains below the stress over the least modulus (1). Moduli (up to 1E+10, or 6.9E+10 kPa)
// and creep times (1E+8 s) lie far below. Beyond this, a number is not a result but a fault of
// the arithmetic.
inline constexpr double kPhysicalBound = 1e25;
// The line of `text` (a report or a graph file) with a number beyond kPhysicalBound that the input
// does not hold (an echo: a number the input holds, or a line that is a title's echo as for
// UnechoedNonFinite) and that is no count of load repetitions (allowable repetitions, damage
// ratios, cracking indices, design lives: they follow damage coefficients that no range bounds);
// empty when there is none. The counts are known by the words of their lines in the report, which
// the graph file's bare numbers are matched against.
std::string UnphysicalNumber(const std::string& text, const std::string& input, const std::string& report);

// Aborts when a run of an analysis program ended other than normally without saying why, or said it
// with a data error that names no place (UnplacedDataError).
void CheckAnalysisRun(RunEnd end, const std::vector<std::string>& messages, const std::string& dataFile);
// Aborts, naming the line, when UnphysicalNumber finds one.
void CheckPhysical(const std::string& where, const std::string& text, const std::string& input,
                   const std::string& report);
// Aborts with the reason.
[[noreturn]] void Fault(const std::string& what);

}  // namespace pave::fuzz
