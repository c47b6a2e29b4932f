#include "projekt/uebung.h"

#include <gtest/gtest.h>

#include "core/zahlen.h"

namespace lumora {
namespace {

// A solution as Lumora writes it: the summer case with a helper state X at exactly 20 °C, a
// note and a zone that give answers away, and a task with a key of its own.
const std::string kLoesung = R"({
  "lumora": 1,
  "eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025", "1013"],
  "zustaende": [
    {"name": "AUL", "theta": 32, "phi": 40, "farbe": "rot"},
    {"name": "ABL", "theta": 26, "phi": 50},
    {"name": "X", "theta": 20, "x": 8}
  ],
  "prozesse": [
    {"art": "mischen", "von": ["AUL", "ABL"], "nach": "MI", "massenstroeme": [2000, 6000]},
    {"art": "kuehlen", "von": "MI", "nach": "K", "oberflaeche": 9, "bypass": 0.1, "massenstrom": 8000}
  ],
  "uebung": {
    "titel": "Sommerfall, Übung 3",
    "gegeben": ["AUL", "ABL"],
    "aufgaben": [
      {"text": "Welche Temperatur hat MI?", "name": "MI", "groesse": "theta", "toleranz": 0.3, "punkte": 2},
      {"text": "Welche Kühlleistung braucht K?", "name": "K", "groesse": "leistung", "toleranz": 1.0, "punkte": 3, "loesung": -56.6},
      {"text": "Welche Temperatur hat X?", "name": "X", "groesse": "theta", "toleranz": 0.3, "punkte": 1.5}
    ],
    "antworten": {"1": 27.5}
  },
  "zonen": [
    {"name": "MI liegt hier", "theta": [27, 28], "phi": [null, null], "x": [null, null]}
  ],
  "notiz": "MI hat etwa 27,5 °C.",
  "eigen": 1
}
)";

Projekt Gelesen(const std::string& text) {
    const auto p = Projekt::Lesen(text);
    EXPECT_TRUE(p) << p.grund();
    return p ? *p : Projekt(Feldtexte{});
}

Loesung Bereit() {
    const auto l = Loesung::Aus(Gelesen(kLoesung));
    EXPECT_TRUE(l) << l.grund();
    return *l;
}

// A hand-in: the exercise with the student's answers and processes.
std::string Abgabe(const std::string& antworten, const std::string& prozesse = "") {
    return R"({"lumora": 1, "eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025", "1013"],
  "zustaende": [{"name": "AUL", "theta": 32, "phi": 40}, {"name": "ABL", "theta": 26, "phi": 50}],
  "prozesse": [)" +
           prozesse + R"(],
  "uebung": {"aufgaben": [], "antworten": {)" +
           antworten + "}}}";
}

TEST(Uebung, RoundTripOfTheExerciseAndTheAnswers) {
    Projekt p = Gelesen(kLoesung);
    EXPECT_EQ(p.schreiben(), kLoesung);
    // An answer changes only its own place; taking it back gives the same bytes again.
    const Json vorher = p.setUebung(MitAntwort(p.uebung(), 3, 20.25));
    const std::string mit = p.schreiben();
    EXPECT_NE(mit.find(R"("antworten": {"1": 27.5, "3": 20.25})"), std::string::npos) << mit;
    EXPECT_EQ(Gelesen(mit).schreiben(), mit);
    p.setUebung(MitAntwort(MitAntwort(p.uebung(), 1, std::nullopt), 3, std::nullopt));
    EXPECT_EQ(p.uebung().count("antworten"), 0u);
    p.setUebung(vorher);
    EXPECT_EQ(p.schreiben(), kLoesung);
    // A new exercise goes after the processes, before the zones and the note.
    Projekt q = Gelesen(R"({"lumora": 1, "eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025",
      "1013"], "zustaende": [], "prozesse": [], "zonen": [], "notiz": "n"})");
    q.setUebung(Json{{"aufgaben", Json::array()}});
    std::vector<std::string> schluessel;
    for (const auto& [k, v] : q.dokument().items()) schluessel.push_back(k);
    EXPECT_EQ(schluessel, (std::vector<std::string>{"lumora", "eingabe", "zustaende", "prozesse",
                                                    "uebung", "zonen", "notiz"}));
    const auto u = UebungLesen(Gelesen(kLoesung));
    ASSERT_TRUE(u) << u.grund();
    EXPECT_EQ(u->antworten, (std::vector<std::optional<double>>{27.5, std::nullopt, std::nullopt}));
    EXPECT_DOUBLE_EQ(u->hoechstpunkte(), 6.5);
}

struct Schlecht {
    const char* uebung;
    const char* meldung;  // a part of the message
};

class SchlechteUebung : public testing::TestWithParam<Schlecht> {};

TEST_P(SchlechteUebung, IsRefusedNamingTheTask) {
    const std::string text = R"({"lumora": 1, "eingabe": ["50", "10", "5", "0.03", "0.005",
      "0.0025", "1013"], "zustaende": [{"name": "A", "theta": 20, "phi": 50}], "prozesse": [
      {"art": "mischen", "von": ["A", "A"], "nach": "M", "massenstroeme": [1, 1]}],
      "uebung": )" + std::string(GetParam().uebung) +
                             "}";
    const Projekt p = Gelesen(text);
    const auto l = Loesung::Aus(p);
    ASSERT_FALSE(l);
    EXPECT_NE(l.grund().find(GetParam().meldung), std::string::npos) << l.grund();
}

#define GUT R"({"text": "t", "name": "A", "groesse": "theta", "toleranz": 0, "punkte": 1})"
// clang-format off
INSTANTIATE_TEST_SUITE_P(Aufgaben, SchlechteUebung, testing::Values(
    Schlecht{"[]", "„uebung“ ist kein JSON-Objekt"},
    Schlecht{R"({"aufgaben": []})", "mindestens einer Aufgabe"},
    Schlecht{R"({"aufgaben": [)" GUT R"(, {"text": "t", "name": "A", "groesse": "temp", "toleranz": 0, "punkte": 1}]})",
             "Aufgabe 2: Die Größe „temp“ gibt es nicht"},
    Schlecht{R"({"aufgaben": [)" GUT R"(, {"text": "t", "name": "A", "groesse": "x", "toleranz": -1, "punkte": 1}]})",
             "Aufgabe 2: „toleranz“ muss 0 oder größer sein."},
    Schlecht{R"({"aufgaben": [{"text": "t", "name": "A", "groesse": "x", "toleranz": 1, "punkte": 0}]})",
             "Aufgabe 1: „punkte“ muss größer als 0 sein."},
    Schlecht{R"({"aufgaben": [{"text": "t", "groesse": "x", "toleranz": 1, "punkte": 1}]})",
             "Aufgabe 1: „name“ fehlt."},
    // Names and values that the solution does not have.
    Schlecht{R"({"aufgaben": [)" GUT R"(, {"text": "t", "name": "B", "groesse": "x", "toleranz": 1, "punkte": 1}]})",
             "Aufgabe 2: Einen Zustand „B“ gibt es nicht."},
    Schlecht{R"({"aufgaben": [{"text": "t", "name": "A", "groesse": "dh", "toleranz": 1, "punkte": 1}]})",
             "Aufgabe 1: Einen Prozess nach „A“ gibt es nicht."},
    Schlecht{R"({"aufgaben": [{"text": "t", "name": "M", "groesse": "leistung", "toleranz": 1, "punkte": 1}]})",
             "Aufgabe 1: Für „M“ gibt es keinen Wert „Leistung“."},
    Schlecht{R"({"gegeben": ["M"], "aufgaben": [)" GUT "]}", "„M“, das kein eingegebener Zustand"}
));
// clang-format on

TEST(Uebung, AThousandTasksAtMost) {
    std::string aufgaben;
    for (std::size_t i = 0; i <= kMaxAufgaben; ++i) aufgaben += std::string(i ? ", " : "") + GUT;
    Projekt p(Feldtexte{});
    p.setUebung(Json::parse(R"({"aufgaben": [)" + aufgaben + "]}"));
    const auto zuViele = UebungLesen(p);
    ASSERT_FALSE(zuViele);
    EXPECT_EQ(zuViele.grund(), "„uebung“: „aufgaben“ hat mehr als 1000 Aufgaben.");
    Json u = p.uebung();
    u["aufgaben"].erase(0);
    p.setUebung(u);
    EXPECT_TRUE(UebungLesen(p));
}

TEST(Bewerten, AtTheEdgeOfTheTolerance) {
    const Loesung l = Bereit();
    ASSERT_EQ(l.werte().size(), 3u);
    EXPECT_EQ(l.werte()[2], 20);
    // 20.3 − 20 is 0.3 and a little in doubles: still right, as the teacher meant.
    for (const char* wert : {"20.3", "19.7"}) {
        const Bewertung b = l.Bewerten(Abgabe(std::string(R"("3": )") + wert), "a");
        EXPECT_TRUE(b.aufgaben[2].richtig) << wert;
        EXPECT_DOUBLE_EQ(b.aufgaben[2].punkte, 1.5);
    }
    EXPECT_EQ(l.Bewerten(Abgabe(R"("3": 20.3)"), "a").aufgaben[2].meldung,
              "Aufgabe 3: richtig (20,3 °C)");
    // Just beyond it is wrong, and the sentence shows enough digits to tell.
    const Bewertung falsch = l.Bewerten(Abgabe(R"("3": 20.31)"), "a");
    EXPECT_FALSE(falsch.aufgaben[2].richtig);
    EXPECT_EQ(falsch.aufgaben[2].punkte, 0);
    EXPECT_EQ(falsch.aufgaben[2].meldung, "Aufgabe 3: 20,31 °C statt 20,00 °C (Toleranz 0,30 K)");
    EXPECT_EQ(l.Bewerten(Abgabe(R"("3": 24.8)"), "a").aufgaben[2].meldung,
              "Aufgabe 3: 24,8 °C statt 20,0 °C (Toleranz 0,3 K)");
}

TEST(Bewerten, TypedAnswerBeforeTheStudentsOwnProcess) {
    const Loesung l = Bereit();
    const std::string kette =
        R"({"art": "mischen", "von": ["AUL", "ABL"], "nach": "MI", "massenstroeme": [2000, 6000]},
           {"art": "kuehlen", "von": "MI", "nach": "K", "oberflaeche": 9, "bypass": 0.1,
            "massenstrom": 8000})";
    // Nothing typed: the student's own MI and K are graded; X is missing.
    const Bewertung eigen = l.Bewerten(Abgabe("", kette), "a");
    EXPECT_TRUE(eigen.fehler.empty()) << eigen.fehler;
    EXPECT_TRUE(eigen.aufgaben[0].richtig);
    EXPECT_TRUE(eigen.aufgaben[1].richtig);
    // A cooler's power is negative; it is graded and shown by its amount.
    ASSERT_LT(l.werte()[1], 0);
    EXPECT_EQ(eigen.aufgaben[1].meldung,
              "Aufgabe 2: richtig (" + Satzzahl(-l.werte()[1], 1) + " kW, nach Betrag)");
    const Bewertung betrag =
        l.Bewerten(Abgabe(R"("2": )" + KuerzesterText(-l.werte()[1], ".")), "a");
    EXPECT_TRUE(betrag.aufgaben[1].richtig) << betrag.aufgaben[1].meldung;
    // The temperature of task 3 keeps its sign: −20 °C is not 20 °C.
    EXPECT_FALSE(l.Bewerten(Abgabe(R"("3": -20)"), "a").aufgaben[2].richtig);
    EXPECT_EQ(eigen.aufgaben[2].meldung, "Aufgabe 3: keine Antwort");
    EXPECT_FALSE(eigen.aufgaben[2].wert);
    EXPECT_DOUBLE_EQ(eigen.punkte, 5);
    EXPECT_DOUBLE_EQ(eigen.von, 6.5);
    // A typed answer counts, even where the student's own chart has the right value.
    const std::string falsch = KuerzesterText(l.werte()[1] + 5, ".");
    const Bewertung getippt = l.Bewerten(Abgabe(R"("2": )" + falsch, kette), "a");
    EXPECT_FALSE(getippt.aufgaben[1].richtig);
    EXPECT_DOUBLE_EQ(*getippt.aufgaben[1].wert, l.werte()[1] + 5);
    EXPECT_DOUBLE_EQ(getippt.punkte, 2);
}

TEST(Bewerten, BrokenHandInsGetNothingWithTheirReason) {
    const Loesung l = Bereit();
    const Bewertung kaputt = l.Bewerten(std::string_view("{\"lumora\": 1,"), "kaputt.lumora");
    EXPECT_EQ(kaputt.punkte, 0);
    EXPECT_NE(kaputt.fehler.find("kein Lumora-Projekt"), std::string::npos) << kaputt.fehler;
    ASSERT_EQ(kaputt.aufgaben.size(), 3u);
    EXPECT_EQ(kaputt.aufgaben[0].meldung, "Aufgabe 1: nicht bewertet");
    // Another chart: other values for everything, so nothing of it is graded.
    std::string anders = Abgabe(R"("1": 27.5)");
    anders.replace(anders.find("\"1013\""), 6, "\"950\"");
    const Bewertung diagramm = l.Bewerten(anders, "anders.lumora");
    EXPECT_EQ(diagramm.punkte, 0);
    EXPECT_EQ(diagramm.fehler,
              "Die Abgabe ist auf einem anderen Diagramm gezeichnet: Pgesamt „950“ statt „1013“.");
    // The same chart typed differently is the same chart.
    std::string gleich = Abgabe(R"("3": 20)");
    gleich.replace(gleich.find("\"1013\""), 6, "\"1013,0\"");
    EXPECT_DOUBLE_EQ(l.Bewerten(gleich, "g").punkte, 1.5);

    const std::string tabelle =
        Notentabelle(l.uebung(), {l.Bewerten(gleich, "g;1.lumora"), kaputt}, ",");
    EXPECT_EQ(tabelle,
              "Datei;Punkte;von;Aufgabe 1;Aufgabe 2;Aufgabe 3\n"
              "\"g;1.lumora\";1,5;6,5;0;0;1,5\n"
              "kaputt.lumora;0;6,5;0;0;0\n");
    const Json j = BewertungJson(kaputt);
    EXPECT_EQ(
        Kompakt(j["aufgaben"][0]).rfind(R"({"nr": 1, "richtig": false, "wert": null, "loe)", 0),
        0u);
    EXPECT_EQ(j["fehler"], kaputt.fehler);
}

TEST(UebungErstellen, TheExerciseHoldsNoAnswer) {
    const auto uebung = UebungErstellen(Gelesen(kLoesung));
    ASSERT_TRUE(uebung) << uebung.grund();
    const Json& d = uebung->dokument();
    std::vector<std::string> schluessel;
    for (const auto& [k, v] : d.items()) schluessel.push_back(k);
    EXPECT_EQ(schluessel,
              (std::vector<std::string>{"lumora", "eingabe", "zustaende", "prozesse", "uebung"}));
    EXPECT_TRUE(d["prozesse"].empty());
    EXPECT_EQ(
        Kompakt(d["zustaende"]),
        R"([{"name": "AUL", "theta": 32, "phi": 40}, {"name": "ABL", "theta": 26, "phi": 50}])");
    EXPECT_EQ(d["uebung"].size(), 3u);  // titel, gegeben, aufgaben: no answers
    EXPECT_EQ(d["uebung"]["aufgaben"][1].count("loesung"), 0u);
    const std::string text = uebung->schreiben();
    EXPECT_EQ(text.find("27"), std::string::npos) << text;
    EXPECT_EQ(text.find("56"), std::string::npos) << text;
    // Handed in as it is, it earns nothing.
    const Bewertung b = Bereit().Bewerten(text, "leer");
    EXPECT_TRUE(b.fehler.empty());
    EXPECT_EQ(b.punkte, 0);
    for (const Aufgabenbewertung& a : b.aufgaben) EXPECT_FALSE(a.wert) << a.meldung;

    // A task about a given state would hand its answer out with the exercise.
    std::string gegeben = kLoesung;
    gegeben.replace(gegeben.find(R"("name": "X", "groesse")"), 11, R"("name": "AUL")");
    const auto abgelehnt = UebungErstellen(Gelesen(gegeben));
    ASSERT_FALSE(abgelehnt);
    EXPECT_EQ(
        abgelehnt.grund(),
        "Aufgabe 3 fragt nach dem gegebenen Zustand „AUL“; die Übung enthielte ihre Antwort.");
}

}  // namespace
}  // namespace lumora

namespace lumora {
namespace {

// --- Writing tasks ---------------------------------------------------------------------------

struct Entwurf {
    const char* name;
    Aufgabenfelder felder;
    const char* grund;  // the start of the reason; nullptr where the task is taken
};

class AufgabeSchreiben : public testing::TestWithParam<Entwurf> {};

// A task is taken only where the solution can grade it; the reason names the field.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Felder, AufgabeSchreiben, testing::Values(
    Entwurf{"Sound", {"Welche Temperatur hat K?", "K", "theta", "0,3", "2"}, nullptr},
    Entwurf{"ProcessProperty", {"Kühlleistung?", "K", "leistung", "1.5", "0.5"}, nullptr},
    Entwurf{"ZeroTolerance", {"x von MI?", "MI", "x", "0", "1"}, nullptr},
    Entwurf{"EmptyText", {"  ", "K", "theta", "0,3", "2"}, "Text: "},
    Entwurf{"NoName", {"t", "", "theta", "0,3", "2"}, "Zustand oder Prozess: "},
    Entwurf{"UnknownState", {"t", "Y", "theta", "0,3", "2"}, "Zustand oder Prozess: Einen Zustand „Y“"},
    Entwurf{"StateHasNoProcess", {"t", "X", "leistung", "1", "2"}, "Zustand oder Prozess: Einen Prozess nach „X“"},
    Entwurf{"MixingHasNoPower", {"t", "MI", "leistung", "1", "2"}, "Zustand oder Prozess: Für „MI“ gibt es keinen Wert"},
    Entwurf{"GivenState", {"t", "AUL", "theta", "0,3", "2"}, "Zustand oder Prozess: „AUL“ ist gegeben"},
    Entwurf{"NoProperty", {"t", "K", "", "0,3", "2"}, "Größe: "},
    Entwurf{"UnknownProperty", {"t", "K", "farbe", "0,3", "2"}, "Größe: "},
    Entwurf{"ToleranceNoNumber", {"t", "K", "theta", "0,3 K", "2"}, "Toleranz: „0,3 K“ ist keine Zahl."},
    Entwurf{"ToleranceEmpty", {"t", "K", "theta", "", "2"}, "Toleranz: Bitte eine Zahl eingeben."},
    Entwurf{"ToleranceNegative", {"t", "K", "theta", "-0,1", "2"}, "Toleranz: "},
    Entwurf{"PointsZero", {"t", "K", "theta", "0,3", "0"}, "Punkte: "},
    Entwurf{"PointsHuge", {"t", "K", "theta", "0,3", "1e400"}, "Punkte: „1e400“ ist keine Zahl."}),
    [](const testing::TestParamInfo<Entwurf>& i) { return std::string(i.param.name); });
// clang-format on

TEST_P(AufgabeSchreiben, TakenOrRefusedWithTheField) {
    const Projekt p = Gelesen(kLoesung);
    const Berechnung b = Berechnen(p);
    const Entwurf& e = GetParam();
    const auto neu = AufgabeHinzufuegen(p, b, e.felder, "");
    const auto geaendert = AufgabeAendern(p, b, 3, e.felder);
    if (!e.grund) {
        ASSERT_TRUE(neu) << neu.grund();
        ASSERT_TRUE(geaendert) << geaendert.grund();
        ASSERT_EQ((*neu)["aufgaben"].size(), 4u);
        EXPECT_EQ((*neu)["aufgaben"][3]["name"], e.felder.name);
        EXPECT_EQ((*geaendert)["aufgaben"][2]["groesse"], e.felder.groesse);
        // The solution can grade what was written.
        Projekt mit = p;
        mit.setUebung(*neu);
        EXPECT_TRUE(Loesung::Aus(mit));
        return;
    }
    ASSERT_FALSE(neu);
    EXPECT_EQ(neu.grund().rfind(e.grund, 0), 0u) << neu.grund();
    ASSERT_FALSE(geaendert);
    EXPECT_EQ(geaendert.grund(), neu.grund());
}

// A teacher writes a task into a project without one, a student's hand-in is graded by it.
TEST(AufgabeSchreiben, WrittenIntoAPlainProjectAndGraded) {
    Projekt p = Gelesen(kLoesung);
    p.setUebung(Json());
    const Berechnung b = Berechnen(p);
    const auto u = AufgabeHinzufuegen(
        p, b, {"Welche Kühlleistung braucht K?", "K", "leistung", "1", "3"}, "Sommerfall");
    ASSERT_TRUE(u) << u.grund();
    EXPECT_EQ((*u)["titel"], "Sommerfall");
    // The entered states are given, in their order.
    EXPECT_EQ((*u)["gegeben"], Json::parse(R"(["AUL", "ABL", "X"])"));
    p.setUebung(*u);
    const auto loesung = Loesung::Aus(p);
    ASSERT_TRUE(loesung) << loesung.grund();
    const Bewertung richtig = loesung->Bewerten(Abgabe(R"("1": 56.6)"), "a.lumora");
    EXPECT_EQ(richtig.punkte, 3);
    const Bewertung falsch = loesung->Bewerten(Abgabe(R"("1": 50)"), "b.lumora");
    EXPECT_EQ(falsch.punkte, 0);
    EXPECT_EQ(falsch.aufgaben.at(0).meldung.rfind("Aufgabe 1: 50,0 kW statt", 0), 0u)
        << falsch.aufgaben.at(0).meldung;
    // The fields of the task as the form shows them again.
    const Aufgabenfelder f = FelderDerAufgabe(p, 1);
    EXPECT_EQ(f.name, "K");
    EXPECT_EQ(f.groesse, "leistung");
    EXPECT_EQ(f.toleranz, "1");
    EXPECT_EQ(f.punkte, "3");
}

// Moving and deleting keep each answer with its task and every other key as it was; a task
// that cannot move says why; deleting the last task removes the exercise.
TEST(AufgabeSchreiben, MovedAndDeletedWithTheirAnswers) {
    const Projekt p = Gelesen(kLoesung);  // answer 27.5 to task 1
    const auto runter = AufgabeVerschieben(p, 1, false);
    ASSERT_TRUE(runter) << runter.grund();
    EXPECT_EQ((*runter)["aufgaben"][1]["name"], "MI");
    EXPECT_EQ((*runter)["antworten"], Json::parse(R"({"2": 27.5})"));
    EXPECT_EQ((*runter)["aufgaben"][0]["loesung"], -56.6);  // its own key travels with it
    EXPECT_EQ((*runter)["titel"], "Sommerfall, Übung 3");
    EXPECT_FALSE(AufgabeVerschieben(p, 1, true));
    EXPECT_EQ(AufgabeVerschieben(p, 3, false).grund(), "Aufgabe 3 steht schon unten.");
    EXPECT_FALSE(AufgabeVerschieben(p, 4, true));
    Projekt q = p;
    q.setUebung(*runter);
    const auto hoch = AufgabeVerschieben(q, 2, true);
    ASSERT_TRUE(hoch);
    EXPECT_EQ(*hoch, p.uebung());  // there and back: the same exercise

    const auto ohneErste = AufgabeLoeschen(p, 1);
    ASSERT_TRUE(ohneErste);
    EXPECT_EQ((*ohneErste)["aufgaben"].size(), 2u);
    EXPECT_FALSE((*ohneErste).contains("antworten"));  // its answer went with it
    const auto ohneZweite = AufgabeLoeschen(p, 2);
    ASSERT_TRUE(ohneZweite);
    EXPECT_EQ((*ohneZweite)["antworten"], Json::parse(R"({"1": 27.5})"));
    EXPECT_FALSE(AufgabeLoeschen(p, 0));
    Projekt eine = p;
    eine.setUebung(*AufgabeLoeschen(eine, 3));
    eine.setUebung(*AufgabeLoeschen(eine, 2));
    const auto leer = AufgabeLoeschen(eine, 1);
    ASSERT_TRUE(leer);
    EXPECT_TRUE(leer->is_null());
}

}  // namespace
}  // namespace lumora
