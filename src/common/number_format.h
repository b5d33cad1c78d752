// The system's number-to-text conversions: the general number format of the data files, reports and
// graph files, its Str form, and the format masks of the report fields (LnUp).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pave {

// General number format: a leading blank (zero or positive) or "-", the shortest decimal digits that
// show the value (7 significant digits at most for single precision, 15 for double, integers whole),
// no leading zero before the point (".001"), exponent form for very large or very small magnitudes
// ("1.365E-09"), and one trailing blank.
std::string GenNum(float v);
std::string GenNum(double v);
std::string GenNum(std::int16_t v);
std::string GenNum(int v);
std::string GenNum(long v);

// Str form: the general number format without the trailing blank (" 3", "-.5").
std::string Str(float v);
std::string Str(double v);
std::string Str(std::int16_t v);
std::string Str(int v);
std::string Str(long v);

// Formats v with a mask: "0" a digit always written, "#" a digit written only when significant,
// "." the decimal point, "E+00" / "E-00" scientific notation; e.g. "##0.000", "0.000E+00",
// ".00000E+00", "####.##", "##". A negative value gets a leading "-".
std::string FormatMask(double v, std::string_view mask);

// The report-field formatter: FormatMask(var, FM) trimmed, then right-aligned with blanks in front to
// fL characters; a longer result is returned whole, never cut.
std::string LnUp(double var, int fL, std::string_view FM);

}  // namespace pave
