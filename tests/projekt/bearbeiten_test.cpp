#include "projekt/bearbeiten.h"

#include <gtest/gtest.h>

#include <string>

#include "core/koordinaten.h"
#include "projekt/eintrag.h"

namespace lumora {
namespace {

Projekt Lies(const std::string& zustaende, const std::string& prozesse = "",
             const std::string& zonen = "") {
    const auto p = Projekt::Lesen(
        R"({"lumora": 1, "eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025", "1013"],
            "zustaende": [)" +
        zustaende + R"(], "prozesse": [)" + prozesse + R"(], "zonen": [)" + zonen + "]}");
    EXPECT_TRUE(p) << p.grund();
    return p ? *p : Projekt(Feldtexte{});
}

// An entry is checked where the project would compute it, with the table's words.
TEST(Bearbeiten, EntriesCheckedWhereTheyWouldCompute) {
    const Projekt p = Lies(R"({"name": "A", "theta": 20, "phi": 50})",
                           R"({"art": "heizen", "von": "A", "nach": "B", "theta": 30})");
    EXPECT_EQ(EintragPruefen(p, Liste::Zustaende, 1, Json::parse(R"({"name": "C", "theta": 20})")),
              "Zu „theta“ fehlt der zweite Wert.");
    EXPECT_EQ(EintragPruefen(p, Liste::Zustaende, 0,
                             Json::parse(R"({"name": "A", "theta": 25, "phi": 40})")),
              "");
    // A new process may start at the state a process makes; one that replaces that process
    // cannot.
    const Json vonB = Json::parse(R"({"art": "heizen", "von": "B", "nach": "C", "theta": 40})");
    EXPECT_EQ(EintragPruefen(p, Liste::Prozesse, 1, vonB), "");
    EXPECT_EQ(EintragPruefen(p, Liste::Prozesse, 0, vonB),
              "Den Ausgangszustand „B“ gibt es nicht.");
    EXPECT_EQ(EintragPruefen(p, Liste::Prozesse, 1,
                             Json::parse(R"({"art": "heizen", "von": "B", "nach": "C",
                                             "theta": 20})")),
              "Die Endtemperatur 20 °C liegt unter der Anfangstemperatur 30 °C.");
    EXPECT_NE(
        EintragPruefen(p, Liste::Zonen, 0, Json::parse(R"({"name": "Z", "theta": [26, 20]})")), "");
}

// The table, the form and a drag take the pair from the two value keys, as the model reads the
// entry: three values are no pair; a value that is no number still names its pair.
TEST(Bearbeiten, ThePairOfAnEntryByItsTwoValueKeys) {
    EXPECT_EQ(PaarDerSchluessel(Json::parse(R"({"theta": 20, "phi": 50, "x": 8})")), nullptr);
    EXPECT_EQ(PaarDerSchluessel(Json::parse(R"({"theta": 20, "h": 50})")), nullptr);
    EXPECT_EQ(PaarDerSchluessel(Json::parse(R"({"x": 8, "theta": "abc"})"))->paar, Paar::ThetaX);
    EXPECT_EQ(PaarDerSchluessel(Json::parse("[1]")), nullptr);
}

// A form's fields make the entry in the file's order, the target before the optional flows; a
// mixing keeps its flows unless only the share is given.
TEST(Bearbeiten, ProcessEntriesFromTheFormsFields) {
    Prozessfelder f;
    f.art = Prozessart::BefeuchtenDampf;
    f.von = "A";
    f.nach = "B";
    f.ziel = "phi";
    f.zielwert = 50;
    f.parameter = {{"dampf", 100}, {"massenstrom", 5000}, {"theta", 99}};
    EXPECT_EQ(
        ProzessEintrag(f).dump(),
        R"({"art":"befeuchten_dampf","von":"A","nach":"B","dampf":100,"phi":50,"massenstrom":5000})");
    Prozessfelder m;
    m.art = Prozessart::Mischen;
    m.von = "A";
    m.von2 = "C";
    m.nach = "M";
    m.parameter = {{"aussenluftanteil", 30}};
    EXPECT_EQ(ProzessEintrag(m).dump(),
              R"({"art":"mischen","von":["A","C"],"nach":"M","aussenluftanteil":30})");
    EXPECT_TRUE(MischungVollstaendig(m));
    m.parameter = {{"massenstrom1", 2000}};
    EXPECT_EQ(ProzessEintrag(m)["massenstroeme"].dump(), "[2000,0]");
    EXPECT_FALSE(MischungVollstaendig(m));
    m.parameter["massenstrom2"] = 6000;
    EXPECT_TRUE(MischungVollstaendig(m));
}

TEST(Bearbeiten, NamesAndTheFirstFreeName) {
    const Projekt p =
        Lies(R"({"name": "Z1", "theta": 20, "phi": 50}, {"name": "Z3", "theta": 20, "phi": 60})",
             R"({"art": "heizen", "von": "Z1", "nach": "Z2", "theta": 30})");
    const Berechnung b = Berechnen(p);
    EXPECT_EQ(ZustandsNamen(b, p), (std::vector<std::string>{"Z1", "Z3", "Z2"}));
    EXPECT_EQ(FreierZustandsname(b, p), "Z4");
}

// A drag writes the two values of the pair the model reads the entry by, rounded; an entry
// the model refuses (three values) is not moved at all.
TEST(Bearbeiten, DragWritesTheModelsPairRounded) {
    const Projekt p = Lies(R"({"name": "A", "theta": 20, "x": 8, "notiz": 1},
                              {"name": "B", "theta": 20, "phi": 50, "x": 8})");
    const Berechnung b = Berechnen(p);
    const Eingabe& e = *b.eingabe;
    // 25 °C at 10 g/kg: h = 1.005·25 + 0.01·(2500 + 1.86·25) = 50.59 kJ/kg.
    const double X = KoordX(e, 0.01), Y = KoordY(e, 0.01, 50.59);
    const auto a = ZustandVerschoben(p, b, 0, X, Y);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->dump(), R"({"name":"A","theta":25,"x":10,"notiz":1})");
    EXPECT_FALSE(ZustandVerschoben(p, b, 1, X, Y));
    EXPECT_FALSE(ZustandVerschoben(p, b, 2, X, Y));
    const auto neu = ZustandAnStelle(b, X, Y, "Z1");
    ASSERT_TRUE(neu);
    EXPECT_EQ(neu->dump(), R"({"name":"Z1","theta":25,"x":10})");
    EXPECT_FALSE(ZustandAnStelle(b, KoordX(e, -0.01), Y, "Z1"));
}

}  // namespace
}  // namespace lumora
