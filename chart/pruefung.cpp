#include "chart/pruefung.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "chart/beschriftung.h"
#include "core/feuchte_luft.h"
#include "core/zahlen.h"

namespace lumora {

namespace {

constexpr std::array<const char*, kFelder> kFeldnamen{"ϑmax",    "Δϑ fett", "Δϑ dünn", "Χmax",
                                                      "ΔΧ fett", "ΔΧ dünn", "Pgesamt"};

// Most lines one family may have, and most temperatures of the humidity curves: a
// bound that keeps a press within about a second.
constexpr double kHoechstens = 1'000'000;

Ablehnung Ab(Feld feld, const std::string& text) {
    return {feld, std::string(Feldname(feld)) + ": " + text};
}

// A number for a message, with a decimal comma and at most four significant digits.
std::string Kurz(double v) {
    std::array<char, 32> puffer{};
    const auto ende = std::to_chars(puffer.data(), puffer.data() + puffer.size(), v,
                                    std::chars_format::general, 4)
                          .ptr;
    std::string text(puffer.data(), ende);
    for (char& c : text) {
        if (c == '.') c = ',';
    }
    return text;
}

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
        "Mit dieser Schrittweite bräuchte eine Linienschar mehr als 1 000 000 Linien, "
        "die Grenze des Programms.";
    if (Schritte(e.Xmax, e.DeltaXgross) >= kHoechstens) return Ab(Feld::DeltaXgross, zuViele);
    if (Schritte(e.Xmax, e.DeltaXklein) >= kHoechstens) return Ab(Feld::DeltaXklein, zuViele);
    if (Schritte(e.Thetamax, e.DeltaThetagross) >= kHoechstens ||
        Schritte(e.Xmax, e.DeltaThetagross / 2500) >= kHoechstens) {
        return Ab(Feld::DeltaThetagross, zuViele);
    }
    if (Schritte(e.Thetamax, e.DeltaThetaklein) >= kHoechstens) {
        return Ab(Feld::DeltaThetaklein, zuViele);
    }
    if (std::ceil(e.Thetamax) >= kHoechstens) {  // the curves visit 0, 1, ..., ceil(Thetamax)
        return Ab(Feld::Thetamax,
                  "Die Feuchtekurven bräuchten mehr als 1 000 000 Temperaturen, die Grenze "
                  "des Programms.");
    }
    return std::nullopt;
}

std::optional<Ablehnung> BeschriftungenPruefen(const Eingabe& e) {
    if (!Temperaturetiketten(e.Thetamax, e.DeltaThetagross)) {
        const int anzahl = Layout(Gruppe::txt_Temp).anzahl;
        const double schritt = KleinsterSchritt(e.Thetamax / (anzahl - 1), [&](double s) {
            return Temperaturetiketten(e.Thetamax, s).has_value();
        });
        return Ab(Feld::DeltaThetagross,
                  "Für ϑmax = " + Kurz(e.Thetamax) + " °C reichen die " + std::to_string(anzahl) +
                      " Temperaturbeschriftungen erst ab einer Schrittweite von " + Kurz(schritt) +
                      " grd.");
    }
    if (!Wassergehaltsetiketten(e.Xmax, e.DeltaXgross)) {
        const int anzahl = Layout(Gruppe::txt_X).anzahl;
        if (!(e.Xmax > 0 && e.DeltaXgross > 0)) {
            return Ab(Feld::DeltaXgross, "Mit dieser Schrittweite reichen die " +
                                             std::to_string(anzahl) +
                                             " Wassergehaltsbeschriftungen nicht aus.");
        }
        const double schritt = KleinsterSchritt(1.01 * e.Xmax / anzahl, [&](double s) {
            return Wassergehaltsetiketten(e.Xmax, s).has_value();
        });
        return Ab(Feld::DeltaXgross,
                  "Für Χmax = " + Kurz(e.Xmax) + " kg/kg reichen die " + std::to_string(anzahl) +
                      " Wassergehaltsbeschriftungen erst ab einer Schrittweite von " +
                      Kurz(schritt) + " kg/kg.");
    }
    return std::nullopt;
}

}  // namespace

const char* Feldname(Feld feld) { return kFeldnamen[static_cast<int>(feld)]; }

Feldtexte FeldtexteTrennen(std::string_view zeile) {
    Feldtexte texte;
    std::size_t anfang = 0;
    for (int f = 0; f < kFelder && anfang <= zeile.size(); ++f) {
        const std::size_t tab = std::min(zeile.find('\t', anfang), zeile.size());
        texte[f] = std::string(zeile.substr(anfang, tab - anfang));
        anfang = tab + 1;
    }
    return texte;
}

Eingabe EingabeLesen(const Feldtexte& texte) {
    Eingabe e;
    e.Thetamax = Zahl(texte[0]);
    e.DeltaThetagross = Zahl(texte[1]);
    e.DeltaThetaklein = Zahl(texte[2]);
    e.Xmax = Zahl(texte[3]);
    e.DeltaXgross = Zahl(texte[4]);
    e.DeltaXklein = Zahl(texte[5]);
    e.Pges = Zahl(texte[6]);
    return e;
}

std::optional<Ablehnung> Pruefen(const Eingabe& e) {
    const std::array<double, kFelder> werte{e.Thetamax, e.DeltaThetagross, e.DeltaThetaklein,
                                            e.Xmax,     e.DeltaXgross,     e.DeltaXklein,
                                            e.Pges};
    for (int f = 0; f < kFelder; ++f) {
        if (!std::isfinite(werte[f])) {
            return Ab(static_cast<Feld>(f), "Die Zahl ist zu groß, um damit zu rechnen.");
        }
    }
    if (e.Thetamax == 0) {
        return Ab(Feld::Thetamax, "Die obere Temperaturgrenze darf nicht 0 sein.");
    }
    if (e.Xmax == 0) return Ab(Feld::Xmax, "Der größte Wassergehalt darf nicht 0 sein.");
    for (Feld f :
         {Feld::DeltaThetagross, Feld::DeltaThetaklein, Feld::DeltaXgross, Feld::DeltaXklein}) {
        if (werte[static_cast<int>(f)] == 0) return Ab(f, "Die Schrittweite darf nicht 0 sein.");
    }
    if (e.DeltaThetagross < 0 && e.Thetamax > 0) {
        return Ab(Feld::DeltaThetagross,
                  "Die Schrittweite muss größer als 0 sein, wenn ϑmax über 0 liegt.");
    }
    if (e.DeltaXgross < 0 && e.Xmax > 0) {
        return Ab(Feld::DeltaXgross,
                  "Die Schrittweite muss größer als 0 sein, wenn Χmax über 0 liegt.");
    }
    Zustand z;
    z.pS = e.Pges / 1000;
    if (!z.Siedetemperatur()) {
        return Ab(Feld::Pges,
                  "Der Gesamtdruck muss zwischen etwa 1,25 und 688000 hPa liegen, damit sich "
                  "die Siedetemperatur bestimmen lässt.");
    }
    if (auto ablehnung = BeschriftungenPruefen(e)) return ablehnung;
    return LinienPruefen(e);
}

}  // namespace lumora
