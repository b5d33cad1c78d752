// The "Symbol" font puts Greek letters in the places of the Latin ones ("s" shows sigma). Fonts
// installed here have the Greek letters at their own code points, so a text meant for that font is
// turned into them.
#pragma once

#include <string>
#include <string_view>

namespace pave {

inline constexpr std::string_view kSymbolFontName = "Symbol";

// The text with each Latin letter replaced by the Greek letter the symbol font shows for it (UTF-8);
// other characters stay.
std::string SymbolFontText(std::string_view text);

}  // namespace pave
