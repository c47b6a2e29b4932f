#pragma once

#include <optional>
#include <string>
#include <utility>

#include "core/ergebnis.h"
#include "core/feuchte_luft.h"
#include "core/wertebereich.h"

namespace lumora {

// Gas constants of dry air and of water vapour [J/(kg K)], for the specific volume.
inline constexpr double kRLuft = 287.1;
inline constexpr double kRDampf = 461.5;
// The coldest state there is [°C]; colder states are impossible.
inline constexpr double kTiefsteTemperatur = -100;

// The ranges of the values that enter a state, the temperatures (ϑ, dew point, wet-bulb)
// included; x [kg/kg] is kNichtNegativ, or kPositiv with φ. Ranges against another value of
// the pair (a dew point at most ϑ) are checked where the pair is computed.
inline constexpr Wertebereich kTemperaturBereich{Grenze{kTiefsteTemperatur, true}, std::nullopt};
inline constexpr Wertebereich kPhiBereich{Grenze{0, true}, Grenze{100, true}};          // [%]
inline constexpr Wertebereich kPhiPositivBereich{Grenze{0, false}, Grenze{100, true}};  // [%]

// Bisection of [unten, oben] until the two bounds are neighbouring doubles; istOben(t) says
// whether t lies on the upper side of the sought point. Returns the last bracket.
template <class IstOben>
std::pair<double, double> Halbiere(double unten, double oben, IstOben istOben) {
    // Enough halvings to pass from any finite width down to one step between doubles.
    constexpr int kMaxHalbierungen = 2200;
    Halbiere(unten, oben, kMaxHalbierungen,
             [&](double t) { return istOben(t) ? Halbschritt::oben : Halbschritt::unten; });
    return {unten, oben};
}

// The total pressure a state is computed at, with the boiling temperature the chart's run
// finds for it. Below 0 °C saturation is always over ice: what a chart draws does not
// change the physics of a state.
struct Luftdruck {
    double Pges = 0;        // [hPa]
    double thetaSiede = 0;  // [°C]
    // Whether states computed in this context find their wet-bulb temperature, a search that
    // costs more than the rest of a state together; a year of a unit's hours does without.
    bool mitKuehlgrenze = true;
};

// The pressure context for Pges [hPa]; none where the boiling temperature is out of reach.
std::optional<Luftdruck> LuftdruckBei(double Pges);

// Saturation pressure [bar] of humid air at theta [°C]: over ice below 0 °C.
double SaettigungsdruckLuft(double theta);

// The temperature [°C] whose saturation pressure is pD [bar]: the dew point, or below
// 0.0061078 bar the frost point. None for pD <= 0.
std::optional<double> TaupunktOderReifpunkt(double pD);
// Whether TaupunktOderReifpunkt gives a frost point for pD [bar].
bool IstReifpunkt(double pD);

// A state of humid air with all its properties. Units inside the code: x and wasser in
// kg/kg, pD in bar, theta in °C, h in kJ/kg, phi in %.
struct Zustandswerte {
    double theta = 0;
    double x = 0;
    double h = 0;
    double pD = 0;
    std::optional<double> phi;          // none at or above the boiling temperature
    std::optional<double> taupunkt;     // none without vapour
    bool reifpunkt = false;             // taupunkt is a frost point, over ice
    std::optional<double> kuehlgrenze;  // wet-bulb temperature; none where no fog isotherm fits
    double rho = 0;                     // density [kg/m³]
    double v = 0;                       // specific volume per kg dry air [m³/kg]
    bool nebel = false;
    double wasser = 0;  // liquid water in fog [kg/kg]
    double eis = 0;     // ice in ice fog or mixed fog at 0 °C [kg/kg]; x - xS = wasser + eis
};

// Saturation content at theta [°C]; none at or above boiling or where pS reaches P.
std::optional<double> Saettigungsgehalt(const Luftdruck& d, double theta);

// The state at theta [°C] and x [kg/kg], fog included. Impossible below -100 °C, for
// x < 0 and for non-finite values.
Ergebnis<Zustandswerte> ZustandAusThetaX(const Luftdruck& d, double theta, double x);

// The state with enthalpy h [kJ/kg] and water content x [kg/kg], fog included.
Ergebnis<Zustandswerte> ZustandAusHX(const Luftdruck& d, double h, double x);

// Temperature [°C] of the isotherm of unsaturated air through enthalpy h [kJ/kg] and water
// content x [kg/kg]; the state's temperature unless (h, x) lies in the fog.
double UngesaettigteTemperatur(double h, double x);

// Relative humidity [%] of the state with enthalpy h [kJ/kg] and water content x [kg/kg]
// without its other properties: 100 in fog; none at or above boiling, below -100 °C and for
// non-finite values.
std::optional<double> RelativeFeuchte(const Luftdruck& d, double h, double x);

// Short German texts for messages: a temperature [°C], a water content given in kg/kg and
// written in g/kg, a relative humidity [%]: "12,5 °C", "11,9175 g/kg", "40 %".
std::string GradText(double theta);
std::string GrammText(double x);
std::string ProzentText(double phi);

// The six ways to enter a state.
enum class Paar { ThetaPhi, ThetaX, HX, ThetaTaupunkt, ThetaKuehlgrenze, XPhi };

// The state from a pair of values in the code's units (°C, %, kg/kg, kJ/kg), in the order
// the pair's name gives; or the German reason why the pair describes no state.
Ergebnis<Zustandswerte> ZustandAusPaar(const Luftdruck& d, Paar paar, double a, double b);

}  // namespace lumora
