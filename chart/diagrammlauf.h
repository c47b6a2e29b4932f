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

// The colours of the chart's line families: the grid of constant water content, the enthalpy
// lines, the isotherms and their fog parts, the saturation line and the humidity curves.
namespace linienfarbe {
inline constexpr Farbe kGruen{0, 180, 0};
inline constexpr Farbe kSchwarz{0, 0, 0};
inline constexpr Farbe kIsotherme{220, 0, 0};
inline constexpr Farbe kNebel{255, 0, 0};
inline constexpr Farbe kBlau{0, 0, 180};
inline constexpr std::array<Farbe, 5> kAlle{kGruen, kSchwarz, kIsotherme, kNebel, kBlau};
}  // namespace linienfarbe

// The chart run: everything a press of "Berechne Diagramm !" computes and draws. One
// instance lives as long as the program; its records carry over from run to run.
class Diagrammlauf {
  public:
    // Draws the chart for values that Pruefen accepted. The water-content labels use the
    // given decimal separator.
    void zeichnen(const Eingabe& eingabe, Zeichenflaeche& flaeche, Beschriftung& beschriftung,
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
    // The saturated state at z_.theta into z_ (pS, pD, x, h); false at or above boiling.
    bool Saettigen();
    void Saettigungslinie();
    void Feuchtekurven();
    // One temperature of the twelve curves at the saturation pressure z_.pS: each curve's
    // point, its record, and with zeichnen its segment from the temperature before.
    void Feuchtepunkte(bool zeichnen);
    // Calls rumpf for the temperatures below 0 °C of a winter chart at the fine step,
    // rising from the lower limit; nothing on a chart that ends at 0 °C.
    template <class Rumpf>
    void KaeltepunkteSteigend(Rumpf&& rumpf);
    void Aufzeichnen(int i);
    void Linie(double x1, double y1, double x2, double y2, Farbe farbe);

    Eingabe e_;
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
