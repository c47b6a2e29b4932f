// The tab "Anlage": the unit's form and its way into the project, its results, and the unit
// on the chart.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ui/anlagenseite.h"
#include "ui/anwendung.h"
#include "ui/diagrammfenster.h"
#include "ui/projektfenster.h"

namespace lumora {
namespace {

// A weather year of five hours, two in January and three in July, and a unit with every key,
// one of its own ("kommentar") and one of its own inside a part ("notiz").
const char* const kAnlage =
    R"({"name": "RLT 1", "wetterjahr": "Jahr", "massenstrom": 6000,)"
    R"( "zuluft": {"theta": [18, 22], "x": [6, 9], "notiz": "bleibt"},)"
    R"( "abluft": {"theta": 22, "phi": 40}, "rueckwaermzahl": 0.7, "frostschutz": -5,)"
    R"( "kuehler": {"bypass": 0.1}, "befeuchter": {"art": "dampf", "dampf": 100},)"
    R"( "betrieb": {"monate": [1, 12], "stunden": [6, 18]}, "kommentar": "unbekannt"})";

std::string Projekt(bool mitAnlage) {
    return std::string(R"({
  "lumora": 1,
  "eingabe": ["40", "5", "1", "0.02", "0.002", "0.0005", "1013"],
  "zustaende": [
    {"name": "Z", "theta": 20.5, "x": 8.5}
  ],
  "prozesse": [],
  "messreihen": [
    {"name": "Jahr", "quelle": "jahr.dat", "art": "wetterjahr", "format": "TRY",
     "monat": [1, 1, 7, 7, 7], "tag": [1, 1, 1, 1, 1], "stunde": [8, 9, 12, 13, 14],
     "theta": [-8, 2, 30, 20, 26], "x": [1.5, 3, 14, 7, 9.5]}
  ])") + (mitAnlage ? std::string(",\n  \"anlage\": ") + kAnlage : std::string()) +
           "\n}\n";
}

class Anlagenbetrieb : public testing::Test {
  protected:
    void oeffnen(bool mitAnlage) {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(ordner.isValid());
        const QString pfad = ordner.filePath("anlage.lumora");
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Projekt(mitAnlage).c_str());
        f.close();
        ASSERT_TRUE(anwendung.oeffnen(pfad));
    }
    void SetUp() override { oeffnen(true); }
    void TearDown() override { anwendung.sitzung().wiederherstellungLoeschen(); }

    Projektsitzung& s() { return anwendung.sitzung(); }
    Anlagenseite& seite() { return *anwendung.projektfenster().anlage(); }
    QString text(Anlagenseite::Feld f) { return seite().feld(f)->text(); }
    void setzen(Anlagenseite::Feld f, const QString& t) { seite().feld(f)->setText(t); }
    std::string bytes() { return s().projekt().schreiben(); }
    const Ueberlagerung& bild() { return anwendung.dialog().diagrammfenster()->ueberlagerung(); }

    QTemporaryDir ordner;
    Anwendung anwendung;
};

using F = Anlagenseite;

// The form shows every key of the unit; unchanged it gives back the unit as it is; changed, it
// writes only what changed, in the file's order and with the keys it does not know, and the
// unit taken shows in the fields as typed.
TEST_F(Anlagenbetrieb, FieldsToJsonAndBack) {
    EXPECT_EQ(seite().name()->text(), "RLT 1");
    EXPECT_EQ(seite().wetterjahr()->currentText(), "Jahr");
    EXPECT_EQ(seite().stromart()->currentIndex(), 0);
    EXPECT_EQ(text(F::Strom), "6000");
    EXPECT_EQ(text(F::ThetaMin), "18");
    EXPECT_EQ(text(F::ThetaMax), "22");
    EXPECT_EQ(text(F::XMin), "6");
    EXPECT_EQ(text(F::XMax), "9");
    EXPECT_EQ(seite().abluftpaar()->currentIndex(), 0);  // ϑ und φ
    EXPECT_EQ(text(F::AbluftA), "22");
    EXPECT_EQ(text(F::AbluftB), "40");
    EXPECT_EQ(text(F::Rueckwaermzahl), "0,7");
    EXPECT_EQ(text(F::Frostschutz), "-5");
    EXPECT_TRUE(seite().kuehler()->isChecked());
    EXPECT_EQ(text(F::Bypass), "0,1");
    EXPECT_EQ(seite().befeuchter()->currentIndex(), 1);
    EXPECT_EQ(text(F::Befeuchtertemperatur), "100");
    EXPECT_EQ(text(F::MonatVon), "1");
    EXPECT_EQ(text(F::MonatBis), "12");
    EXPECT_EQ(text(F::StundeVon), "6");
    EXPECT_EQ(text(F::StundeBis), "18");
    ASSERT_TRUE(seite().eintrag());
    EXPECT_EQ(Kompakt(*seite().eintrag()), Kompakt(s().projekt().anlage()));

    seite().stromart()->setCurrentIndex(1);
    setzen(F::Strom, "5000");
    setzen(F::XMax, "");
    seite().kuehler()->setChecked(false);
    seite().befeuchter()->setCurrentIndex(2);
    setzen(F::Befeuchtertemperatur, "12,5");
    setzen(F::StundeVon, "");
    setzen(F::StundeBis, "");
    const auto e = seite().eintrag();
    ASSERT_TRUE(e) << e.grund();
    EXPECT_EQ(Kompakt(*e),
              R"({"name": "RLT 1", "wetterjahr": "Jahr", "volumenstrom": 5000,)"
              R"( "zuluft": {"theta": [18, 22], "x": [6, null], "notiz": "bleibt"},)"
              R"( "abluft": {"theta": 22, "phi": 40}, "rueckwaermzahl": 0.7, "frostschutz": -5,)"
              R"( "befeuchter": {"art": "wasser", "wasser": 12.5},)"
              R"( "betrieb": {"monate": [1, 12]}, "kommentar": "unbekannt"})");
    ASSERT_TRUE(seite().uebernehmen()) << seite().meldung()->text().toStdString();
    EXPECT_EQ(Kompakt(s().projekt().anlage()), Kompakt(*e));
    EXPECT_EQ(seite().stromart()->currentIndex(), 1);
    EXPECT_EQ(text(F::Strom), "5000");
    EXPECT_EQ(text(F::XMax), "");
    EXPECT_FALSE(seite().kuehler()->isChecked());
    EXPECT_EQ(seite().befeuchter()->currentIndex(), 2);
    EXPECT_EQ(text(F::Befeuchtertemperatur), "12,5");
    EXPECT_EQ(text(F::StundeVon), "");
    EXPECT_EQ(Kompakt(*seite().eintrag()), Kompakt(*e));
}

// Each change taken is one undo step, and the results and the chart follow it at once; the
// form follows the undo. Taking the unit unchanged makes no step.
TEST_F(Anlagenbetrieb, OneUndoStepPerChangeAndTheResultsFollow) {
    const std::string vorher = bytes();
    const int schritte = s().verlauf().count();
    ASSERT_TRUE(s().stand().anlage && s().stand().anlage->jahr)
        << (s().stand().anlage ? s().stand().anlage->fehler : std::string("no unit"));
    const double stunden = s().stand().anlage->jahr->summe.stunden;
    EXPECT_EQ(stunden, 5);  // every hour lies in 6 to 18 o'clock
    EXPECT_EQ(seite().monate()->rowCount(), 13);
    EXPECT_EQ(seite().monate()->item(12, 1)->text(), "5");
    EXPECT_GT(seite().uebersicht()->rowCount(), 20);
    ASSERT_TRUE(seite().balken()->balken());

    ASSERT_TRUE(seite().uebernehmen());
    EXPECT_EQ(s().verlauf().count(), schritte);

    setzen(F::StundeVon, "10");
    ASSERT_TRUE(seite().uebernehmen()) << seite().meldung()->text().toStdString();
    EXPECT_EQ(s().verlauf().count(), schritte + 1);
    EXPECT_EQ(s().projekt().anlage()["betrieb"]["stunden"], Json::parse("[10, 18]"));
    // 8 and 9 o'clock in January are no longer in operation: the results follow.
    EXPECT_EQ(s().stand().anlage->jahr->summe.stunden, 3);
    EXPECT_EQ(seite().monate()->item(12, 1)->text(), "3");
    ASSERT_TRUE(bild().anlage);
    std::size_t punkte = 0;
    for (const auto& art : *bild().anlage->punkte) punkte += art.size();
    EXPECT_EQ(punkte, 3u);

    anwendung.projektfenster().aktion("rueckgaengig")->trigger();
    EXPECT_EQ(bytes(), vorher);
    EXPECT_EQ(text(F::StundeVon), "6");
    EXPECT_EQ(s().stand().anlage->jahr->summe.stunden, 5);
}

// A change the unit cannot take is refused with the reason naming the field or key; the
// texts typed stay, and the project and the chart stay as they were.
TEST_F(Anlagenbetrieb, ARefusedChangeNamesTheFieldAndChangesNothing) {
    const std::string vorher = bytes();
    const int schritte = s().verlauf().count();
    const auto anlagenbild = bild().anlage;
    struct Fall {
        F::Feld feld;
        const char* text;
        const char* enthaelt;
    };
    const Fall faelle[] = {
        {F::Rueckwaermzahl, "abc", "Rückwärmzahl Φ: „abc“ ist keine Zahl."},
        {F::ThetaMin, "25", "„zuluft“"},
        {F::Bypass, "1", "„kuehler“"},
        {F::Strom, "-10", "„massenstrom“"},
        {F::StundeBis, "25", "„betrieb“"},
        {F::AbluftA, "", "„abluft“"},
    };
    for (const Fall& f : faelle) {
        const QString alt = text(f.feld);
        setzen(f.feld, QString::fromUtf8(f.text));
        EXPECT_FALSE(seite().uebernehmen()) << f.text;
        const QString meldung = seite().meldung()->text();
        EXPECT_TRUE(meldung.contains(QString::fromUtf8(f.enthaelt)))
            << f.text << ": " << meldung.toStdString();
        EXPECT_EQ(text(f.feld), QString::fromUtf8(f.text));
        EXPECT_EQ(bytes(), vorher);
        EXPECT_EQ(s().verlauf().count(), schritte);
        EXPECT_EQ(bild().anlage, anlagenbild);
        setzen(f.feld, alt);
    }
    // Both flows at once cannot be typed; a volume flow instead of the mass flow can.
    seite().stromart()->setCurrentIndex(1);
    ASSERT_TRUE(seite().uebernehmen()) << seite().meldung()->text().toStdString();
    EXPECT_TRUE(seite().meldung()->text().isEmpty());
    EXPECT_FALSE(s().projekt().anlage().contains("massenstrom"));
}

// A project without a unit offers one; adding and removing it are one undo step each, and
// the new unit runs on the project's weather year at once.
TEST_F(Anlagenbetrieb, AddAndRemoveAUnitUndoably) {
    Projektfenster& pf = anwendung.projektfenster();
    const std::string mit = bytes();
    pf.aktion("anlageEntfernen")->trigger();
    EXPECT_TRUE(s().projekt().anlage().is_null());
    EXPECT_FALSE(s().stand().anlage);
    EXPECT_FALSE(bild().anlage);
    EXPECT_EQ(seite().findChild<QStackedWidget*>()->currentIndex(), 0);
    EXPECT_EQ(seite().monate()->rowCount(), 0);
    const std::string ohne = bytes();

    pf.aktion("anlageHinzufuegen")->trigger();
    ASSERT_TRUE(s().projekt().anlage().is_object());
    EXPECT_EQ(s().projekt().anlage()["wetterjahr"], "Jahr");
    ASSERT_TRUE(s().stand().anlage && s().stand().anlage->jahr);
    EXPECT_EQ(seite().findChild<QStackedWidget*>()->currentIndex(), 1);
    EXPECT_EQ(seite().name()->text(), "RLT 1");
    // A second one is not added over the first.
    const std::string eine = bytes();
    pf.aktion("anlageHinzufuegen")->trigger();
    EXPECT_EQ(bytes(), eine);

    pf.aktion("rueckgaengig")->trigger();
    EXPECT_EQ(bytes(), ohne);
    pf.aktion("rueckgaengig")->trigger();
    EXPECT_EQ(bytes(), mit);
    EXPECT_EQ(text(F::Bypass), "0,1");
}

// A unit naming a series the project does not have is kept and shown with its reason; the
// name stays in the choice, and the window is outlined without hours.
TEST_F(Anlagenbetrieb, AMissingWeatherYearIsSaidAndKept) {
    Json anlage = s().projekt().anlage();
    anlage["wetterjahr"] = "Fehlt";
    s().setAnlage(anlage, "Anlage ändern");
    ASSERT_TRUE(s().stand().anlage);
    EXPECT_FALSE(s().stand().anlage->fehler.empty());
    EXPECT_TRUE(seite().zustand()->text().contains("Fehlt"));
    EXPECT_EQ(seite().wetterjahr()->currentText(), "Fehlt");
    EXPECT_EQ(seite().monate()->rowCount(), 0);
    ASSERT_TRUE(bild().anlage);
    EXPECT_FALSE(bild().anlage->fenster.isEmpty());
    EXPECT_TRUE(bild().anlage->arten().empty());
    // Taken unchanged, it stays as it is; the weather year chosen mends it.
    const int schritte = s().verlauf().count();
    ASSERT_TRUE(seite().uebernehmen());
    EXPECT_EQ(s().verlauf().count(), schritte);
    seite().wetterjahr()->setCurrentIndex(seite().wetterjahr()->findText("Jahr"));
    ASSERT_TRUE(seite().uebernehmen());
    EXPECT_TRUE(s().stand().anlage->fehler.empty());
    EXPECT_EQ(seite().monate()->rowCount(), 13);
}

}  // namespace
}  // namespace lumora
