#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "lumora-export/export.h"
#include "projekt/jsontext.h"

namespace lumora {
namespace {

const std::string kLoesung = R"({
  "lumora": 1,
  "eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025", "1013"],
  "zustaende": [{"name": "AUL", "theta": 32, "phi": 40}, {"name": "X", "theta": 20, "x": 8}],
  "prozesse": [{"art": "heizen", "von": "AUL", "nach": "H", "theta": 40, "massenstrom": 1000}],
  "uebung": {"titel": "Heizen", "gegeben": ["AUL"], "aufgaben": [
    {"text": "ϑ von X?", "name": "X", "groesse": "theta", "toleranz": 0.5, "punkte": 1.5},
    {"text": "Leistung von H?", "name": "H", "groesse": "leistung", "toleranz": 0.1, "punkte": 2}
  ]}
}
)";

class Bewerten : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ordner_.isValid());
        Schreiben("loesung.lumora", kLoesung);
        std::string gut = kLoesung;
        gut.replace(gut.find(R"("aufgaben")"), 0, R"("antworten": {"1": 20.4}, )");
        Schreiben("gut.lumora", gut);
        Schreiben("kaputt.lumora", "{\"lumora\": 1, ");
    }
    void Schreiben(const char* name, const std::string& text) {
        std::ofstream(ordner_.filePath(name).toStdString(), std::ios::binary) << text;
    }
    QString Pfad(const char* name) const { return ordner_.filePath(name); }
    int Aufruf(QStringList argumente) {
        aus_.str({});
        fehler_.str({});
        argumente.prepend("lumora-export");
        return Exportieren(argumente, aus_, fehler_, ",");
    }

    QTemporaryDir ordner_;
    std::ostringstream aus_;
    std::ostringstream fehler_;
};

TEST_F(Bewerten, EveryHandInGetsItsGradeAndTheTableIsWritten) {
    const QString noten = Pfad("noten.csv");
    ASSERT_EQ(Aufruf({Pfad("loesung.lumora"), "--bewerte", Pfad("gut.lumora"),
                      Pfad("kaputt.lumora"), Pfad("fehlt.lumora"), "--json", "-o", noten}),
              0)
        << fehler_.str();
    EXPECT_EQ(fehler_.str(), "");
    std::istringstream zeilen(aus_.str());
    std::vector<Json> objekte;
    for (std::string zeile; std::getline(zeilen, zeile);) {
        const JsonGelesen j = JsonLesen(zeile);
        ASSERT_TRUE(j.fehler.empty()) << zeile;
        objekte.push_back(j.wert);
    }
    ASSERT_EQ(objekte.size(), 3u);
    // The good one has its own heater; X is typed within 0.5 K.
    EXPECT_EQ(objekte[0]["punkte"], 3.5);
    EXPECT_EQ(objekte[0]["von"], 3.5);
    EXPECT_EQ(objekte[0]["aufgaben"][0]["meldung"], "Aufgabe 1: richtig (20,4 °C)");
    EXPECT_EQ(objekte[1]["punkte"], 0);
    EXPECT_NE(objekte[1]["fehler"].get<std::string>().find("kein Lumora-Projekt"),
              std::string::npos);
    EXPECT_NE(objekte[2]["fehler"].get<std::string>().find("Die Datei gibt es nicht."),
              std::string::npos);
    QFile f(noten);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString tabelle = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(tabelle.startsWith("Datei;Punkte;von;Aufgabe 1;Aufgabe 2\n"))
        << tabelle.toStdString();
    EXPECT_TRUE(tabelle.contains("gut.lumora;3,5;3,5;1,5;2\n")) << tabelle.toStdString();
    EXPECT_TRUE(tabelle.contains("kaputt.lumora;0;3,5;0;0\n")) << tabelle.toStdString();
    // Without --json and -o the grades are text.
    ASSERT_EQ(Aufruf({Pfad("loesung.lumora"), "--bewerte", Pfad("gut.lumora")}), 0);
    EXPECT_NE(aus_.str().find(": 3,5 von 3,5 Punkten\n  Aufgabe 1: richtig"), std::string::npos)
        << aus_.str();
}

TEST_F(Bewerten, ExitStatusOfASolutionThatCannotGradeAndOfWrongCommandLines) {
    std::string ohne = kLoesung;
    ohne.replace(ohne.find(R"("name": "H", "groesse")"), 11, R"("name": "Q")");
    Schreiben("ohne.lumora", ohne);
    EXPECT_EQ(Aufruf({Pfad("ohne.lumora"), "--bewerte", Pfad("gut.lumora")}), 1);
    EXPECT_NE(fehler_.str().find("Aufgabe 2: Einen Prozess nach „Q“ gibt es nicht."),
              std::string::npos)
        << fehler_.str();
    EXPECT_EQ(Aufruf({Pfad("loesung.lumora"), "--bewerte", Pfad("gut.lumora"), "-o", "n.png"}), 2);
    EXPECT_EQ(Aufruf({Pfad("loesung.lumora"), "--bewerte", Pfad("gut.lumora"), "--uebung",
                      Pfad("a.lumora")}),
              2);
    EXPECT_EQ(Aufruf({Pfad("loesung.lumora"), Pfad("gut.lumora"), "--json"}), 2);
    EXPECT_EQ(Aufruf({Pfad("loesung.lumora"), "--bewerte"}), 2);
}

TEST_F(Bewerten, TheExerciseIsWrittenAndNeverOverTheSolution) {
    ASSERT_EQ(Aufruf({Pfad("loesung.lumora"), "--uebung", Pfad("aufgabe.lumora")}), 0)
        << fehler_.str();
    QFile f(Pfad("aufgabe.lumora"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const JsonGelesen aufgabe = JsonLesen(f.readAll().toStdString());
    ASSERT_TRUE(aufgabe.fehler.empty());
    EXPECT_TRUE(aufgabe.wert["prozesse"].empty());
    EXPECT_EQ(aufgabe.wert["zustaende"].size(), 1u);
    EXPECT_EQ(Aufruf({Pfad("loesung.lumora"), "--uebung", Pfad("loesung.lumora")}), 2);
    EXPECT_NE(fehler_.str().find("würde die Lösung überschreiben"), std::string::npos);
    QFile l(Pfad("loesung.lumora"));
    ASSERT_TRUE(l.open(QIODevice::ReadOnly));
    EXPECT_EQ(l.readAll().toStdString(), kLoesung);
    EXPECT_EQ(Aufruf({Pfad("loesung.lumora"), "--uebung", Pfad("aufgabe.txt")}), 2);
}

}  // namespace
}  // namespace lumora
