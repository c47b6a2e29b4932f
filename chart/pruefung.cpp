#include "chart/pruefung.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "chart/beschriftung.h"
#include "core/einheiten.h"
#include "core/feuchte_luft.h"
#include "core/koordinaten.h"
#include "core/zahlen.h"

namespace lumora {

namespace {

constexpr std::array<const char*, kFelder + 1> kFeldnamen{"ϑmax",    "Δϑ fett", "Δϑ dünn", "Χmax",
                                                          "ΔΧ fett", "ΔΧ dünn", "Pgesamt", "ϑu"};

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
                  "Die Feuchtekurven bräuchten mehr als 1 000 000 Temperaturen, die Grenze "
                  "des Programms.");
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
            e.Winter() ? "ϑmax = " + Kurz(e.Thetamax) + " °C und ϑu = " + Kurz(e.ThetaUnten) + " °C"
                       : "ϑmax = " + Kurz(e.Thetamax) + " °C";
        return Ab(Feld::DeltaThetagross,
                  "Für " + grenzen + " reichen die " + std::to_string(anzahl) +
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

std::string UntereGrenzeBereich() {
    return "Die untere Grenze muss zwischen " + Kurz(kThetaUntenMin) + " und " +
           Kurz(kThetaUntenMax) + " °C liegen.";
}

std::optional<Ablehnung> UnterGrenzePruefen(const Eingabe& e) {
    if (!std::isfinite(e.ThetaUnten)) return Ab(Feld::ThetaUnten, "Die Zahl ist zu groß.");
    if (e.ThetaUnten < kThetaUntenMin || e.ThetaUnten > kThetaUntenMax) {
        return Ab(Feld::ThetaUnten, UntereGrenzeBereich());
    }
    if (!e.Winter()) return std::nullopt;
    if (!(e.Thetamax - e.ThetaUnten > 0)) {
        return Ab(Feld::ThetaUnten, "Die untere Grenze " + Kurz(e.ThetaUnten) +
                                        " °C muss unter ϑmax = " + Kurz(e.Thetamax) +
                                        " °C liegen.");
    }
    // The grids below 0 °C run from 0 downwards.
    for (Feld f : {Feld::DeltaThetagross, Feld::DeltaThetaklein}) {
        const double schritt = f == Feld::DeltaThetagross ? e.DeltaThetagross : e.DeltaThetaklein;
        if (schritt < 0) {
            return Ab(f,
                      "Die Schrittweite muss größer als 0 sein, wenn das Diagramm unter 0 °C "
                      "reicht.");
        }
    }
    return std::nullopt;
}

}  // namespace

std::string KeineZahlText(std::string_view feldname, std::string_view text) {
    return std::string(feldname) + ": „" + std::string(text) + "“ ist keine Zahl.";
}

namespace {

// Whether a field's text starts with a number as Zahl reads it: blanks, a sign, then a digit
// with at most one point or comma and blanks before it.
bool BeginntMitZahl(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool punkt = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') return true;
        if ((c == '.' || c == ',') && !punkt) {
            punkt = true;
        } else if (c != ' ' && c != '\t') {
            return false;
        }
    }
    return false;
}

}  // namespace

std::optional<Ablehnung> OhneZahl(const Feldtexte& texte) {
    constexpr std::string_view kLeer = " \t\r\n";
    for (int f = 0; f < kFelder; ++f) {
        std::string_view text = texte[f];
        const std::size_t anfang = text.find_first_not_of(kLeer);
        if (anfang == std::string_view::npos) continue;
        text = text.substr(anfang, text.find_last_not_of(kLeer) + 1 - anfang);
        if (!BeginntMitZahl(text)) {
            const auto feld = static_cast<Feld>(f);
            return Ablehnung{feld, KeineZahlText(Feldname(feld), text)};
        }
    }
    return std::nullopt;
}

Ergebnis<double> ThetaUntenLesen(std::string_view text) {
    const auto wert = GanzeZahl(text);
    if (!wert) return Ergebnis<double>::Fehler(KeineZahlText(Feldname(Feld::ThetaUnten), text));
    const std::string name = std::string(Feldname(Feld::ThetaUnten)) + ": ";
    if (*wert < kThetaUntenMin || *wert > kThetaUntenMax) {
        return Ergebnis<double>::Fehler(name + UntereGrenzeBereich());
    }
    return *wert == 0 ? 0.0 : *wert;  // -0 is 0
}

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

Eingabe EingabeLesen(const Feldtexte& texte, double thetaUnten) {
    Eingabe e;
    e.ThetaUnten = thetaUnten;
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
    if (auto ablehnung = UnterGrenzePruefen(e)) return ablehnung;
    if (e.DeltaXgross < 0 && e.Xmax > 0) {
        return Ab(Feld::DeltaXgross,
                  "Die Schrittweite muss größer als 0 sein, wenn Χmax über 0 liegt.");
    }
    Zustand z;
    z.pS = InBar(e.Pges);
    if (!z.Siedetemperatur()) {
        const Druckbereich b = Siedebereich();
        return Ab(Feld::Pges, "Der Gesamtdruck muss zwischen etwa " +
                                  KurzText(Signifikant(b.unten, 3)) + " und " +
                                  KurzText(Signifikant(b.oben, 3)) +
                                  " hPa liegen, damit sich die Siedetemperatur bestimmen lässt.");
    }
    if (auto ablehnung = BeschriftungenPruefen(e)) return ablehnung;
    return LinienPruefen(e);
}

}  // namespace lumora
