#include "chart/diagrammlauf.h"

#include <cmath>
#include <optional>

#include "core/einheiten.h"
#include "core/koordinaten.h"
#include "core/strecke.h"
#include "core/zahlen.h"

namespace lumora {

namespace {

constexpr Farbe kWeiss{255, 255, 255};
using namespace linienfarbe;

constexpr std::array<double, kKurven> kPhi{0, 1, 2, 5, 10, 20, 30, 40, 50, 60, 70, 80, 90};

// The fog part of an isotherm runs from the saturation content xS out to kNebelBis xS: far
// enough that, on every chart the check accepts, it leaves the canvas through the bottom or
// right edge before it ends. Its end carries the condensate (kNebelBis - 1) xS.
constexpr double kNebelBis = 4;
constexpr double kNebelwasser = kNebelBis - 1;
// A relative-humidity curve is followed while its water content stays below kKurveBis Xmax,
// a little beyond the right edge, so that its last segment still reaches across the edge and
// the edge records see the crossing; points further right are not kept.
constexpr double kKurveBis = 1.3;
// And it is drawn only right of kKurveAb Xmax: next to the left edge the twelve curves run
// into one another at x near 0, where their segments would only blacken the corner.
constexpr double kKurveAb = 0.005;

// The drawing loops' convention: bounds and step are taken once, the counter accumulates
// the step in double precision, and the end value is included only when reached. A zero
// step runs nothing; presses that would need one are refused before the run.
template <class Rumpf>
void Schleife(double von, double bis, double schritt, Rumpf&& rumpf) {
    double v = von;
    if (schritt > 0) {
        for (; v <= bis; v = v + schritt) rumpf(v);
    } else if (schritt < 0) {
        for (; v >= bis; v = v + schritt) rumpf(v);
    }
}

// The temperatures below 0 °C of a winter chart's grid of step schritt, rising: -k schritt
// (a product, so that no sum drifts) for k = K, ..., 1, the K of Kaelteschritte.
template <class Rumpf>
void UnterNullSteigend(double thetaUnten, double schritt, Rumpf&& rumpf) {
    for (double k = Kaelteschritte(thetaUnten, schritt); k >= 1; k = k - 1) rumpf(-k * schritt);
}

}  // namespace

void Diagrammlauf::zeichnen(const Eingabe& eingabe, Zeichenflaeche& flaeche,
                            Beschriftung& beschriftung, std::string_view dezimaltrenner) {
    e_ = eingabe;
    flaeche_ = &flaeche;
    beschriftung_ = &beschriftung;
    if (Vorbereiten()) {
        Feuchtegitter();
        Enthalpielinien();
        Isothermen();
        Saettigungslinie();
        Feuchtekurven();
        Temperaturskala(e_, *beschriftung_);
        Wassergehaltsskala(e_, dezimaltrenner, *beschriftung_);
        Feuchtebeschriften(e_, rand_, *beschriftung_, hRechts_, xOben_);
    }
    flaeche_ = nullptr;
    beschriftung_ = nullptr;
}

void Diagrammlauf::Linie(double x1, double y1, double x2, double y2, Farbe farbe) {
    // Coordinates beyond the float range are cut back along the line first; a line
    // without finite end points is not drawn at all.
    const bool weit = std::fabs(x1) > kWeitDraussen || std::fabs(y1) > kWeitDraussen ||
                      std::fabs(x2) > kWeitDraussen || std::fabs(y2) > kWeitDraussen;
    const bool endlich =
        std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
    if (!endlich || (weit && !StreckeKappen(x1, y1, x2, y2, -kWeitDraussen, -kWeitDraussen,
                                            kWeitDraussen, kWeitDraussen))) {
        return;
    }
    flaeche_->Line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                   static_cast<float>(y2), farbe);
}

bool Diagrammlauf::Vorbereiten() {
    z_.Pges = e_.Pges;
    z_.pS = InBar(e_.Pges);
    const bool siedetemperatur = z_.Siedetemperatur();
    z_.thetaSiede = z_.theta;
    if (!siedetemperatur) return false;

    flaeche_->Box(0, 0, kLeinwandBreite, kLeinwandHoehe, kWeiss);
    flaeche_->Refresh(Bereich::pic_gesamt);
    // Every label is hidden, so a press shows exactly the labels it places.
    for (const Gruppenlayout& g : kGruppen) {
        for (int n = 0; n < g.anzahl; ++n) beschriftung_->setVisible(g.gruppe, n, false);
    }
    xVersatz_ = (e_.Thetamax - e_.ThetaUnten) / kSchraege;
    return true;
}

void Diagrammlauf::Feuchtegitter() {
    const auto senkrecht = [this](double x) {
        Linie(KoordX(e_, x), 0, KoordX(e_, x), kLeinwandHoehe, kGruen);
    };
    flaeche_->DrawWidth(2);
    Schleife(0, e_.Xmax, e_.DeltaXgross, senkrecht);
    flaeche_->Refresh(Bereich::pic_Diagramm);
    flaeche_->DrawWidth(1);
    Schleife(0, e_.Xmax, e_.DeltaXklein, senkrecht);
    flaeche_->Refresh(Bereich::pic_Diagramm);
}

void Diagrammlauf::Enthalpielinien() {
    flaeche_->DrawWidth(1);
    // h = hv from the left edge down to the bottom edge, where h - 2500 x = ThetaUnten; on a
    // winter chart also for hv below 0.
    const auto vonLinks = [this](double hv) {
        Linie(KoordX(e_, 0), KoordY(e_, 0, hv), KoordX(e_, (hv - e_.ThetaUnten) / kSchraege),
              kLeinwandHoehe, kSchwarz);
    };
    Schleife(0, e_.Thetamax, e_.DeltaThetagross, vonLinks);
    UnterNullSteigend(e_.ThetaUnten, e_.DeltaThetagross, vonLinks);
    // h = Thetamax + 2500 xs from the top edge down to the bottom edge.
    Schleife(0, e_.Xmax, e_.DeltaThetagross / kSchraege, [this](double xs) {
        Linie(KoordX(e_, xs), 0, KoordX(e_, xs + xVersatz_), kLeinwandHoehe, kSchwarz);
    });
    flaeche_->Refresh(Bereich::pic_Diagramm);
}

void Diagrammlauf::Isothermen() {
    const auto isotherme = [this](double theta) {
        z_.theta = theta;
        Isotherme();
    };
    flaeche_->DrawWidth(2);
    Schleife(0, e_.Thetamax, e_.DeltaThetagross, isotherme);
    UnterNullSteigend(e_.ThetaUnten, e_.DeltaThetagross, isotherme);
    flaeche_->DrawWidth(1);
    Schleife(0, e_.Thetamax, e_.DeltaThetaklein, isotherme);
    UnterNullSteigend(e_.ThetaUnten, e_.DeltaThetaklein, isotherme);
}

void Diagrammlauf::Isotherme() {
    // Within the bisection's tolerance just below thetaSiede the saturation pressure can
    // already reach the total pressure; such a temperature is drawn as above boiling.
    if (!Saettigen()) {
        z_.x = e_.Xmax;
        z_.h = Enthalpie(z_.theta, z_.x);
    }
    Linie(0, KoordY(e_, 0, z_.theta), KoordX(e_, z_.x), KoordY(e_, z_.x, z_.h), kIsotherme);
    if (z_.x < e_.Xmax) {
        // Fog: the saturated air plus its condensate at theta, out to kNebelBis times the
        // saturation content; below 0 °C on a winter chart the condensate is ice.
        xNebel_ = kNebelBis * z_.x;
        const bool eisnebel = e_.Winter() && z_.theta < 0;
        hNebel_ = eisnebel ? z_.h + Eisenthalpie(z_.theta) * kNebelwasser * z_.x
                           : z_.h + kStoffwerte.cW * z_.theta * kNebelwasser * z_.x;
        Linie(KoordX(e_, z_.x), KoordY(e_, z_.x, z_.h), KoordX(e_, xNebel_),
              KoordY(e_, xNebel_, hNebel_), kNebel);
        if (e_.Winter() && z_.theta == 0) {
            // The ice-fog isotherm of 0 °C; between it and the water-fog one lies mixed fog.
            const double hEis = z_.h + Eisenthalpie(z_.theta) * kNebelwasser * z_.x;
            Linie(KoordX(e_, z_.x), KoordY(e_, z_.x, z_.h), KoordX(e_, xNebel_),
                  KoordY(e_, xNebel_, hEis), kNebel);
        }
    }
}

bool Diagrammlauf::Saettigen() {
    const std::optional<Saettigung> s = Gesaettigt(z_.theta, z_.Pges, z_.thetaSiede, e_.Winter());
    if (!s) return false;
    z_.pS = s->pS;
    z_.pD = s->pS;
    z_.x = s->x;
    z_.h = s->h;
    return true;
}

void Diagrammlauf::Saettigungslinie() {
    flaeche_->DrawWidth(2);
    rand_.ausRechts[0] = 0;
    rand_.ausOben[0] = 0;
    rand_.letztFrisch[0] = false;
    if (e_.Winter()) {
        // Over ice from the lower limit up to 0 °C, where the line over water goes on.
        bool erster = true;
        const auto eispunkt = [&](double theta) {
            z_.theta = theta;
            if (!Saettigen()) return;
            if (theta < 0) Aufzeichnen(0);
            if (!erster && z_.x < 2 * e_.Xmax) {
                Linie(KoordX(e_, xSattAlt_), KoordY(e_, xSattAlt_, hSattAlt_), KoordX(e_, z_.x),
                      KoordY(e_, z_.x, z_.h), kBlau);
            }
            erster = false;
            xSattAlt_ = z_.x;
            hSattAlt_ = z_.h;
        };
        KaeltepunkteSteigend(eispunkt);
        eispunkt(0);
    }
    Schleife(0, e_.Thetamax, e_.DeltaThetaklein, [this](double theta) {
        z_.theta = theta;
        if (!Saettigen()) return;
        Aufzeichnen(0);
        if (theta > 0 && z_.x < 2 * e_.Xmax) {
            Linie(KoordX(e_, xSattAlt_), KoordY(e_, xSattAlt_, hSattAlt_), KoordX(e_, z_.x),
                  KoordY(e_, z_.x, z_.h), kBlau);
        }
        xSattAlt_ = z_.x;
        hSattAlt_ = z_.h;
    });
    flaeche_->Refresh(Bereich::pic_Diagramm);
}

void Diagrammlauf::Feuchtekurven() {
    phi_ = kPhi;
    for (int i = 1; i < kKurven; ++i) {
        rand_.ausRechts[i] = 0;
        rand_.ausOben[i] = 0;
        rand_.letztFrisch[i] = false;
    }
    // On a winter chart the curves start over ice at the lower limit and rise at the fine
    // step to 0 °C; their first point only starts the segments.
    bool erster = true;
    KaeltepunkteSteigend([&](double theta) {
        z_.theta = theta;
        z_.pS = SaettigungsdruckEis(theta);
        Feuchtepunkte(!erster);
        erster = false;
    });
    // All twelve curves advance together, one kelvin at a time, from 0 °C to the first
    // whole number not below Thetamax.
    z_.theta = 0;
    while (true) {
        z_.Saettigungsdruck();
        Feuchtepunkte(z_.theta != 0 || e_.Winter());
        if (!(z_.theta < e_.Thetamax)) break;
        z_.theta = z_.theta + 1;
    }
    flaeche_->Refresh(Bereich::pic_Diagramm);
}

void Diagrammlauf::Feuchtepunkte(bool zeichnen) {
    const double pS = z_.pS;
    for (int i = 1; i < kKurven; ++i) {
        z_.pD = pS * phi_[i] / 100;
        // A partial pressure equal to the total pressure has no water content.
        if (InBar(e_.Pges) - z_.pD != 0) {
            z_.Wassergehalt();
            z_.h = Enthalpie(z_.theta, z_.x);
            Aufzeichnen(i);
            if (z_.x < kKurveBis * e_.Xmax) {
                xNeu_[i] = z_.x;
                hNeu_[i] = z_.h;
            }
            if (zeichnen) {
                flaeche_->DrawWidth(HatEtikett(i) ? 2 : 1);
                if (kKurveAb * e_.Xmax < z_.x && z_.x < kKurveBis * e_.Xmax) {
                    Linie(KoordX(e_, xAlt_[i]), KoordY(e_, xAlt_[i], hAlt_[i]),
                          KoordX(e_, xNeu_[i]), KoordY(e_, xNeu_[i], hNeu_[i]), kBlau);
                }
            }
        }
        xAlt_[i] = xNeu_[i];
        hAlt_[i] = hNeu_[i];
    }
}

template <class Rumpf>
void Diagrammlauf::KaeltepunkteSteigend(Rumpf&& rumpf) {
    if (!e_.Winter()) return;
    // The lower limit itself, where it is no point of the grid, so that the curves reach
    // the bottom edge.
    const double k = Kaelteschritte(e_.ThetaUnten, e_.DeltaThetaklein);
    if (-k * e_.DeltaThetaklein > e_.ThetaUnten) rumpf(e_.ThetaUnten);
    UnterNullSteigend(e_.ThetaUnten, e_.DeltaThetaklein, rumpf);
}

void Diagrammlauf::Aufzeichnen(int i) {
    const double x = z_.x;
    const double h = z_.h;
    if (x > e_.Xmax && rand_.ausRechts[i] == 0) {
        rand_.xAusRechts[i] = x;
        rand_.hAusRechts[i] = h;
        rand_.ausRechts[i] = 1;
    }
    if (KoordY(e_, x, h) < 0 && rand_.ausRechts[i] == 0 && rand_.ausOben[i] == 0) {
        rand_.xAusOben[i] = x;
        rand_.hAusOben[i] = h;
        rand_.ausOben[i] = 1;
    }
    if (x < e_.Xmax && rand_.ausRechts[i] == 0 && rand_.ausOben[i] == 0) {
        rand_.xLetzt[i] = x;
        rand_.hLetzt[i] = h;
        rand_.letztFrisch[i] = true;
    }
}

}  // namespace lumora
