// Writes the report and graph files line by line: texts as they are, numbers in the general number
// format, moves to the next 14-column print zone or to a column, CR LF line ends.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace pave {

class LineWriter {
 public:
  explicit LineWriter(std::ostream& out);

  LineWriter& Text(std::string_view s);
  LineWriter& Num(float v);          // general number format, single precision
  LineWriter& Num(double v);         // general number format, double precision
  LineWriter& Num(std::int16_t v);
  LineWriter& Num(int v);
  LineWriter& Zone();                // blanks up to the next print zone (columns 1, 15, 29, ...)
  LineWriter& Tab(int column);       // blanks up to the 1-based column
  LineWriter& End();                 // CR LF
  int Column() const { return column_; }  // 1-based column of the next character

 private:
  std::ostream& out_;
  int column_ = 1;
};

// The list layout of the reports: heading, then the values each in the general number format; a
// count starting at startCount grows by Len(Str(v)) + 2 when Str(v) has a decimal point, else
// Len(Str(v)) + 1; when it passes 78 a line end is written first and the count restarts at 0. A line
// end follows the last value.
void WriteList(LineWriter& w, std::string_view heading, const std::vector<float>& values, int startCount);

}  // namespace pave
