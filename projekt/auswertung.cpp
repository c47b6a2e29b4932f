#include "projekt/auswertung.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "core/einheiten.h"

namespace lumora {

namespace {

// A class index: floor(v/breite + 1e-9), the small term keeping 0.3/0.1 in class 3. Kept
// within ±1e15, so that an absurd width or value cannot overflow the integer.
std::int64_t Klassenindex(double v, double breite) {
    const double k = std::floor(v / breite + 1e-9);
    return static_cast<std::int64_t>(std::isnan(k) ? 0 : std::clamp(k, -1e15, 1e15));
}

}  // namespace

bool WetterstundeLesen(const Messreihe& r, std::size_t i, int& monat, int& stunde) {
    const auto ganz = [](const std::vector<double>& v, std::size_t i, double min, double max) {
        return i < v.size() && v[i] == std::floor(v[i]) && v[i] >= min && v[i] <= max;
    };
    if (!ganz(r.monat, i, 1, 12) || !ganz(r.tag, i, 1, 31) || !ganz(r.stunde, i, 1, 24)) {
        return false;
    }
    monat = static_cast<int>(r.monat[i]);
    stunde = static_cast<int>(r.stunde[i]);
    return true;
}

double Klassengrenze(std::int64_t k, double breite) {
    return std::round(static_cast<double>(k) * breite * 1e9) / 1e9;
}

double Messauswertung::Stunden() const {
    double s = 0;
    for (const Messpunkt& p : moeglich) s += p.stunden;
    return s;
}

const Klasse* Haeufigkeit::Bei(double theta, double xGkg) const {
    const std::int64_t i = Klassenindex(theta, breite.dtheta);
    const std::int64_t j = Klassenindex(xGkg, breite.dx);
    const auto k =
        std::lower_bound(klassen.begin(), klassen.end(), std::pair{i, j},
                         [](const Klasse& k, const std::pair<std::int64_t, std::int64_t>& s) {
                             return std::pair{k.i, k.j} < s;
                         });
    return k != klassen.end() && k->i == i && k->j == j ? &*k : nullptr;
}

Haeufigkeit Klassieren(const std::vector<Messpunkt>& punkte, Klassenbreite breite) {
    Haeufigkeit h;
    h.breite = breite;
    std::map<std::pair<std::int64_t, std::int64_t>, double> stunden;
    for (const Messpunkt& p : punkte) {
        if (!(p.stunden > 0)) continue;
        stunden[{Klassenindex(p.theta, breite.dtheta), Klassenindex(p.xGkg, breite.dx)}] +=
            p.stunden;
    }
    h.klassen.reserve(stunden.size());
    for (const auto& [k, s] : stunden) {
        h.klassen.push_back({k.first, k.second, Klassengrenze(k.first, breite.dtheta),
                             Klassengrenze(k.second, breite.dx), s});
        h.hoechste = std::max(h.hoechste, s);
    }
    return h;
}

std::optional<Auslegung> Auslegungswerte(const std::vector<Messpunkt>& punkte, int k) {
    if (k < 0 || punkte.size() <= static_cast<std::size_t>(k)) return std::nullopt;
    std::vector<double> werte(punkte.size());
    // The (k + 1)-th value of the list sorted by `vor`.
    const auto kter = [&](double Messpunkt::*wert, auto vor) {
        std::transform(punkte.begin(), punkte.end(), werte.begin(),
                       [&](const Messpunkt& p) { return p.*wert; });
        std::nth_element(werte.begin(), werte.begin() + k, werte.end(), vor);
        return werte[static_cast<std::size_t>(k)];
    };
    Auslegung a;
    a.k = k;
    a.thetaMax = kter(&Messpunkt::theta, std::greater<>());
    a.xMax = kter(&Messpunkt::xGkg, std::greater<>());
    a.hMax = kter(&Messpunkt::h, std::greater<>());
    a.thetaMin = kter(&Messpunkt::theta, std::less<>());
    return a;
}

Messauswertung MessreiheAuswerten(const Messreihe& r, const Luftdruck& druck) {
    Messauswertung a;
    const bool phi = r.feuchteart == Feuchteart::Phi;
    a.wetterjahr = r.art == Reihenart::Wetterjahr;
    // Each point stands for an interval of time (PunktStunden), when every time can be read;
    // an hour of a weather year for one hour.
    std::vector<double> zeiten;
    if (a.wetterjahr) {
        a.zeitLesbar = true;
    } else if (r.zeit.size() == r.Punkte() && !r.zeit.empty()) {
        zeiten.reserve(r.zeit.size());
        for (const std::string& t : r.zeit) {
            const auto s = ZeitLesen(t);
            if (!s) break;
            zeiten.push_back(*s);
        }
        a.zeitLesbar = zeiten.size() == r.zeit.size();
    }
    a.moeglich.reserve(r.Punkte());
    for (std::size_t i = 0; i < r.Punkte(); ++i) {
        int monat = 0, stunde = 0;
        if (a.wetterjahr) {
            // An hour whose time cannot be read cannot be placed in the window: impossible.
            if (!WetterstundeLesen(r, i, monat, stunde)) {
                ++a.punkte;
                ++a.unmoeglich;
                continue;
            }
            if (!r.zeitfenster.Enthaelt(monat, stunde)) continue;
        }
        ++a.punkte;
        const double theta = r.theta[i];
        const double f = i < r.feuchte.size() ? r.feuchte[i] : std::nan("");
        const auto z = std::isfinite(theta) && std::isfinite(f)
                           ? ZustandAusPaar(druck, phi ? Paar::ThetaPhi : Paar::ThetaX, theta,
                                            phi ? f : InKgJeKg(f))
                           : Ergebnis<Zustandswerte>::Fehler("");
        if (!z) {
            ++a.unmoeglich;
            continue;
        }
        Messpunkt p;
        p.index = i;
        p.theta = theta;
        p.phi = phi ? std::optional<double>(f) : z->phi;
        p.xGkg = phi ? InGrammJeKg(z->x) : f;
        p.x = z->x;
        p.h = z->h;
        p.monat = monat;
        p.stunde = stunde;
        if (a.wetterjahr) {
            p.stunden = 1;
        } else if (a.zeitLesbar) {
            p.stunden = PunktStunden(zeiten, i);
        }
        a.moeglich.push_back(p);
    }
    if (a.wetterjahr) {
        a.haeufigkeit = Klassieren(a.moeglich, r.klassen);
        a.auslegung = Auslegungswerte(a.moeglich, r.ueberschreitung);
    }
    return a;
}

}  // namespace lumora
