#pragma once

#include <optional>
#include <string>

namespace lumora {

// The material constants of humid air, as the h,x chart has always used them: the one set
// that the chart run and every state, process and read-out compute with.
struct Stoffwerte {
    double cpL;  // specific heat capacity of dry air [kJ/(kg K)]
    double cpD;  // specific heat capacity of water vapour [kJ/(kg K)]
    double cW;   // specific heat capacity of liquid water [kJ/(kg K)]
    double r0;   // enthalpy of evaporation at 0 °C [kJ/kg]
};
inline constexpr Stoffwerte kStoffwerte{1.005, 1.86, 4.1868, 2500};
// Molar mass of water over that of dry air, 18.015 / 28.96 [-], in x = 0.622 pD / (P - pD).
inline constexpr double kMolmassen = 0.622;

// Magnus form of the saturation pressure over water: pS = C exp(A theta / (B + theta)), with
// the coefficients the h,x chart has always been drawn with (C is the saturation pressure of
// water at 0 °C, 6.1078 hPa).
inline constexpr double kMagnusA = 17.08085;            // [-]
inline constexpr double kMagnusB = 234.175;             // [°C]
inline constexpr double kMagnusC = 610.78;              // saturation pressure at 0 °C [Pa]
inline constexpr double kMagnusCbar = kMagnusC * 1e-5;  // the same in bar

// Magnus form of the saturation pressure over ice below 0 °C, pSE = C exp(A theta / (B +
// theta)); it meets the form over water at 0 °C (the coefficients of Sonntag, 1990).
inline constexpr double kEisA = 22.46;         // [-]
inline constexpr double kEisB = 272.62;        // [°C]
inline constexpr double kEisCbar = 0.0061078;  // saturation pressure at 0 °C [bar]
inline constexpr double kCE = 2.05;            // specific heat capacity of ice [kJ/(kg K)]
inline constexpr double kRE = 333.5;           // enthalpy of melting of ice at 0 °C [kJ/kg]

// Saturation pressure of water at theta [°C] by the Magnus form; bar.
// Meant for -100..500 °C; it has a pole at -234.175 °C.
double Saettigungsdruck(double theta);

// Saturation pressure of water vapour over ice at theta [°C], meant for -100..0 °C; bar.
double SaettigungsdruckEis(double theta);

// Frost point of vapour at the partial pressure pD [bar]: the form over ice solved for the
// temperature; °C. None for pD <= 0.
std::optional<double> Reifpunkt(double pD);

// The one bisection of the program: halves [unten, oben] at (unten + oben) / 2 at most
// `hoechstens` times. schritt(mitte) says on which side of the midpoint the sought point lies:
// Halbschritt::unten makes the midpoint the new lower bound, oben the new upper bound, and
// fertig ends the search there. It also ends when the bounds are neighbouring doubles.
enum class Halbschritt { unten, oben, fertig };
template <class Schritt>
void Halbiere(double& unten, double& oben, int hoechstens, Schritt schritt) {
    for (int i = 0; i < hoechstens; ++i) {
        const double mitte = (unten + oben) / 2;
        if (!(mitte > unten && mitte < oben)) return;
        const Halbschritt s = schritt(mitte);
        if (s == Halbschritt::fertig) return;
        (s == Halbschritt::oben ? oben : unten) = mitte;
    }
}

// The bisection for the temperature whose saturation pressure is pSoll [bar] searches this
// interval [°C] until the relative deviation is below kSiedeToleranz.
inline constexpr double kSiedeUnten = -20;
inline constexpr double kSiedeOben = 500;
inline constexpr double kSiedeToleranz = 0.001;

// The course of that bisection: its midpoints until the deviation is met.
struct Siedesuche {
    bool erreicht = false;  // false for a target that is not positive and finite, or out of reach
    double theta = 0;       // last midpoint [°C]; the result when erreicht
    double pS = 0;          // saturation pressure at theta [bar]
    double thetaUnten = 0;  // last lower bound [°C]
    double thetaOben = 0;   // last upper bound [°C]
};
Siedesuche SucheSiedetemperatur(double pSoll);

// Boiling temperature of water at the total pressure Pges [hPa], within one per mille of
// the pressure; °C. None outside the bisection's reach (Siedebereich).
std::optional<double> Siedetemperatur(double Pges);

// The total pressures [hPa] that the bisection can reach: from the saturation pressure at
// the interval's lower end less the tolerance to that at its upper end plus the tolerance
// (about 1.24 to 689,000 hPa).
struct Druckbereich {
    double unten;
    double oben;
};
Druckbereich Siedebereich();

// Water content of humid air whose vapour has the partial pressure pD [bar], at the total
// pressure Pges [hPa]; kg water per kg dry air. Needs pD < InBar(Pges).
double Wassergehalt(double pD, double Pges);

// Partial pressure of the vapour in humid air of water content x [kg/kg] at the total
// pressure Pges [hPa]; bar. The inverse of Wassergehalt.
double Partialdruck(double x, double Pges);

// Specific enthalpy of unsaturated humid air at theta [°C] with water content x [kg/kg];
// kJ per kg dry air (h = cpL theta + x (r0 + cpD theta)).
double Enthalpie(double theta, double x);

// Dew point of vapour at the partial pressure pD [bar]: the Magnus form solved for the
// temperature; °C. None for pD <= 0.
std::optional<double> Taupunkt(double pD);

// Saturated humid air at one temperature.
struct Saettigung {
    double pS;  // saturation pressure [bar]
    double x;   // saturation content [kg/kg]
    double h;   // enthalpy of the saturated air [kJ/kg]
};

// Saturation pressure at theta [°C]; bar. Over ice below 0 °C when ueberEis, else over
// (below 0 °C supercooled) water.
double Saettigungsdruck(double theta, bool ueberEis);

// Specific enthalpy of ice at t [°C] (at most 0 °C), per kg of it, counted from liquid water
// at 0 °C as the enthalpy of fog is; kJ/kg (cE t - rE).
double Eisenthalpie(double t);

// Saturated air at theta [°C] and the total pressure Pges [hPa], below the boiling
// temperature thetaSiede [°C]; over ice below 0 °C when ueberEis. None at or above it, and
// none where pS(theta) already reaches the total pressure (within the boiling point's
// tolerance just below it).
std::optional<Saettigung> Gesaettigt(double theta, double Pges, double thetaSiede,
                                     bool ueberEis = false);

// Total pressure of the standard atmosphere at the altitude H [m above sea level]; hPa
// (p = 1013.25 (1 - 0.0065 H / 288.15)^5.255, the barometric formula of the troposphere in
// the ICAO standard atmosphere: 1013.25 hPa and 288.15 K at sea level, a lapse rate of
// 0.0065 K/m). Meant for the troposphere, kHoeheUnten..kHoeheOben.
inline constexpr double kHoeheUnten = -500;  // [m]
inline constexpr double kHoeheOben = 11000;  // [m], where the troposphere ends
double NormdruckInHoehe(double H);

// Why an altitude H [m] is outside kHoeheUnten..kHoeheOben, in German with the range written
// out ("… zwischen −500 m und 11 000 m …"); none inside it.
std::optional<std::string> Hoehenbereichsfehler(double H);

// The working record of the chart run, whose order of evaluation the chart's exactness
// depends on. A caller sets the input fields, calls a function and reads its outputs.
struct Zustand {
    double theta = 0;       // temperature [°C]
    double pS = 0;          // saturation pressure [bar]; target pressure of Siedetemperatur
    double pD = 0;          // partial pressure of the vapour [bar]
    double x = 0;           // water content [kg/kg]
    double h = 0;           // specific enthalpy [kJ/kg]
    double thetaSiede = 0;  // boiling temperature at the total pressure [°C]
    double pSoll = 0;       // target pressure of the bisection [bar]
    double thetaOben = 0;   // upper bound of the bisection [°C]
    double thetaUnten = 0;  // lower bound of the bisection [°C]
    double Pges = 0;        // total pressure that Wassergehalt works at [hPa]

    // pS = Saettigungsdruck(theta).
    void Saettigungsdruck();
    // Bisection for the temperature whose saturation pressure is pS; writes pSoll,
    // thetaUnten, thetaOben, theta and pS. False when the target is out of reach.
    bool Siedetemperatur();
    // x = Wassergehalt(pD, Pges).
    void Wassergehalt();
};

}  // namespace lumora
