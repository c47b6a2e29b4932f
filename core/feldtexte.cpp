#include "core/feldtexte.h"

#include <algorithm>
#include <charconv>

#include "core/text.h"
#include "core/zahlen.h"

namespace lumora {

std::string KurzeZahl(double v) {
    std::array<char, 32> puffer{};
    const auto ende = std::to_chars(puffer.data(), puffer.data() + puffer.size(), v,
                                    std::chars_format::general, 4)
                          .ptr;
    return MitDezimalzeichen(std::string(puffer.data(), ende));
}

std::string UntereGrenzeBereich() {
    return Einsetzen(Text("Kern", "Die untere Grenze muss zwischen %1 und %2 °C liegen."),
                     {KurzeZahl(kThetaUntenMin), KurzeZahl(kThetaUntenMax)});
}

std::string KeineZahlText(std::string_view feldname, std::string_view text) {
    return Einsetzen(Text("Kern", "%1: „%2“ ist keine Zahl."), {feldname, text});
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
    if (*wert < kThetaUntenMin || *wert > kThetaUntenMax) {
        return Ergebnis<double>::Fehler(Feldname(Feld::ThetaUnten) + ": " + UntereGrenzeBereich());
    }
    return *wert == 0 ? 0.0 : *wert;  // -0 is 0
}

std::string Feldname(Feld feld) {
    switch (feld) {
        case Feld::Thetamax:
            return "ϑmax";
        case Feld::DeltaThetagross:
            return Text("Kern", "Δϑ fett");
        case Feld::DeltaThetaklein:
            return Text("Kern", "Δϑ dünn");
        case Feld::Xmax:
            return "Χmax";
        case Feld::DeltaXgross:
            return Text("Kern", "ΔΧ fett");
        case Feld::DeltaXklein:
            return Text("Kern", "ΔΧ dünn");
        case Feld::Pges:
            return Text("Kern", "Pgesamt");
        case Feld::ThetaUnten:
            return "ϑu";
    }
    return {};
}

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

}  // namespace lumora
