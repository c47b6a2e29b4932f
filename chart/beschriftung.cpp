#include "chart/beschriftung.h"

#include <cmath>

#include "core/koordinaten.h"
#include "core/text.h"
#include "core/zahlen.h"

namespace lumora {

namespace {

constexpr std::array<const char*, 9> kFeuchteTexte{"100 %", "80 %", "60 %", "40 %", "20 %",
                                                   "10 %",  "5 %",  "2 %",  "1 %"};

// Kept coordinates of the layout, in form units.
double StartLinksForm(Gruppe g, int index) {
    switch (g) {
        case Gruppe::txt_Temp:
            return 120;
        case Gruppe::txt_rF:
            return index == 0 ? 14520 : index <= 5 ? 14550 : 14580;
        case Gruppe::txt_PhPa:
            return 750;
        default:
            return 0;
    }
}

double StartObenForm(Gruppe g) {
    switch (g) {
        case Gruppe::txt_X:
            return 10530;
        case Gruppe::txt_rFo:
            return 60;
        default:
            return 0;
    }
}

// A position handed to a label, kept within float range.
float Lage(double v) {
    return static_cast<float>(std::fmax(-kWeitDraussen, std::fmin(kWeitDraussen, v)));
}

// The labels of a scale are n = 0, 1, ...; the number placed up to the first n with
// endet(n), or nothing when the group's labels end before that.
template <class Endet>
std::optional<int> Skalenetiketten(Gruppe g, Endet&& endet) {
    for (int n = 0; n < Layout(g).anzahl; ++n) {
        if (endet(n)) return n + 1;
    }
    return std::nullopt;
}

// (p + lambda q) / (1 + lambda), the point between p and q at which a segment meets an
// edge; nothing for 1 + lambda = 0 or a result that is not finite.
std::optional<double> Teilpunkt(double p, double q, double lambda) {
    const double c = 1 + lambda;
    if (c == 0) return std::nullopt;
    const double wert = (p + lambda * q) / c;
    if (!std::isfinite(wert)) return std::nullopt;
    return wert;
}

}  // namespace

std::optional<int> Temperaturetiketten(double Thetamax, double schritt) {
    return Skalenetiketten(Gruppe::txt_Temp, [&](int n) { return !(n * schritt < Thetamax); });
}

std::optional<int> Wassergehaltsetiketten(double Xmax, double schritt) {
    return Skalenetiketten(Gruppe::txt_X,
                           [&](int n) { return !((n + 1) * schritt < 1.01 * Xmax); });
}

double Kaelteschritte(double thetaUnten, double schritt) {
    if (!(schritt > 0) || !(thetaUnten < 0)) return 0;
    // The quotient is close; the products decide, as the drawing loops test them. Beyond
    // 2^53 no product can tell k from k + 1, and the refusal check takes such a step anyway.
    double k = std::floor(-thetaUnten / schritt);
    if (!(k < 0x1p53)) return k;
    while (k > 0 && !(-k * schritt >= thetaUnten)) k = k - 1;
    while (-(k + 1) * schritt >= thetaUnten) k = k + 1;
    return k;
}

void Temperaturskala(const Eingabe& e, Beschriftung& b) {
    const int platz = Layout(Gruppe::txt_Temp).anzahl;
    const int anzahl = Temperaturetiketten(e.Thetamax, e.DeltaThetagross).value_or(platz);
    const auto setze = [&](int n, double t, const std::string& text) {
        b.setVisible(Gruppe::txt_Temp, n, true);
        b.setText(Gruppe::txt_Temp, n, text + "°C");
        // With ThetaUnten = 0 both differences are exact: the labels keep every bit.
        b.setTop(Gruppe::txt_Temp, n,
                 Lage(8066 - 7900 * ((t - e.ThetaUnten) / (e.Thetamax - e.ThetaUnten))));
    };
    for (int n = 0; n < anzahl; ++n) {
        const double t = n * e.DeltaThetagross;
        setze(n, t, ZahlText(t));
    }
    const double kalt = Kaelteschritte(e.ThetaUnten, e.DeltaThetagross);
    for (int k = 1; k <= kalt && anzahl + k - 1 < platz; ++k) {
        const double t = -k * e.DeltaThetagross;
        // A real minus sign, as a printed scale has it.
        setze(anzahl + k - 1, t, "−" + ZahlText(-t).substr(1));
    }
}

void Wassergehaltsskala(const Eingabe& e, std::string_view dezimaltrenner, Beschriftung& b) {
    const int anzahl =
        Wassergehaltsetiketten(e.Xmax, e.DeltaXgross).value_or(Layout(Gruppe::txt_X).anzahl);
    for (int n = 0; n < anzahl; ++n) {
        b.setVisible(Gruppe::txt_X, n, true);
        const double w = n * e.DeltaXgross;
        b.setText(Gruppe::txt_X, n, MusterText(w, dezimaltrenner) + " kg/kg");
        b.setLeft(Gruppe::txt_X, n, Lage(150 + kLeinwandBreite * (w / e.Xmax)));
    }
}

std::optional<double> ObenKreuzung(const Eingabe& e, double xAus, double hAus, double xIn,
                                   double hIn) {
    const double YO = KoordY(e, xAus, hAus);
    const double YL = KoordY(e, xIn, hIn);
    if (YL == 0) return std::nullopt;
    return Teilpunkt(xAus, xIn, (-YO) / YL);
}

std::optional<double> RechtsKreuzung(const Eingabe& e, double xIn, double hIn, double xAus,
                                     double hAus) {
    const double nenner = xAus - e.Xmax;
    if (nenner == 0) return std::nullopt;
    return Teilpunkt(hIn, hAus, (e.Xmax - xIn) / nenner);
}

namespace {

// The label of the total pressure, with the number as ZahlText writes it.
std::string GesamtdruckText(std::string_view zahl) {
    return Einsetzen(Text("Diagramm", "Gesamtdruck  = %1  hPa"), {zahl});
}

}  // namespace

std::string Starttext(Gruppe g, int index) {
    switch (g) {
        case Gruppe::txt_Temp:
            return "200°C";
        case Gruppe::txt_X:
            return "0,01 kg/kg";
        case Gruppe::txt_rFo:
        case Gruppe::txt_rF:
            return kFeuchteTexte.at(index);
        case Gruppe::txt_PhPa:
            return GesamtdruckText(" 1013");
    }
    return {};
}

double StartLinks(Gruppe g, int index) { return StartLinksForm(g, index) / kFormProFlaecheX; }
double StartOben(Gruppe g, int) { return StartObenForm(g) / kFormProFlaecheY; }

void Feuchtebeschriften(const Eingabe& e, const Randaufzeichnung& r, Beschriftung& b,
                        std::array<double, kKurven>& hRechts, std::array<double, kKurven>& xOben) {
    std::array<std::optional<double>, kKurven> rechts, oben;
    for (int i = 0; i < kKurven; ++i) {
        rechts[i] = RechtsKreuzung(e, r.xLetzt[i], r.hLetzt[i], r.xAusRechts[i], r.hAusRechts[i]);
        oben[i] = ObenKreuzung(e, r.xAusOben[i], r.hAusOben[i], r.xLetzt[i], r.hLetzt[i]);
        hRechts[i] = rechts[i].value_or(0);
        xOben[i] = oben[i].value_or(0);
    }

    // A curve is labelled only from points this run recorded: it needs a fresh last point
    // inside, and leaves by the right edge (labelled where it meets x = Xmax, or at the
    // top edge when that meeting lies above the chart) or else by the top edge.
    for (int k = 0; k < static_cast<int>(kKurveZuEtikett.size()); ++k) {
        const int i = kKurveZuEtikett[k];
        if (!r.letztFrisch[i]) continue;
        std::optional<double> xKreuzung;
        if (r.ausRechts[i] == 1) {
            if (!rechts[i]) continue;
            const double Y = KoordY(e, e.Xmax, *rechts[i]);
            if (Y > 0) {
                const double top = Y * 0.9875 + 160;
                if (!std::isfinite(top)) continue;
                b.setVisible(Gruppe::txt_rF, k, true);
                b.setTop(Gruppe::txt_rF, k, Lage(top));
                continue;
            }
            if (!(Y < 0)) continue;
            // Without a top record of its own the curve crossed the top edge on its way
            // to the first point beyond the right edge.
            xKreuzung = r.ausOben[i] == 1 ? oben[i]
                                          : ObenKreuzung(e, r.xAusRechts[i], r.hAusRechts[i],
                                                         r.xLetzt[i], r.hLetzt[i]);
        } else if (r.ausOben[i] == 1) {
            xKreuzung = oben[i];
        }
        if (!xKreuzung) continue;
        const double left = (*xKreuzung / e.Xmax) * kLeinwandBreite + 450;
        if (!std::isfinite(left)) continue;
        b.setVisible(Gruppe::txt_rFo, k, true);
        b.setLeft(Gruppe::txt_rFo, k, Lage(left));
    }

    b.setVisible(Gruppe::txt_PhPa, 0, true);
    const double n = std::floor(e.Pges + 0.4);
    b.setText(Gruppe::txt_PhPa, 0, GesamtdruckText(ZahlText(n)));
}

}  // namespace lumora
