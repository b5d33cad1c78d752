// The numeric value of a text, as the parameter forms take a box's text.
#pragma once

#include <optional>
#include <string_view>

namespace pave {

// The number at the start of the text, with the period as decimal point and an optional exponent;
// blanks are ignored; 0 when the text does not begin with a number ("12abc" -> 12, "abc" -> 0) or
// when the number lies beyond the range of a double ("1E999"; use ParseNumber to tell). "D" is
// taken as an exponent letter like "E".
double NumericValue(std::string_view text);

// The value of a text that is wholly a number (blanks around it allowed), else nothing.
// "1.365E-09", ".001", "-.5", "3" are numbers; "", "abc", "3x" are not.
std::optional<double> ParseNumber(std::string_view text);

}  // namespace pave
