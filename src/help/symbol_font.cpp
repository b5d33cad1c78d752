#include "help/symbol_font.h"

#include <array>

namespace pave {

namespace {
// The Greek letter at the place of each Latin letter, a..z and A..Z.
constexpr std::array<std::string_view, 26> kLower = {
    "α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι", "ϕ", "κ", "λ", "μ",
    "ν", "ο", "π", "θ", "ρ", "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};
constexpr std::array<std::string_view, 26> kUpper = {
    "Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι", "ϑ", "Κ", "Λ", "Μ",
    "Ν", "Ο", "Π", "Θ", "Ρ", "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ"};
}  // namespace

std::string SymbolFontText(std::string_view caption) {
  std::string text;
  for (char c : caption) {
    if (c >= 'a' && c <= 'z') {
      text += kLower[static_cast<std::size_t>(c - 'a')];
    } else if (c >= 'A' && c <= 'Z') {
      text += kUpper[static_cast<std::size_t>(c - 'A')];
    } else {
      text += c;
    }
  }
  return text;
}

}  // namespace pave
