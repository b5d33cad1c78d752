#include "graphs/graph_reading.h"

#include <cmath>

#include "common/number_format.h"

namespace pave::graphs {

std::string ReadTitleLine(FreeFormatReader& in) {
  std::string line = in.ReadLine();
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const std::size_t last = line.find_last_not_of(" \t");
  return line.substr(first, last - first + 1);
}

std::int16_t WholeInt16(const Value& v) {
  if (!v.IsNumber()) throw DataError("graph file: " + QuotedItem(v.Text()) + " is not a number");
  const double whole = std::nearbyint(v.Number());
  if (!(whole >= -32768.0 && whole <= 32767.0)) throw DataError("graph file: " + Str(v.Number()) + " is outside -32768..32767");
  return static_cast<std::int16_t>(whole);
}

std::int32_t ReadWhole32(FreeFormatReader& in) {
  const double whole = std::nearbyint(in.ReadNumber());
  if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) throw DataError("graph file: a whole number is out of range");
  return static_cast<std::int32_t>(whole);
}

int Checked(long v, int low, int high, const char* what) {
  if (v < low || v > high) {
    throw DataError(std::string("graph file: ") + what + " = " + std::to_string(v) + " outside " +
                    std::to_string(low) + ".." + std::to_string(high));
  }
  return static_cast<int>(v);
}

}  // namespace pave::graphs
