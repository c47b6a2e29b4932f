#pragma once

#include <optional>

#include "core/eingabe.h"

namespace lumora {

// The state of humid air at a point of the chart, read back through the inverse of the
// chart's own mapping at the chart's total pressure.
struct Ablesung {
    enum class Gebiet {
        ungesaettigt,     // between the left edge and the saturation line
        Nebel,            // beyond the saturation line: saturated air carrying water
        ueberSiedepunkt,  // at or above the boiling temperature: no saturation exists
    };
    Gebiet gebiet = Gebiet::ungesaettigt;
    double theta = 0;          // temperature [°C]; in the fog region that of the fog isotherm
    double x = 0;              // water content [kg/kg]
    double h = 0;              // specific enthalpy [kJ/kg]
    double phi = 0;            // relative humidity [%], unsaturated only
    double pD = 0;             // partial pressure of the vapour [bar]
    double tau = 0;            // dew point [°C]
    double xS = 0;             // saturation content at theta [kg/kg], fog region only
    bool mitTaupunkt = false;  // pD > 0, so a dew point exists
    bool reifpunkt = false;    // tau is a frost point, over ice (winter chart)
    double eis = 0;            // ice in ice fog or mixed fog [kg/kg] (winter chart)
};

// Reads the state at the canvas point (X, Y) of the chart drawn for e, a press that the
// refusal check accepted: x and h through the inverse of the chart's mapping (XAusKoord,
// HAusKoord), the state from them as the state functions compute it (ZustandAusHX), fog
// region included. None where no state exists there (colder than the states go).
std::optional<Ablesung> Ablesen(const Eingabe& e, double X, double Y);

}  // namespace lumora
