#include "projekt/zeit.h"

#include <cmath>
#include <cstdint>

#include "core/text.h"
#include "projekt/textdatei.h"

namespace lumora {

namespace {

// Reads a text from the front, a piece at a time.
class Leser {
  public:
    explicit Leser(std::string_view s) : s_(s) {}
    bool Ende() const { return s_.empty(); }
    // A whole number of min to max digits.
    std::optional<int> Ziffern(std::size_t min, std::size_t max) {
        std::size_t n = 0;
        int v = 0;
        while (n < s_.size() && n < max && s_[n] >= '0' && s_[n] <= '9')
            v = v * 10 + (s_[n++] - '0');
        if (n < min) return std::nullopt;
        s_.remove_prefix(n);
        return v;
    }
    bool Zeichen(char c) {
        if (s_.empty() || s_.front() != c) return false;
        s_.remove_prefix(1);
        return true;
    }
    char Vorn() const { return s_.empty() ? '\0' : s_.front(); }

  private:
    std::string_view s_;
};

// Days from 1970-01-01 to the given date of the Gregorian calendar.
std::int64_t TageSeit1970(int jahr, int monat, int tag) {
    const int j = jahr - (monat <= 2 ? 1 : 0);
    const int era = (j >= 0 ? j : j - 399) / 400;
    const int jahrInEra = j - era * 400;
    const int tagImJahr = (153 * (monat + (monat > 2 ? -3 : 9)) + 2) / 5 + tag - 1;
    const int tagInEra = jahrInEra * 365 + jahrInEra / 4 - jahrInEra / 100 + tagImJahr;
    return static_cast<std::int64_t>(era) * 146097 + tagInEra - 719468;
}

bool DatumGibtEs(int jahr, int monat, int tag) {
    static constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (monat < 1 || monat > 12 || tag < 1) return false;
    const bool schalt = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
    return tag <= kTage[monat - 1] + (monat == 2 && schalt ? 1 : 0);
}

// hh:mm[:ss[.fff]] after the date; seconds of the day, none when malformed.
std::optional<double> Uhrzeit(Leser& l) {
    const auto stunde = l.Ziffern(1, 2);
    if (!stunde || !l.Zeichen(':')) return std::nullopt;
    const auto minute = l.Ziffern(2, 2);
    if (!minute) return std::nullopt;
    double sekunde = 0;
    if (l.Zeichen(':')) {
        const auto s = l.Ziffern(2, 2);
        if (!s) return std::nullopt;
        sekunde = *s;
        if (l.Zeichen('.') || l.Zeichen(',')) {
            double stelle = 0.1;
            bool ziffer = false;
            while (l.Vorn() >= '0' && l.Vorn() <= '9') {
                sekunde += stelle * (l.Vorn() - '0');
                stelle /= 10;
                l.Zeichen(l.Vorn());
                ziffer = true;
            }
            if (!ziffer) return std::nullopt;
        }
    }
    if (*stunde > 24 || *minute > 59 || sekunde >= 61 ||
        (*stunde == 24 && (*minute > 0 || sekunde > 0))) {
        return std::nullopt;
    }
    return *stunde * 3600.0 + *minute * 60.0 + sekunde;
}

}  // namespace

std::optional<double> ZeitLesen(std::string_view text) {
    const auto z = ZeitangabeLesen(text);
    if (!z) return std::nullopt;
    return z->sekunden;
}

std::optional<Zeitangabe> ZeitangabeLesen(std::string_view text) {
    Leser l(Getrimmt(text));
    int jahr = 0, monat = 0, tag = 0;
    bool iso = false;
    const auto erste = l.Ziffern(1, 4);
    if (!erste) return std::nullopt;
    if (l.Zeichen('-')) {  // 2024-03-01
        const auto m = l.Ziffern(2, 2);
        if (!m || !l.Zeichen('-')) return std::nullopt;
        const auto t = l.Ziffern(2, 2);
        if (!t) return std::nullopt;
        jahr = *erste, monat = *m, tag = *t;
        iso = true;
    } else if (l.Zeichen('.')) {  // 01.03.2024
        const auto m = l.Ziffern(1, 2);
        if (!m || !l.Zeichen('.')) return std::nullopt;
        const auto j = l.Ziffern(4, 4);
        if (!j || *erste > 31) return std::nullopt;
        jahr = *j, monat = *m, tag = *erste;
    } else {
        return std::nullopt;
    }
    if (!DatumGibtEs(jahr, monat, tag)) return std::nullopt;
    Zeitangabe z{static_cast<double>(TageSeit1970(jahr, monat, tag)) * 86400, monat, 0};
    if (l.Ende()) return z;
    if (!(iso && l.Zeichen('T')) && !l.Zeichen(' ')) return std::nullopt;
    while (l.Zeichen(' ')) {
    }
    const auto uhrzeit = Uhrzeit(l);
    if (!uhrzeit) return std::nullopt;
    z.sekunden += *uhrzeit;
    z.stunde = static_cast<int>(*uhrzeit / 3600);
    if (iso && l.Zeichen('Z')) {
    } else if (iso && (l.Vorn() == '+' || l.Vorn() == '-')) {
        const int vorzeichen = l.Vorn() == '+' ? 1 : -1;
        l.Zeichen(l.Vorn());
        const auto h = l.Ziffern(2, 2);
        if (!h) return std::nullopt;
        l.Zeichen(':');
        const auto m = l.Ziffern(2, 2);
        if (!m || *h > 23 || *m > 59) return std::nullopt;
        z.sekunden -= vorzeichen * (*h * 3600.0 + *m * 60.0);
    }
    if (!l.Ende()) return std::nullopt;
    return z;
}

double PunktStunden(const std::vector<double>& zeiten, std::size_t i) {
    const auto abstand = [&](std::size_t von) -> std::optional<double> {
        if (von + 1 >= zeiten.size()) return std::nullopt;
        const double stunden = (zeiten[von + 1] - zeiten[von]) / 3600;
        if (stunden > 0 && stunden <= kMessreiheLueckeStunden) return stunden;
        return std::nullopt;
    };
    if (const auto danach = abstand(i)) return *danach;
    if (i > 0) {
        if (const auto davor = abstand(i - 1)) return *davor;
    }
    return 0;
}

namespace {

// [von, bis] of the key, two whole numbers in [min, max]; none with the reason in fehler.
std::optional<std::array<int, 2>> Spanne(const Json& j, std::string_view objekt,
                                         const char* schluessel, int min, int max,
                                         std::string& fehler) {
    const auto w = j.find(schluessel);
    if (w == j.end()) return std::nullopt;
    const std::string wo = Zitat(objekt) + ": " + Zitat(schluessel);
    const auto ganz = [&](const Json& e) {
        return e.is_number() && e.get<double>() == std::floor(e.get<double>()) &&
               e.get<double>() >= min && e.get<double>() <= max;
    };
    if (!w->is_array() || w->size() != 2 || !ganz((*w)[0]) || !ganz((*w)[1])) {
        fehler = Einsetzen(
            Text("Projekt", "%1 ist keine Liste [von, bis] aus ganzen Zahlen von %2 bis %3."),
            {wo, std::to_string(min), std::to_string(max)});
        return std::nullopt;
    }
    return std::array<int, 2>{(*w)[0].get<int>(), (*w)[1].get<int>()};
}

}  // namespace

bool Zeitfenster::Enthaelt(int monat, int stunde) const {
    if (monate) {
        const auto [von, bis] = *monate;
        const bool drin = von <= bis ? monat >= von && monat <= bis : monat >= von || monat <= bis;
        if (!drin) return false;
    }
    if (stunden) {
        const auto [von, bis] = *stunden;
        // The hour's span HH - 1 .. HH inside von .. bis, or von .. 24 and 0 .. bis wrapped.
        return von < bis ? stunde > von && stunde <= bis : stunde > von || stunde <= bis;
    }
    return true;
}

Ergebnis<Zeitfenster> ZeitfensterAusJson(const Json& j, std::string_view schluessel) {
    using E = Ergebnis<Zeitfenster>;
    if (!j.is_object()) {
        return E::Fehler(
            Einsetzen(Text("Projekt", "%1 ist kein JSON-Objekt."), {Zitat(schluessel)}));
    }
    Zeitfenster f;
    std::string fehler;
    f.monate = Spanne(j, schluessel, "monate", 1, 12, fehler);
    if (!fehler.empty()) return E::Fehler(fehler);
    f.stunden = Spanne(j, schluessel, "stunden", 0, 24, fehler);
    if (!fehler.empty()) return E::Fehler(fehler);
    if (f.stunden) {
        const auto [von, bis] = *f.stunden;
        const Zeitfenster stundenAllein{std::nullopt, f.stunden};
        bool eine = false;
        for (int hh = 1; hh <= 24 && !eine; ++hh) eine = stundenAllein.Enthaelt(1, hh);
        if (!eine) {
            return E::Fehler(
                Einsetzen(Text("Projekt", "%1: „stunden“ [%2, %3] umfasst keine Stunde des Tages."),
                          {Zitat(schluessel), std::to_string(von), std::to_string(bis)}));
        }
    }
    return f;
}

}  // namespace lumora
