#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chart/zeichenflaeche.h"
#include "core/eingabe.h"

namespace lumora {

// The five groups of chart labels. txt_PhPa is a single label, addressed with index 0.
enum class Gruppe { txt_Temp, txt_X, txt_rFo, txt_rF, txt_PhPa };

enum class Ausrichtung { links, mitte, rechts };

// How a group of labels looks and where it starts. Sizes and positions in form units.
struct Gruppenlayout {
    Gruppe gruppe;
    const char* name;
    int anzahl;
    int breite;
    int hoehe;
    double punkt;  // font size of Arial bold [pt]
    Farbe farbe;
    Ausrichtung ausrichtung;
};

// clang-format off
inline constexpr std::array<Gruppenlayout, 5> kGruppen{{
    {Gruppe::txt_Temp, "txt_Temp", 43,  525, 225,  9, {192, 0, 0},   Ausrichtung::rechts},
    {Gruppe::txt_X,    "txt_X",    14, 1035, 300,  9, {0, 128, 0},   Ausrichtung::mitte},
    {Gruppe::txt_rFo,  "txt_rFo",   9,  525, 225,  9, {0, 0, 255},   Ausrichtung::mitte},
    {Gruppe::txt_rF,   "txt_rF",    9,  555, 225,  9, {0, 0, 192},   Ausrichtung::links},
    {Gruppe::txt_PhPa, "txt_PhPa",  1, 3105, 255, 12, {0, 0, 0},     Ausrichtung::links},
}};
// clang-format on

inline constexpr int kAlleEtiketten = 43 + 14 + 9 + 9 + 1;

// Form units per area unit, the fixed scale of pic_gesamt in which labels are placed.
inline constexpr double kFormProFlaecheX = 1.1465904;
inline constexpr double kFormProFlaecheY = 1.2794118;

inline const Gruppenlayout& Layout(Gruppe g) { return kGruppen[static_cast<int>(g)]; }

// Text a label shows when the chart window is created.
std::string Starttext(Gruppe g, int index);
// Left and Top of a label when the chart window is created, in area units. The run
// only ever sets the other coordinate of each group.
double StartLinks(Gruppe g, int index);
double StartOben(Gruppe g, int index);

// The chart's text labels as the chart run sees them. Positions are in area units.
class Beschriftung {
  public:
    virtual ~Beschriftung() = default;
    virtual void setVisible(Gruppe g, int index, bool sichtbar) = 0;
    virtual void setText(Gruppe g, int index, const std::string& text) = 0;
    virtual void setLeft(Gruppe g, int index, float left) = 0;
    virtual void setTop(Gruppe g, int index, float top) = 0;
};

inline constexpr int kKurven = 13;  // curve 0 is the saturation line, 1..12 the phi curves

// Label k of txt_rF / txt_rFo names curve kKurveZuEtikett[k]; 30, 50, 70, 90 % have none.
inline constexpr std::array<int, 9> kKurveZuEtikett{0, 11, 9, 7, 5, 4, 3, 2, 1};

// Whether curve i carries a label, by kKurveZuEtikett.
constexpr bool HatEtikett(int i) {
    for (int kurve : kKurveZuEtikett) {
        if (kurve == i) return true;
    }
    return false;
}

// Where each relative-humidity curve left the chart, written while the curves are drawn.
// The points stay from run to run; the markers and letztFrisch are reset by every run.
struct Randaufzeichnung {
    std::array<int, kKurven> ausRechts{};            // 1 once the curve passed the right edge
    std::array<int, kKurven> ausOben{};              // 1 once it passed the top edge first
    std::array<double, kKurven> xLetzt{}, hLetzt{};  // last point inside
    std::array<double, kKurven> xAusRechts{}, hAusRechts{};  // first point beyond x = Xmax
    std::array<double, kKurven> xAusOben{}, hAusOben{};      // first point above Y = 0
    std::array<bool, kKurven> letztFrisch{};                 // xLetzt, hLetzt written by this run
};

// How many labels each scale places for the step schritt: n = 0, 1, ... up to the first n
// at which the scale ends; nothing when its group holds too few labels for that. The
// temperature scale ends once n * schritt reaches Thetamax, the water-content scale once
// the next value (n + 1) * schritt reaches 1.01 Xmax. The run and the refusal check both
// ask these, so they cannot disagree.
std::optional<int> Temperaturetiketten(double Thetamax, double schritt);
std::optional<int> Wassergehaltsetiketten(double Xmax, double schritt);

// How many temperatures -k schritt, k = 1, 2, ..., of a grid lie at or above thetaUnten [°C]
// on a winter chart: the isotherms, enthalpy lines and labels below 0 °C. 0 for
// thetaUnten = 0 and for a step that is not positive.
double Kaelteschritte(double thetaUnten, double schritt);

// Places the temperature labels along the left edge, 0, DeltaThetagross, ... °C, and on a
// winter chart after them -DeltaThetagross, -2 DeltaThetagross, ... down to ThetaUnten.
void Temperaturskala(const Eingabe& e, Beschriftung& b);

// Places the water-content labels along the bottom edge, 0, DeltaXgross, ... kg/kg, with
// the given decimal separator.
void Wassergehaltsskala(const Eingabe& e, std::string_view dezimaltrenner, Beschriftung& b);

// The enthalpy [kJ/kg] at which the segment from the last point inside (xIn, hIn) to the
// first point beyond the right edge (xAus, hAus) meets x = Xmax; nothing for a zero
// denominator or a result that is not finite.
std::optional<double> RechtsKreuzung(const Eingabe& e, double xIn, double hIn, double xAus,
                                     double hAus);

// The water content [kg/kg] at which the segment from a point above the top edge
// (xAus, hAus) to the last point inside (xIn, hIn) meets canvas Y = 0; nothing for a zero
// denominator or a result that is not finite.
std::optional<double> ObenKreuzung(const Eingabe& e, double xAus, double hAus, double xIn,
                                   double hIn);

// Places the relative-humidity labels on the edge where each labelled curve leaves the
// chart, and the total-pressure caption. Writes the crossings of all 13 curves.
void Feuchtebeschriften(const Eingabe& e, const Randaufzeichnung& r, Beschriftung& b,
                        std::array<double, kKurven>& hRechts, std::array<double, kKurven>& xOben);

}  // namespace lumora
