// The Greek letters of the "Symbol" font: a figure label in that font writes sigma as "s" and phi
// as "f". No such font is installed here, so a label's caption is turned into the Greek letters
// it shows and drawn in a font that has them.
#pragma once

#include <string>
#include <string_view>

namespace pave {

inline constexpr std::string_view kSymbolFontFace = "Symbol";

// The caption as UTF-8 text: each Latin letter becomes the Greek letter at its place in the
// Symbol font ("s" sigma, "f" phi, "D" Delta, ...); every other character stays.
std::string SymbolFontText(std::string_view caption);

}  // namespace pave
