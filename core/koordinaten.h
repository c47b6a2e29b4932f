#pragma once

#include "core/eingabe.h"

namespace lumora {

// The canvas of the chart: 0..12000 units across, 0..8000 units down.
inline constexpr double kLeinwandBreite = 12000;
inline constexpr double kLeinwandHoehe = 8000;
// The skew of the Mollier form: Y follows h - 2500 x. A fixed number of the mapping, not the
// material constant r0, although the two are equal.
inline constexpr double kSchraege = 2500;

// Canvas X (0..12000, left to right) of the water content x [kg/kg]; reads Xmax.
// Unclipped: a state right of the chart gives X > 12000.
double KoordX(const Eingabe& e, double x);

// Canvas Y (0..8000, top to bottom) of the state with water content x [kg/kg] and
// enthalpy h [kJ/kg], in the skewed Mollier form: the top edge is h - 2500 x = Thetamax, the
// bottom edge h - 2500 x = ThetaUnten. Unclipped.
double KoordY(const Eingabe& e, double x, double h);

// Water content [kg/kg] at canvas X: the inverse of KoordX.
double XAusKoord(const Eingabe& e, double X);

// Enthalpy [kJ/kg] at canvas Y for the water content x [kg/kg]: the inverse of KoordY.
double HAusKoord(const Eingabe& e, double x, double Y);

}  // namespace lumora
