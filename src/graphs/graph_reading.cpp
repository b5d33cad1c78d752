#include "graphs/graph_reading.h"

#include <cmath>

#include "common/number_format.h"

namespace pave::graphs {

namespace {
// "line 12: " for a value of the line last read from.
std::string AtLastLine(const FreeFormatReader& in) { return "line " + std::to_string(in.LastLine()) + ": "; }
}  // namespace

std::string ReadTitleLine(FreeFormatReader& in) {
  std::string line = in.ReadLine();
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const std::size_t last = line.find_last_not_of(" \t");
  return line.substr(first, last - first + 1);
}

std::int16_t WholeInt16(const FreeFormatReader& in, const Value& v) {
  if (!v.IsNumber()) throw DataError(AtLastLine(in) + QuotedItem(v.Text()) + " is not a number");
  const double whole = std::nearbyint(v.Number());
  if (!(whole >= -32768.0 && whole <= 32767.0)) {
    throw DataError(AtLastLine(in) + QuotedItem(in.LastItem()) + " is outside -32768..32767");
  }
  return static_cast<std::int16_t>(whole);
}

std::int32_t ReadWhole32(FreeFormatReader& in) {
  const double whole = std::nearbyint(in.ReadNumber());
  if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) {
    throw DataError(AtLastLine(in) + QuotedItem(in.LastItem()) + " is outside -2147483648..2147483647");
  }
  return static_cast<std::int32_t>(whole);
}

int Checked(const FreeFormatReader& in, long v, int low, int high, const char* what) {
  if (v < low || v > high) {
    throw DataError(AtLastLine(in) + what + " = " + std::to_string(v) + " outside " + std::to_string(low) + ".." +
                    std::to_string(high));
  }
  return static_cast<int>(v);
}

std::int16_t ReadChecked(FreeFormatReader& in, int low, int high, const char* what) {
  const std::int16_t v = in.ReadInt16();
  Checked(in, v, low, high, what);
  return v;
}

}  // namespace pave::graphs
