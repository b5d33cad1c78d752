// The free-format reader under every kind of read, chosen by the input's own bytes: whatever the
// bytes, a read gives an item or a DataError and the reader moves on or stops.
#include "common/free_format_reader.h"
#include "fuzz_targets.h"

namespace pave::fuzz {

int FreeFormat(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the order of the kinds of read; the rest is the file.
  const unsigned plan = data[0];
  FreeFormatReader reader(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
  for (int step = 0; step < 4096 && !reader.Eof(); ++step) {
    try {
      switch ((plan >> (2 * (step % 4))) & 3u) {
        case 0: (void)reader.ReadNumber(); break;
        case 1: (void)reader.ReadInt16(); break;
        case 2: (void)reader.ReadValue(); break;
        default: (void)(step % 2 ? reader.ReadText() : reader.ReadLine()); break;
      }
      (void)reader.Line();
    } catch (const DataError&) {
      if (!reader.AtEnd() && step % 3 == 0) continue;   // a bad item: a reader may go on past it
      break;
    }
  }
  return 0;
}

}  // namespace pave::fuzz
