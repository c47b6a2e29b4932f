#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <set>

#include "core/feuchte_luft.h"
#include "core/koordinaten.h"
#include "core/prozess.h"
#include "core/version.h"
#include "datei/sprache.h"
#include "projekt/bearbeiten.h"
#include "projekt/bericht.h"
#include "projekt/groessen.h"
#include "projekt/zone.h"
#include "ui/anwendung.h"
#include "ui/ausgabe.h"
#include "ui/diagrammfenster.h"
#include "ui/fenster.h"
#include "ui/formulare.h"
#include "ui/hilfe.h"
#include "ui/leinwand.h"
#include "ui/projektfenster.h"
#include "ui/projekttabellen.h"
#include "ui/uebungsfenster.h"

namespace lumora {
namespace {

const char* const kSommerfall = R"({
  "lumora": 1,
  "eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025", "1013"],
  "zustaende": [
    {"name": "AUL", "theta": 32, "phi": 40},
    {"name": "ABL", "theta": 26, "phi": 50}
  ],
  "prozesse": [
    {"art": "mischen", "von": ["AUL", "ABL"], "nach": "MI", "massenstroeme": [2000, 6000]},
    {"art": "kuehlen", "von": "MI", "nach": "KUE", "oberflaeche": 9, "bypass": 0.1, "massenstrom": 8000},
    {"art": "heizen", "von": "KUE", "nach": "ZUL", "theta": 18, "massenstrom": 8000}
  ]
}
)";

class Projektbetrieb : public testing::Test {
  protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(ordner.isValid());
        pfad = ordner.filePath("sommer.lumora");
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kSommerfall);
        f.close();
        ASSERT_TRUE(anwendung.oeffnen(pfad));
    }
    void TearDown() override { anwendung.sitzung().wiederherstellungLoeschen(); }

    // The title as the window manager shows it, with Qt's placeholder for the marker filled.
    QString Titel() {
        QMainWindow& f = anwendung.projektfenster();
        return f.windowTitle().replace("[*]", f.isWindowModified() ? "*" : "");
    }
    const Json& Eintrag(std::size_t i) {
        return anwendung.sitzung().projekt().eintrag(Liste::Zustaende, i);
    }
    const BerechneterProzess& Prozess(std::size_t i) {
        return anwendung.sitzung().stand().prozesse.at(i);
    }

    QTemporaryDir ordner;
    QString pfad;
    Anwendung anwendung;
};

// The window's tables and the report's CSV show every shared column under the same header with
// the same digits.
TEST_F(Projektbetrieb, TablesAndTheCsvShareHeadersAndDigits) {
    const Berechnung& b = anwendung.sitzung().stand();
    const std::string trenner = QLocale().decimalPoint().toStdString();
    const QStringList csv =
        QString::fromStdString(Tabelle(anwendung.sitzung().projekt(), b, trenner)).split('\n');
    const auto vergleichen = [&](QAbstractTableModel& fenster, int kopfzeile, int erste) {
        const QStringList kopf = csv[kopfzeile].split(';');
        int gemeinsam = 0;
        for (int c = 0; c < fenster.columnCount(); ++c) {
            const int spalte = kopf.indexOf(fenster.headerData(c, Qt::Horizontal).toString());
            if (spalte < 0 || c == 0) continue;
            ++gemeinsam;
            for (int r = 0; r < 3; ++r) {
                // The window leaves a cell empty where the value says nothing (no ice) and
                // marks a value that does not exist.
                // The window groups thousands; the CSV does not.
                const QString zelle = fenster.data(fenster.index(r, c), Qt::DisplayRole)
                                          .toString()
                                          .remove(QLocale().groupSeparator());
                if (zelle.isEmpty() || zelle == QString::fromUtf8("–")) continue;
                EXPECT_EQ(zelle, csv[erste + r].split(';')[spalte]) << kopf[spalte].toStdString();
            }
        }
        return gemeinsam;
    };
    Zustandsmodell zustaende(anwendung.sitzung());
    Prozessmodell prozesse(anwendung.sitzung());
    EXPECT_EQ(vergleichen(zustaende, 0, 1), 8);
    const int prozesskopf = static_cast<int>(b.zustaende.size() + b.prozesse.size()) + 2;
    EXPECT_EQ(vergleichen(prozesse, prozesskopf, prozesskopf + 1), 8);  // with "Parameter"
}

TEST_F(Projektbetrieb, OpeningDrawsTheChartAndLaysTheStatesOverIt) {
    const Feldtexte texte{"50", "10", "5", "0.03", "0.005", "0.0025", "1013"};
    EXPECT_EQ(anwendung.dialog().texte(), texte);
    Diagrammfenster* fenster = anwendung.dialog().diagrammfenster();
    ASSERT_NE(fenster, nullptr);
    EXPECT_GT(fenster->leinwand().operationen().size(), 100u);
    // Two entered states and three made by processes, all on this chart.
    QStringList namen;
    for (const auto& m : fenster->ueberlagerung().marken) namen << m.name;
    EXPECT_EQ(namen, (QStringList{"AUL", "ABL", "MI", "KUE", "ZUL"}));
    // Mixing, cooler with its run-on, heater.
    EXPECT_EQ(fenster->ueberlagerung().linien.size(), 4u);
    EXPECT_TRUE(Titel().endsWith("sommer.lumora"));
    EXPECT_TRUE(anwendung.projektfenster().isVisible());
}

TEST_F(Projektbetrieb, ADragIsOneUndoStepAndTheChainFollowsAtOnce) {
    const Json vorher = Eintrag(0);
    const double hVorher = Prozess(2).ende->zustand.h;
    const Eingabe e = *anwendung.sitzung().stand().eingabe;  // the computation is replaced
    const int schritte = anwendung.sitzung().verlauf().count();
    // Three moves of one drag towards drier, warmer air.
    for (double x : {0.010, 0.009, 0.008}) {
        anwendung.zustandZiehen(0, KoordX(e, x), KoordY(e, x, Enthalpie(35, x)));
    }
    EXPECT_EQ(anwendung.sitzung().verlauf().count(), schritte + 1);
    // The pair keeps its kind: still ϑ and φ, now 35 °C at x = 8 g/kg.
    EXPECT_NEAR(Eintrag(0)["theta"].get<double>(), 35, 0.01);
    EXPECT_FALSE(Eintrag(0).contains("x"));
    EXPECT_NE(Prozess(2).ende->zustand.h, hVorher);
    EXPECT_TRUE(Titel().endsWith("*"));

    anwendung.sitzung().verlauf().undo();
    EXPECT_EQ(Eintrag(0), vorher);
    EXPECT_EQ(Prozess(2).ende->zustand.h, hVorher);
    EXPECT_FALSE(Titel().endsWith("*"));
}

// Each kind of process in its own colour, and a legend of the kinds present that the image
// exports carry too; it stays clear of the states and their names.
TEST_F(Projektbetrieb, ProcessColoursByKindWithALegendOfThoseShown) {
    Diagrammfenster& fenster = *anwendung.dialog().diagrammfenster();
    const Ueberlagerung& u = fenster.ueberlagerung();
    EXPECT_EQ(u.legende, (std::vector<Prozessart>{Prozessart::Heizen, Prozessart::Kuehlen,
                                                  Prozessart::Mischen}));
    std::set<Prozessart> arten;
    for (const auto& l : u.linien) arten.insert(l.art);
    EXPECT_EQ(arten.size(), 3u);
    const QSize innen = fenster.leinwand().innenGroesse();
    const QRectF box = Legendenbox(u, innen);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(QRectF(QPointF(0, 0), innen).contains(box));
    const QPointF m = Massstab(innen);
    for (const auto& k : u.marken) {
        EXPECT_FALSE(box.contains(QPointF(k.ort.x() * m.x(), k.ort.y() * m.y())))
            << k.name.toStdString();
    }
    // The heater's colour both on its line and in the legend's sample, in the PNG as drawn.
    ASSERT_EQ(DiagrammSpeichern(fenster, ordner.filePath("b.png"), 1), "");
    const QImage bild(ordner.filePath("b.png"));
    const QPoint innenOrt = fenster.leinwand().mapTo(fenster.gesamt(), QPoint(1, 1));
    int imKasten = 0, daneben = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixelColor(x, y) != Linienfarbe(Prozessart::Heizen)) continue;
            (box.contains(QPointF(x - innenOrt.x(), y - innenOrt.y())) ? imKasten : daneben)++;
        }
    }
    EXPECT_GT(imKasten, 20);
    EXPECT_GT(daneben, 20);
    ASSERT_EQ(DiagrammSpeichern(fenster, ordner.filePath("b.svg")), "");
    QFile svg(ordner.filePath("b.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains(Legendentext(Prozessart::Kuehlen).toUtf8()));
    EXPECT_FALSE(text.contains(Legendentext(Prozessart::BefeuchtenDampf).toUtf8()));
}

TEST_F(Projektbetrieb, HoveringAMarkerShowsTheNameOfItsState) {
    Diagrammfenster& fenster = *anwendung.dialog().diagrammfenster();
    const QPointF m = Massstab(fenster.leinwand().innenGroesse());
    const auto& abl = fenster.ueberlagerung().marken.at(1);
    ASSERT_EQ(abl.name, "ABL");
    const QPoint ort(qRound(abl.ort.x() * m.x()) + 1, qRound(abl.ort.y() * m.y()));
    fenster.ablesen(ort);
    ASSERT_TRUE(fenster.ablesung()->isVisible());
    EXPECT_TRUE(fenster.ablesung()->text().startsWith("ABL\n"));
    EXPECT_TRUE(fenster.ablesung()->text().contains(QString::fromUtf8("ϑ = 26")));
    fenster.ablesen(ort + QPoint(40, 40));  // off the marker: the values there only
    EXPECT_FALSE(fenster.ablesung()->text().startsWith("ABL"));
}

// The enthalpy labels come with the edge scale, and on their own switch without it, which
// starts on; it is the same switch in the project window's "Ansicht" menu.
TEST_F(Projektbetrieb, EnthalpyLabelsOnTheirOwnSwitch) {
    Diagrammfenster& fenster = *anwendung.dialog().diagrammfenster();
    EXPECT_TRUE(fenster.ueberlagerung().enthalpieetiketten);
    EXPECT_EQ(fenster.enthalpieetiketten(),
              anwendung.projektfenster().aktion("enthalpieetiketten"));
    fenster.enthalpieetiketten()->setChecked(false);
    EXPECT_FALSE(fenster.ueberlagerung().enthalpieetiketten);
    fenster.enthalpieetiketten()->setChecked(true);
    EXPECT_TRUE(fenster.ueberlagerung().enthalpieetiketten);
    EXPECT_FALSE(fenster.ueberlagerung().randmassstab);
    anwendung.zustandEintragen(6000, 4000);  // a new overlay keeps them
    EXPECT_TRUE(fenster.ueberlagerung().enthalpieetiketten);
    fenster.enthalpieetiketten()->setChecked(false);
    EXPECT_FALSE(fenster.ueberlagerung().enthalpieetiketten);
    anwendung.sitzung().setRandmassstab(true);
    EXPECT_TRUE(fenster.ueberlagerung().enthalpieetiketten);
    EXPECT_TRUE(fenster.ueberlagerung().randmassstab);
}

// During a drag the markers that stay lie in the background image and only what moved is
// drawn again; every marker still shows, the moved one at its new place.
TEST_F(Projektbetrieb, ADragFrameShowsTheStillMarkersAndTheMovedOne) {
    Diagrammfenster& fenster = *anwendung.dialog().diagrammfenster();
    const Eingabe e = *anwendung.sitzung().stand().eingabe;
    for (double x : {0.010, 0.009}) {
        anwendung.zustandZiehen(0, KoordX(e, x), KoordY(e, x, Enthalpie(35, x)));
    }
    QImage bild(fenster.leinwand().size(), QImage::Format_ARGB32_Premultiplied);
    fenster.leinwand().render(&bild);
    const QPointF m = Massstab(fenster.leinwand().innenGroesse());
    for (const auto& k : fenster.ueberlagerung().marken) {
        const QPoint ort(qRound(k.ort.x() * m.x()) + 1, qRound(k.ort.y() * m.y()) + 1);
        EXPECT_EQ(bild.pixelColor(ort), kZustandsfarbe) << k.name.toStdString();
    }
    EXPECT_EQ(fenster.ueberlagerung().marken[0].name, "AUL");
    // The lines of the frame, in their kinds' colours: the heater's, the cooler's dashed run-on.
    for (const Prozessart art : {Prozessart::Heizen, Prozessart::Kuehlen}) {
        int farbig = 0;
        for (int y = 0; y < bild.height(); ++y) {
            for (int x = 0; x < bild.width(); ++x)
                farbig += bild.pixelColor(x, y) == Linienfarbe(art);
        }
        EXPECT_GT(farbig, 30) << Legendentext(art).toStdString();
    }
    // The legend too, with the heater's sample in it.
    const QRectF box = Legendenbox(fenster.ueberlagerung(), fenster.leinwand().innenGroesse());
    int probe = 0;
    for (int y = qRound(box.top()); y < qRound(box.bottom()); ++y) {
        for (int x = qRound(box.left()); x < qRound(box.right()); ++x)
            probe += bild.pixelColor(x + 1, y + 1) == Linienfarbe(Prozessart::Heizen);
    }
    EXPECT_GT(probe, 20);
}

TEST_F(Projektbetrieb, DeletingAStateBreaksItsChainAndUndoMendsIt) {
    anwendung.sitzung().eintragEntfernen(Liste::Zustaende, 1, "Löschen");
    for (std::size_t i = 0; i < 3; ++i) EXPECT_FALSE(Prozess(i).fehler.empty()) << i;
    EXPECT_EQ(anwendung.dialog().diagrammfenster()->ueberlagerung().marken.size(), 1u);
    anwendung.sitzung().verlauf().undo();
    for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(Prozess(i).fehler.empty()) << i;
    EXPECT_EQ(anwendung.dialog().diagrammfenster()->ueberlagerung().marken.size(), 5u);
}

TEST_F(Projektbetrieb, AProcessBeforeItsSourceMovesAfterItAndUndoPutsItBack) {
    Projektsitzung& s = anwendung.sitzung();
    const std::string datei = s.projekt().schreiben();
    // The mixing deleted and added again at the end: cooler and heater follow it at once.
    s.eintragEntfernen(Liste::Prozesse, 0, "Löschen");
    EXPECT_NE(Prozess(0).fehler.find("„MI“ gibt es nicht"), std::string::npos);
    const Json mischung = Json::parse(
        R"({"art": "mischen", "von": ["AUL", "ABL"], "nach": "MI", "massenstroeme": [2000, 6000]})");
    s.eintragEinfuegen(Liste::Prozesse, 2, mischung, "Prozess hinzufügen");
    EXPECT_EQ(s.projekt().schreiben(), datei);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(Prozess(i).fehler.empty()) << i;
    s.verlauf().undo();
    EXPECT_EQ(s.projekt().anzahl(Liste::Prozesse), 2u);
    EXPECT_EQ(s.projekt().eintrag(Liste::Prozesse, 0)["nach"], "KUE");
    s.verlauf().undo();
    EXPECT_EQ(s.projekt().schreiben(), datei);

    // Rows move by Alt+Down, but never before the process that makes their start.
    Projektfenster& f = anwendung.projektfenster();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.findChild<QTabWidget*>()->setCurrentWidget(f.prozesse());
    f.prozesse()->setCurrentIndex(f.prozesse()->model()->index(0, 0));
    ASSERT_NE(f.aktion("runter"), nullptr);
    EXPECT_EQ(f.aktion("runter")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Down));
    f.zeileVerschieben(false);  // the heater starts at KUE: refused with a message
    EXPECT_TRUE(f.statusBar()->currentMessage().contains("„KUE“"));
    EXPECT_EQ(s.projekt().schreiben(), datei);
    // Entered states move freely, by the shortcut too.
    f.findChild<QTabWidget*>()->setCurrentWidget(f.zustaende());
    f.zustaende()->setCurrentIndex(f.zustaende()->model()->index(1, 0));
    QTest::keyClick(f.zustaende(), Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(Eintrag(0)["name"], "ABL");
    EXPECT_EQ(f.zustaende()->currentIndex().row(), 0);
    s.verlauf().undo();
    EXPECT_EQ(s.projekt().schreiben(), datei);
    // Renaming the mixed state in the table renames the cooler's start as well.
    auto* modell = f.zustaende()->model();
    ASSERT_TRUE(modell->setData(modell->index(2, 0), "Mischluft", Qt::EditRole));
    EXPECT_EQ(s.projekt().eintrag(Liste::Prozesse, 1)["von"], "Mischluft");
    EXPECT_TRUE(Prozess(1).fehler.empty());
    s.verlauf().undo();
    EXPECT_EQ(s.projekt().schreiben(), datei);
}

TEST_F(Projektbetrieb, TheEdgeScaleAndTheFirstZoneUndoneLeaveTheFileAsItWas) {
    Projektsitzung& s = anwendung.sitzung();
    const std::string datei = s.projekt().schreiben();
    anwendung.projektfenster().aktion("randmassstab")->trigger();
    EXPECT_TRUE(s.projekt().randmassstab());
    s.eintragEinfuegen(Liste::Zonen, 0, ZoneZuJson(Behaglichkeitsfeld()), "Zone");
    s.verlauf().undo();
    s.verlauf().undo();
    EXPECT_EQ(s.projekt().schreiben(), datei);
    s.verlauf().redo();
    s.verlauf().redo();
    EXPECT_TRUE(s.projekt().randmassstab());
    EXPECT_EQ(s.projekt().anzahl(Liste::Zonen), 1u);
}

TEST_F(Projektbetrieb, SavingKeepsTheBytesAndClearsTheMarker) {
    anwendung.zustandEintragen(6000, 4000);
    EXPECT_EQ(anwendung.sitzung().projekt().anzahl(Liste::Zustaende), 3u);
    EXPECT_EQ(Eintrag(2)["name"], "Z1");
    EXPECT_TRUE(Titel().endsWith("*"));
    ASSERT_EQ(anwendung.sitzung().speichern(ordner.filePath("mit.lumora")), QString());
    EXPECT_TRUE(Titel().endsWith("mit.lumora"));
    anwendung.sitzung().verlauf().undo();  // now the saved file differs from the project
    EXPECT_TRUE(Titel().endsWith("*"));
    const QString kopie = ordner.filePath("kopie.lumora");
    ASSERT_EQ(anwendung.sitzung().speichern(kopie), QString());
    QFile f(kopie);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), kSommerfall);
    // A save into a folder that does not exist fails and says so.
    EXPECT_FALSE(anwendung.sitzung().speichern(ordner.filePath("fehlt/x.lumora")).isEmpty());
}

TEST_F(Projektbetrieb, PressureFromTheAltitudeRedrawsAndIsUndone) {
    Hoehendialog dialog;
    QTest::keyClicks(dialog.hoehe(), "1000");
    // 1013.25 (1 - 0.0065 * 1000 / 288.15)^5.255 = 898.76 hPa, worked out by hand.
    EXPECT_EQ(dialog.druckText(), "898.8");
    dialog.hoehe()->setText("12000");
    EXPECT_EQ(dialog.druckText(), "");
    dialog.hoehe()->setText("1000");

    Feldtexte texte = anwendung.sitzung().projekt().eingabe();
    texte[static_cast<int>(Feld::Pges)] = dialog.druckText().toStdString();
    anwendung.sitzung().setEingabe(texte, "Gesamtdruck aus Höhe");
    EXPECT_EQ(anwendung.dialog().feld(Feld::Pges)->text(), "898.8");
    const QLabel* druck =
        anwendung.dialog().diagrammfenster()->etiketten().etikett(Gruppe::txt_PhPa, 0);
    EXPECT_EQ(druck->text(), "Gesamtdruck  =  899  hPa");
    anwendung.sitzung().verlauf().undo();
    EXPECT_EQ(druck->text(), "Gesamtdruck  =  1013  hPa");
}

// The lower limit is one undo step: the chart is drawn to -20 °C, the states move with the
// new mapping, and undo brings back the file, the chart and the markers as they were.
TEST_F(Projektbetrieb, LowerLimitRedrawsAndIsUndone) {
    Diagrammfenster* fenster = anwendung.dialog().diagrammfenster();
    ASSERT_TRUE(fenster);
    const std::string vorher = anwendung.sitzung().projekt().schreiben();
    const double yVorher = anwendung.sitzung().stand().zustaende[0].punkt->Y;
    const QImage bildVorher = fenster->leinwand().bild();

    // Refusals change nothing and name the field.
    EXPECT_EQ(anwendung.untereGrenzeSetzen("abc"), QString::fromUtf8("ϑu: „abc“ ist keine Zahl."));
    EXPECT_TRUE(anwendung.untereGrenzeSetzen("-60").startsWith(QString::fromUtf8("ϑu: ")));
    EXPECT_TRUE(anwendung.untereGrenzeSetzen("-20,5").isEmpty());
    EXPECT_TRUE(anwendung.untereGrenzeSetzen("-20").isEmpty());
    EXPECT_EQ(anwendung.sitzung().verlauf().count(), 2);
    EXPECT_EQ(anwendung.sitzung().projekt().thetaUnten(), -20);
    EXPECT_EQ(anwendung.dialog().eingabe().ThetaUnten, -20);
    // AUL, 32 °C and 40 %: Y = 8000 - 8000 (h - 2500 x + 20) / 70.
    const Zustandswerte& aul = anwendung.sitzung().stand().zustaende[0].punkt->zustand;
    EXPECT_NEAR(anwendung.sitzung().stand().zustaende[0].punkt->Y,
                8000 - 8000 * (aul.h - 2500 * aul.x + 20) / 70, 1e-9);
    EXPECT_NE(fenster->leinwand().bild(), bildVorher);
    EXPECT_EQ(fenster->etiketten().etikett(Gruppe::txt_Temp, 6)->text(),
              QString::fromUtf8("−10°C"));

    anwendung.sitzung().verlauf().undo();
    anwendung.sitzung().verlauf().undo();
    EXPECT_EQ(anwendung.sitzung().projekt().schreiben(), vorher);
    EXPECT_EQ(anwendung.sitzung().stand().zustaende[0].punkt->Y, yVorher);
    EXPECT_EQ(fenster->leinwand().bild(), bildVorher);
    // Setting 0 on a file without the key leaves the file as it was.
    EXPECT_TRUE(anwendung.untereGrenzeSetzen("0").isEmpty());
    EXPECT_EQ(anwendung.sitzung().projekt().schreiben(), vorher);
}

// A state colder than the chart reaches says so in its row, and the project window offers
// the lower limit that brings it on the chart, as one undo step; "Untere Grenze …" and
// "Enthalpieetiketten" are in the window's "Ansicht" menu too.
TEST_F(Projektbetrieb, AStateBelowTheLowerLimitOffersToLowerIt) {
    Projektfenster& pf = anwendung.projektfenster();
    for (const char* name : {"untereGrenze", "randmassstab", "enthalpieetiketten"}) {
        ASSERT_TRUE(pf.aktion(name)) << name;
        EXPECT_FALSE(pf.aktion(name)->associatedObjects().isEmpty()) << name;  // in a menu
    }
    QAction* senken = pf.aktion("grenzeSenken");
    ASSERT_TRUE(senken);
    EXPECT_FALSE(senken->isEnabled());
    anwendung.sitzung().eintragEinfuegen(
        Liste::Zustaende, 2, Json::parse(R"({"name": "KALT", "theta": -12, "phi": 80})"),
        "Zustand");
    const QAbstractItemModel* m = pf.zustaende()->model();
    EXPECT_EQ(m->data(m->index(2, Zustandsmodell::Bemerkung)).toString(),
              QString::fromUtf8("unter der unteren Grenze"));
    ASSERT_TRUE(senken->isEnabled());
    // h - 2500 x of -12 °C, 80 % lies just below -12: the next coarse step of 10 K below it.
    EXPECT_EQ(senken->text(), QString::fromUtf8("Untere Grenze auf −20 °C senken"));
    const int schritte = anwendung.sitzung().verlauf().count();
    senken->trigger();
    EXPECT_EQ(anwendung.sitzung().projekt().thetaUnten(), -20);
    EXPECT_EQ(anwendung.sitzung().verlauf().count(), schritte + 1);
    EXPECT_TRUE(anwendung.sitzung().stand().zustaende[2].punkt->aufLeinwand);
    EXPECT_EQ(m->data(m->index(2, Zustandsmodell::Bemerkung)).toString(), QString());
    EXPECT_FALSE(senken->isEnabled());
    EXPECT_FALSE(pf.findChild<QWidget*>("unterGrenze")->isVisibleTo(&pf));
    anwendung.sitzung().verlauf().undo();
    EXPECT_TRUE(senken->isEnabled());
    EXPECT_TRUE(pf.findChild<QWidget*>("unterGrenze")->isVisibleTo(&pf));
}

// A series' point reads out with the decimals of the tables, and a zone's column counts the
// points and hours outside beside those inside.
TEST_F(Projektbetrieb, SeriesReadOutAndZoneRowInsideAndOutside) {
    anwendung.sitzung().eintragEinfuegen(Liste::Zonen, 0, Json::parse(R"(
        {"name": "Behaglichkeit", "theta": [20, 26], "phi": [30, 65]})"),
                                         "Zone");
    anwendung.sitzung().eintragEinfuegen(Liste::Messreihen, 0, Json::parse(R"(
        {"name": "Büro", "zeit": ["2024-01-01 00:00", "2024-01-01 01:00", "2024-01-01 02:00",
         "2024-01-01 03:00"], "theta": [22, 30, 24, 23.123], "phi": [40, 50, 45, 47.75]})"),
                                         "Reihe");
    const QAbstractItemModel* m = anwendung.projektfenster().messreihen()->model();
    const QString zelle = m->data(m->index(0, Messreihenmodell::Zonen)).toString();
    EXPECT_TRUE(zelle.startsWith(QString::fromUtf8("innen 3 (75,0 %), "))) << zelle.toStdString();
    EXPECT_TRUE(zelle.contains(QString::fromUtf8("; außen 1 (25,0 %), 1,0 h")))
        << zelle.toStdString();

    Diagrammfenster& fenster = *anwendung.dialog().diagrammfenster();
    const auto& reihen = fenster.ueberlagerung().reihen;
    ASSERT_EQ(reihen.size(), 1u);
    const QString text = reihen[0].text(3);
    EXPECT_TRUE(text.contains(QString::fromUtf8("ϑ = 23,12 °C"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("φ = 47,8 %"))) << text.toStdString();
    // x with the table's three decimals, not "x = 8,618262 g/kg".
    const QString x = text.mid(text.indexOf("x = "));
    EXPECT_TRUE(QRegularExpression("^x = \\d+,\\d{3} g/kg$").match(x).hasMatch())
        << x.toStdString();
}

TEST_F(Projektbetrieb, TheStateFormSaysWhatIsWrongBeforeItAccepts) {
    const Projekt& p = anwendung.sitzung().projekt();
    Zustandsformular form(
        [&p](const Json& e) { return EintragPruefen(p, Liste::Zustaende, 2, e); });
    QLabel* meldung = form.findChild<QLabel*>("meldung");
    QTest::keyClicks(form.name(), "R");
    QTest::keyClicks(form.wertA(), "20");
    QTest::keyClicks(form.wertB(), "130");
    EXPECT_EQ(meldung->text(), QString::fromUtf8("φ = 130 % liegt nicht zwischen 0 und 100 %."));
    form.wertB()->setText("50");
    EXPECT_EQ(meldung->text(), "");
    form.name()->setText("AUL");  // taken
    EXPECT_TRUE(meldung->text().contains("AUL"));
}

}  // namespace
}  // namespace lumora

namespace lumora {
namespace {

TEST_F(Projektbetrieb, UndoEntriesNameTheirStepAndRedoAlsoTakesCtrlY) {
    Projektfenster& f = anwendung.projektfenster();
    QAction* rueck = f.aktion("rueckgaengig");
    QAction* wieder = f.aktion("wiederholen");
    ASSERT_TRUE(rueck && wieder);
    EXPECT_EQ(rueck->text(), QString::fromUtf8("Rückgängig"));
    f.zustaende()->selectRow(1);
    f.loeschen();
    EXPECT_EQ(rueck->text(), QString::fromUtf8("Rückgängig: Löschen"));
    rueck->trigger();
    EXPECT_EQ(wieder->text(), QString::fromUtf8("Wiederholen: Löschen"));
    EXPECT_EQ(rueck->text(), QString::fromUtf8("Rückgängig"));
    EXPECT_TRUE(wieder->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    EXPECT_TRUE(wieder->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    // Quitting is offered in the dialog as well as in the menu.
    QAction* beenden = f.aktion("beenden");
    ASSERT_TRUE(beenden);
    EXPECT_EQ(beenden->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_TRUE(anwendung.dialog().actions().contains(beenden));
}

TEST_F(Projektbetrieb, HelpShowsTheManualTheShortcutsAndTheVersion) {
    Projektfenster& f = anwendung.projektfenster();
    f.aktion("handbuch")->trigger();
    auto* handbuch = f.findChild<QTextBrowser*>("handbuch");
    ASSERT_TRUE(handbuch);
    EXPECT_TRUE(handbuch->isVisible());
    EXPECT_TRUE(handbuch->toPlainText().contains("Datum/Uhrzeit;Temperatur [°C];rel. Feuchte [%]"));
    f.aktion("handbuch")->trigger();  // the same window again, not a second one
    EXPECT_EQ(f.findChildren<QTextBrowser*>("handbuch").size(), 1);

    const QString kuerzel = TastenkuerzelHtml({&f});
    EXPECT_TRUE(kuerzel.contains(QString::fromUtf8("<td>Beenden</td><td><b>Ctrl+Q</b></td>")))
        << kuerzel.toStdString();
    EXPECT_TRUE(kuerzel.contains("<b>Ctrl+Shift+Z, Ctrl+Y</b>"));
    EXPECT_TRUE(kuerzel.contains(QString::fromUtf8("Zustände und Prozesse …")));  // F3

    EXPECT_TRUE(UeberText().contains(QString("Version ") + kVersion));
    EXPECT_TRUE(UeberText().contains("MIT-Lizenz"));
    EXPECT_TRUE(Lizenztext().startsWith("MIT License"));
}

TEST_F(Projektbetrieb, TheComfortFieldLeavesAnOpenBoundEmptyAndTheFormTakesIt) {
    const Projekt& p = anwendung.sitzung().projekt();
    Zonenformular form([&p](const Json& e) { return EintragPruefen(p, Liste::Zonen, 0, e); });
    form.show();
    QPushButton* einsetzen = nullptr;
    for (QPushButton* b : form.findChildren<QPushButton*>()) {
        if (b->text() == QString::fromUtf8("Behaglichkeitsfeld einsetzen")) einsetzen = b;
    }
    ASSERT_TRUE(einsetzen);
    QTest::mouseClick(einsetzen, Qt::LeftButton);
    std::vector<QString> texte;
    for (QLineEdit* f : form.findChildren<QLineEdit*>()) {
        if (f != form.name()) texte.push_back(f->text());
    }
    EXPECT_EQ(texte, (std::vector<QString>{"20", "26", "30", "65", "", "11,5"}));
    EXPECT_EQ(form.findChild<QLabel*>("meldung")->text(), "");
    EXPECT_EQ(form.eintrag(), ZoneZuJson(Behaglichkeitsfeld()));  // x: [null, 11.5]
}

TEST_F(Projektbetrieb, TextThatIsNoNumberIsNamedInEveryForm) {
    const Projekt& p = anwendung.sitzung().projekt();
    Zustandsformular zustand([](const Json&) { return std::string(); });
    zustand.name()->setText("R");
    zustand.wertB()->setText("50");
    QTest::keyClicks(zustand.wertA(), "abc");
    EXPECT_EQ(zustand.findChild<QLabel*>("meldung")->text(),
              QString::fromUtf8("ϑ: „abc“ ist keine Zahl."));

    Prozessformular prozess({"AUL"}, [](const Json&) { return std::string(); });
    prozess.art()->setCurrentIndex(static_cast<int>(Prozessart::Kuehlen));
    prozess.zielwert()->setText("9");
    prozess.nach()->setText("K");
    QTest::keyClicks(prozess.parameter("bypass"), "0,1x");
    EXPECT_EQ(prozess.findChild<QLabel*>("meldung")->text(),
              QString::fromUtf8("Bypassfaktor BF: „0,1x“ ist keine Zahl."));
    prozess.parameter("bypass")->clear();
    QTest::keyClicks(prozess.zielwert(), "°");
    EXPECT_EQ(prozess.findChild<QLabel*>("meldung")->text(),
              QString::fromUtf8("Oberflächentemperatur ϑO: „9°“ ist keine Zahl."));

    Zonenformular zone([&p](const Json& e) { return EintragPruefen(p, Liste::Zonen, 0, e); });
    zone.name()->setText("Z");
    QLineEdit* xBis = zone.findChildren<QLineEdit*>().back();
    QTest::keyClicks(xBis, "viel");
    EXPECT_EQ(zone.findChild<QLabel*>("meldung")->text(),
              QString::fromUtf8("x bis: „viel“ ist keine Zahl."));

    Hoehendialog hoehe;
    QTest::keyClicks(hoehe.hoehe(), "abc");
    EXPECT_EQ(hoehe.findChild<QLabel*>("ergebnis")->text(),
              QString::fromUtf8("Höhe: „abc“ ist keine Zahl."));
}

TEST_F(Projektbetrieb, NewFormsOpenWithTheFocusInTheirFirstField) {
    Zustandsformular zustand([](const Json&) { return std::string(); });
    zustand.show();
    EXPECT_EQ(zustand.focusWidget(), zustand.name());
    Prozessformular prozess({"AUL"}, [](const Json&) { return std::string(); });
    prozess.show();
    EXPECT_EQ(prozess.focusWidget(), prozess.art());
    Zonenformular zone([](const Json&) { return std::string(); });
    zone.show();
    EXPECT_EQ(zone.focusWidget(), zone.name());
}

// The project window goes beside the chart, on the side with room, never off the screen.
TEST(Fensterplatz, BesideTheChartWhereThereIsRoom) {
    const QRect schirm(0, 0, 2560, 1600);
    const QSize fenster(900, 600);
    EXPECT_EQ(NebenOrt(schirm, QRect(100, 50, 1000, 700), fenster), QPoint(1100, 50));
    EXPECT_EQ(NebenOrt(schirm, QRect(1500, 50, 1000, 700), fenster), QPoint(600, 50));
    // No room on either side: on the wider side, at the screen's edge.
    EXPECT_EQ(NebenOrt(QRect(0, 0, 1600, 900), QRect(400, 100, 1000, 700), fenster),
              QPoint(0, 100));
    EXPECT_EQ(NebenOrt(QRect(0, 0, 1600, 900), QRect(100, 400, 1000, 700), fenster),
              QPoint(700, 300));
}

TEST_F(Projektbetrieb, ProjectWindowRemembersItsPlace) {
    QMainWindow& f = anwendung.projektfenster();
    f.show();
    f.move(f.pos() + QPoint(13, 7));
    const QPoint ort = f.pos();
    f.hide();
    const QByteArray gemerkt = QSettings().value("projektfenster/geometrie").toByteArray();
    EXPECT_FALSE(gemerkt.isEmpty());
    QMainWindow anderes;
    ASSERT_TRUE(anderes.restoreGeometry(gemerkt));
    // Offscreen windows have no frame, which restoreGeometry allows for by a few pixels.
    EXPECT_LE((anderes.pos() - ort).manhattanLength(), 4);
    EXPECT_EQ(anderes.size(), f.size());
}

// A new process goes on from the newest state with the mass flow of the process before, and
// shows the volume flow it has there; both flows given is refused before OK.
TEST_F(Projektbetrieb, NewProcessGoesOnFromTheNewestStateWithTheMassFlowBefore) {
    const Projekt& p = anwendung.sitzung().projekt();
    const Berechnung& b = anwendung.sitzung().stand();
    Prozessformular form({"AUL", "ABL", "MI", "KUE", "ZUL"},
                         [&p](const Json& e) { return EintragPruefen(p, Liste::Prozesse, 3, e); });
    form.setZustandssuche([&b](const std::string& name) { return ZustandNamens(b, name); });
    form.show();
    form.fortsetzen(UebernommenerMassenstrom(b, 3));
    EXPECT_EQ(form.von()->currentText(), "ZUL");
    EXPECT_EQ(form.parameter("massenstrom")->text(), WertText(Json(8000)));
    const Zustandswerte& zul = b.prozesse[2].ende->zustand;
    const auto hinweis = [&](const Zustandswerte& z, const QString& name) {
        return QString::fromUtf8("entspricht %1 m³/h bei %2")
            .arg(Zahltext(8000 * (1 + z.x) / z.rho, 1), name);
    };
    EXPECT_EQ(form.volumenstromHinweis()->text(), hinweis(zul, "ZUL"));
    form.von()->setCurrentText("AUL");
    EXPECT_EQ(form.volumenstromHinweis()->text(), hinweis(b.zustaende[0].punkt->zustand, "AUL"));
    form.art()->setCurrentIndex(static_cast<int>(Prozessart::Heizen));
    form.von()->setCurrentText("ZUL");
    QTest::keyClicks(form.parameter("theta"), "25");
    QTest::keyClicks(form.nach(), "H");
    QTest::keyClicks(form.parameter("volumenstrom"), "6000");
    QLabel* meldung = form.findChild<QLabel*>("meldung");
    EXPECT_TRUE(meldung->text().contains("beide angegeben")) << meldung->text().toStdString();
    form.parameter("massenstrom")->clear();
    EXPECT_EQ(meldung->text(), "");
    EXPECT_TRUE(form.volumenstromHinweis()->text().isEmpty());
    EXPECT_EQ(form.eintrag(), Json::parse(R"({"art": "heizen", "von": "ZUL", "nach": "H",
                                              "theta": 25, "volumenstrom": 6000})"));
}

TEST_F(Projektbetrieb, TheProcessFormShowsTheKindsFieldsAndMakesItsEntry) {
    const Projekt& p = anwendung.sitzung().projekt();
    Prozessformular form({"AUL", "ABL", "MI"},
                         [&p](const Json& e) { return EintragPruefen(p, Liste::Prozesse, 3, e); });
    form.show();
    form.art()->setCurrentIndex(static_cast<int>(Prozessart::Kuehlen));
    // A cooler takes its surface temperature, or the end's ϑ or x, as humidifiers their target.
    EXPECT_TRUE(form.zielwert()->isVisible());
    ASSERT_EQ(form.ziel()->count(), 3);
    EXPECT_EQ(form.ziel()->currentText(), QString::fromUtf8("Oberflächentemperatur ϑO [°C]"));
    EXPECT_EQ(form.ziel()->itemText(1), QString::fromUtf8("Endtemperatur ϑ [°C]"));
    EXPECT_EQ(form.ziel()->itemText(2), QString::fromUtf8("x [g/kg]"));
    EXPECT_FALSE(form.parameter("theta")->isVisible());
    EXPECT_FALSE(form.von2()->isVisible());
    form.von()->setCurrentText("ABL");
    QTest::keyClicks(form.zielwert(), "30");
    QTest::keyClicks(form.parameter("bypass"), "0,1");
    QTest::keyClicks(form.nach(), "K2");
    QLabel* meldung = form.findChild<QLabel*>("meldung");
    EXPECT_TRUE(meldung->text().contains(QString::fromUtf8("Oberflächentemperatur 30 °C")))
        << meldung->text().toStdString();
    form.zielwert()->setText("12");
    EXPECT_EQ(meldung->text(), "");
    EXPECT_EQ(form.eintrag(), Json::parse(R"({"art": "kuehlen", "von": "ABL", "nach": "K2",
                                              "oberflaeche": 12, "bypass": 0.1})"));
    // The end's water content instead; one above the start's is refused with its reason.
    form.ziel()->setCurrentIndex(2);
    EXPECT_TRUE(meldung->text().contains(QString::fromUtf8("nicht befeuchten")))
        << meldung->text().toStdString();
    form.zielwert()->setText("8");
    EXPECT_EQ(meldung->text(), "");
    EXPECT_EQ(form.eintrag(), Json::parse(R"({"art": "kuehlen", "von": "ABL", "nach": "K2",
                                              "x": 8, "bypass": 0.1})"));
    // An entry's target is the one the form shows.
    Prozessformular wieder({"AUL", "ABL", "MI"}, [](const Json&) { return std::string(); });
    wieder.setEintrag(form.eintrag());
    EXPECT_EQ(wieder.ziel()->currentText(), "x [g/kg]");
    EXPECT_EQ(wieder.eintrag(), form.eintrag());
    // Mixing asks for a second state and two mass flows instead.
    form.art()->setCurrentIndex(static_cast<int>(Prozessart::Mischen));
    EXPECT_TRUE(form.von2()->isVisible());
    EXPECT_TRUE(form.parameter("massenstrom1")->isVisible());
    EXPECT_FALSE(form.zielwert()->isVisible());
}

// The process table's note names the surface a cooler found and a heat recovery's exhaust side
// with its warning.
TEST_F(Projektbetrieb, TheNoteNamesTheFoundSurfaceAndTheExhaustOutlet) {
    Projektsitzung& s = anwendung.sitzung();
    s.eintragEinfuegen(Liste::Prozesse, 3, Json::parse(R"({"art": "kuehlen", "von": "ABL",
        "nach": "K", "x": 8, "bypass": 0.1})"),
                       "Prozess hinzufügen");
    s.eintragEinfuegen(Liste::Prozesse, 4, Json::parse(R"({"art": "waermerueckgewinnung",
        "von": ["K", "ABL"], "nach": "W", "rueckwaermzahl": 0.7})"),
                       "Prozess hinzufügen");
    Prozessmodell modell(s);
    const auto bemerkung = [&](int zeile) {
        return modell.data(modell.index(zeile, Prozessmodell::Bemerkung), Qt::DisplayRole)
            .toString();
    };
    ASSERT_TRUE(Prozess(3).oberflaeche) << Prozess(3).fehler;
    EXPECT_EQ(bemerkung(3), "ϑO = " + Zahltext(Prozess(3).oberflaeche->zustand.theta, 2) + " °C");
    ASSERT_TRUE(Prozess(4).fortluft) << Prozess(4).fehler;
    EXPECT_EQ(bemerkung(4), "Fortluft ϑ = " + Zahltext(Prozess(4).fortluft->theta, 2) + " °C");
    EXPECT_EQ(bemerkung(1), "");  // a cooler given its surface
}

// A process whose start state is gone keeps it in the form: confirmed as it stands it would
// change nothing, and the form says what is wrong instead of starting at another state.
TEST_F(Projektbetrieb, AProcessFormKeepsAStartStateThatIsGone) {
    const Projekt& p = anwendung.sitzung().projekt();
    Prozessformular form({"AUL", "ABL"},
                         [&p](const Json& e) { return EintragPruefen(p, Liste::Prozesse, 0, e); });
    const Json e = Json::parse(R"({"art": "mischen", "von": ["AUL", "weg"], "nach": "MI",
                                   "massenstroeme": [2000, 6000]})");
    form.setEintrag(e);
    EXPECT_EQ(form.von()->currentText(), "AUL");
    EXPECT_EQ(form.von2()->currentText(), "weg");
    EXPECT_EQ(form.eintrag(), e);
    EXPECT_TRUE(form.findChild<QLabel*>("meldung")->text().contains("weg"));
}

// Every kind's form, filled in field by field as its schema lists them, makes an entry that
// the file reader takes and computes, with the typed values under their keys.
TEST_F(Projektbetrieb, EveryKindsFormMakesAnEntryTheFileReaderComputes) {
    const std::map<std::string, double> werte = {{"theta", 40},
                                                 {"bypass", 0.1},
                                                 {"wasser", 15},
                                                 {"dampf", 100},
                                                 {"epsilon", 2500},
                                                 {"rueckwaermzahl", 0.5},
                                                 {"feuchterueckgewinnung", 0.2},
                                                 {"massenstrom1", 1000},
                                                 {"massenstrom2", 3000},
                                                 {"massenstrom", 1000},
                                                 {"massenstrom_abluft", 1000}};
    const Projekt& p = anwendung.sitzung().projekt();
    for (const Prozessname& n : kProzessnamen) {
        Prozessformular form({"AUL", "ABL"}, [&p](const Json& e) {
            return EintragPruefen(p, Liste::Prozesse, p.anzahl(Liste::Prozesse), e);
        });
        form.show();
        form.art()->setCurrentIndex(static_cast<int>(n.art));
        const Prozessschema& schema = SchemaVon(n.art);
        for (const Parameter& par : Prozessparameter()) {
            const bool dabei = std::find_if(schema.schluessel.begin(), schema.schluessel.end(),
                                            [&](const char* k) {
                                                return std::string(k) == par.schluessel;
                                            }) != schema.schluessel.end();
            EXPECT_EQ(form.parameter(par.schluessel)->isVisible(), dabei)
                << n.schluessel << " " << par.schluessel;
            EXPECT_EQ(form.parameter(par.schluessel)->placeholderText().toStdString(),
                      BereichText(par.bereich, par.schluessel));
            if (dabei && werte.count(par.schluessel)) {
                form.parameter(par.schluessel)
                    ->setText(QLocale().toString(werte.at(par.schluessel)));
            }
        }
        if (!schema.ziele.empty()) {
            // Δx = 1 g/kg, and a cooler's surface of 9 °C, its first target.
            const bool kuehler = n.art == Prozessart::Kuehlen;
            form.ziel()->setCurrentIndex(kuehler ? 0 : form.ziel()->count() - 1);
            form.zielwert()->setText(kuehler ? "9" : "1");
        }
        form.nach()->setText("NEU");
        EXPECT_EQ(form.findChild<QLabel*>("meldung")->text(), "") << n.schluessel;
        const Json e = form.eintrag();
        for (const auto& [k, v] : e.items()) {
            if (k == "art" || k == "von" || k == "nach") continue;
            EXPECT_TRUE(IstParameterschluessel(k)) << k;
            if (werte.count(k)) {
                EXPECT_EQ(v.get<double>(), werte.at(k)) << k;
            }
        }
        EXPECT_EQ(EintragPruefen(p, Liste::Prozesse, p.anzahl(Liste::Prozesse), e), "")
            << n.schluessel << " " << e.dump();
    }
}

// The menu "Sprache" checks the language the windows speak and keeps a choice for the next
// start; only a change of language is told, by a message that does not wait.
TEST(Sprachmenue, KeepsTheChoiceForTheNextStartAndTellsOnlyAChange) {
    QStandardPaths::setTestModeEnabled(true);
    QSettings("Lumora", "lumora").remove("sprache");
    Anwendung anwendung;
    Projektfenster& f = anwendung.projektfenster();
    auto* deutsch = f.findChild<QAction*>("deutsch");
    auto* englisch = f.findChild<QAction*>("englisch");
    ASSERT_TRUE(deutsch && englisch);
    const auto hinweis = [&f] { return f.findChild<QMessageBox*>("sprachhinweis"); };
    // Without a translator the windows speak German.
    EXPECT_TRUE(deutsch->isChecked());
    EXPECT_FALSE(englisch->isChecked());
    // The language spoken now, chosen again: the system's locale goes on deciding.
    deutsch->trigger();
    EXPECT_FALSE(GewaehlteSprache().has_value());
    EXPECT_EQ(hinweis(), nullptr);

    englisch->trigger();
    EXPECT_EQ(GewaehlteSprache(), Sprache::Englisch);
    EXPECT_TRUE(englisch->isChecked());
    EXPECT_FALSE(deutsch->isChecked());
    ASSERT_NE(hinweis(), nullptr);
    EXPECT_TRUE(hinweis()->isVisible());
    EXPECT_EQ(hinweis()->text(), QString::fromUtf8("Die Sprache wechselt beim nächsten Start von "
                                                   "Lumora."));
    hinweis()->accept();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(hinweis(), nullptr);

    // Back to the language spoken now: kept, with nothing to tell.
    deutsch->trigger();
    EXPECT_EQ(GewaehlteSprache(), Sprache::Deutsch);
    EXPECT_EQ(hinweis(), nullptr);
    QSettings("Lumora", "lumora").remove("sprache");
}

// Every example that comes with Lumora has its name in the menu in both languages: in German
// the title its file gives it, in English a name of its own.
TEST(Beispiele, EveryExampleIsNamedInBothLanguages) {
    const QFileInfoList dateien =
        QDir(LUMORA_BEISPIELE).entryInfoList({"*.lumora"}, QDir::Files, QDir::Name);
    ASSERT_FALSE(dateien.isEmpty());
    QStringList deutsch;
    for (const QFileInfo& d : dateien) {
        deutsch << Beispielname(d.filePath());
        EXPECT_EQ(deutsch.back(), Beispieltitel(d.filePath())) << d.fileName().toStdString();
    }
    Sprachwahl englisch(Sprache::Englisch);
    englisch.installieren();
    for (qsizetype i = 0; i < dateien.size(); ++i) {
        const QString name = Beispielname(dateien[i].filePath());
        EXPECT_NE(name, deutsch[i]) << dateien[i].fileName().toStdString();
        EXPECT_FALSE(name.isEmpty());
    }
}

}  // namespace
}  // namespace lumora
