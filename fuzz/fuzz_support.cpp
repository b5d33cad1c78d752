#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/analysis_host.h"
#include "fuzz_targets.h"
#include "support/non_finite_word.h"
#include "support/printed_numbers.h"

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

namespace {

// A line without the blanks and carriage return around it.
std::string Trimmed(const std::string& line) {
  const std::size_t first = line.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  std::size_t last = line.size();
  while (last > first && (line[last - 1] == '\r' || line[last - 1] == ' ')) --last;
  return line.substr(first, last - first);
}

// A line without the item a message quotes: the text between its first and last double quote is
// the input's own, and so is all after a lone quote (a title that begins with one, cut short).
std::string WithoutQuotedItem(const std::string& line) {
  const std::size_t first = line.find('"'), last = line.rfind('"');
  if (first == std::string::npos) return line;
  if (last == first) return line.substr(0, first);
  return line.substr(0, first) + line.substr(last + 1);
}

// The headings under which the programs echo a data set's title: the report's "TITLE -" and the
// progress text's "TITLE:".
constexpr const char* kTitleHeadings[] = {"TITLE -", "TITLE:"};

// Whether `input` holds `text` as its title record holds a title: from the first character of a
// line (after a line feed or a carriage return, as the programs read lines) that is not a blank, to
// where nothing but blanks is left before a line end, a comma or a Ctrl-Z (which end a title) or the
// end of the input.
bool HoldsAsATitle(const std::string& input, const std::string& text) {
  if (text.empty()) return false;
  for (std::size_t at = input.find(text); at != std::string::npos; at = input.find(text, at + 1)) {
    const std::size_t before = at == 0 ? std::string::npos : input.find_last_of("\r\n", at - 1);
    if (input.find_first_not_of(" \t", before == std::string::npos ? 0 : before + 1) != at) continue;
    const std::size_t next = input.find_first_not_of(" \t", at + text.size());
    if (next == std::string::npos || std::string("\r\n,\x1a").find(input[next]) != std::string::npos) return true;
  }
  return false;
}

// Whether an output line echoes a title of the input in its own place: the line, after a title
// heading and the blanks that follow it, is a title as the input holds it (HoldsAsATitle); or it is
// the refusal of a title, which quotes it.
bool EchoesTheInput(const std::string& line, const std::string& input) {
  if (line.find("The TITLE in line") != std::string::npos) return true;
  std::string text = line;
  while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.pop_back();
  for (const char* heading : kTitleHeadings) {
    if (text.rfind(heading, 0) == 0) text = Trimmed(text.substr(std::string(heading).size()));
  }
  return HoldsAsATitle(input, text);
}

}  // namespace

std::string UnechoedNonFinite(const std::string& text, const std::string& raw_input) {
  // Line by line: a NaN or Inf is the input's own only on a line that echoes a title, or inside the
  // item a message quotes. A message shows the control characters of the input as "?", so the input
  // is compared as a message shows it too.
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
    start = end + 1;
    if (EchoesTheInput(line, raw_input) || EchoesTheInput(line, shown)) continue;
    if (std::string found = pave::testing::NonFiniteWord(WithoutQuotedItem(line)); !found.empty()) return found;
  }
  return {};
}

void CheckFinite(const std::string& where, const std::string& text, const std::string& input) {
  if (const std::string found = UnechoedNonFinite(text, input); !found.empty()) {
    Fault("a NaN or Inf in " + where + ": " + found);
  }
}

bool NamesAPlace(const std::string& detail, const std::string& dataFile) {
  // A line of the data file: "line 12".
  for (std::size_t at = detail.find("line "); at != std::string::npos; at = detail.find("line ", at + 1)) {
    if (at + 5 < detail.size() && std::isdigit(static_cast<unsigned char>(detail[at + 5]))) return true;
  }
  // The data file as a whole ("/x/CASE.DAT does not exist").
  if (!dataFile.empty() && detail.find(dataFile) != std::string::npos) return true;
  // The item, in the programs' stop form.
  if (detail.find(", SO COMPUTATION STOPS.") != std::string::npos) return true;
  if (detail.find(" IS GREATER THAN THE LIMIT ") != std::string::npos) return true;
  // The limit a whole problem exceeds: the work array of the slab programs.
  return detail.find("more storage than the work array") != std::string::npos;
}

std::string UnplacedDataError(const std::vector<std::string>& messages, const std::string& dataFile) {
  const std::string sentence = kDataErrorText;
  for (const std::string& m : messages) {
    if (m.compare(0, sentence.size(), sentence) != 0) continue;
    std::string detail = m.substr(sentence.size());
    while (!detail.empty() && (detail.front() == '\n' || detail.front() == '\r' || detail.front() == ' ')) {
      detail.erase(0, 1);
    }
    if (detail.empty()) return "\"" + sentence + "\" without a detail";
    if (!NamesAPlace(detail, dataFile)) return "\"" + sentence + "\" without a place: " + detail;
  }
  return {};
}

namespace {

bool HeldBy(const std::vector<double>& values, double v) {
  const double a = std::fabs(v);
  for (double u : values) {
    if (std::fabs(std::fabs(u) - a) <= 1e-3 * a) return true;
  }
  return false;
}

std::vector<double> NumbersOf(const std::string& text) {
  std::vector<double> values;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    for (const pave::testing::Printed& p : pave::testing::PrintedNumbers(line)) values.push_back(p.value);
  }
  return values;
}

// A line that counts load applications or their ratios (allowable repetitions, damage ratios,
// cracking indices, design lives): its numbers follow damage coefficients that no range bounds.
bool CountsRepetitions(const std::string& line) {
  for (const char* word : {"REPETITION", "DAMAGE RAT", "CRACKING INDEX", "SUMCI", " CI IS", "DESIGN LIFE"}) {
    if (line.find(word) != std::string::npos) return true;
  }
  return false;
}

// The input with the exponent letter D of double precision ("1D+05") read as E, as the reader takes it.
std::string WithExponentE(std::string input) {
  for (std::size_t i = 1; i + 1 < input.size(); ++i) {
    const char c = input[i], before = input[i - 1], after = input[i + 1];
    if ((c == 'D' || c == 'd') && (std::isdigit(static_cast<unsigned char>(before)) || before == '.') &&
        (std::isdigit(static_cast<unsigned char>(after)) || after == '+' || after == '-')) {
      input[i] = 'E';
    }
  }
  return input;
}

// A stop that refuses a value names it, however far out of range it is.
bool RefusesAValue(const std::string& line) {
  return line.find("WHICH SHOULD") != std::string::npos || line.find("OUTSIDE THE RANGE") != std::string::npos;
}

}  // namespace

std::string UnphysicalNumber(const std::string& text, const std::string& input, const std::string& report) {
  const std::vector<double> held = NumbersOf(WithExponentE(input));
  // The layer graph file gives an unlimited design life as 1E+30, where the report says UNLIMITED.
  const bool unlimited = report.find("UNLIMITED") != std::string::npos;
  std::vector<double> counts;   // the numbers the report prints on lines of counts
  std::istringstream reportLines(report);
  std::string line;
  while (std::getline(reportLines, line)) {
    if (!CountsRepetitions(line)) continue;
    for (const pave::testing::Printed& p : pave::testing::PrintedNumbers(line)) counts.push_back(p.value);
  }
  std::istringstream lines(text);
  while (std::getline(lines, line)) {
    if (CountsRepetitions(line) || RefusesAValue(line) || EchoesTheInput(line, input)) continue;
    for (const pave::testing::Printed& p : pave::testing::PrintedNumbers(WithoutQuotedItem(line))) {
      if (!(std::fabs(p.value) > kPhysicalBound)) continue;
      if (HeldBy(held, p.value) || HeldBy(counts, p.value)) continue;
      if (unlimited && p.value == 1e30) continue;
      return Trimmed(line);
    }
  }
  return {};
}

void CheckAnalysisRun(RunEnd end, const std::vector<std::string>& messages, const std::string& dataFile) {
  if (end != RunEnd::Normal) {
    bool told = false;
    for (const std::string& m : messages) told = told || m != kExitText;
    if (!told) Fault("a run stopped without saying why");
  }
  if (const std::string unplaced = UnplacedDataError(messages, dataFile); !unplaced.empty()) Fault(unplaced);
}

void CheckPhysical(const std::string& where, const std::string& text, const std::string& input,
                   const std::string& report) {
  if (const std::string line = UnphysicalNumber(text, input, report); !line.empty()) {
    Fault("a number beyond any physical range in " + where + ": " + line);
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
