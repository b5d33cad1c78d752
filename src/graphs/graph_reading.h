// Reading steps shared by the readers of the layer graph file and the slab graph file.
#pragma once

#include <cstdint>
#include <string>

#include "common/free_format_reader.h"
#include "common/value.h"

namespace pave::graphs {

// The title: the whole of its line, blanks around it removed.
std::string ReadTitleLine(FreeFormatReader& in);
// A value read as a number, rounded to a whole number (halves to even) for a 16-bit field.
// DataError when it is not a number or lies outside -32768..32767.
std::int16_t WholeInt16(const Value& v);
// The next number rounded to a whole number for a 32-bit field (a modulus written as 3.5E+07 too).
std::int32_t ReadWhole32(FreeFormatReader& in);
// A count or index checked against its table: DataError naming `what` outside low..high.
int Checked(long v, int low, int high, const char* what);

// Reads n single-precision values, handing each to store(i, value) for i = 1..n. An empty list
// (n of 0 or less) stands in the file as an empty line, which is passed over.
template <class Store>
void ReadList(FreeFormatReader& in, int n, Store&& store) {
  for (int i = 1; i <= n; ++i) store(i, in.ReadSingle());
  if (n <= 0) in.SkipEmptyLine();
}

}  // namespace pave::graphs
