#include <algorithm>
#include <cmath>
#include <vector>

#include "core/einheiten.h"
#include "core/feuchte_luft.h"
#include "projekt/leseformate.h"

// Reading EnergyPlus weather files (EPW): eight header lines, the first with the place and the
// elevation, then one line of comma-separated fields per hour.

namespace lumora {

namespace {

constexpr int kKopfzeilen = 8;       // LOCATION … DATA PERIODS
constexpr std::size_t kFelder = 10;  // the fields read: up to the station pressure

// Markers of a missing value: this much or more.
constexpr double kFehltTemperatur = 99.9;  // dry bulb and dew point [°C]
constexpr double kFehltFeuchte = 999;      // relative humidity [%]
constexpr double kFehltDruck = 999999;     // station pressure [Pa]

void Felder(std::string_view zeile, std::vector<std::string_view>& felder) {
    felder.clear();
    while (true) {
        const std::size_t k = zeile.find(',');
        felder.push_back(zeile.substr(0, k));
        if (k == std::string_view::npos) return;
        zeile.remove_prefix(k + 1);
    }
}

// The value of a field where it is a number below its marker of a missing value.
std::optional<double> Vorhanden(std::string_view feld, double fehlt) {
    const auto w = Wert(feld);
    return w && *w < fehlt ? w : std::nullopt;
}

std::optional<int> Ganz(std::string_view feld, int min, int max) {
    const auto w = Wert(feld);
    if (!w || *w != std::floor(*w) || *w < min || *w > max) return std::nullopt;
    return static_cast<int>(*w);
}

}  // namespace

bool IstEpw(std::string_view daten) { return daten.substr(0, 9) == "LOCATION,"; }

Ergebnis<Messreihenimport> EpwLesen(std::string_view daten, std::string name, std::string quelle,
                                    const Fortschritt& fortschritt) {
    using E = Ergebnis<Messreihenimport>;
    Messreihenimport im = Wetterjahrimport(std::move(name), std::move(quelle), "EPW", daten);
    Messreihe& r = im.reihe;
    Zeilen zeilen(daten);
    std::vector<std::string_view> felder;
    std::string_view zeile;
    // LOCATION,place,region,country,source,WMO,latitude,longitude,time zone,elevation
    if (zeilen.Naechste(zeile) && zeile.size() <= kMessreiheMaxZeile) {
        Felder(zeile, felder);
        if (felder.size() > 1 && !Getrimmt(felder[1]).empty()) r.ort = AlsUtf8(Getrimmt(felder[1]));
        if (felder.size() > 9) r.hoehe = Wert(felder[9]);
    }
    while (zeilen.nummer() < kKopfzeilen && zeilen.Naechste(zeile)) {
    }
    const std::optional<double> druckAusHoehe =
        r.hoehe ? std::optional<double>(NormdruckInHoehe(*r.hoehe)) : std::nullopt;

    Fortschrittstakt takt(fortschritt, daten.size());
    double druckSumme = 0;
    std::size_t druckStunden = 0;
    const double nan = std::nan("");
    while (zeilen.Naechste(zeile)) {
        if (!takt.Weiter(zeilen.pos())) return E::Fehler(ImportAbgebrochen());
        if (Getrimmt(zeile).empty()) continue;
        bool gut = zeile.size() <= kMessreiheMaxZeile;
        if (gut) {
            Felder(zeile, felder);
            gut = felder.size() >= kFelder;
        }
        const auto monat = gut ? Ganz(felder[1], 1, 12) : std::nullopt;
        const auto tag = gut ? Ganz(felder[2], 1, 31) : std::nullopt;
        const auto stunde = gut ? Ganz(felder[3], 1, 24) : std::nullopt;
        const auto trocken = gut ? Wert(felder[6]) : std::nullopt;
        if (!monat || !tag || !stunde || !trocken) {
            Ueberspringen(im, zeilen.nummer());
            continue;
        }
        // A missing dry-bulb temperature, pressure or humidity keeps the hour as impossible.
        const double theta = *trocken < kFehltTemperatur ? *trocken : nan;
        std::optional<double> p;  // [hPa]
        if (const auto station = Vorhanden(felder[9], kFehltDruck)) {
            p = *station / 100;
            druckSumme += *p;
            ++druckStunden;
        } else {
            p = druckAusHoehe;
        }
        // The vapour pressure by the Magnus form over water, as weather services report
        // dew points and humidity even below 0 °C.
        std::optional<double> pD;  // [hPa]
        if (const auto tau = Vorhanden(felder[7], kFehltTemperatur)) {
            pD = InHpa(Saettigungsdruck(*tau));
        } else if (const auto phi = Vorhanden(felder[8], kFehltFeuchte);
                   phi && !std::isnan(theta)) {
            pD = *phi / 100 * InHpa(Saettigungsdruck(theta));
        }
        double x = nan;
        if (p && pD && *p - *pD > 0) x = 1000 * kMolmassen * *pD / (*p - *pD);
        if (!StundeAnhaengen(r, *monat, *tag, *stunde, theta, x)) {
            return E::Fehler(ZuVieleZeilen());
        }
    }
    if (druckStunden > 0) r.druck = druckSumme / static_cast<double>(druckStunden);
    if (!takt.Ende()) return E::Fehler(ImportAbgebrochen());
    return WetterjahrFertig(std::move(im));
}

}  // namespace lumora
