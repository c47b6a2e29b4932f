#pragma once

namespace lumora {

// Units where the chart's values cross from one to another. The total pressure is typed in
// hPa, the state functions work in bar; water contents are kg/kg inside the code and g/kg at
// every interface (file, table, JSON, read-out). Each conversion is the one division or
// multiplication that was written out before, so every bit of every value stays.
inline constexpr double kHpaJeBar = 1000;
inline constexpr double kPaJeBar = 1e5;
inline constexpr double kGrammJeKilogramm = 1000;

// A pressure in hPa in bar, and back.
constexpr double InBar(double hPa) { return hPa / kHpaJeBar; }
constexpr double InHpa(double bar) { return bar * kHpaJeBar; }
// A pressure in bar in Pa.
constexpr double InPa(double bar) { return bar * kPaJeBar; }
// A water content in kg/kg in g/kg, and back.
constexpr double InGrammJeKg(double kgJeKg) { return kgJeKg * kGrammJeKilogramm; }
constexpr double InKgJeKg(double grammJeKg) { return grammJeKg / kGrammJeKilogramm; }

}  // namespace lumora
