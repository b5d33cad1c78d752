// Writes the report and graph files line by line: texts as they are, numbers in the general number
// format, moves to the next 14-column print zone or to a column, CR LF line ends.
#pragma once

#include <concepts>
#include <initializer_list>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pave {

// The line end of the data, report and graph files and of multi-line texts.
inline constexpr const char* kCrLf = "\r\n";

// A multi-line text (a help or description text): each line followed by CR LF.
std::string CrLfLines(std::initializer_list<const char*> lines);

class LineWriter {
 public:
  explicit LineWriter(std::ostream& out);

  LineWriter& Text(std::string_view s);
  // A number in the general number format: its leading blank, or its minus sign, then its digits
  // and one trailing blank. Where the line ends in a number's digits (a report field before it), a
  // negative number gets a blank in front of its sign, so that two numbers never run together.
  LineWriter& Num(float v);          // general number format, single precision
  LineWriter& Num(double v);         // general number format, double precision
  LineWriter& Num(std::int16_t v);
  LineWriter& Num(int v);
  LineWriter& Num(long v);
  template <std::integral T>
  LineWriter& Num(T v) { return Num(static_cast<long>(v)); }
  // Blanks up to the start of the next print zone (columns 1, 15, 29, ...): always at least one
  // blank, so a zone move at column 1 goes to column 15 and one at column 15 to column 29.
  LineWriter& Zone();
  // Blanks up to the 1-based column. Where the line is already past that column one blank is
  // written, so that items never run together and the line is never broken.
  LineWriter& Tab(int column);
  LineWriter& End();                 // CR LF
  int Column() const { return column_; }  // 1-based column of the next character

 private:
  LineWriter& Number(const std::string& text);

  std::ostream& out_;
  int column_ = 1;
  char last_ = '\n';   // the last character written
};

// A list of values on report lines, broken by a column count: the count starts at startCount (the
// length of the heading written before), each value adds its increment before it is written, and
// when the count then exceeds the limit a line end is written first and the count restarts at 0
// (the value opening the new line is not counted).
class ListWriter {
 public:
  // How a value's increment is measured from its Str form s.
  enum class Rule {
    PointCountsTwice,  // Len(s) + 2 when s has a decimal point, else Len(s) + 1 (layered reports)
    Width,             // Len(s) + 1, the width the value takes (slab reports)
  };

  ListWriter(LineWriter& w, int startCount, int limit = 78, Rule rule = Rule::PointCountsTwice);

  void Add(float v);
  void Add(double v);
  void Add(std::int16_t v);
  void Add(int v);
  template <std::integral T>
  void Add(T v) { Add(static_cast<int>(v)); }
  // Adds increment to the count and writes a line end when it exceeds the limit, without writing
  // a value (for entries of several numbers; the caller writes them).
  void Advance(int increment);
  void End() { w_.End(); }  // the line end after the last value
  int Count() const { return count_; }
  int Increment(const std::string& str) const;

 private:
  LineWriter& w_;
  int count_;
  int limit_;
  Rule rule_;
};

// The list layout of the layered report: heading, then the values each in the general number
// format, broken by a ListWriter (limit 78, a value with a decimal point counting one more than its
// Str form is wide); a line end follows the last value (also when there is none).
void WriteList(LineWriter& w, std::string_view heading, const std::vector<float>& values, int startCount);
void WriteList(LineWriter& w, std::string_view heading, std::span<const float> values, int startCount);
// The same for 16-bit integers (interface conditions).
void WriteIntegerList(LineWriter& w, std::string_view heading, std::span<const std::int16_t> values,
                      int startCount);

}  // namespace pave
