// The system's number-to-text conversions: the general number format of the data files, reports and
// graph files, its Str form, and the format masks of the report fields (LnUp).
#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace pave {

// General number format: a leading blank (zero or positive) or "-", the shortest decimal digits that
// show the value (7 significant digits at most for single precision, 15 for double, integers whole),
// no leading zero before the point (".001"), exponent form for very large or very small magnitudes
// ("1.365E-09"), and one trailing blank.
// The plain form is used whenever it needs no more digits than the precision has (7 for single,
// 15 for double), counting the zeros between the point and the first significant digit, of which
// there may be six at most: so 9999999 and .0000001 are plain, 1E+07, 1E-08 and 1.5E-07 are not
// (single precision); in double precision 1E+15 and 1.365E-09 are not. The exponent
// form is the mantissa, "E", the exponent's sign and at least two exponent digits ("1E+07").
// Integers are always plain. Not-a-number and infinite values are written as "NaN", "Inf", "-Inf".
// Pass single-precision values as float: the float overloads show 7 digits (0.35f gives .35), while
// the same value widened to double shows its binary error (.349999994039536).
std::string GenNum(float v);
std::string GenNum(double v);
std::string GenNum(std::int16_t v);
std::string GenNum(int v);
std::string GenNum(long v);
template <std::integral T>
std::string GenNum(T v) { return GenNum(static_cast<long>(v)); }

// Str form: the general number format without the trailing blank (" 3", "-.5").
std::string Str(float v);
std::string Str(double v);
std::string Str(std::int16_t v);
std::string Str(int v);
std::string Str(long v);
template <std::integral T>
std::string Str(T v) { return Str(static_cast<long>(v)); }

// The Str form without the blank that stands for a positive sign ("3", "-.5"), as a message quotes
// a value.
std::string BareStr(float v);
std::string BareStr(double v);
std::string BareStr(long v);
template <std::integral T>
std::string BareStr(T v) { return BareStr(static_cast<long>(v)); }

// Formats v with a mask: "0" a digit always written, "#" a digit written only when significant,
// "." the decimal point, "E+00" / "E-00" scientific notation; e.g. "##0.000", "0.000E+00",
// ".00000E+00", "####.##", "##".
// - The value is first taken to its decimal digits (7 significant digits for single precision, 15 for
//   double), then rounded half away from zero to the decimals the mask has.
// - Integer digits: all of them are written, at least as many as the mask has "0"s before the point;
//   a value whose integer part is 0 writes no digit before the point under "#" ("###" writes nothing
//   for a value below 0.5, "##0.000" writes 0.500, "####.##" writes .5).
// - Decimals: as many as the mask has places after the point; trailing zeros are dropped down to the
//   last "0" place ("##0.00000#" keeps five or six, "0.###" none). The point is written whenever the
//   mask has one ("0.###" writes 2. for 2).
// - "E+" / "E-" followed by "0" / "#" places: scientific notation. The mantissa has as many integer
//   digits as the mask has places before the point; with none (".00000E+00") it is scaled below 1
//   (0.0123 gives .12300E-01, 0 gives .00000E+00). "E+" always writes the exponent's sign, "E-" only
//   a "-"; the exponent has at least as many digits as "0" places ("0.000E+00": 1.235E+04), at least
//   one with "#" places ("#.###E+##": 3.E+4).
// - A negative value gets a leading "-", unless it rounds to zero in the mask.
// - Not-a-number and infinite values are written as "NaN", "Inf" and "-Inf".
// - An empty mask gives the general number format without blanks around it.
std::string FormatMask(double v, std::string_view mask);
std::string FormatMask(float v, std::string_view mask);
template <std::integral T>
std::string FormatMask(T v, std::string_view mask) { return FormatMask(static_cast<double>(v), mask); }

// The report-field formatter: FormatMask(var, FM) trimmed, then right-aligned with blanks in front to
// fL characters. A blank always stays in front of the value, so that it never runs into the number
// before it, and columns keep their width and place: a value that would fill its field (or run
// past it) is written with fewer decimals of its mask, or, where even that leaves no blank, in the
// exponent form "0.000E+00" with as many decimals as leave one (three down to none). A
// whole-number mask keeps every digit: a value too wide for it is written whole behind one blank,
// never cut. A width of 0 or less writes the formatted value alone.
std::string LnUp(double var, int fL, std::string_view FM);
std::string LnUp(float var, int fL, std::string_view FM);
template <std::integral T>
std::string LnUp(T var, int fL, std::string_view FM) { return LnUp(static_cast<double>(var), fL, FM); }

// LnUp for a field that no number stands before: the first of its line, or one right behind a
// label ("(IC) ="). Its value may fill all fL columns (node 100 in a field of 3 reads "100",
// iteration 11 in a field of 2 "11"); past that the same rule holds, down to a whole number
// written whole without a blank in front.
std::string LnUpFirst(double var, int fL, std::string_view FM);
std::string LnUpFirst(float var, int fL, std::string_view FM);
template <std::integral T>
std::string LnUpFirst(T var, int fL, std::string_view FM) {
  return LnUpFirst(static_cast<double>(var), fL, FM);
}

}  // namespace pave
