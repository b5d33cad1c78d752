#include "platform/symbol_font.h"

namespace pave {

namespace {
// Greek letters in the places of A..Z and a..z (the final sigma at V, the script theta at J,
// the script phi at j and the script pi at v).
constexpr char32_t kUpper[26] = {0x391, 0x392, 0x3A7, 0x394, 0x395, 0x3A6, 0x393, 0x397, 0x399,
                                 0x3D1, 0x39A, 0x39B, 0x39C, 0x39D, 0x39F, 0x3A0, 0x398, 0x3A1,
                                 0x3A3, 0x3A4, 0x3A5, 0x3C2, 0x3A9, 0x39E, 0x3A8, 0x396};
constexpr char32_t kLower[26] = {0x3B1, 0x3B2, 0x3C7, 0x3B4, 0x3B5, 0x3C6, 0x3B3, 0x3B7, 0x3B9,
                                 0x3D5, 0x3BA, 0x3BB, 0x3BC, 0x3BD, 0x3BF, 0x3C0, 0x3B8, 0x3C1,
                                 0x3C3, 0x3C4, 0x3C5, 0x3D6, 0x3C9, 0x3BE, 0x3C8, 0x3B6};

void AppendUtf8(std::string& out, char32_t c) {   // all Greek letters take two bytes
  out += static_cast<char>(0xC0 | (c >> 6));
  out += static_cast<char>(0x80 | (c & 0x3F));
}
}  // namespace

std::string SymbolFontText(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c >= 'A' && c <= 'Z') {
      AppendUtf8(out, kUpper[c - 'A']);
    } else if (c >= 'a' && c <= 'z') {
      AppendUtf8(out, kLower[c - 'a']);
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace pave
