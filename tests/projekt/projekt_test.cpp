#include "projekt/projekt.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/text.h"
#include "projekt/anlage.h"
#include "projekt/berechnung.h"
#include "projekt/bericht.h"
#include "projekt/messreihe.h"

namespace lumora {
namespace {

const Feldtexte kTexte{"50", "10", "5", "0.03", "0.005", "0.0025", "1013"};

// A file as Lumora writes it, with keys it does not know at the top and inside entries.
const std::string kDatei = R"({
  "lumora": 1,
  "eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025", "1013"],
  "autor": {"name": "Jö", "zeilen": [1, 2.5, -0.0]},
  "zustaende": [
    {"name": "AUL", "theta": 32, "phi": 40, "farbe": "#ff0000"},
    {"name": "ABL", "theta": 26.5, "x": 0.1},
    {"name": "K\u0001ü", "h": 1e-05, "x": 1e+22}
  ],
  "prozesse": [
    {"art": "mischen", "von": ["AUL", "ABL"], "nach": "MI", "massenstroeme": [2000, 6000]}
  ],
  "messreihen": [],
  "zonen": [
    {"name": "Behaglichkeit", "theta": [20, 26], "phi": [30, 65], "x": [null, 11.5]}
  ],
  "randmassstab": true,
  "notiz": "Zeile 1\nZeile 2"
}
)";

TEST(ProjektDatei, UnchangedFileKeepsItsBytes) {
    const auto p = Projekt::Lesen(kDatei);
    ASSERT_TRUE(p) << p.grund();
    EXPECT_EQ(p->schreiben(), kDatei);
    EXPECT_TRUE(p->randmassstab());
    EXPECT_EQ(p->notiz(), "Zeile 1\nZeile 2");
    EXPECT_EQ(p->eingabe(), kTexte);
    EXPECT_EQ(p->anzahl(Liste::Zonen), 1u);
    EXPECT_EQ(p->anzahl(Liste::Messreihen), 0u);
}

TEST(ProjektDatei, NewProjectLayout) {
    Projekt p(kTexte);
    p.einfuegen(Liste::Zustaende, 0, Json{{"name", "AUL"}, {"theta", 32}, {"phi", 40.5}});
    p.setNotiz("n");
    EXPECT_EQ(p.schreiben(), R"({
  "lumora": 1,
  "eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025", "1013"],
  "zustaende": [
    {"name": "AUL", "theta": 32, "phi": 40.5}
  ],
  "prozesse": [],
  "notiz": "n"
}
)");
    EXPECT_EQ(Projekt::Lesen(p.schreiben())->schreiben(), p.schreiben());
}

TEST(ProjektDatei, KnownKeyAddedInItsPlace) {
    auto p = Projekt::Lesen(R"({"notiz": "a", "lumora": 1, "x": 0, "zustaende": [],
        "eingabe": ["", "", "", "", "", "", ""], "prozesse": []})");
    ASSERT_TRUE(p);
    Projekt q = *p;
    q.setSichtbar(0, false);  // no series: nothing to change, nothing may fail
    q.einfuegen(Liste::Zonen, 0, Json::object());
    std::string schluessel;
    for (const auto& [k, v] : q.dokument().items()) schluessel += k + " ";
    EXPECT_EQ(schluessel, "notiz lumora x zustaende eingabe prozesse zonen ");
}

// A switch set and set back to what the file had, missing key included, gives back its bytes.
TEST(ProjektDatei, SwitchesGoBackToTheKeyAsItStood) {
    auto gelesen = Projekt::Lesen(R"({"lumora": 1, "eingabe": ["", "", "", "", "", "", ""],
        "zustaende": [], "prozesse": [], "messreihen": [{"name": "a"}, {"sichtbar": false}]})");
    ASSERT_TRUE(gelesen);
    Projekt p = *gelesen;
    const std::string datei = p.schreiben();
    const auto rand = p.setRandmassstab(true);
    EXPECT_EQ(rand, std::nullopt);
    EXPECT_TRUE(p.randmassstab());
    const auto a = p.setSichtbar(0, false);
    const auto b = p.setSichtbar(1, true);
    EXPECT_EQ(a, std::nullopt);
    EXPECT_EQ(b, std::optional<bool>(false));
    EXPECT_TRUE(p.sichtbar(1));
    p.setSichtbar(1, b);
    p.setSichtbar(0, a);
    p.setRandmassstab(rand);
    EXPECT_EQ(p.schreiben(), datei);
    // The first zone and its list, taken back together.
    p.einfuegen(Liste::Zonen, 0, Json::object());
    p.leereListeEntfernen(Liste::Zonen);  // not empty: stays
    EXPECT_EQ(p.anzahl(Liste::Zonen), 1u);
    p.entfernen(Liste::Zonen, 0);
    p.leereListeEntfernen(Liste::Zonen);
    EXPECT_EQ(p.schreiben(), datei);
}

// The lower limit sits after eingabe, is kept byte for byte, and is removed again as it came.
TEST(ProjektDatei, LowerLimitRoundTrip) {
    const std::string mit = R"({
  "lumora": 1,
  "eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025", "1013"],
  "theta_unten": -12.5,
  "zustaende": [],
  "prozesse": []
}
)";
    const auto p = Projekt::Lesen(mit);
    ASSERT_TRUE(p) << p.grund();
    EXPECT_EQ(p->schreiben(), mit);
    EXPECT_EQ(p->thetaUnten(), -12.5);

    Projekt q(kTexte);
    const std::string ohne = q.schreiben();
    EXPECT_EQ(q.thetaUnten(), std::nullopt);
    EXPECT_EQ(q.setThetaUnten(-12.5), std::nullopt);
    EXPECT_EQ(q.schreiben(), mit);
    EXPECT_EQ(q.setThetaUnten(std::nullopt), -12.5);
    EXPECT_EQ(q.schreiben(), ohne);
}

TEST(ProjektModell, RenameFollowsProcessesAndUndoes) {
    auto p = Projekt::Lesen(kDatei);
    ASSERT_TRUE(p);
    Projekt q = *p;
    EXPECT_FALSE(q.umbenennen("AUL", "ABL"));  // taken
    EXPECT_FALSE(q.umbenennen("AUL", std::string(41, 'a')));
    const auto e = q.umbenennen("AUL", "Außenluft");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->size(), 2u);
    EXPECT_EQ(q.eintrag(Liste::Zustaende, 0)["name"], "Außenluft");
    EXPECT_EQ(q.eintrag(Liste::Zustaende, 0)["farbe"], "#ff0000");
    EXPECT_EQ(q.eintrag(Liste::Prozesse, 0)["von"], Json({"Außenluft", "ABL"}));
    q.zuruecksetzen(*e);
    EXPECT_EQ(q.schreiben(), kDatei);

    const Json alt = q.entfernen(Liste::Zustaende, 1);
    q.einfuegen(Liste::Zustaende, 1, alt);
    const Json ersetzt = q.ersetzen(Liste::Prozesse, 0, Json::object());
    q.ersetzen(Liste::Prozesse, 0, ersetzt);
    EXPECT_EQ(q.schreiben(), kDatei);
}

// Processes given as {von, nach}; a second start state makes a mixing.
Projekt Kette(std::vector<std::pair<std::vector<std::string>, std::string>> prozesse) {
    Projekt p(Feldtexte{});
    for (auto& [von, nach] : prozesse) {
        Json e = {{"art", "heizen"}, {"nach", nach}};
        e["von"] = von.size() == 1 ? Json(von[0]) : Json(von);
        p.einfuegen(Liste::Prozesse, p.anzahl(Liste::Prozesse), e);
    }
    return p;
}

TEST(ProjektModell, ProcessesAreOrderedSoThatTheyCompute) {
    using V = std::vector<std::size_t>;
    // Cooler and heater before the mixing that feeds them; the unrelated one keeps its place.
    EXPECT_EQ(Rechenfolge(
                  Kette({{{"MI"}, "KUE"}, {{"X"}, "Y"}, {{"KUE"}, "ZUL"}, {{"AUL", "ABL"}, "MI"}})),
              (V{1, 3, 0, 2}));
    // A circle keeps its order, after a process on itself, instead of hanging.
    EXPECT_EQ(Rechenfolge(Kette({{{"B"}, "A"}, {{"A"}, "B"}, {{"C"}, "C"}})), (V{2, 0, 1}));

    Projekt p = Kette({{{"MI"}, "KUE"}, {{"AUL", "ABL"}, "MI"}});
    const std::string vorher = p.schreiben();
    const auto ersetzungen = p.ordnen();
    EXPECT_EQ(p.eintrag(Liste::Prozesse, 0)["nach"], "MI");
    EXPECT_TRUE(p.ordnen().empty());
    p.zuruecksetzen(ersetzungen);
    EXPECT_EQ(p.schreiben(), vorher);

    // Swapping refuses to put a process before the one that makes its start state.
    p.ordnen();
    const auto nein = p.tauschen(Liste::Prozesse, 0);
    ASSERT_FALSE(nein);
    EXPECT_NE(nein.grund().find("„KUE“ beginnt an „MI“"), std::string::npos) << nein.grund();
    Projekt q = Kette({{{"A"}, "B"}, {{"C"}, "D"}});
    ASSERT_TRUE(q.tauschen(Liste::Prozesse, 0));
    EXPECT_EQ(q.eintrag(Liste::Prozesse, 0)["nach"], "D");
    EXPECT_FALSE(q.tauschen(Liste::Prozesse, 1));
}

// Entries are read once and again only where a change touches them: after every kind of
// change, the project computes exactly as its file read afresh.
TEST(ProjektModell, EntriesReadOnceStayTheFilesEntries) {
    Projekt p = *Projekt::Lesen(kDatei);
    const auto wieFrisch = [&p](const char* nach) {
        const auto frisch = Projekt::Lesen(p.schreiben());
        ASSERT_TRUE(frisch);
        EXPECT_EQ(BerichtText(Berechnen(p)), BerichtText(Berechnen(*frisch))) << nach;
    };
    p.einfuegen(Liste::Prozesse, 0,
                Json::parse(R"({"art": "heizen", "von": "MI", "nach": "H", "theta": 30})"));
    wieFrisch("einfuegen");
    const auto geordnet = p.ordnen();
    wieFrisch("ordnen");
    const auto umbenannt = p.umbenennen("MI", "Mischluft");
    ASSERT_TRUE(umbenannt);
    wieFrisch("umbenennen");
    p.ersetzen(Liste::Zustaende, 1, Json::parse(R"({"name": "ABL", "theta": 20, "phi": 50})"));
    wieFrisch("ersetzen");
    p.zuruecksetzen(*umbenannt);
    p.zuruecksetzen(geordnet);
    wieFrisch("zuruecksetzen");
    p.entfernen(Liste::Zustaende, 0);
    p.entfernen(Liste::Prozesse, 0);
    wieFrisch("entfernen");
}

TEST(ProjektModell, NameLengthCountsCharacters) {
    EXPECT_FALSE(NamensFehler(std::string(20, 'a') + std::string(20, 'a')));
    // 40 umlauts are 80 bytes but 40 characters
    std::string umlaute;
    for (int i = 0; i < 40; ++i) umlaute += "ä";
    EXPECT_FALSE(NamensFehler(umlaute));
    EXPECT_TRUE(NamensFehler(umlaute + "a"));
    EXPECT_TRUE(NamensFehler(""));
}

struct Ablehnung {
    std::string text;
    std::string meldung;  // a part of the German reason
};

class ProjektAblehnung : public testing::TestWithParam<Ablehnung> {};

TEST_P(ProjektAblehnung, RefusedWithReason) {
    const auto p = Projekt::Lesen(GetParam().text);
    ASSERT_FALSE(p);
    EXPECT_NE(p.grund().find(GetParam().meldung), std::string::npos) << p.grund();
}

const std::string kE = R"("eingabe": ["", "", "", "", "", "", ""])";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Dateien, ProjektAblehnung, testing::Values(
    Ablehnung{"", "endet unerwartet (Zeile 1, Spalte 1)"},
    Ablehnung{"{\n  \"lumora\": 1,\n  \"ä\": tru\n}", "kein gültiges JSON (Zeile 3"},
    Ablehnung{"{\"a\": [1,\n 2,]}", "(Zeile 2, Spalte 4)"},
    Ablehnung{"{\"a\": \"\xff\"}", "ungültiges UTF-8 (Zeile 1, Spalte 8)"},
    Ablehnung{std::string("{\"lumora\": 1}\0 [", 16), "NUL-Byte (Zeile 1, Spalte 14)"},
    Ablehnung{std::string(65, '[') + std::string(65, ']'), "tiefer als 64 Ebenen verschachtelt (Zeile 1, Spalte 65)"},
    Ablehnung{"{\"a\":\n 1e400}", "„1e400“ (Zeile 2, Spalte 2) liegt außerhalb"},
    Ablehnung{"{\"a\": 1, \"a\": 2}", "„a“ steht zweimal"},
    Ablehnung{"[]", "kein JSON-Objekt"},
    Ablehnung{"{}", "„lumora“ fehlt"},
    Ablehnung{"{\"lumora\": \"1\"}", "keine Formatnummer"},
    Ablehnung{"{\"lumora\": 2}", "neueren Lumora-Version (Format 2)"},
    Ablehnung{"{\"lumora\": 0}", "Formatnummer 0 ist unbekannt"},
    Ablehnung{"{\"lumora\": 1}", "„eingabe“ fehlt"},
    Ablehnung{"{\"lumora\": 1, \"eingabe\": [\"1\"]}", "1 statt sieben"},
    Ablehnung{"{\"lumora\": 1, \"eingabe\": [\"\", \"\", 3, \"\", \"\", \"\", \"\"]}", "eingabe[2] ist kein Text"},
    Ablehnung{"{\"lumora\": 1, " + kE + ", \"prozesse\": []}", "„zustaende“ fehlt"},
    Ablehnung{"{\"lumora\": 1, " + kE + ", \"zustaende\": {}, \"prozesse\": []}", "„zustaende“ ist keine Liste"},
    Ablehnung{"{\"lumora\": 1, " + kE + ", \"zustaende\": [], \"prozesse\": 1}", "„prozesse“ ist keine Liste"},
    Ablehnung{"{\"lumora\": 1, " + kE + ", \"zustaende\": [], \"prozesse\": [], \"zonen\": 0}", "„zonen“ ist keine Liste"},
    Ablehnung{"{\"lumora\": 1, " + kE + ", \"zustaende\": [], \"prozesse\": [], \"randmassstab\": 1}", "randmassstab"},
    Ablehnung{"{\"lumora\": 1, " + kE + ", \"theta_unten\": \"-20\", \"zustaende\": [], \"prozesse\": []}", "„theta_unten“ ist keine Zahl von -50 bis 0"},
    Ablehnung{"{\"lumora\": 1, " + kE + ", \"theta_unten\": -50.5, \"zustaende\": [], \"prozesse\": []}", "„theta_unten“"},
    Ablehnung{"{\"lumora\": 1, " + kE + ", \"theta_unten\": 1, \"zustaende\": [], \"prozesse\": []}", "„theta_unten“"}
));
// clang-format on

// A translator for the test: English for the texts it knows, and every other text marked, so
// that a message glued from translated pieces would show each piece.
std::string Englisch(const char* kontext, const char* quelle) {
    static const std::map<std::string, std::string> kEnglisch{
        {"„%1“", "“%1”"},
        {"Den Namen %1 trägt schon ein Zustand.", "The name %1 is already taken by a state."},
        {"Die Datei stammt aus einer neueren Lumora-Version (Format %1) und kann nicht geöffnet "
         "werden.",
         "The file comes from a newer version of Lumora (format %1) and cannot be opened."},
        {"%1 Zeilen konnten nicht gelesen werden und wurden übersprungen: Zeile %2.",
         "%1 lines could not be read and were skipped: lines %2."},
        {"Wärmerückgewinnung", "Heat recovery"},
        {"Name", "Name"},
        {"Nebel", "Fog"},
        {"Wasser [g/kg]", "Water [g/kg]"},
    };
    const auto it = kEnglisch.find(quelle);
    return it != kEnglisch.end() ? it->second : "[" + std::string(kontext) + ": " + quelle + "]";
}

// German again when the test ends, however it ends.
struct MitUebersetzer {
    MitUebersetzer() { UebersetzerSetzen(Englisch); }
    ~MitUebersetzer() { UebersetzerSetzen(nullptr); }
    MitUebersetzer(const MitUebersetzer&) = delete;
    MitUebersetzer& operator=(const MitUebersetzer&) = delete;
};

TEST(ProjektTexte, ComposedMessagesAreOneTranslatedSentenceWithTheirValues) {
    const auto gelesen = Projekt::Lesen(kDatei);
    ASSERT_TRUE(gelesen);
    Projekt p = *gelesen;
    const MitUebersetzer englisch;
    const auto vergeben = p.umbenennen("AUL", "ABL");
    ASSERT_FALSE(vergeben);
    EXPECT_EQ(vergeben.grund(), "The name “ABL” is already taken by a state.");
    const auto neuer = Projekt::Lesen(R"({"lumora": 7, "zustaende": [], "prozesse": []})");
    ASSERT_FALSE(neuer);
    EXPECT_EQ(neuer.grund(),
              "The file comes from a newer version of Lumora (format 7) and cannot be opened.");
    const auto im = MessreiheAusCsv("theta;phi\n21;40\nx;40\n;\n22;41\n", "R", "r.csv");
    ASSERT_TRUE(im) << im.grund();
    EXPECT_EQ(im->Meldung(), "2 lines could not be read and were skipped: lines 3, 4.");
    // Names on the screen and the report's headers; the keys in the file stay.
    EXPECT_EQ(NameVon(Betriebsart::Wrg), "Heat recovery");
    EXPECT_EQ(SchluesselVon(Betriebsart::Wrg), "wrg");
    const std::string tabelle = Tabelle(p, Berechnen(p), ",");
    EXPECT_EQ(tabelle.rfind("Name;", 0), 0u) << tabelle;
    EXPECT_NE(tabelle.find(";Fog;Water [g/kg];[Projekt: Eis [g/kg]];[Projekt: Hinweis]\n"),
              std::string::npos)
        << tabelle;
    EXPECT_EQ(p.schreiben(), kDatei);
}

}  // namespace
}  // namespace lumora
