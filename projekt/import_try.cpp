#include <algorithm>
#include <cmath>
#include <vector>

#include "projekt/leseformate.h"

// Reading the weather service's test reference years (TRY): free header lines, a line of
// column names, perhaps a line of stars, then one line of blank-separated numbers per hour.

namespace lumora {

namespace {

// How far into a file its column line is looked for.
constexpr std::size_t kKopfzeilenHoechstens = 500;

// The blank-separated words of a line.
void Woerter(std::string_view zeile, std::vector<std::string_view>& woerter) {
    woerter.clear();
    std::size_t i = 0;
    while (true) {
        while (i < zeile.size() && IstLeer(zeile[i])) ++i;
        if (i == zeile.size()) return;
        const std::size_t anfang = i;
        while (i < zeile.size() && !IstLeer(zeile[i])) ++i;
        woerter.push_back(zeile.substr(anfang, i - anfang));
    }
}

std::optional<std::size_t> Spalte(const std::vector<std::string_view>& namen,
                                  std::string_view name) {
    const auto s = std::find(namen.begin(), namen.end(), name);
    if (s == namen.end()) return std::nullopt;
    return static_cast<std::size_t>(s - namen.begin());
}

// Whether the words name the columns of the hours: month, day and hour.
bool IstSpaltenzeile(const std::vector<std::string_view>& woerter) {
    return Spalte(woerter, "MM") && Spalte(woerter, "DD") && Spalte(woerter, "HH");
}

// The text after the colon of a header line "Name : text" whose name is one of `namen`.
std::optional<std::string_view> Kopfangabe(std::string_view zeile,
                                           std::initializer_list<std::string_view> namen) {
    const std::size_t p = zeile.find(':');
    if (p == std::string_view::npos) return std::nullopt;
    const std::string_view name = Getrimmt(zeile.substr(0, p));
    if (std::find(namen.begin(), namen.end(), name) == namen.end()) return std::nullopt;
    return Getrimmt(zeile.substr(p + 1));
}

// A whole number in [min, max] in a field, as a month, day or hour must be.
std::optional<int> Ganz(double v, int min, int max) {
    if (v != std::floor(v) || v < min || v > max) return std::nullopt;
    return static_cast<int>(v);
}

// The header: the station's height and the place, up to the column line, whose names are
// left in spalten (empty when the file has none).
void KopfLesen(Zeilen& zeilen, Messreihe& r, std::vector<std::string_view>& spalten) {
    std::string_view zeile;
    while (zeilen.Naechste(zeile)) {
        if (zeile.size() > kMessreiheMaxZeile) continue;
        Woerter(zeile, spalten);
        if (IstSpaltenzeile(spalten)) return;
        spalten.clear();
        if (const auto h = Kopfangabe(zeile, {"Hoehenlage", "Höhenlage", "H\xF6henlage"})) {
            std::vector<std::string_view> teile;
            Woerter(*h, teile);
            if (!teile.empty()) r.hoehe = Wert(teile[0]);
        } else if (const auto o = Kopfangabe(zeile, {"Ort", "Standort"}); o && !o->empty()) {
            r.ort = AlsUtf8(*o);
        }
    }
}

}  // namespace

bool IstTry(std::string_view daten) {
    Zeilen zeilen(daten);
    std::vector<std::string_view> woerter;
    std::string_view zeile;
    while (zeilen.Naechste(zeile) && zeilen.nummer() <= kKopfzeilenHoechstens) {
        if (zeile.size() > kMessreiheMaxZeile) continue;
        Woerter(zeile, woerter);
        if (IstSpaltenzeile(woerter)) return true;
    }
    return false;
}

Ergebnis<Messreihenimport> TryLesen(std::string_view daten, std::string name, std::string quelle,
                                    const Fortschritt& fortschritt) {
    using E = Ergebnis<Messreihenimport>;
    Messreihenimport im = Wetterjahrimport(std::move(name), std::move(quelle), "TRY", daten);
    Messreihe& r = im.reihe;

    Zeilen zeilen(daten);
    std::vector<std::string_view> spalten;
    KopfLesen(zeilen, r, spalten);
    const std::size_t kopfzeile = zeilen.nummer();
    const auto mm = Spalte(spalten, "MM"), dd = Spalte(spalten, "DD"), hh = Spalte(spalten, "HH");
    const auto t = Spalte(spalten, "t"), x = Spalte(spalten, "x"), p = Spalte(spalten, "p");
    if (!t) {
        return E::Fehler(Einsetzen(Text("Projekt",
                                        "Zeile %1: Die Spaltenzeile der TRY-Datei nennt "
                                        "keine Spalte „t“ (Lufttemperatur)."),
                                   {std::to_string(kopfzeile)}));
    }
    if (!x) {
        return E::Fehler(Einsetzen(Text("Projekt",
                                        "Zeile %1: Die Spaltenzeile der TRY-Datei nennt "
                                        "keine Spalte „x“ (Wasserdampfgehalt)."),
                                   {std::to_string(kopfzeile)}));
    }

    const std::size_t anzahl = spalten.size();
    Fortschrittstakt takt(fortschritt, daten.size());
    std::string_view zeile;
    std::vector<std::string_view> felder;
    std::vector<double> werte(anzahl);
    double druckSumme = 0;
    std::size_t druckStunden = 0;
    bool ersteZeile = true;
    while (zeilen.Naechste(zeile)) {
        if (!takt.Weiter(zeilen.pos())) return E::Fehler(ImportAbgebrochen());
        if (Getrimmt(zeile).empty()) continue;
        // The line of stars under the column names is part of the header.
        const bool sterne = ersteZeile && Getrimmt(zeile).substr(0, 3) == "***";
        ersteZeile = false;
        if (sterne) continue;
        bool gut = zeile.size() <= kMessreiheMaxZeile;
        if (gut) {
            Woerter(zeile, felder);
            gut = felder.size() == anzahl;
        }
        for (std::size_t i = 0; gut && i < anzahl; ++i) {
            const auto w = Wert(felder[i]);
            gut = w.has_value();
            if (gut) werte[i] = *w;
        }
        const auto monat = gut ? Ganz(werte[*mm], 1, 12) : std::nullopt;
        const auto tag = gut ? Ganz(werte[*dd], 1, 31) : std::nullopt;
        const auto stunde = gut ? Ganz(werte[*hh], 1, 24) : std::nullopt;
        if (!monat || !tag || !stunde) {
            Ueberspringen(im, zeilen.nummer());
            continue;
        }
        if (!StundeAnhaengen(r, *monat, *tag, *stunde, werte[*t], werte[*x])) {
            return E::Fehler(ZuVieleZeilen());
        }
        if (p) {
            druckSumme += werte[*p];
            ++druckStunden;
        }
    }
    if (druckStunden > 0) r.druck = druckSumme / static_cast<double>(druckStunden);
    if (!takt.Ende()) return E::Fehler(ImportAbgebrochen());
    return WetterjahrFertig(std::move(im));
}

}  // namespace lumora
