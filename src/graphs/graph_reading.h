// Reading steps shared by the readers of the layer graph file and the slab graph file. A value that
// does not fit where it goes throws DataError naming the line it stands in.
#pragma once

#include <cstdint>
#include <string>

#include "common/free_format_reader.h"
#include "common/value.h"

namespace pave::graphs {

// The title: the whole of its line, blanks around it removed.
std::string ReadTitleLine(FreeFormatReader& in);
// A value just read as a number, rounded to a whole number (halves to even) for a 16-bit field.
// DataError when it is not a number or lies outside -32768..32767.
std::int16_t WholeInt16(const FreeFormatReader& in, const Value& v);
// The next number rounded to a whole number for a 32-bit field (a node counted over all slabs).
std::int32_t ReadWhole32(FreeFormatReader& in);
// A count or index just read, checked against its table: DataError naming `what` outside low..high.
int Checked(const FreeFormatReader& in, long v, int low, int high, const char* what);
// The next number as a 16-bit count or index, checked against its table.
std::int16_t ReadChecked(FreeFormatReader& in, int low, int high, const char* what);

// Reads n single-precision values, handing each to store(i, value) for i = 1..n. An empty list
// (n of 0 or less) stands in the file as an empty line, which is passed over.
template <class Store>
void ReadList(FreeFormatReader& in, int n, Store&& store) {
  for (int i = 1; i <= n; ++i) store(i, in.ReadSingle());
  if (n <= 0) in.SkipEmptyLine();
}

}  // namespace pave::graphs
