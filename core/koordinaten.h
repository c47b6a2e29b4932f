#pragma once

#include "core/eingabe.h"

namespace lumora {

// Canvas X (0..12000, left to right) of the water content x [kg/kg]; reads Xmax.
// Unclipped: a state right of the chart gives X > 12000.
double KoordX(const Eingabe& e, double x);

// Canvas Y (0..8000, top to bottom) of the state with water content x [kg/kg] and
// enthalpy h [kJ/kg], in the skewed Mollier form; reads Thetamax. Unclipped.
double KoordY(const Eingabe& e, double x, double h);

}  // namespace lumora
