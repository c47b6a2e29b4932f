#include "projekt/messreihe.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/text.h"
#include "core/zahlen.h"
#include "projekt/leseformate.h"

namespace lumora {

using nlohmann::ordered_json;

// -- Import ----------------------------------------------------------------------------

std::string Messreihenimport::Meldung() const {
    if (uebersprungen == 0) return {};
    std::string zeilen;
    for (std::size_t i = 0; i < ersteZeilen.size(); ++i) {
        if (i > 0) zeilen += ", ";
        zeilen += std::to_string(ersteZeilen[i]);
    }
    if (uebersprungen > ersteZeilen.size()) zeilen += ", …";
    return Einsetzen(
        uebersprungen == 1
            ? Text("Projekt",
                   "%1 Zeile konnte nicht gelesen werden und wurde übersprungen: Zeile %2.")
            : Text("Projekt",
                   "%1 Zeilen konnten nicht gelesen werden und wurden übersprungen: Zeile %2."),
        {Gruppiert(uebersprungen), zeilen});
}

void Ueberspringen(Messreihenimport& im, std::size_t zeile) {
    if (im.ersteZeilen.size() < kMessreiheGemeldeteZeilen) im.ersteZeilen.push_back(zeile);
    ++im.uebersprungen;
}

std::string ZuVieleZeilen() {
    return Einsetzen(
        Text("Projekt", "Die Datei hat mehr als %1 Messzeilen, die Grenze des Programms."),
        {Gruppiert(kMessreiheMaxPunkte)});
}

Messreihenimport Wetterjahrimport(std::string name, std::string quelle, const char* format,
                                  std::string_view daten) {
    Messreihenimport im;
    Messreihe& r = im.reihe;
    r.name = AlsUtf8(name);
    r.quelle = AlsUtf8(quelle);
    r.art = Reihenart::Wetterjahr;
    r.format = format;
    r.feuchteart = Feuchteart::X;
    const auto zeilenZahl =
        std::min(static_cast<std::size_t>(std::count(daten.begin(), daten.end(), '\n')),
                 kMessreiheMaxPunkte);
    for (auto* v : {&r.monat, &r.tag, &r.stunde, &r.theta, &r.feuchte}) v->reserve(zeilenZahl);
    return im;
}

bool StundeAnhaengen(Messreihe& r, int monat, int tag, int stunde, double theta, double x) {
    if (r.theta.size() == kMessreiheMaxPunkte) return false;
    r.monat.push_back(monat);
    r.tag.push_back(tag);
    r.stunde.push_back(stunde);
    r.theta.push_back(theta);
    r.feuchte.push_back(x);
    return true;
}

Ergebnis<Messreihenimport> WetterjahrFertig(Messreihenimport im) {
    if (im.reihe.theta.empty()) {
        std::string m = Text("Projekt", "Die Datei enthält keine lesbare Stunde.");
        if (im.uebersprungen > 0) m += " " + im.Meldung();
        return Ergebnis<Messreihenimport>::Fehler(m);
    }
    return im;
}

std::string Messreihenimport::Zusammenfassung() const {
    const Messreihe& r = reihe;
    if (r.art != Reihenart::Wetterjahr) return {};
    std::string m = Einsetzen(r.Punkte() == 1 ? Text("Projekt", "%1: %2 Stunde gelesen")
                                              : Text("Projekt", "%1: %2 Stunden gelesen"),
                              {r.format, Gruppiert(r.Punkte())});
    if (r.ort) m += ", " + *r.ort;
    if (r.hoehe) m += ", " + Einsetzen(Text("Projekt", "Höhe %1"), {MitEinheit(*r.hoehe, "m")});
    if (r.druck) {
        m += ", " + Einsetzen(Text("Projekt", "mittlerer Luftdruck %1"),
                              {MitEinheit(std::round(*r.druck * 10) / 10, "hPa")});
    }
    return m + ".";
}

Ergebnis<Messreihenimport> MessreiheLesen(std::string_view daten, std::string name,
                                          std::string quelle, const Fortschritt& fortschritt) {
    std::string_view text = daten;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (IstEpw(text)) return EpwLesen(text, std::move(name), std::move(quelle), fortschritt);
    if (IstTry(text)) return TryLesen(text, std::move(name), std::move(quelle), fortschritt);
    return MessreiheAusCsv(daten, std::move(name), std::move(quelle), fortschritt);
}

// -- JSON ------------------------------------------------------------------------------

namespace {

constexpr const char* kWetterjahr = "wetterjahr";

const char* FeuchteSchluessel(Feuchteart art) { return art == Feuchteart::Phi ? "phi" : "x"; }

// A column for the file: each value from the members, except where a member holds no value of
// its own (NaN, an empty time text) and the file had something else there, which is kept.
template <class Eigen, class Wert>
ordered_json Spalte(const Messreihe& r, const char* schluessel, std::size_t n, Eigen eigen,
                    Wert wert) {
    ordered_json a = ordered_json::array();
    const auto f = r.fremd.find(schluessel);
    for (std::size_t i = 0; i < n; ++i) {
        if (f != r.fremd.end() && !eigen(i)) {
            if (const auto g = f->second.find(i); g != f->second.end()) {
                a.push_back(g->second);
                continue;
            }
        }
        a.push_back(wert(i));
    }
    return a;
}

}  // namespace

ordered_json MessreiheZuJson(const Messreihe& r) {
    ordered_json j = r.vorlage.is_object() ? r.vorlage : ordered_json::object();
    j.erase(r.feuchteart == Feuchteart::Phi ? "x" : "phi");
    j["name"] = r.name;
    j["quelle"] = r.quelle;
    const bool wetter = r.art == Reihenart::Wetterjahr;
    if (wetter) {
        j["art"] = kWetterjahr;
        j["format"] = r.format;
        const auto wahlweise = [&](const char* schluessel, const auto& wert, auto alsJson) {
            if (wert) {
                j[schluessel] = alsJson(*wert);
            } else {
                j.erase(schluessel);
            }
        };
        wahlweise("ort", r.ort, [](const std::string& o) { return ordered_json(o); });
        wahlweise("hoehe", r.hoehe, JsonZahl);
        wahlweise("druck", r.druck, JsonZahl);
    }
    if (!r.zeit.empty() || j.contains("zeit")) {  // a file's empty time list stays
        j["zeit"] = Spalte(
            r, "zeit", r.zeit.size(), [&](std::size_t i) { return !r.zeit[i].empty(); },
            [&](std::size_t i) { return ordered_json(r.zeit[i]); });
    }
    const auto zahlen = [&](const char* schluessel, const std::vector<double>& werte) {
        return Spalte(
            r, schluessel, werte.size(), [&](std::size_t i) { return std::isfinite(werte[i]); },
            [&](std::size_t i) {
                return std::isfinite(werte[i]) ? JsonZahl(werte[i]) : ordered_json();
            });
    };
    if (wetter) {
        j["monat"] = zahlen("monat", r.monat);
        j["tag"] = zahlen("tag", r.tag);
        j["stunde"] = zahlen("stunde", r.stunde);
    }
    j["theta"] = zahlen("theta", r.theta);
    const char* f = FeuchteSchluessel(r.feuchteart);
    j[f] = zahlen(f, r.feuchte);
    return j;
}

namespace {

// The settings of a weather year; the reason naming the key where one is not what it must be.
std::optional<std::string> WetterjahrEinstellungen(const ordered_json& j, Messreihe& r) {
    if (const auto f = j.find("zeitfenster"); f != j.end()) {
        const auto fenster = ZeitfensterAusJson(*f);
        if (!fenster) return fenster.grund();
        r.zeitfenster = *fenster;
    }
    if (const auto k = j.find("klassen"); k != j.end()) {
        const auto positiv = [](const ordered_json& e) {
            return e.is_number() && std::isfinite(e.get<double>()) && e.get<double>() > 0;
        };
        if (!k->is_array() || k->size() != 2 || !positiv((*k)[0]) || !positiv((*k)[1])) {
            return Text("Projekt", "„klassen“ ist keine Liste [Δϑ, Δx] aus zwei Zahlen über 0.");
        }
        r.klassen = {(*k)[0].get<double>(), (*k)[1].get<double>()};
    }
    if (const auto u = j.find("ueberschreitung"); u != j.end()) {
        if (!u->is_number() || u->get<double>() != std::floor(u->get<double>()) ||
            u->get<double>() < 0 || u->get<double>() > 1e9) {
            return Text("Projekt", "„ueberschreitung“ ist keine ganze Zahl ab 0.");
        }
        r.ueberschreitung = u->get<int>();
    }
    if (const auto karte = j.find("haeufigkeitskarte"); karte != j.end()) {
        if (!karte->is_boolean())
            return Text("Projekt", "„haeufigkeitskarte“ ist nicht true oder false.");
        r.haeufigkeitskarte = karte->get<bool>();
    }
    for (const char* s : {"format", "ort"}) {
        const auto t = j.find(s);
        if (t != j.end() && !t->is_string()) {
            return Einsetzen(Text("Projekt", "%1 ist kein Text."), {Zitat(s)});
        }
        if (t != j.end()) (std::string_view(s) == "format" ? r.format : r.ort.emplace()) = *t;
    }
    for (auto [s, wert] : {std::pair{"hoehe", &r.hoehe}, std::pair{"druck", &r.druck}}) {
        const auto z = j.find(s);
        if (z == j.end()) continue;
        if (!z->is_number() || !std::isfinite(z->get<double>())) {
            return Einsetzen(Text("Projekt", "%1 ist keine Zahl."), {Zitat(s)});
        }
        *wert = z->get<double>();
    }
    return std::nullopt;
}

// Why the series' lists cannot be read: a weather year without its time lists, a list that is
// none, or lists of different lengths; none when they can.
std::optional<std::string> SpaltenPruefen(const ordered_json& j, bool wetter, const char* feuchte) {
    std::vector<const char*> spalten = {"zeit", "theta", feuchte};
    if (wetter) {
        for (const char* s : {"monat", "tag", "stunde"}) {
            if (!j.contains(s))
                return Einsetzen(Text("Projekt", "Dem Wetterjahr fehlt %1."), {Zitat(s)});
            spalten.push_back(s);
        }
    }
    for (const char* s : spalten) {
        const auto a = j.find(s);
        if (a != j.end() && !a->is_array()) {
            return Einsetzen(Text("Projekt", "%1 der Messreihe ist keine Liste."), {Zitat(s)});
        }
    }
    const std::size_t n = j["theta"].size();
    for (const char* s : spalten) {
        const auto a = j.find(s);
        if (a != j.end() && a->size() != n) {
            return Einsetzen(Text("Projekt", "%1 hat %2 Werte, „theta“ aber %3."),
                             {Zitat(s), std::to_string(a->size()), std::to_string(n)});
        }
    }
    return std::nullopt;
}

}  // namespace

Ergebnis<Messreihe> MessreiheAusJson(const ordered_json& j) {
    using E = Ergebnis<Messreihe>;
    if (!j.is_object()) return E::Fehler(Text("Projekt", "Die Messreihe ist kein JSON-Objekt."));
    Messreihe r;
    const auto name = EintragsName(j, Eintragsart::Messreihe);
    if (!name) return E::Fehler(name.grund());
    r.name = *name;
    if (const auto q = j.find("quelle"); q != j.end()) {
        if (!q->is_string())
            return E::Fehler(Text("Projekt", "„quelle“ der Messreihe ist kein Text."));
        r.quelle = q->get<std::string>();
    }
    if (const auto a = j.find("art"); a != j.end()) {
        if (*a != kWetterjahr) {
            return E::Fehler(
                Einsetzen(Text("Projekt", "„art“ der Messreihe ist %1; gelesen wird %2."),
                          {a->dump(), Zitat(kWetterjahr)}));
        }
        r.art = Reihenart::Wetterjahr;
        if (auto f = WetterjahrEinstellungen(j, r)) return E::Fehler(*f);
    }
    const bool wetter = r.art == Reihenart::Wetterjahr;
    const bool hatPhi = j.contains("phi"), hatX = j.contains("x");
    if (hatPhi && hatX) {
        return E::Fehler(
            Text("Projekt", "Die Messreihe hat „phi“ und „x“; erwartet wird eines von beiden."));
    }
    if (wetter && !hatX) {
        return E::Fehler(Einsetzen(Text("Projekt", "Dem Wetterjahr fehlt %1."), {Zitat("x")}));
    }
    if (!hatPhi && !hatX) return E::Fehler(Text("Projekt", "Der Messreihe fehlt „phi“ oder „x“."));
    if (!j.contains("theta")) return E::Fehler(Text("Projekt", "Der Messreihe fehlt „theta“."));
    r.feuchteart = hatPhi ? Feuchteart::Phi : Feuchteart::X;
    const char* feuchte = FeuchteSchluessel(r.feuchteart);

    if (auto f = SpaltenPruefen(j, wetter, feuchte)) return E::Fehler(*f);
    const std::size_t n = j["theta"].size();

    const auto zahlen = [&](const char* s, std::vector<double>& werte) {
        werte.reserve(n);
        std::size_t i = 0;
        for (const auto& w : j[s]) {
            if (w.is_number() && std::isfinite(w.get<double>())) {
                werte.push_back(w.get<double>());
            } else {
                werte.push_back(std::numeric_limits<double>::quiet_NaN());
                r.fremd[s][i] = w;
            }
            ++i;
        }
    };
    zahlen("theta", r.theta);
    zahlen(feuchte, r.feuchte);
    if (wetter) {
        zahlen("monat", r.monat);
        zahlen("tag", r.tag);
        zahlen("stunde", r.stunde);
    }
    if (const auto z = j.find("zeit"); z != j.end()) {
        r.zeit.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            const auto& w = (*z)[i];
            if (w.is_string()) {
                r.zeit.push_back(w.get<std::string>());
            } else {
                r.zeit.emplace_back();
                r.fremd["zeit"][i] = w;
            }
        }
    }
    r.vorlage = wetter ? Vorlage(j, {"name", "quelle", "art", "format", "ort", "hoehe", "druck",
                                     "zeit", "monat", "tag", "stunde", "theta", feuchte})
                       : Vorlage(j, {"name", "quelle", "zeit", "theta", feuchte});
    return r;
}

}  // namespace lumora
