#include "projekt/uebung.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "chart/pruefung.h"
#include "core/text.h"
#include "core/zahlen.h"
#include "projekt/bericht.h"
#include "projekt/tafeltext.h"

namespace lumora {

namespace {

using Fehler = std::optional<std::string>;

// clang-format off
constexpr Aufgabengroesse kAufgabengroessen[] = {
    {"theta", Bezug::Zustand, vorgemerkt::Text("Projekt", "Temperatur ϑ"), "°C", "K", stellen::kTheta},
    {"x", Bezug::Zustand, vorgemerkt::Text("Projekt", "Wassergehalt x"), "g/kg", "g/kg", stellen::kX},
    {"phi", Bezug::Zustand, vorgemerkt::Text("Projekt", "relative Feuchte φ"), "%", "%", stellen::kPhi},
    {"h", Bezug::Zustand, vorgemerkt::Text("Projekt", "Enthalpie h"), "kJ/kg", "kJ/kg", stellen::kH},
    {"taupunkt", Bezug::Zustand, vorgemerkt::Text("Projekt", "Taupunkt ϑTau"), "°C", "K", stellen::kTheta},
    {"kuehlgrenze", Bezug::Zustand, vorgemerkt::Text("Projekt", "Kühlgrenztemperatur ϑK"), "°C", "K", stellen::kTheta},
    {"rho", Bezug::Zustand, vorgemerkt::Text("Projekt", "Dichte ρ"), "kg/m³", "kg/m³", stellen::kRho},
    {"v", Bezug::Zustand, vorgemerkt::Text("Projekt", "spezifisches Volumen v"), "m³/kg", "m³/kg", stellen::kRho},
    {"leistung", Bezug::Prozess, vorgemerkt::Text("Projekt", "Leistung"), "kW", "kW", stellen::kWasser},
    {"wasser", Bezug::Prozess, vorgemerkt::Text("Projekt", "Wasserstrom"), "kg/h", "kg/h", stellen::kWasser},
    {"dtheta", Bezug::Prozess, vorgemerkt::Text("Projekt", "Temperaturänderung Δϑ"), "K", "K", stellen::kTheta},
    {"dx", Bezug::Prozess, vorgemerkt::Text("Projekt", "Wassergehaltsänderung Δx"), "g/kg", "g/kg", stellen::kX},
    {"dh", Bezug::Prozess, vorgemerkt::Text("Projekt", "Enthalpieänderung Δh"), "kJ/kg", "kJ/kg", stellen::kH},
};
// clang-format on

// The keys a task has, in the order an exercise writes them.
constexpr const char* kAufgabenschluessel[] = {"text", "name", "groesse", "toleranz", "punkte"};

std::string AufgabeWo(std::size_t nr) {
    return Einsetzen(Text("Projekt", "Aufgabe %1"), {std::to_string(nr)});
}

// A refusal of a form's field: the field's name, then the reason.
std::string Feldfehler(const std::string& feld, const std::string& grund) {
    return feld + ": " + grund;
}

std::string Groessenliste() {
    std::string s;
    for (const Aufgabengroesse& g : kAufgabengroessen) {
        s += (s.empty() ? "" : ", ") + Zitat(g.schluessel);
    }
    return s;
}

Fehler TextLesen(const Json& a, const char* key, std::string& text) {
    const auto it = a.find(key);
    if (it == a.end()) return Einsetzen(Text("Projekt", "%1 fehlt."), {Zitat(key)});
    if (!it->is_string()) return Einsetzen(Text("Projekt", "%1 ist kein Text."), {Zitat(key)});
    text = it->get<std::string>();
    return std::nullopt;
}

Fehler AufgabeLesen(const Json& a, Aufgabe& aufgabe) {
    if (!a.is_object()) return Text("Projekt", "Die Aufgabe ist kein JSON-Objekt.");
    if (auto f = TextLesen(a, "text", aufgabe.text)) return f;
    if (auto f = TextLesen(a, "name", aufgabe.name)) return f;
    if (auto f = NamensFehler(aufgabe.name)) return "„name“: " + *f;
    std::string groesse;
    if (auto f = TextLesen(a, "groesse", groesse)) return f;
    aufgabe.groesse = AufgabengroesseZu(groesse);
    if (!aufgabe.groesse) {
        return Einsetzen(Text("Projekt", "Die Größe %1 gibt es nicht; möglich sind %2."),
                         {Zitat(groesse), Groessenliste()});
    }
    if (auto f = WertLesen(a, "toleranz", aufgabe.toleranz)) return f;
    if (!(aufgabe.toleranz >= 0)) return Text("Projekt", "„toleranz“ muss 0 oder größer sein.");
    if (auto f = WertLesen(a, "punkte", aufgabe.punkte)) return f;
    if (!(aufgabe.punkte > 0)) return Text("Projekt", "„punkte“ muss größer als 0 sein.");
    return std::nullopt;
}

Ergebnis<double> Fehlt(std::string grund) { return Ergebnis<double>::Fehler(std::move(grund)); }

// The decimals a sentence shows: those of the tolerance, at least one, or the tables' where
// the tolerance is 0.
int SatzStellen(const Aufgabe& a) {
    if (!(a.toleranz > 0)) return a.groesse->stellen;
    for (int d = 1; d < 6; ++d) {
        const double f = std::pow(10.0, d);
        if (std::fabs(std::round(a.toleranz * f) - a.toleranz * f) < 1e-6) return d;
    }
    return 6;
}

double AufStellen(double v, int d) {
    const double f = std::pow(10.0, d);
    return std::round(v * f) / f;
}

// Within the tolerance, with room for the rounding of the subtraction itself: 26.3 − 26.0 is
// 0.30000000000000071 in doubles, and a teacher's tolerance of 0.3 means it.
bool Innerhalb(double wert, double loesung, double toleranz) {
    const double spiel = 1e-9 * std::max({1.0, std::fabs(wert), std::fabs(loesung)});
    return std::fabs(wert - loesung) <= toleranz + spiel;
}

std::string MitEinheitText(double v, int d, const char* einheit) {
    return Satzzahl(v, d) + " " + einheit;
}

Aufgabenbewertung Bewerten(std::size_t nr, const Aufgabe& a, double loesung,
                           std::optional<double> wert) {
    Aufgabenbewertung e;
    e.nr = nr;
    e.loesung = loesung;
    e.wert = wert;
    const std::string nummer = std::to_string(nr);
    if (!wert) {
        e.meldung = Einsetzen(Text("Projekt", "Aufgabe %1: keine Antwort"), {nummer});
        return e;
    }
    int d = SatzStellen(a);
    // A power or a water flow is graded by its amount: "56,7 kW" of cooling is right where the
    // solution computes −56.7 kW, since the sign only says the direction.
    const bool betrag = NachBetrag(*a.groesse);
    const double w = betrag ? std::fabs(*wert) : *wert;
    const double l = betrag ? std::fabs(loesung) : loesung;
    e.richtig = Innerhalb(w, l, a.toleranz);
    if (e.richtig) {
        e.punkte = a.punkte;
        e.meldung = Einsetzen(betrag ? Text("Projekt", "Aufgabe %1: richtig (%2, nach Betrag)")
                                     : Text("Projekt", "Aufgabe %1: richtig (%2)"),
                              {nummer, MitEinheitText(w, d, a.groesse->einheit)});
        return e;
    }
    // Enough decimals that the two values do not look as if they were within the tolerance.
    while (d < 6 && Innerhalb(AufStellen(w, d), AufStellen(l, d), a.toleranz)) ++d;
    e.meldung = Einsetzen(
        betrag ? Text("Projekt", "Aufgabe %1: %2 statt %3 (Toleranz %4, nach Betrag)")
               : Text("Projekt", "Aufgabe %1: %2 statt %3 (Toleranz %4)"),
        {nummer, MitEinheitText(w, d, a.groesse->einheit), MitEinheitText(l, d, a.groesse->einheit),
         MitEinheitText(a.toleranz, d, a.groesse->toleranzeinheit)});
    return e;
}

// The answers under "antworten" to the first anzahl tasks; none where there is no number.
std::vector<std::optional<double>> Antworten(const Json& uebung, std::size_t anzahl) {
    std::vector<std::optional<double>> antworten(anzahl);
    if (!uebung.is_object() || !uebung.contains("antworten")) return antworten;
    const Json& a = uebung["antworten"];
    if (!a.is_object()) return antworten;
    for (std::size_t i = 0; i < anzahl; ++i) {
        const auto it = a.find(std::to_string(i + 1));
        if (it != a.end() && it->is_number()) antworten[i] = it->get<double>();
    }
    return antworten;
}

}  // namespace

bool NachBetrag(const Aufgabengroesse& g) {
    return std::string_view(g.schluessel) == "leistung" ||
           std::string_view(g.schluessel) == "wasser";
}

std::span<const Aufgabengroesse> Aufgabengroessen() { return kAufgabengroessen; }

const Aufgabengroesse* AufgabengroesseZu(std::string_view schluessel) {
    for (const Aufgabengroesse& g : kAufgabengroessen) {
        if (schluessel == g.schluessel) return &g;
    }
    return nullptr;
}

double Uebung::hoechstpunkte() const {
    double summe = 0;
    for (const Aufgabe& a : aufgaben) summe += a.punkte;
    return summe;
}

bool HatUebung(const Projekt& projekt) { return !projekt.uebung().is_null(); }

Ergebnis<Uebung> UebungLesen(const Projekt& projekt) {
    using E = Ergebnis<Uebung>;
    const Json& u = projekt.uebung();
    if (u.is_null())
        return E::Fehler(Text("Projekt", "Das Projekt enthält keine Übung („uebung“ fehlt)."));
    if (!u.is_object())
        return E::Fehler(Text("Projekt", "Der Eintrag „uebung“ ist kein JSON-Objekt."));
    Uebung uebung;
    if (u.contains("titel")) {
        if (!u["titel"].is_string())
            return E::Fehler(Text("Projekt", "„uebung“: „titel“ ist kein Text."));
        uebung.titel = u["titel"].get<std::string>();
    }
    if (u.contains("gegeben")) {
        const Json& g = u["gegeben"];
        const auto keineNamen = [] {
            return E::Fehler(Text("Projekt", "„uebung“: „gegeben“ ist keine Liste von Namen."));
        };
        if (!g.is_array()) return keineNamen();
        for (const Json& name : g) {
            if (!name.is_string()) {
                return keineNamen();
            }
            uebung.gegeben.push_back(name.get<std::string>());
        }
    }
    if (!u.contains("aufgaben")) return E::Fehler(Text("Projekt", "„uebung“: „aufgaben“ fehlt."));
    const Json& aufgaben = u["aufgaben"];
    if (!aufgaben.is_array() || aufgaben.empty()) {
        return E::Fehler(
            Text("Projekt", "„uebung“: „aufgaben“ ist keine Liste von mindestens einer Aufgabe."));
    }
    if (aufgaben.size() > kMaxAufgaben) {
        return E::Fehler(
            Einsetzen(Text("Projekt", "„uebung“: „aufgaben“ hat mehr als %1 Aufgaben."),
                      {std::to_string(kMaxAufgaben)}));
    }
    for (std::size_t i = 0; i < aufgaben.size(); ++i) {
        Aufgabe a;
        if (auto f = AufgabeLesen(aufgaben[i], a)) return E::Fehler(AufgabeWo(i + 1) + ": " + *f);
        uebung.aufgaben.push_back(std::move(a));
    }
    uebung.antworten = Antworten(u, uebung.aufgaben.size());
    return uebung;
}

Ergebnis<double> Aufgabenwert(const Json& bericht, const Berechnung& b, const Aufgabe& aufgabe) {
    const bool zustand = aufgabe.groesse->bezug == Bezug::Zustand;
    const Json& liste = bericht[zustand ? "zustaende" : "prozesse"];
    const char* schluessel = zustand ? "name" : "nach";
    for (const Json& e : liste) {
        if (e[schluessel] != aufgabe.name) continue;
        const Json& w = e[aufgabe.groesse->schluessel];
        if (w.is_number()) return w.get<double>();
        return Fehlt(Einsetzen(
            Text("Projekt", "Für %1 gibt es keinen Wert %2."),
            {Zitat(aufgabe.name), Zitat(tafel::Angezeigt(aufgabe.groesse->bezeichnung))}));
    }
    // Not computed: the reason of the entry, where there is one of that name.
    for (const BerechneterZustand& z : b.zustaende) {
        if (zustand && z.name == aufgabe.name && !z.fehler.empty()) {
            return Fehlt(Einsetzen(Text("Projekt", "%1 lässt sich nicht berechnen: %2"),
                                   {Zitat(aufgabe.name), z.fehler}));
        }
    }
    for (const BerechneterProzess& p : b.prozesse) {
        if (p.nach == aufgabe.name && !p.fehler.empty()) {
            return Fehlt(
                Einsetzen(Text("Projekt", "Der Prozess nach %1 lässt sich nicht berechnen: %2"),
                          {Zitat(aufgabe.name), p.fehler}));
        }
    }
    return Fehlt(Einsetzen(zustand ? Text("Projekt", "Einen Zustand %1 gibt es nicht.")
                                   : Text("Projekt", "Einen Prozess nach %1 gibt es nicht."),
                           {Zitat(aufgabe.name)}));
}

Ergebnis<double> Aufgabenwert(const Berechnung& b, const Aufgabe& aufgabe) {
    return Aufgabenwert(BerichtJson(b), b, aufgabe);
}

Json MitAntwort(const Json& uebung, std::size_t nr, std::optional<double> wert) {
    Json u = uebung.is_object() ? uebung : Json::object();
    Json alt =
        u.contains("antworten") && u["antworten"].is_object() ? u["antworten"] : Json::object();
    const std::string schluessel = std::to_string(nr);
    if (wert) {
        alt[schluessel] = JsonZahl(*wert);
    } else {
        alt.erase(schluessel);
    }
    // By task number; keys that are no task number keep their places after them.
    std::vector<std::pair<long, std::string>> nummern;
    Json sortiert = Json::object();
    for (const auto& [k, v] : alt.items()) {
        if (!k.empty() && k.size() < 9 && k[0] != '0' &&
            k.find_first_not_of("0123456789") == std::string::npos) {
            nummern.emplace_back(std::stol(k), k);
        }
    }
    std::sort(nummern.begin(), nummern.end());
    for (const auto& [n, k] : nummern) sortiert[k] = alt[k];
    for (const auto& [k, v] : alt.items()) {
        if (!sortiert.contains(k)) sortiert[k] = v;
    }
    if (sortiert.empty()) {
        u.erase("antworten");
    } else {
        u["antworten"] = std::move(sortiert);
    }
    return u;
}

double Gerundet(double wert, const Aufgabengroesse& groesse) {
    const double r = AufStellen(wert, groesse.stellen);
    return r == 0 ? 0 : r;  // no "-0"
}

std::string Satzzahl(double wert, int stellen) {
    std::string text = MitDezimalzeichen(Zelle(wert, ".", stellen));
    if (!text.empty() && text.front() == '-') text.replace(0, 1, "−");
    return text;
}

Ergebnis<Loesung> Loesung::Aus(const Projekt& projekt) {
    using E = Ergebnis<Loesung>;
    const auto nichtVerwendbar = [](const std::string& grund) {
        return E::Fehler(Einsetzen(
            Text("Projekt", "Die Lösung lässt sich nicht zum Bewerten verwenden: %1"), {grund}));
    };
    auto uebung = UebungLesen(projekt);
    if (!uebung) return nichtVerwendbar(uebung.grund());
    const Berechnung b = Berechnen(projekt);
    if (!b.eingabe) {
        const auto ablehnung =
            Pruefen(EingabeLesen(projekt.eingabe(), projekt.thetaUnten().value_or(0)));
        return nichtVerwendbar(
            ablehnung ? Einsetzen(Text("Projekt", "Die Eingabe ergibt kein Diagramm: %1"),
                                  {ablehnung->meldung})
                      : Text("Projekt", "Die Eingabe ergibt kein Diagramm."));
    }
    for (const std::string& name : uebung->gegeben) {
        const auto z = std::find_if(b.zustaende.begin(), b.zustaende.end(),
                                    [&](const BerechneterZustand& e) { return e.name == name; });
        if (z == b.zustaende.end()) {
            return nichtVerwendbar(
                Einsetzen(Text("Projekt",
                               "„gegeben“ nennt %1, das kein eingegebener Zustand der Lösung ist."),
                          {Zitat(name)}));
        }
        if (!z->fehler.empty()) {
            return nichtVerwendbar(
                Einsetzen(Text("Projekt", "Der gegebene Zustand %1 lässt sich nicht berechnen: %2"),
                          {Zitat(name), z->fehler}));
        }
    }
    Loesung l;
    const Json bericht = BerichtJson(b);
    for (std::size_t i = 0; i < uebung->aufgaben.size(); ++i) {
        const auto wert = Aufgabenwert(bericht, b, uebung->aufgaben[i]);
        if (!wert) return nichtVerwendbar(AufgabeWo(i + 1) + ": " + wert.grund());
        l.werte_.push_back(*wert);
    }
    l.uebung_ = *uebung;
    l.texte_ = projekt.eingabe();
    l.thetaUnten_ = projekt.thetaUnten().value_or(0);
    return l;
}

std::optional<std::string> Loesung::AndererDiagrammgrund(const Projekt& abgabe) const {
    const Feldtexte texte = abgabe.eingabe();
    const double unten = abgabe.thetaUnten().value_or(0);
    if (EingabeLesen(texte, unten) == EingabeLesen(texte_, thetaUnten_)) return std::nullopt;
    for (int i = 0; i < kFelder; ++i) {
        if (Zahl(texte[i]) != Zahl(texte_[i])) {
            return Einsetzen(Text("Projekt",
                                  "Die Abgabe ist auf einem anderen Diagramm gezeichnet: "
                                  "%1 %2 statt %3."),
                             {Feldname(static_cast<Feld>(i)), Zitat(texte[i]), Zitat(texte_[i])});
        }
    }
    return Einsetzen(Text("Projekt",
                          "Die Abgabe ist auf einem anderen Diagramm gezeichnet: "
                          "%1 %2 statt %3 °C."),
                     {Feldname(Feld::ThetaUnten), KurzText(unten), KurzText(thetaUnten_)});
}

Bewertung Loesung::Abgelehnt(std::string datei, std::string grund) const {
    Bewertung e;
    e.datei = std::move(datei);
    e.von = uebung_.hoechstpunkte();
    e.fehler = std::move(grund);
    for (std::size_t i = 0; i < werte_.size(); ++i) {
        Aufgabenbewertung a;
        a.nr = i + 1;
        a.loesung = werte_[i];
        a.meldung =
            Einsetzen(Text("Projekt", "Aufgabe %1: nicht bewertet"), {std::to_string(i + 1)});
        e.aufgaben.push_back(std::move(a));
    }
    return e;
}

Bewertung Loesung::Bewerten(const Projekt& abgabe, const Berechnung& b, std::string datei) const {
    if (auto grund = AndererDiagrammgrund(abgabe)) return Abgelehnt(std::move(datei), *grund);
    // The answers typed, whatever else the hand-in's copy of the exercise holds.
    const auto antworten = Antworten(abgabe.uebung(), uebung_.aufgaben.size());
    Bewertung e;
    e.datei = std::move(datei);
    e.von = uebung_.hoechstpunkte();
    const Json bericht = BerichtJson(b);
    for (std::size_t i = 0; i < uebung_.aufgaben.size(); ++i) {
        const Aufgabe& a = uebung_.aufgaben[i];
        std::optional<double> wert = antworten[i];
        if (!wert) {
            if (const auto berechnet = Aufgabenwert(bericht, b, a)) wert = *berechnet;
        }
        e.aufgaben.push_back(lumora::Bewerten(i + 1, a, werte_[i], wert));
        e.punkte += e.aufgaben.back().punkte;
    }
    return e;
}

Bewertung Loesung::Bewerten(const Projekt& abgabe, std::string datei) const {
    if (auto grund = AndererDiagrammgrund(abgabe)) return Abgelehnt(std::move(datei), *grund);
    return Bewerten(abgabe, Berechnen(abgabe), std::move(datei));
}

Bewertung Loesung::Bewerten(std::string_view text, std::string datei) const {
    const auto abgabe = Projekt::Lesen(text);
    if (!abgabe) {
        return Abgelehnt(
            std::move(datei),
            Einsetzen(Text("Projekt", "Die Abgabe ist kein Lumora-Projekt: %1"), {abgabe.grund()}));
    }
    return Bewerten(*abgabe, std::move(datei));
}

Ergebnis<Projekt> UebungErstellen(const Projekt& loesung) {
    using E = Ergebnis<Projekt>;
    const auto geprueft = Loesung::Aus(loesung);
    if (!geprueft) return E::Fehler(geprueft.grund());
    const Uebung& u = geprueft->uebung();
    for (std::size_t i = 0; i < u.aufgaben.size(); ++i) {
        const Aufgabe& a = u.aufgaben[i];
        if (std::find(u.gegeben.begin(), u.gegeben.end(), a.name) != u.gegeben.end()) {
            return E::Fehler(Einsetzen(Text("Projekt",
                                            "Aufgabe %1 fragt nach dem gegebenen Zustand "
                                            "%2; die Übung enthielte ihre Antwort."),
                                       {std::to_string(i + 1), Zitat(a.name)}));
        }
    }
    Projekt uebung(loesung.eingabe());
    uebung.setThetaUnten(loesung.thetaUnten());
    // The given states with the name and the values of their pair, nothing else of the entry.
    for (std::size_t i = 0; i < loesung.anzahl(Liste::Zustaende); ++i) {
        const Json& z = loesung.eintrag(Liste::Zustaende, i);
        if (!z.is_object() || !z.contains("name") ||
            std::find(u.gegeben.begin(), u.gegeben.end(), z["name"]) == u.gegeben.end()) {
            continue;
        }
        Json gegeben = Json::object();
        for (const auto& [k, v] : z.items()) {
            const bool wert =
                std::any_of(kZustandspaare.begin(), kZustandspaare.end(),
                            [&k = k](const Zustandspaar& p) { return k == p.a || k == p.b; });
            if (k == "name" || wert) gegeben[k] = v;
        }
        uebung.einfuegen(Liste::Zustaende, uebung.anzahl(Liste::Zustaende), std::move(gegeben));
    }
    const Json& quelle = loesung.uebung();
    Json neu = Json::object();
    if (quelle.contains("titel")) neu["titel"] = quelle["titel"];
    if (quelle.contains("gegeben")) neu["gegeben"] = quelle["gegeben"];
    Json aufgaben = Json::array();
    for (const Json& a : quelle["aufgaben"]) {
        Json aufgabe = Json::object();
        for (const char* k : kAufgabenschluessel) aufgabe[k] = a[k];
        aufgaben.push_back(std::move(aufgabe));
    }
    neu["aufgaben"] = std::move(aufgaben);
    uebung.setUebung(std::move(neu));
    return uebung;
}

Json BewertungJson(const Bewertung& b) {
    Json aufgaben = Json::array();
    for (const Aufgabenbewertung& a : b.aufgaben) {
        aufgaben.push_back(Json{{"nr", a.nr},
                                {"richtig", a.richtig},
                                {"wert", a.wert ? Json(*a.wert) : Json()},
                                {"loesung", a.loesung},
                                {"punkte", JsonZahl(a.punkte)},
                                {"meldung", a.meldung}});
    }
    Json j{{"datei", b.datei}, {"punkte", JsonZahl(b.punkte)}, {"von", JsonZahl(b.von)}};
    if (!b.fehler.empty()) j["fehler"] = b.fehler;
    j["aufgaben"] = std::move(aufgaben);
    return j;
}

std::string Notentabelle(const Uebung& uebung, const std::vector<Bewertung>& bewertungen,
                         std::string_view t) {
    std::string aus =
        Text("Projekt", "Datei") + ';' + Text("Projekt", "Punkte") + ';' + Text("Projekt", "von");
    for (std::size_t i = 0; i < uebung.aufgaben.size(); ++i) {
        aus += ";" + AufgabeWo(i + 1);
    }
    aus += '\n';
    for (const Bewertung& b : bewertungen) {
        aus += Zelle(b.datei) + ";" + Zelle(b.punkte, t) + ";" + Zelle(b.von, t);
        for (const Aufgabenbewertung& a : b.aufgaben) aus += ";" + Zelle(a.punkte, t);
        aus += '\n';
    }
    return aus;
}

std::string BewertungText(const Bewertung& b) {
    std::string aus = Einsetzen(Text("Projekt", "%1: %2 von %3 Punkten"),
                                {b.datei, KurzText(b.punkte), KurzText(b.von)});
    if (!b.fehler.empty()) aus += " (" + b.fehler + ")";
    aus += '\n';
    for (const Aufgabenbewertung& a : b.aufgaben) aus += "  " + a.meldung + '\n';
    return aus;
}

namespace {

using JsonFehler = Ergebnis<Json>;

// The exercise's tasks and answers, for an edit: refused where the exercise cannot be read.
Ergebnis<Uebung> UebungZumBearbeiten(const Projekt& projekt, std::size_t nr) {
    auto uebung = UebungLesen(projekt);
    if (!uebung) return uebung;
    if (nr < 1 || nr > uebung->aufgaben.size()) {
        return Ergebnis<Uebung>::Fehler(
            Einsetzen(Text("Projekt", "Eine Aufgabe %1 gibt es nicht."), {std::to_string(nr)}));
    }
    return uebung;
}

// A number of the form: the whole text, a comma or a point.
Fehler FeldZahl(const std::string& feld, const std::string& text, double& wert) {
    if (text.find_first_not_of(" \t") == std::string::npos) {
        return Feldfehler(feld, Text("Projekt", "Bitte eine Zahl eingeben."));
    }
    const auto z = GanzeZahl(text);
    if (!z || !std::isfinite(*z)) {
        return Feldfehler(feld, Einsetzen(Text("Projekt", "%1 ist keine Zahl."), {Zitat(text)}));
    }
    wert = *z;
    return std::nullopt;
}

// The task the fields describe, checked against the computed solution b, as the JSON entry
// that vorlage (an existing task, or nothing) becomes.
JsonFehler AufgabeAusFeldern(const Projekt& projekt, const Berechnung& b, const Aufgabenfelder& f,
                             const Json& vorlage) {
    Aufgabe a;
    a.text = f.text;
    if (a.text.find_first_not_of(" \t\n") == std::string::npos) {
        return JsonFehler::Fehler(Text("Projekt", "Text: Bitte den Text der Aufgabe eingeben."));
    }
    a.name = f.name;
    const std::string zustandOderProzess = Text("Projekt", "Zustand oder Prozess");
    if (auto n = NamensFehler(a.name))
        return JsonFehler::Fehler(Feldfehler(zustandOderProzess, *n));
    a.groesse = AufgabengroesseZu(f.groesse);
    if (!a.groesse) return JsonFehler::Fehler(Text("Projekt", "Größe: Bitte eine Größe wählen."));
    if (auto e = FeldZahl(Text("Projekt", "Toleranz"), f.toleranz, a.toleranz)) {
        return JsonFehler::Fehler(*e);
    }
    if (!(a.toleranz >= 0)) {
        return JsonFehler::Fehler(Text("Projekt", "Toleranz: Sie muss 0 oder größer sein."));
    }
    if (auto e = FeldZahl(Text("Projekt", "Punkte"), f.punkte, a.punkte)) {
        return JsonFehler::Fehler(*e);
    }
    if (!(a.punkte > 0)) {
        return JsonFehler::Fehler(Text("Projekt", "Punkte: Sie müssen größer als 0 sein."));
    }
    if (const auto wert = Aufgabenwert(b, a); !wert) {
        return JsonFehler::Fehler(Feldfehler(zustandOderProzess, wert.grund()));
    }
    const Json& u = projekt.uebung();
    if (u.is_object() && u.contains("gegeben") && u["gegeben"].is_array()) {
        for (const Json& g : u["gegeben"]) {
            if (g == a.name) {
                return JsonFehler::Fehler(Einsetzen(
                    Text("Projekt",
                         "Zustand oder Prozess: %1 ist gegeben; die Übung verriete die Antwort."),
                    {Zitat(a.name)}));
            }
        }
    }
    Json e = Json::object();
    e["text"] = a.text;
    e["name"] = a.name;
    e["groesse"] = a.groesse->schluessel;
    e["toleranz"] = JsonZahl(a.toleranz);
    e["punkte"] = JsonZahl(a.punkte);
    // Keys this version does not know follow the known ones, as they were.
    if (vorlage.is_object()) {
        for (const auto& [k, v] : vorlage.items()) {
            if (!e.contains(k)) e[k] = v;
        }
    }
    return e;
}

// The answers under the tasks' new numbers: neu[i] is the old number (from 1) of new task i+1,
// 0 for a new task. Answers of a task that went are dropped, keys that are no number kept.
Json AntwortenUmnummeriert(const Json& uebung, const std::vector<std::size_t>& neu) {
    Json u = uebung;
    if (!u.contains("antworten") || !u["antworten"].is_object()) return u;
    const Json alt = u["antworten"];
    Json a = Json::object();
    for (std::size_t i = 0; i < neu.size(); ++i) {
        const std::string k = std::to_string(neu[i]);
        if (neu[i] > 0 && alt.contains(k)) a[std::to_string(i + 1)] = alt[k];
    }
    for (const auto& [k, v] : alt.items()) {
        const bool nummer = !k.empty() && k.find_first_not_of("0123456789") == std::string::npos;
        if (!nummer) a[k] = v;
    }
    if (a.empty()) {
        u.erase("antworten");
    } else {
        u["antworten"] = std::move(a);
    }
    return u;
}

std::vector<std::size_t> Reihenfolge(std::size_t n) {
    std::vector<std::size_t> r(n);
    for (std::size_t i = 0; i < n; ++i) r[i] = i + 1;
    return r;
}

}  // namespace

Aufgabenfelder FelderDerAufgabe(const Projekt& projekt, std::size_t nr) {
    const auto uebung = UebungLesen(projekt);
    if (!uebung || nr < 1 || nr > uebung->aufgaben.size()) return {};
    const Aufgabe& a = uebung->aufgaben[nr - 1];
    return {a.text, a.name, a.groesse->schluessel, KuerzesterText(a.toleranz, ","),
            KuerzesterText(a.punkte, ",")};
}

Ergebnis<Json> AufgabeHinzufuegen(const Projekt& projekt, const Berechnung& b,
                                  const Aufgabenfelder& felder, const std::string& titel) {
    Json u = projekt.uebung();
    if (!HatUebung(projekt)) {
        u = Json::object();
        u["titel"] = titel;
        Json gegeben = Json::array();
        for (const BerechneterZustand& z : b.zustaende) {
            if (z.fehler.empty() && z.name != felder.name) gegeben.push_back(z.name);
        }
        u["gegeben"] = std::move(gegeben);
        u["aufgaben"] = Json::array();
    } else if (const auto gelesen = UebungLesen(projekt); !gelesen) {
        return JsonFehler::Fehler(gelesen.grund());
    }
    if (u["aufgaben"].size() >= kMaxAufgaben) {
        return JsonFehler::Fehler(Einsetzen(Text("Projekt", "Die Übung hat schon %1 Aufgaben."),
                                            {std::to_string(kMaxAufgaben)}));
    }
    Projekt mit = projekt;
    mit.setUebung(u);
    const auto aufgabe = AufgabeAusFeldern(mit, b, felder, Json());
    if (!aufgabe) return aufgabe;
    u["aufgaben"].push_back(*aufgabe);
    return u;
}

Ergebnis<Json> AufgabeAendern(const Projekt& projekt, const Berechnung& b, std::size_t nr,
                              const Aufgabenfelder& felder) {
    const auto uebung = UebungZumBearbeiten(projekt, nr);
    if (!uebung) return JsonFehler::Fehler(uebung.grund());
    Json u = projekt.uebung();
    const auto aufgabe = AufgabeAusFeldern(projekt, b, felder, u["aufgaben"][nr - 1]);
    if (!aufgabe) return aufgabe;
    u["aufgaben"][nr - 1] = *aufgabe;
    return u;
}

Ergebnis<Json> AufgabeVerschieben(const Projekt& projekt, std::size_t nr, bool hoch) {
    const auto uebung = UebungZumBearbeiten(projekt, nr);
    if (!uebung) return JsonFehler::Fehler(uebung.grund());
    const std::size_t n = uebung->aufgaben.size();
    if (hoch ? nr == 1 : nr == n) {
        return JsonFehler::Fehler(Einsetzen(hoch ? Text("Projekt", "Aufgabe %1 steht schon oben.")
                                                 : Text("Projekt", "Aufgabe %1 steht schon unten."),
                                            {std::to_string(nr)}));
    }
    const std::size_t mit = hoch ? nr - 1 : nr + 1;
    Json u = projekt.uebung();
    std::swap(u["aufgaben"][nr - 1], u["aufgaben"][mit - 1]);
    std::vector<std::size_t> neu = Reihenfolge(n);
    std::swap(neu[nr - 1], neu[mit - 1]);
    return AntwortenUmnummeriert(u, neu);
}

Ergebnis<Json> AufgabeLoeschen(const Projekt& projekt, std::size_t nr) {
    const auto uebung = UebungZumBearbeiten(projekt, nr);
    if (!uebung) return JsonFehler::Fehler(uebung.grund());
    if (uebung->aufgaben.size() == 1) return Json();  // no task, no exercise
    Json u = projekt.uebung();
    u["aufgaben"].erase(nr - 1);
    std::vector<std::size_t> neu = Reihenfolge(uebung->aufgaben.size());
    neu.erase(neu.begin() + static_cast<std::ptrdiff_t>(nr - 1));
    return AntwortenUmnummeriert(u, neu);
}

}  // namespace lumora
