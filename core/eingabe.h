#pragma once

namespace lumora {

// The seven values of one press of "Berechne Diagramm !", read from the dialog's fields, and
// the chart's lower temperature limit, set in the chart window.
struct Eingabe {
    double Thetamax = 0;         // upper temperature limit of the chart [°C]
    double DeltaThetagross = 0;  // step of the thick isotherms and of the enthalpy lines [K]
    double DeltaThetaklein = 0;  // step of the thin isotherms and the saturation line [K]
    double Xmax = 0;             // upper water-content limit [kg/kg]
    double DeltaXgross = 0;      // step of the thick water-content lines [kg/kg]
    double DeltaXklein = 0;      // step of the thin water-content lines [kg/kg]
    double Pges = 0;             // total pressure [hPa]
    // Lower temperature limit of the chart [°C], -50..0: how far below 0 °C the chart draws,
    // its lines there over ice.
    double ThetaUnten = 0;

    bool Winter() const { return ThetaUnten < 0; }

    bool operator==(const Eingabe&) const = default;
};

}  // namespace lumora
