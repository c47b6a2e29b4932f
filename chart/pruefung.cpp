#include "chart/pruefung.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "chart/beschriftung.h"
#include "core/einheiten.h"
#include "core/feuchte_luft.h"
#include "core/koordinaten.h"
#include "core/text.h"
#include "core/zahlen.h"

namespace lumora {

namespace {

// Most lines one family may have, and most temperatures of the humidity curves: a
// bound that keeps a press within about a second.
constexpr double kHoechstens = 1'000'000;

Ablehnung Ab(Feld feld, const std::string& text) { return {feld, Feldname(feld) + ": " + text}; }

// The smallest step, to four significant digits and rounded up, with which reicht(step)
// holds; reicht must be monotone in the step and hold from untergrenze on.
template <class Reicht>
double KleinsterSchritt(double untergrenze, Reicht&& reicht) {
    const double stelle = std::pow(10.0, std::floor(std::log10(untergrenze)) - 3);
    double schritt = std::ceil(untergrenze / stelle) * stelle;
    while (!reicht(schritt)) schritt += stelle;
    return schritt;
}

// Lines of one drawing loop from 0 to bis in steps of schritt, less one.
double Schritte(double bis, double schritt) {
    if ((schritt > 0 && bis >= 0) || (schritt < 0 && bis <= 0)) return bis / schritt;
    return 0;
}

std::optional<Ablehnung> LinienPruefen(const Eingabe& e) {
    const std::string zuViele =
        Text("Diagramm",
             "Mit dieser Schrittweite bräuchte eine Linienschar mehr als 1 000 000 Linien, "
             "die Grenze des Programms.");
    // On a winter chart the enthalpy lines and isotherms go on below 0 °C, and the
    // saturation line and the humidity curves from the lower limit up at the fine step.
    const double kaltGross = Kaelteschritte(e.ThetaUnten, e.DeltaThetagross);
    const double kaltKlein = Kaelteschritte(e.ThetaUnten, e.DeltaThetaklein);
    if (Schritte(e.Xmax, e.DeltaXgross) >= kHoechstens) return Ab(Feld::DeltaXgross, zuViele);
    if (Schritte(e.Xmax, e.DeltaXklein) >= kHoechstens) return Ab(Feld::DeltaXklein, zuViele);
    if (Schritte(e.Thetamax, e.DeltaThetagross) + kaltGross >= kHoechstens ||
        Schritte(e.Xmax, e.DeltaThetagross / kSchraege) >= kHoechstens) {
        return Ab(Feld::DeltaThetagross, zuViele);
    }
    if (Schritte(e.Thetamax, e.DeltaThetaklein) + kaltKlein >= kHoechstens) {
        return Ab(Feld::DeltaThetaklein, zuViele);
    }
    // The curves visit 0, 1, ..., ceil(Thetamax), and below 0 °C the fine grid.
    if (std::ceil(e.Thetamax) + kaltKlein >= kHoechstens) {
        return Ab(e.Winter() ? Feld::DeltaThetaklein : Feld::Thetamax,
                  Text("Diagramm",
                       "Die Feuchtekurven bräuchten mehr als 1 000 000 Temperaturen, die Grenze "
                       "des Programms."));
    }
    return std::nullopt;
}

// Whether the temperature labels of step schritt fit into their group, those below 0 °C of a
// winter chart included.
bool TemperaturenPassen(const Eingabe& e, double schritt) {
    const auto anzahl = Temperaturetiketten(e.Thetamax, schritt);
    return anzahl &&
           *anzahl + Kaelteschritte(e.ThetaUnten, schritt) <= Layout(Gruppe::txt_Temp).anzahl;
}

std::optional<Ablehnung> BeschriftungenPruefen(const Eingabe& e) {
    if (!TemperaturenPassen(e, e.DeltaThetagross)) {
        const int anzahl = Layout(Gruppe::txt_Temp).anzahl;
        const double spanne = e.Thetamax - std::fmin(e.ThetaUnten, 0.0);
        const double schritt = KleinsterSchritt(spanne / (anzahl - 1),
                                                [&](double s) { return TemperaturenPassen(e, s); });
        const std::string grenzen =
            e.Winter() ? Einsetzen(Text("Diagramm", "ϑmax = %1 °C und ϑu = %2 °C"),
                                   {KurzeZahl(e.Thetamax), KurzeZahl(e.ThetaUnten)})
                       : "ϑmax = " + KurzeZahl(e.Thetamax) + " °C";
        return Ab(Feld::DeltaThetagross,
                  Einsetzen(Text("Diagramm",
                                 "Für %1 reichen die %2 Temperaturbeschriftungen erst "
                                 "ab einer Schrittweite von %3 grd."),
                            {grenzen, std::to_string(anzahl), KurzeZahl(schritt)}));
    }
    if (!Wassergehaltsetiketten(e.Xmax, e.DeltaXgross)) {
        const int anzahl = Layout(Gruppe::txt_X).anzahl;
        if (!(e.Xmax > 0 && e.DeltaXgross > 0)) {
            return Ab(Feld::DeltaXgross, Einsetzen(Text("Diagramm",
                                                        "Mit dieser Schrittweite reichen die %1 "
                                                        "Wassergehaltsbeschriftungen nicht aus."),
                                                   {std::to_string(anzahl)}));
        }
        const double schritt = KleinsterSchritt(1.01 * e.Xmax / anzahl, [&](double s) {
            return Wassergehaltsetiketten(e.Xmax, s).has_value();
        });
        return Ab(Feld::DeltaXgross,
                  Einsetzen(Text("Diagramm",
                                 "Für Χmax = %1 kg/kg reichen die %2 "
                                 "Wassergehaltsbeschriftungen erst ab einer "
                                 "Schrittweite von %3 kg/kg."),
                            {KurzeZahl(e.Xmax), std::to_string(anzahl), KurzeZahl(schritt)}));
    }
    return std::nullopt;
}

std::optional<Ablehnung> UnterGrenzePruefen(const Eingabe& e) {
    if (!std::isfinite(e.ThetaUnten))
        return Ab(Feld::ThetaUnten, Text("Diagramm", "Die Zahl ist zu groß."));
    if (e.ThetaUnten < kThetaUntenMin || e.ThetaUnten > kThetaUntenMax) {
        return Ab(Feld::ThetaUnten, UntereGrenzeBereich());
    }
    if (!e.Winter()) return std::nullopt;
    if (!(e.Thetamax - e.ThetaUnten > 0)) {
        return Ab(Feld::ThetaUnten,
                  Einsetzen(Text("Diagramm",
                                 "Die untere Grenze %1 °C muss unter ϑmax = %2 °C "
                                 "liegen."),
                            {KurzeZahl(e.ThetaUnten), KurzeZahl(e.Thetamax)}));
    }
    // The grids below 0 °C run from 0 downwards.
    for (Feld f : {Feld::DeltaThetagross, Feld::DeltaThetaklein}) {
        const double schritt = f == Feld::DeltaThetagross ? e.DeltaThetagross : e.DeltaThetaklein;
        if (schritt < 0) {
            return Ab(f, Text("Diagramm",
                              "Die Schrittweite muss größer als 0 sein, wenn das "
                              "Diagramm unter 0 °C reicht."));
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Ablehnung> Pruefen(const Eingabe& e) {
    const std::array<double, kFelder> werte{e.Thetamax, e.DeltaThetagross, e.DeltaThetaklein,
                                            e.Xmax,     e.DeltaXgross,     e.DeltaXklein,
                                            e.Pges};
    for (int f = 0; f < kFelder; ++f) {
        if (!std::isfinite(werte[f])) {
            return Ab(static_cast<Feld>(f),
                      Text("Diagramm", "Die Zahl ist zu groß, um damit zu rechnen."));
        }
    }
    if (e.Thetamax == 0) {
        return Ab(Feld::Thetamax,
                  Text("Diagramm", "Die obere Temperaturgrenze darf nicht 0 sein."));
    }
    if (e.Xmax == 0) {
        return Ab(Feld::Xmax, Text("Diagramm", "Der größte Wassergehalt darf nicht 0 sein."));
    }
    for (Feld f :
         {Feld::DeltaThetagross, Feld::DeltaThetaklein, Feld::DeltaXgross, Feld::DeltaXklein}) {
        if (werte[static_cast<int>(f)] == 0) {
            return Ab(f, Text("Diagramm", "Die Schrittweite darf nicht 0 sein."));
        }
    }
    if (e.DeltaThetagross < 0 && e.Thetamax > 0) {
        return Ab(
            Feld::DeltaThetagross,
            Text("Diagramm", "Die Schrittweite muss größer als 0 sein, wenn ϑmax über 0 liegt."));
    }
    if (auto ablehnung = UnterGrenzePruefen(e)) return ablehnung;
    if (e.DeltaXgross < 0 && e.Xmax > 0) {
        return Ab(
            Feld::DeltaXgross,
            Text("Diagramm", "Die Schrittweite muss größer als 0 sein, wenn Χmax über 0 liegt."));
    }
    Zustand z;
    z.pS = InBar(e.Pges);
    if (!z.Siedetemperatur()) {
        const Druckbereich b = Siedebereich();
        return Ab(Feld::Pges,
                  Einsetzen(Text("Diagramm",
                                 "Der Gesamtdruck muss zwischen etwa %1 "
                                 "und %2 hPa liegen, damit sich die "
                                 "Siedetemperatur bestimmen lässt."),
                            {KurzText(Signifikant(b.unten, 3)), KurzText(Signifikant(b.oben, 3))}));
    }
    if (auto ablehnung = BeschriftungenPruefen(e)) return ablehnung;
    return LinienPruefen(e);
}

}  // namespace lumora
