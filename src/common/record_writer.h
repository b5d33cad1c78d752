// The records of the editors' data files: a record is one line of values followed by its
// identifier; lines end with CR LF. A value is printed as the data files print it (a number in the
// general number format with its blanks, a text as its characters, an empty value as nothing) and
// placed either plain (the next item follows at once) or spaced (one extra blank after it).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/value.h"

namespace pave {

class RecordWriter {
 public:
  void Plain(const Value& v);
  void Plain(float v);
  void Plain(double v);
  void Plain(std::int16_t v);
  void Spaced(const Value& v);
  void Spaced(float v);
  void Spaced(double v);
  void Spaced(std::int16_t v);

  // Ends the record with its identifier (" (3) MATL NDAMA NPY NLG") and the line end.
  void End(std::string_view identifier);
  // A line of its own without identifier (the title), ended by the line end.
  void Line(std::string_view text);

  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace pave
