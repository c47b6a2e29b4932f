#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chart/beschriftung.h"
#include "chart/zeichenflaeche.h"
#include "core/eingabe.h"
#include "core/feuchte_luft.h"

namespace lumora {

inline constexpr int kKurven = 13;  // curve 0 is the saturation line, 1..12 the phi curves

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

// The chart run: everything a press of "Berechne Diagramm !" computes and draws. One
// instance lives as long as the program; its records carry over from run to run.
class Diagrammlauf {
  public:
    // Draws the chart for values that Pruefen accepted. The water-content labels use the
    // given decimal separator.
    void Lauf(const Eingabe& eingabe, Zeichenflaeche& flaeche, Beschriftung& beschriftung,
              std::string_view dezimaltrenner);

    const Zustand& zustand() const { return z_; }
    const Randaufzeichnung& rand() const { return rand_; }
    const std::array<double, kKurven>& hRechts() const { return hRechts_; }
    const std::array<double, kKurven>& xOben() const { return xOben_; }

  private:
    bool Vorbereiten();
    void Feuchtegitter();
    void Enthalpielinien();
    void Isothermen();
    void Isotherme();
    void Saettigungslinie();
    void Feuchtekurven();
    void Aufzeichnen(int i);
    void Temperaturskala();
    void Wassergehaltsskala(std::string_view dezimaltrenner);
    void Feuchtebeschriftung();
    void Linie(double x1, double y1, double x2, double y2, Farbe farbe);

    Eingabe e_;
    Stoffwerte s_;
    Zustand z_;
    Randaufzeichnung rand_;
    std::array<double, kKurven> phi_{};
    std::array<double, kKurven> xNeu_{}, hNeu_{}, xAlt_{}, hAlt_{};
    std::array<double, kKurven> hRechts_{}, xOben_{};
    double xSattAlt_ = 0, hSattAlt_ = 0;
    double xNebel_ = 0, hNebel_ = 0;
    double xVersatz_ = 0;
    Zeichenflaeche* flaeche_ = nullptr;
    Beschriftung* beschriftung_ = nullptr;
};

}  // namespace lumora
