#include "projekt/uebung.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "core/zahlen.h"
#include "ui/anwendung.h"
#include "ui/diagrammfenster.h"
#include "ui/projektfenster.h"
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

// The program with a project opened from a file of a temporary folder.
class Betrieb : public testing::Test {
  protected:
    void Oeffnen(const std::string& text, const QString& datei) {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(ordner.isValid());
        pfad = ordner.filePath(datei);
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.c_str());
        f.close();
        ASSERT_TRUE(anwendung.oeffnen(pfad));
        fenster = anwendung.projektfenster().uebung();
    }
    void TearDown() override { anwendung.sitzung().wiederherstellungLoeschen(); }

    QTemporaryDir ordner;
    QString pfad;
    Anwendung anwendung;
    Uebungsfenster* fenster = nullptr;
};

class Uebungsbetrieb : public Betrieb {
  protected:
    void SetUp() override {
        const auto loesung = Projekt::Lesen(kLoesung);
        ASSERT_TRUE(loesung);
        const auto aufgabe = UebungErstellen(*loesung);
        ASSERT_TRUE(aufgabe) << aufgabe.grund();
        Oeffnen(aufgabe->schreiben(), "aufgabe.lumora");
    }

    std::optional<double> Antwort(std::size_t nr) {
        return UebungLesen(anwendung.sitzung().projekt())->antworten.at(nr - 1);
    }
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
    // Opened from the examples, the solution is called by its title, not "Unbenannt".
    QStandardPaths::setTestModeEnabled(true);
    Anwendung anwendung;
    ASSERT_TRUE(anwendung.projektfenster().oeffnen(
        beispiele.filePath("uebung-sommerfall-loesung.lumora"), true));
    EXPECT_EQ(anwendung.sitzung().titelname(),
              QString::fromUtf8("Sommerfall – Mischen, Kühlen, Nachheizen"));
    EXPECT_TRUE(anwendung.projektfenster().windowTitle().contains(
        QString::fromUtf8("Sommerfall – Mischen, Kühlen, Nachheizen")));
    anwendung.sitzung().wiederherstellungLoeschen();
}

// A teacher's project without an exercise: the summer heater with its solution.
const char* const kOhneUebung = R"({
  "lumora": 1,
  "eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025", "1013"],
  "zustaende": [{"name": "AUL", "theta": 32, "phi": 40}],
  "prozesse": [{"art": "heizen", "von": "AUL", "nach": "H", "theta": 40, "massenstrom": 1000}]
}
)";

class Aufgabenbetrieb : public Betrieb {
  protected:
    void SetUp() override { Oeffnen(kOhneUebung, "heizen.lumora"); }

    // Fills the form that `tun` opens with `ausfuellen` and confirms it.
    void MitFormular(const std::function<void()>& tun,
                     const std::function<void(Aufgabenformular&)>& ausfuellen) {
        bool gesehen = false;
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<Aufgabenformular*>(QApplication::activeModalWidget());
            if (!form) return;
            gesehen = true;
            ausfuellen(*form);
            form->ok()->click();
            if (form->isVisible()) form->reject();
        });
        tun();
        EXPECT_TRUE(gesehen);
    }
    const Json& Uebung() { return anwendung.sitzung().projekt().uebung(); }
};

// "Aufgabe hinzufügen …" in a project without an exercise: the form refuses what the
// solution cannot grade, naming the field, and takes a sound task as one undo step; the
// exercise then grades a hand-in by it.
TEST_F(Aufgabenbetrieb, WritingATaskAndGradingIt) {
    EXPECT_FALSE(fenster->isVisibleTo(&anwendung.projektfenster()));
    QAction* hinzu = fenster->aufgabeAktion();
    EXPECT_TRUE(hinzu->associatedObjects().size() >= 2);  // the pane and the project menu
    const int schritte = anwendung.sitzung().verlauf().count();
    MitFormular([&] { hinzu->trigger(); },
                [](Aufgabenformular& f) {
                    EXPECT_FALSE(f.ok()->isEnabled());
                    f.text()->setText("Welche Heizleistung braucht H?");
                    f.name()->setCurrentText("H");
                    f.groesse()->setCurrentIndex(f.groesse()->findData("leistung"));
                    f.toleranz()->setText("0,1 kW");
                    EXPECT_FALSE(f.ok()->isEnabled());
                    EXPECT_EQ(f.meldung()->text(),
                              QString::fromUtf8("Toleranz: „0,1 kW“ ist keine Zahl."));
                    f.toleranz()->setText("0,1");
                    f.name()->setCurrentText("AUL");  // no process makes AUL
                    EXPECT_TRUE(f.meldung()->text().startsWith("Zustand oder Prozess: "));
                    f.name()->setCurrentText("H");
                    f.punkte()->setText("2");
                    EXPECT_TRUE(f.ok()->isEnabled()) << f.meldung()->text().toStdString();
                });
    EXPECT_EQ(anwendung.sitzung().verlauf().count(), schritte + 1);
    ASSERT_TRUE(HatUebung(anwendung.sitzung().projekt()));
    EXPECT_EQ(Uebung()["titel"], "heizen");
    EXPECT_EQ(Uebung()["aufgaben"][0]["groesse"], "leistung");
    EXPECT_TRUE(fenster->isVisibleTo(&anwendung.projektfenster()));
    ASSERT_TRUE(fenster->antwortfeld(1));
    // The answer field holds a sign and six digits.
    QLineEdit* feld = fenster->antwortfeld(1);
    EXPECT_GE(feld->width(), feld->fontMetrics().horizontalAdvance(QString::fromUtf8("−123,456")));

    // The solution grades: 1000 kg/h from 32 to 40 °C.
    const auto loesung = Loesung::Aus(anwendung.sitzung().projekt());
    ASSERT_TRUE(loesung) << loesung.grund();
    const auto aufgabe = UebungErstellen(anwendung.sitzung().projekt());
    ASSERT_TRUE(aufgabe) << aufgabe.grund();
    Projekt abgabe = *aufgabe;
    abgabe.setUebung(MitAntwort(abgabe.uebung(), 1, loesung->werte().at(0) + 0.05));
    EXPECT_EQ(loesung->Bewerten(abgabe, "abgabe.lumora").punkte, 2);
    abgabe.setUebung(MitAntwort(abgabe.uebung(), 1, loesung->werte().at(0) + 0.5));
    EXPECT_EQ(loesung->Bewerten(abgabe, "abgabe.lumora").punkte, 0);

    anwendung.sitzung().verlauf().undo();
    EXPECT_FALSE(HatUebung(anwendung.sitzung().projekt()));
}

// A task is changed, moved and deleted from its menu, each one undo step; the pane says
// "1 Punkt".
TEST_F(Aufgabenbetrieb, TasksAreChangedMovedAndDeletedAsUndoSteps) {
    for (const char* groesse : {"theta", "leistung"}) {
        MitFormular([&] { fenster->aufgabeAktion()->trigger(); },
                    [&](Aufgabenformular& f) {
                        f.text()->setText(QString("Frage %1").arg(groesse));
                        f.name()->setCurrentText("H");
                        f.groesse()->setCurrentIndex(f.groesse()->findData(groesse));
                        f.toleranz()->setText("0.5");
                    });
    }
    ASSERT_EQ(Uebung()["aufgaben"].size(), 2u);
    const auto text = [&](std::size_t nr) {
        return QString::fromStdString(Uebung()["aufgaben"][nr - 1]["text"]);
    };
    const QList<QLabel*> etiketten = fenster->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(etiketten.begin(), etiketten.end(),
                            [](const QLabel* l) { return l->text().contains("1 Punkt)"); }));
    const std::string vorher = anwendung.sitzung().projekt().schreiben();
    const int schritte = anwendung.sitzung().verlauf().count();

    // "Aufgabe bearbeiten …": the form opens with the task's fields.
    MitFormular([&] { fenster->aufgabeBearbeiten(2); },
                [](Aufgabenformular& f) {
                    EXPECT_EQ(f.text()->text(), "Frage leistung");
                    EXPECT_EQ(f.toleranz()->text(), "0,5");
                    f.punkte()->setText("3");
                });
    EXPECT_EQ(Uebung()["aufgaben"][1]["punkte"], 3);
    QMenu* menue = fenster->aufgabenmenue(2);
    ASSERT_TRUE(menue);
    const auto eintrag = [](QMenu* m, const char* text) {
        for (QAction* a : m->actions()) {
            if (a->text() == QString::fromUtf8(text)) return a;
        }
        return static_cast<QAction*>(nullptr);
    };
    // The menu's entries act once the menu has closed.
    eintrag(menue, "Nach oben")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(text(1), "Frage leistung");
    eintrag(fenster->aufgabenmenue(1), "Aufgabe löschen")->trigger();
    QCoreApplication::processEvents();
    ASSERT_EQ(Uebung()["aufgaben"].size(), 1u);
    EXPECT_EQ(text(1), "Frage theta");
    // Moving the only task says why not and changes nothing.
    eintrag(fenster->aufgabenmenue(1), "Nach unten")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(fenster->meldung()->text(), QString::fromUtf8("Aufgabe 1 steht schon unten."));
    EXPECT_EQ(anwendung.sitzung().verlauf().count(), schritte + 3);
    for (int i = 0; i < 3; ++i) anwendung.sitzung().verlauf().undo();
    EXPECT_EQ(anwendung.sitzung().projekt().schreiben(), vorher);
}

}  // namespace
}  // namespace lumora
