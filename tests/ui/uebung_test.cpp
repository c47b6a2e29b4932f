#include "projekt/uebung.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/zahlen.h"
#include "ui/anwendung.h"
#include "ui/diagrammfenster.h"
#include "ui/uebungsfenster.h"

namespace lumora {
namespace {

const char* const kLoesung = R"({
  "lumora": 1,
  "eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025", "1013"],
  "zustaende": [{"name": "AUL", "theta": 32, "phi": 40}],
  "prozesse": [{"art": "heizen", "von": "AUL", "nach": "H", "theta": 40, "massenstrom": 1000}],
  "uebung": {"titel": "Heizen, Übung 1", "gegeben": ["AUL"], "aufgaben": [
    {"text": "Welche Temperatur hat H?", "name": "H", "groesse": "theta", "toleranz": 0.5, "punkte": 1},
    {"text": "Welche Leistung braucht der Heizer?", "name": "H", "groesse": "leistung", "toleranz": 0.1, "punkte": 2}
  ]}
}
)";

class Uebungsbetrieb : public testing::Test {
  protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(ordner.isValid());
        const auto loesung = Projekt::Lesen(kLoesung);
        ASSERT_TRUE(loesung);
        const auto aufgabe = UebungErstellen(*loesung);
        ASSERT_TRUE(aufgabe) << aufgabe.grund();
        pfad = ordner.filePath("aufgabe.lumora");
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(aufgabe->schreiben().c_str());
        f.close();
        ASSERT_TRUE(anwendung.oeffnen(pfad));
        fenster = anwendung.projektfenster().uebung();
    }
    void TearDown() override { anwendung.sitzung().wiederherstellungLoeschen(); }

    std::optional<double> Antwort(std::size_t nr) {
        return UebungLesen(anwendung.sitzung().projekt())->antworten.at(nr - 1);
    }

    QTemporaryDir ordner;
    QString pfad;
    Anwendung anwendung;
    Uebungsfenster* fenster = nullptr;
};

TEST_F(Uebungsbetrieb, TypedAndTakenAnswersAreUndoSteps) {
    ASSERT_TRUE(fenster->isVisibleTo(&anwendung.projektfenster()));
    EXPECT_EQ(fenster->findChild<QLabel*>("titel")->text(), QString::fromUtf8("Heizen, Übung 1"));
    QLineEdit* feld = fenster->antwortfeld(1);
    ASSERT_NE(feld, nullptr);
    EXPECT_TRUE(feld->text().isEmpty());
    // A decimal comma as the German user types it.
    QTest::keyClicks(feld, "40,2");
    QTest::keyClick(feld, Qt::Key_Return);
    EXPECT_EQ(Antwort(1), 40.2);
    EXPECT_TRUE(anwendung.sitzung().geaendert());
    // No number: said, and nothing changes.
    feld->setText("vierzig");
    QTest::keyClick(feld, Qt::Key_Return);
    EXPECT_EQ(fenster->meldung()->text(),
              QString::fromUtf8("Aufgabe 1: „vierzig“ ist keine Zahl."));
    EXPECT_EQ(Antwort(1), 40.2);
    EXPECT_EQ(feld->text(), "40,2");

    // Without the student's heater there is nothing to take.
    QTest::mouseClick(fenster->uebernehmenKnopf(2), Qt::LeftButton);
    EXPECT_EQ(fenster->meldung()->text(),
              QString::fromUtf8("Aufgabe 2: Einen Prozess nach „H“ gibt es nicht."));
    anwendung.sitzung().eintragEinfuegen(
        Liste::Prozesse, 0, Json::parse(R"({"art": "heizen", "von": "AUL", "nach": "H", "theta": 41,
                        "massenstrom": 1000})"),
        "Prozess hinzufügen");
    QTest::mouseClick(fenster->uebernehmenKnopf(2), Qt::LeftButton);
    const double leistung = anwendung.sitzung().stand().prozesse.at(0).leistung.value();
    ASSERT_TRUE(Antwort(2));
    EXPECT_NEAR(*Antwort(2), leistung, 0.005);  // as the table shows it, to 0.01 kW
    EXPECT_EQ(fenster->antwortfeld(2)->text().toStdString(), KuerzesterText(*Antwort(2), ","));

    QUndoStack& verlauf = anwendung.sitzung().verlauf();
    EXPECT_EQ(verlauf.undoText(), QString::fromUtf8("Antwort übernehmen"));
    verlauf.undo();
    EXPECT_FALSE(Antwort(2));
    EXPECT_TRUE(fenster->antwortfeld(2)->text().isEmpty());
    verlauf.undo();  // the heater
    verlauf.undo();  // the typed answer
    EXPECT_FALSE(Antwort(1));
    EXPECT_TRUE(feld->text().isEmpty());
    EXPECT_FALSE(anwendung.sitzung().geaendert());
}

TEST_F(Uebungsbetrieb, GradedHandInShowsTicksCrossesAndTheSolution) {
    fenster->antwortfeld(1)->setText("45");
    QTest::keyClick(fenster->antwortfeld(1), Qt::Key_Return);
    EXPECT_FALSE(fenster->loesungAktion()->isEnabled());
    fenster->setLoesung(*Projekt::Lesen(kLoesung), "loesung.lumora");
    ASSERT_TRUE(fenster->bewertung());
    EXPECT_TRUE(fenster->ergebnis(1)->isVisibleTo(fenster));
    EXPECT_TRUE(fenster->ergebnis(1)->text().contains(QString::fromUtf8("✘")));
    EXPECT_TRUE(fenster->ergebnis(1)->text().contains(
        QString::fromUtf8("Aufgabe 1: 45,0 °C statt 40,0 °C (Toleranz 0,5 K)")));
    EXPECT_TRUE(fenster->ergebnis(2)->text().contains("keine Antwort"));
    // The student's correction is graded at once.
    fenster->antwortfeld(1)->setText("40.3");
    QTest::keyClick(fenster->antwortfeld(1), Qt::Key_Return);
    EXPECT_TRUE(fenster->ergebnis(1)->text().contains(QString::fromUtf8("✔")));
    EXPECT_EQ(fenster->bewertung()->punkte, 1);

    // "Lösung zeigen" lays the solution's AUL and H beside the student's own AUL.
    Diagrammfenster* diagramm = anwendung.dialog().diagrammfenster();
    ASSERT_NE(diagramm, nullptr);
    EXPECT_TRUE(diagramm->ueberlagerung().loesungMarken.empty());
    fenster->loesungAktion()->trigger();
    ASSERT_EQ(diagramm->ueberlagerung().loesungMarken.size(), 2u);
    EXPECT_EQ(diagramm->ueberlagerung().loesungMarken[1].name, "H");
    EXPECT_EQ(diagramm->ueberlagerung().loesungLinien.size(), 1u);
    EXPECT_EQ(diagramm->ueberlagerung().marken.size(), 1u);
    // Drawn in its own purple, which no line of the chart has, smoothed or not.
    const auto lila = [diagramm] {
        const QImage bild = diagramm->grab().toImage();
        int n = 0;
        for (int y = 0; y < bild.height(); ++y) {
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c(bild.pixel(x, y));
                n += c.red() > c.green() + 50 && c.blue() > c.green() + 50;
            }
        }
        return n;
    };
    const int mit = lila();
    fenster->loesungAktion()->trigger();
    EXPECT_TRUE(diagramm->ueberlagerung().loesungMarken.empty());
    EXPECT_GT(mit, lila() + 30);
    // Another project: the solution goes with the hand-in.
    anwendung.sitzung().neu(anwendung.sitzung().projekt().eingabe());
    EXPECT_FALSE(fenster->loesungAktion()->isEnabled());
    EXPECT_FALSE(fenster->bewertung());
}

TEST_F(Uebungsbetrieb, TheOpenSolutionGradesAFolderAndWritesItsExercise) {
    const QString loesung = ordner.filePath("loesung.lumora");
    QFile l(loesung);
    ASSERT_TRUE(l.open(QIODevice::WriteOnly));
    l.write(kLoesung);
    l.close();
    QFile a(ordner.filePath("a.lumora"));
    ASSERT_TRUE(a.open(QIODevice::WriteOnly));
    a.write(QByteArray(kLoesung).replace(R"("aufgaben")", R"("antworten": {"1": 44}, "aufgaben")"));
    a.close();
    QFile k(ordner.filePath("kaputt.lumora"));
    ASSERT_TRUE(k.open(QIODevice::WriteOnly));
    k.write("kein JSON");
    k.close();
    ASSERT_TRUE(anwendung.oeffnen(loesung));
    // The exercise refuses to replace the solution it comes from.
    EXPECT_TRUE(fenster->erstellenNach(loesung).contains("überschreiben"));
    EXPECT_EQ(fenster->erstellenNach(ordner.filePath("neu.lumora")), "");
    EXPECT_TRUE(QFile::exists(ordner.filePath("neu.lumora")));

    std::vector<Bewertung> noten;
    ASSERT_EQ(fenster->ordnerBewerten(ordner.path(), noten), "");
    std::vector<std::string> dateien;
    for (const Bewertung& b : noten) dateien.push_back(b.datei);
    // Every hand-in in the folder but the solution itself, by name.
    EXPECT_EQ(dateien, (std::vector<std::string>{"a.lumora", "aufgabe.lumora", "kaputt.lumora",
                                                 "neu.lumora"}));
    EXPECT_EQ(noten[0].punkte, 2);  // its own heater right, the typed 44 °C wrong
    EXPECT_EQ(noten[1].punkte, 0);
    EXPECT_NE(noten[2].fehler.find("kein Lumora-Projekt"), std::string::npos);
    std::vector<Bewertung> keine;
    EXPECT_TRUE(fenster->ordnerBewerten(QDir(ordner.path()).filePath("leer"), keine)
                    .contains("keine Abgabe"));
}

TEST(Abgaben, TheWindowOfGradesShowsEachHandInAndItsSentences) {
    const auto loesung = Loesung::Aus(*Projekt::Lesen(kLoesung));
    ASSERT_TRUE(loesung);
    std::string gut = kLoesung;
    gut.replace(gut.find(R"("aufgaben")"), 0, R"("antworten": {"1": 40.1}, )");
    Abgabendialog dialog(loesung->uebung(),
                         {loesung->Bewerten(gut, "gut.lumora"),
                          loesung->Bewerten(std::string_view("nein"), "nein.lumora")},
                         "/abgaben");
    QTableWidget* t = dialog.noten();
    ASSERT_EQ(t->rowCount(), 2);
    EXPECT_EQ(t->item(0, 1)->text(), "3");
    EXPECT_EQ(t->item(0, 3)->text(), QString::fromUtf8("✔ 1"));
    EXPECT_EQ(t->item(1, 4)->text(), QString::fromUtf8("✘ 0"));
    EXPECT_EQ(dialog.gewaehlt(), "/abgaben/gut.lumora");
    EXPECT_TRUE(dialog.saetze()->text().contains("Aufgabe 1: richtig (40,1 °C)"));
    t->selectRow(1);
    EXPECT_EQ(dialog.gewaehlt(), "/abgaben/nein.lumora");
    EXPECT_TRUE(dialog.saetze()->text().contains("kein Lumora-Projekt"));
}

TEST(Beispiele, TheExerciseAndItsSolutionAreNamedByTheirTitle) {
    const QDir beispiele(LUMORA_BEISPIELE);
    EXPECT_EQ(Beispieltitel(beispiele.filePath("uebung-sommerfall.lumora")),
              QString::fromUtf8("Übung: Sommerfall – Mischen, Kühlen, Nachheizen"));
    EXPECT_EQ(Beispieltitel(beispiele.filePath("uebung-sommerfall-loesung.lumora")),
              QString::fromUtf8("Lösung: Sommerfall – Mischen, Kühlen, Nachheizen"));
    EXPECT_EQ(Beispieltitel(beispiele.filePath("sommerfall.lumora")), "Sommerfall");
}

}  // namespace
}  // namespace lumora
