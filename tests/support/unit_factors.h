// The factors that turn the English units of the data files and reports into their SI units, from
// the definitions of the inch and the pound-force; the tests that compare an SI data set with its
// English twin share them.
#pragma once

namespace pave::testing {

inline constexpr double kInToCm = 2.54;                       // in. -> cm
inline constexpr double kLbToKN = 0.0044482216152605;         // lb -> kN
inline constexpr double kPsiToKPa = 6.894757293168361;        // psi -> kPa
inline constexpr double kPsiToKNPerCm2 = kLbToKN / (kInToCm * kInToCm);  // psi -> kN/cm^2
inline constexpr double kInLbToCmKN = kLbToKN * kInToCm;      // in.-lb -> cm-kN
// pcf -> kN/m^3 and pci -> MN/m^3 (a cubic foot is 0.3048^3 m^3, a cubic inch 0.0254^3 m^3)
inline constexpr double kPcfToKNPerM3 = kLbToKN / (0.3048 * 0.3048 * 0.3048);
inline constexpr double kPciToMNPerM3 = kLbToKN / 1000 / (0.0254 * 0.0254 * 0.0254);
// A temperature difference of 1 F is 1/1.8 C; a temperature T F is (T - 32) / 1.8 C.
inline constexpr double kFahrenheitDegreeToCelsius = 1 / 1.8;

}  // namespace pave::testing
