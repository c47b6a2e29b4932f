#pragma once

namespace lumora {

// Material constants, set at the start of every chart run.
struct Stoffwerte {
    double cpL = 1.005;  // specific heat capacity of dry air [kJ/(kg K)]
    double cpD = 1.86;   // specific heat capacity of water vapour [kJ/(kg K)]
    double cW = 4.1868;  // specific heat capacity of liquid water [kJ/(kg K)]
    double r0 = 2500;    // enthalpy of evaporation at 0 °C [kJ/kg]
};

// Specific enthalpy of humid air at theta [°C] with water content x [kg/kg]; kJ per kg dry air.
// The one formula used by the isotherms and the humidity curves alike.
double Enthalpie(const Stoffwerte& s, double theta, double x);

// The working record of the state functions. A caller sets the input fields, calls a
// function and reads its output fields; the functions take no arguments of their own.
struct Zustand {
    double theta = 0;  // temperature [°C]
    double pS = 0;     // saturation pressure [bar]; target pressure on entry to Siedetemperatur
    double pD = 0;     // partial pressure of the vapour [bar]
    double x = 0;      // water content [kg/kg]
    double h = 0;      // specific enthalpy [kJ/kg]
    double thetaSiede = 0;  // boiling temperature at the total pressure [°C]
    double pSoll = 0;       // target pressure of the bisection [bar]
    double thetaOben = 0;   // upper bound of the bisection [°C]
    double thetaUnten = 0;  // lower bound of the bisection [°C]
    double Pges = 0;        // total pressure that Wassergehalt works at [hPa]

    // Saturation pressure of water at theta (Magnus form): reads theta, writes pS [bar].
    // Meant for -20..500 °C; it has a pole at -234.175 °C.
    void Saettigungsdruck();

    // Temperature at which the saturation pressure meets pS within one per mille, by
    // bisection on -20..500 °C. Writes pSoll, thetaUnten, thetaOben, theta and pS.
    // Returns false, after a bounded number of halvings, when the target is not a
    // positive finite pressure or lies outside the interval's reach (about 1.25 hPa to
    // 688,000 hPa); the fields then hold the last midpoint.
    bool Siedetemperatur();

    // Water content of air whose vapour has the partial pressure pD [bar] at the total
    // pressure Pges [hPa]: reads pD and Pges, writes x [kg/kg]. The caller keeps pD below
    // Pges/1000; at pD = Pges/1000 the quotient has a zero denominator.
    void Wassergehalt();
};

}  // namespace lumora
