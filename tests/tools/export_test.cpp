#include "lumora-export/export.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "projekt/jsontext.h"

namespace lumora {
namespace {

const std::string kProjekt = R"({
  "lumora": 1,
  "eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025", "1013"],
  "zustaende": [
    {"name": "AUL", "theta": 32, "phi": 40, "eigen": [1, 2]},
    {"name": "X", "theta": 20, "phi": 500}
  ],
  "prozesse": []
}
)";

// The help, the version and complaints about the command line itself are written by the
// shared command-line reading straight to the standard streams: only their status is checked.
struct Aufruf {
    std::vector<QString> argumente;  // %P: the good project, %N: a newer one, %D: the folder
    int status;
    std::string ausgabe;  // a part of standard output
    std::string meldung;  // a part of standard error
};

class Export : public testing::TestWithParam<Aufruf> {
  protected:
    static void Schreiben(const QString& pfad, const std::string& text) {
        std::ofstream(pfad.toStdString(), std::ios::binary) << text;
    }
    QTemporaryDir ordner_;
};

TEST_P(Export, ExitStatusAndMessages) {
    ASSERT_TRUE(ordner_.isValid());
    const QString gut = ordner_.filePath("gut.lumora");
    Schreiben(gut, kProjekt);
    Schreiben(ordner_.filePath("neu.lumora"), R"({"lumora": 2})");
    Schreiben(ordner_.filePath("reihe.csv"), "theta;phi\n21;50\n22;55\n");
    QDir(ordner_.path()).mkdir("ordner.csv");
    QStringList argumente{"lumora-export"};
    for (QString a : GetParam().argumente) {
        a.replace("%P", gut).replace("%N", ordner_.filePath("neu.lumora"));
        argumente << a.replace("%D", ordner_.path());
    }
    std::ostringstream aus;
    std::ostringstream fehler;
    EXPECT_EQ(Exportieren(argumente, aus, fehler, ","), GetParam().status) << fehler.str();
    EXPECT_NE(aus.str().find(GetParam().ausgabe), std::string::npos) << aus.str();
    EXPECT_NE(fehler.str().find(GetParam().meldung), std::string::npos) << fehler.str();
    if (GetParam().status == 0) {
        EXPECT_EQ(fehler.str(), "");
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Befehlszeilen, Export, testing::Values(
    Aufruf{{}, 2, "", ""},
    Aufruf{{"%P", "%P"}, 2, "", ""},
    Aufruf{{"--farbe", "%P"}, 2, "", ""},
    Aufruf{{"%P", "-o"}, 2, "", ""},
    Aufruf{{"%P", "-o", "%D/a.txt"}, 2, "", "Endung"},
    Aufruf{{"%P", "--name", "B"}, 2, "", "--messreihe"},
    Aufruf{{"--help"}, 0, "", ""},
    Aufruf{{"--version"}, 0, "", ""},
    // Without an output there is nothing to do, which is said rather than done silently.
    Aufruf{{"%P"}, 2, "", "lumora-export: Es ist nichts zu tun: weder „-o AUSGABE“ noch „--json“ "
                          "ist angegeben.\nHilfe: lumora-export --help\n"},
    Aufruf{{"%P", "--messreihe", "%D/reihe.csv"}, 2, "", "nichts zu tun"},
    Aufruf{{"%N", "--json"}, 1, "", "neueren Lumora-Version"},
    // File errors end in German, whatever the system's own text is.
    Aufruf{{"%D/fehlt.lumora", "--json"}, 1, "",
           "fehlt.lumora“ kann nicht gelesen werden: Die Datei gibt es nicht.\n"},
    Aufruf{{"%D", "--json"}, 1, "", "“ kann nicht gelesen werden: Das ist ein Ordner, keine Datei.\n"},
    Aufruf{{"%P", "-o", "%D/ordner.csv"}, 1, "",
           "ordner.csv“ kann nicht geschrieben werden: Das ist ein Ordner, keine Datei.\n"},
    Aufruf{{"%P", "-o", "%D/bild.png"}, 0, "", ""},
    Aufruf{{"%P", "-o", "%D/kein/bild.svg"}, 1, "", "bild.svg"},
    Aufruf{{"%P", "-o", "%D/kein/ordner.csv"}, 1, "", "kann nicht geschrieben werden: Den Ordner „"},
    Aufruf{{"%P", "--json"}, 0, R"("wo": "zustaende[1]")", ""},
    Aufruf{{"%P", "--messreihe", "%D/reihe.csv", "--name", "Büro", "--json"}, 0,
           R"({"name": "Büro", "punkte": 2, "unmoeglich": 0)", ""},
    Aufruf{{"%P", "--messreihe", "%D/keine.csv", "--json"}, 1, "",
           "keine.csv“ kann nicht gelesen werden: Die Datei gibt es nicht."}
));
// clang-format on

TEST(ExportDateien, ProjectWrittenBackAndTable) {
    QTemporaryDir ordner;
    const QString gut = ordner.filePath("gut.lumora");
    std::ofstream(gut.toStdString(), std::ios::binary) << kProjekt;
    const QString zurueck = ordner.filePath("zurück.lumora");
    const QString tabelle = ordner.filePath("t.CSV");
    std::ostringstream aus;
    std::ostringstream fehler;
    ASSERT_EQ(Exportieren({"lumora-export", gut, "-o", zurueck, "-o", tabelle, "--json"}, aus,
                          fehler, ","),
              0);
    QFile f(zurueck);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), kProjekt);
    QFile t(tabelle);
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    EXPECT_TRUE(t.readAll().startsWith("Name;"));
    const JsonGelesen bericht = JsonLesen(aus.str());
    ASSERT_TRUE(bericht.fehler.empty()) << aus.str();
    EXPECT_EQ(bericht.wert["zustaende"].size(), 1u);
}

// A TRY year read on the command line: what was read goes to stderr, the weather year into
// --json, and its classes into the table that --klassen names.
TEST(ExportDateien, WeatherYearAndItsClassTable) {
    QTemporaryDir ordner;
    const QString gut = ordner.filePath("gut.lumora");
    std::ofstream(gut.toStdString(), std::ios::binary) << kProjekt;
    const QString jahr = ordner.filePath("jahr.dat");
    std::ofstream(jahr.toStdString(), std::ios::binary)
        << "Hoehenlage : 186 Meter\nMM DD HH t p x\n***\n1 1 1 -0.5 990 2.5\n1 1 2 -0.5 996 3.5\n"
           "7 1 14 1.2 1000 3.9\n";
    const QString klassen = ordner.filePath("k.csv");
    std::ostringstream aus, fehler;
    ASSERT_EQ(Exportieren({"lumora-export", gut, "--messreihe", jahr, "--name", "TRY", "--klassen",
                           klassen, "--json"},
                          aus, fehler, ","),
              0)
        << fehler.str();
    EXPECT_NE(
        fehler.str().find("TRY: 3 Stunden gelesen, Höhe 186 m, mittlerer Luftdruck 995,3 hPa."),
        std::string::npos)
        << fehler.str();
    const JsonGelesen bericht = JsonLesen(aus.str());
    const auto& reihe = bericht.wert["messreihen"][0];
    EXPECT_EQ(reihe["art"], "wetterjahr");
    EXPECT_EQ(reihe["stunden"], 3);
    EXPECT_EQ(reihe["druck"], 995.3333333333334);
    EXPECT_TRUE(reihe["auslegung"].is_null());  // 3 hours, at most 9 may exceed: none
    EXPECT_EQ(reihe["haeufigkeit"]["klassen"].dump(), "[[-1,2,1],[-1,3,1],[1,3,1]]");
    QFile k(klassen);
    ASSERT_TRUE(k.open(QIODevice::ReadOnly));
    EXPECT_EQ(k.readAll().toStdString(), "ϑ \\ x [g/kg];2;3\n-1;1;1\n0;0;0\n1;0;1\n");

    std::ostringstream aus2, fehler2;
    EXPECT_EQ(Exportieren({"lumora-export", gut, "--klassen", klassen}, aus2, fehler2, ","), 1);
    EXPECT_EQ(fehler2.str(),
              "lumora-export: Das Projekt hat kein Wetterjahr, dessen "
              "Klassentabelle sich schreiben ließe.\n");
    EXPECT_EQ(Exportieren({"lumora-export", gut, "--klassen", ordner.filePath("k.txt")}, aus2,
                          fehler2, ","),
              2);
}

// --balken writes the month bars of the project's unit; a project without a unit, or a file
// ending that is no picture, is refused.
TEST(ExportDateien, MonthBarsOfTheUnit) {
    QTemporaryDir ordner;
    const QString jahr = QDir(LUMORA_BEISPIELE).filePath("jahresbetrieb.lumora");
    const QString svg = ordner.filePath("balken.svg");
    std::ostringstream aus, fehler;
    ASSERT_EQ(Exportieren({"lumora-export", jahr, "--balken", svg}, aus, fehler, ","), 0)
        << fehler.str();
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains("RLT 1"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Dez")));

    const QString ohne = QDir(LUMORA_BEISPIELE).filePath("sommerfall.lumora");
    std::ostringstream aus2, fehler2;
    EXPECT_EQ(Exportieren({"lumora-export", ohne, "--balken", svg}, aus2, fehler2, ","), 1);
    EXPECT_EQ(fehler2.str(), "lumora-export: Das Projekt hat keine Anlage.\n");
    EXPECT_EQ(Exportieren({"lumora-export", jahr, "--balken", ordner.filePath("b.csv")}, aus2,
                          fehler2, ","),
              2);
}

TEST(ExportDateien, ImagesShowTheStatesOverTheChart) {
    QTemporaryDir ordner;
    const QString gut = ordner.filePath("gut.lumora");
    std::ofstream(gut.toStdString(), std::ios::binary) << kProjekt;
    std::ostringstream aus, fehler;
    ASSERT_EQ(Exportieren({"lumora-export", gut, "-o", ordner.filePath("b.png"), "-o",
                           ordner.filePath("b.svg")},
                          aus, fehler, ","),
              0)
        << fehler.str();
    // The marker of AUL is a filled circle in the states' orange; the chart has no orange.
    const QImage bild(ordner.filePath("b.png"));
    ASSERT_FALSE(bild.isNull());
    int orange = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) orange += bild.pixel(x, y) == qRgb(255, 140, 0);
    }
    EXPECT_GT(orange, 50);   // 8 px across at twice the scale, less the outline
    EXPECT_LT(orange, 400);  // one marker, no process
    QFile svg(ordner.filePath("b.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains(">AUL<"));  // the name stays text
}

// Every example that comes with the program computes without a single entry in fehler; the
// mixing of two saturated streams ends in fog, which is what that example is about.
TEST(ExportDateien, ExamplesComputeWithoutFaults) {
    const QStringList beispiele = QDir(LUMORA_BEISPIELE).entryList({"*.lumora"}, QDir::Files);
    ASSERT_EQ(beispiele.size(), 7);
    for (const QString& name : beispiele) {
        std::ostringstream aus, fehler;
        ASSERT_EQ(Exportieren({"lumora-export", QDir(LUMORA_BEISPIELE).filePath(name), "--json"},
                              aus, fehler, ","),
                  0)
            << fehler.str();
        const JsonGelesen bericht = JsonLesen(aus.str());
        ASSERT_TRUE(bericht.fehler.empty()) << name.toStdString();
        EXPECT_TRUE(bericht.wert["fehler"].empty()) << name.toStdString() << aus.str();
        // The exercise leaves the processes to the student; the weather year shows the
        // outdoor air's office hours (HH 8..18 of 365 days) as a map.
        if (name == "wetterjahr.lumora") {
            const auto& reihe = bericht.wert["messreihen"][0];
            EXPECT_EQ(reihe["stunden"], 11 * 365);
            EXPECT_FALSE(reihe["haeufigkeit"]["klassen"].empty());
            EXPECT_TRUE(reihe["auslegung"].is_object());
        } else if (name == "jahresbetrieb.lumora") {
            // Every mode of the control sequence occurs in the year, and every hour computes.
            const auto& stunden = bericht.wert["anlage"]["stunden"];
            EXPECT_EQ(stunden["betrieb"], 12 * 365);
            for (const char* art :
                 {"frei", "wrg", "heizen", "kuehlen", "entfeuchten", "befeuchten"}) {
                EXPECT_GT(stunden[art], 0) << art;
            }
            EXPECT_EQ(stunden["nicht_erreicht"], 0);
        } else if (name != "uebung-sommerfall.lumora") {
            EXPECT_FALSE(bericht.wert["prozesse"].empty()) << name.toStdString();
        }
        if (name == "mischungsnebel.lumora") {
            bool nebel = false;
            for (const auto& z : bericht.wert["zustaende"]) nebel = nebel || z["nebel"] == true;
            EXPECT_TRUE(nebel);
        }
    }
}

}  // namespace
}  // namespace lumora

int main(int argc, char* argv[]) {
    // Images are drawn by the renderer, which needs fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
