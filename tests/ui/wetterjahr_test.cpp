// The weather year in the window: its row in "Messreihen", the form of its settings, the
// frequency map that follows it, and the import that offers the file's pressure.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/feuchte_luft.h"
#include "core/koordinaten.h"
#include "tests/bild/wetterjahrprojekt.h"
#include "ui/anwendung.h"
#include "ui/diagrammfenster.h"
#include "ui/leinwand.h"
#include "ui/projektfenster.h"
#include "ui/projekttabellen.h"
#include "ui/wetterjahrformular.h"

namespace lumora {
namespace {

// The design values may be exceeded in one hour. The class widths are written as a user's
// editor might, which a form confirmed unchanged must keep.
const std::string kProjekt = test::Wetterjahrprojekt(
    R"(,
     "zeitfenster": {"monate": [5, 9]}, "klassen": [1.0, 1], "ueberschreitung": 1)");

// Runs `tun` on the modal dialog of type T as soon as one is open, from the event loop of its
// exec; counts how many it found. Gives up after two seconds.
template <class T>
QPointer<QTimer> Beantworten(std::function<void(T*)> tun, int* gefunden = nullptr) {
    auto* uhr = new QTimer;
    uhr->setInterval(5);
    auto versuche = std::make_shared<int>(0);
    QObject::connect(uhr, &QTimer::timeout, [uhr, tun, gefunden, versuche] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            uhr->stop();
            uhr->deleteLater();
            if (gefunden) ++*gefunden;
            tun(w);
        } else if (++*versuche > 400) {
            uhr->stop();
            uhr->deleteLater();
        }
    });
    uhr->start();
    return uhr;
}

class Wetterjahrbetrieb : public testing::Test {
  protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(ordner.isValid());
        pfad = ordner.filePath("jahr.lumora");
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kProjekt.c_str());
        f.close();
        ASSERT_TRUE(anwendung.oeffnen(pfad));
    }
    void TearDown() override { anwendung.sitzung().wiederherstellungLoeschen(); }

    Projektsitzung& s() { return anwendung.sitzung(); }
    Projektfenster& pf() { return anwendung.projektfenster(); }
    QString zelle(int zeile, int spalte) {
        const auto* m = pf().messreihen()->model();
        return m->data(m->index(zeile, spalte), Qt::DisplayRole).toString();
    }
    const Ueberlagerung& bild() { return anwendung.dialog().diagrammfenster()->ueberlagerung(); }
    std::string datei(const char* name, const std::string& text) {
        QFile f(ordner.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.data(), static_cast<qint64>(text.size()));
        return ordner.filePath(name).toStdString();
    }

    QTemporaryDir ordner;
    QString pfad;
    Anwendung anwendung;
};

TEST_F(Wetterjahrbetrieb, TheTableShowsTheHoursInsideTheWindowAndTheDesignValues) {
    const auto* m = pf().messreihen()->model();
    EXPECT_EQ(m->headerData(Messreihenmodell::Stunden, Qt::Horizontal, Qt::DisplayRole), "Stunden");
    EXPECT_EQ(zelle(0, Messreihenmodell::Punkte), "4");
    EXPECT_EQ(zelle(0, Messreihenmodell::Stunden), "4");
    // k = 1: the second of the values from the largest down, ϑmin the second from the smallest.
    const QString auslegung = zelle(0, Messreihenmodell::Auslegung);
    EXPECT_TRUE(auslegung.startsWith(QString::fromUtf8("ϑmax = 20,4 °C, xmax = 8,3 g/kg, hmax = ")))
        << auslegung.toStdString();
    EXPECT_TRUE(auslegung.endsWith(QString::fromUtf8("ϑmin = 20,2 °C (k = 1 h)")))
        << auslegung.toStdString();
}

struct Ablehnung {
    QLineEdit* (Wetterjahrformular::*feld)() const;
    const char* text;
    const char* meldung;  // empty: the file reader's reason, whatever it says
};

TEST_F(Wetterjahrbetrieb, TheFormRefusesBadFieldsNamingThemBeforeOk) {
    Wetterjahrformular form;
    form.setEintrag(s().projekt().eintrag(Liste::Messreihen, 0));
    QLabel* meldung = form.findChild<QLabel*>("meldung");
    QPushButton* ok = form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(meldung && ok);
    EXPECT_EQ(form.monatVon()->text(), "5");
    EXPECT_EQ(form.monatBis()->text(), "9");
    EXPECT_EQ(form.stundeVon()->text(), "");
    EXPECT_EQ(form.ueberschreitung()->text(), "1");
    EXPECT_EQ(form.darstellung()->currentIndex(), 0);
    EXPECT_TRUE(ok->isEnabled());
    using F = Wetterjahrformular;
    const Ablehnung faelle[] = {
        {&F::monatVon, "abc", "Monate von: „abc“ ist keine Zahl."},
        {&F::monatVon, "13", "Monate von: 13 ist kein Monat von 1 bis 12."},
        {&F::monatBis, "4,5", "Monate bis: 4,5 ist kein Monat von 1 bis 12."},
        {&F::monatBis, "", "Monate: bitte „von“ und „bis“ eingeben oder beide leer lassen."},
        {&F::stundeVon, "6", "Stunden: bitte „von“ und „bis“ eingeben oder beide leer lassen."},
        {&F::stundeBis, "25", "Stunden bis: 25 ist keine volle Stunde von 0 bis 24."},
        {&F::dtheta, "0", "Δϑ: 0 ist kleiner als 0,001 K."},
        {&F::dx, "-1", "Δx: -1 ist kleiner als 0,001 g/kg."},
        {&F::dx, "1e-300", "Δx: 1e-300 ist kleiner als 0,001 g/kg."},
        {&F::ueberschreitung, "2,5", "Überschreitung k: 2,5 ist keine ganze Zahl ab 0."},
        {&F::ueberschreitung, "-1", "Überschreitung k: -1 ist keine ganze Zahl ab 0."},
        {&F::ueberschreitung, "5000000000", ""},
    };
    for (const Ablehnung& a : faelle) {
        QLineEdit* feld = (form.*a.feld)();
        const QString vorher = feld->text();
        feld->setText(QString::fromUtf8(a.text));
        if (*a.meldung) {
            EXPECT_EQ(meldung->text(), QString::fromUtf8(a.meldung)) << a.text;
        } else {
            EXPECT_TRUE(meldung->text().contains("ueberschreitung"))
                << meldung->text().toStdString();
        }
        EXPECT_FALSE(ok->isEnabled()) << a.text;
        EXPECT_EQ(feld->text(), QString::fromUtf8(a.text));  // the typed text stays
        feld->setText(vorher);
        EXPECT_TRUE(ok->isEnabled()) << a.text;
    }
    // Hours of the same clock time keep none.
    form.stundeVon()->setText("6");
    form.stundeBis()->setText("6");
    EXPECT_EQ(meldung->text(),
              QString::fromUtf8("Stunden: „von“ und „bis“ sind gleich; es bliebe keine Stunde."));
    form.stundeBis()->setText("18");
    EXPECT_EQ(meldung->text(), "");
    // Every part left empty is a sound window: all months, all hours.
    for (QLineEdit* f : {form.monatVon(), form.monatBis(), form.stundeVon(), form.stundeBis()}) {
        f->clear();
    }
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_FALSE(form.eintrag().contains("zeitfenster"));
}

TEST_F(Wetterjahrbetrieb, AFormConfirmedUnchangedLeavesTheBytes) {
    const std::string vorher = s().projekt().schreiben();
    const int schritte = s().verlauf().count();
    int gefunden = 0;
    Beantworten<Wetterjahrformular>([](Wetterjahrformular* f) { f->accept(); }, &gefunden);
    pf().wetterjahrBearbeiten(0);
    EXPECT_EQ(gefunden, 1);
    EXPECT_EQ(s().projekt().schreiben(), vorher);
    EXPECT_EQ(s().verlauf().count(), schritte);
    // A field typed and typed back is unchanged too.
    Beantworten<Wetterjahrformular>(
        [](Wetterjahrformular* f) {
            f->dtheta()->setText("2");
            f->dtheta()->setText("1");
            f->darstellung()->setCurrentIndex(1);
            f->darstellung()->setCurrentIndex(0);
            f->accept();
        },
        &gefunden);
    pf().wetterjahrBearbeiten(0);
    EXPECT_EQ(gefunden, 2);
    EXPECT_EQ(s().projekt().schreiben(), vorher);
}

TEST_F(Wetterjahrbetrieb, AConfirmedFormIsOneUndoStepAndTheMapAndTableFollow) {
    const std::string vorher = s().projekt().schreiben();
    const int schritte = s().verlauf().count();
    ASSERT_EQ(bild().karten.size(), 0u);
    ASSERT_EQ(bild().reihen.size(), 1u);
    // From the menu, with the row of the weather year current.
    pf().messreihen()->selectRow(0);
    Beantworten<Wetterjahrformular>([](Wetterjahrformular* f) {
        f->darstellung()->setCurrentIndex(1);
        f->stundeVon()->setText("12");
        f->stundeBis()->setText("14");
        f->dx()->setText("0,5");
        QTest::mouseClick(f->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    });
    pf().aktion("wetterjahr")->trigger();
    ASSERT_EQ(s().verlauf().count(), schritte + 1);
    const Json& e = s().projekt().eintrag(Liste::Messreihen, 0);
    EXPECT_EQ(e["zeitfenster"].dump(), R"({"monate":[5,9],"stunden":[12,14]})");
    EXPECT_EQ(e["klassen"].dump(), "[1,0.5]");
    EXPECT_EQ(e["haeufigkeitskarte"], true);
    // HH 13 and 14 of July: two hours, in two classes of the map that replaces the dots.
    EXPECT_EQ(zelle(0, Messreihenmodell::Stunden), "2");
    ASSERT_EQ(bild().karten.size(), 1u);
    EXPECT_TRUE(bild().reihen.empty());
    EXPECT_EQ(bild().karten[0].felder.size(), 2u);
    EXPECT_EQ(bild().karten[0].haeufigkeit->breite.dx, 0.5);
    // The read-out over the map names the class under the cursor.
    Diagrammfenster* d = anwendung.dialog().diagrammfenster();
    const Eingabe& eingabe = *s().stand().eingabe;
    const QPointF m = Massstab(d->leinwand().innenGroesse());
    const double x = 0.00825;
    d->ablesen(
        QPoint(static_cast<int>(std::lround(KoordX(eingabe, x) * m.x())),
               static_cast<int>(std::lround(KoordY(eingabe, x, Enthalpie(20.25, x)) * m.y()))));
    EXPECT_TRUE(
        d->ablesung()->text().endsWith(QString::fromUtf8("\nKlasse 20…21 °C, 8…8,5 g/kg: 1 h")))
        << d->ablesung()->text().toStdString();

    s().verlauf().undo();
    EXPECT_EQ(s().projekt().schreiben(), vorher);
    EXPECT_TRUE(bild().karten.empty());
    EXPECT_EQ(zelle(0, Messreihenmodell::Stunden), "4");
}

TEST_F(Wetterjahrbetrieb, TheActionWithoutAWeatherYearSaysSo) {
    s().verlauf().beginMacro("weg");
    s().eintragEntfernen(Liste::Messreihen, 0, "weg");
    s().verlauf().endMacro();
    pf().aktion("wetterjahr")->trigger();
    EXPECT_EQ(pf().statusBar()->currentMessage(), "Das Projekt hat kein Wetterjahr.");
    // A logger's series is no weather year either.
    EXPECT_FALSE(IstWetterjahr(Json::parse(R"({"name": "L", "theta": [1], "phi": [50]})")));
    EXPECT_FALSE(IstWetterjahr(Json::parse(R"({"name": "L", "art": "logger"})")));
    EXPECT_TRUE(IstWetterjahr(Json::parse(R"({"name": "W", "art": "wetterjahr", "klassen": 0})")));
}

// A small TRY file of the 2015 edition's columns, three hours at the station pressure p.
std::string Try(const char* p) {
    std::string t =
        "Koordinatensystem : Lambert konform konisch\n"
        "Hoehenlage        : 540 Meter ueber NN\n\n"
        "     RW      HW MM DD HH     t    p  WR   WG N    x  RF    B    D   A    E IL\n"
        "*** \n";
    for (const char* zeile : {" 7  1 13  24.0 ", " 7  1 14  25.5 ", " 7  1 15  26.0 "}) {
        t += std::string("3731500 2677500") + zeile + p +
             " 258  1.8 6 10.2  55  500  100 223 -289  2\n";
    }
    return t;
}

TEST_F(Wetterjahrbetrieb, ImportOffersTheFilesPressureAsOneMoreUndoStep) {
    const std::string datei = this->datei("hoch.dat", Try(" 950"));
    const int schritte = s().verlauf().count();
    int fragen = 0;
    QString frage;
    Beantworten<QMessageBox>(
        [&frage](QMessageBox* box) {
            frage = box->text();
            box->button(QMessageBox::Yes)->click();
        },
        &fragen);
    ASSERT_TRUE(pf().messreiheImportieren(QString::fromStdString(datei)));
    EXPECT_EQ(fragen, 1);
    EXPECT_EQ(frage, QString::fromUtf8("Gesamtdruck 950,0 hPa übernehmen?"));
    EXPECT_EQ(s().projekt().anzahl(Liste::Messreihen), 2u);
    EXPECT_EQ(s().projekt().eingabe()[static_cast<int>(Feld::Pges)], "950.0");
    EXPECT_EQ(anwendung.dialog().feld(Feld::Pges)->text(), "950.0");
    EXPECT_EQ(s().verlauf().count(), schritte + 2);
    EXPECT_EQ(
        pf().statusBar()->currentMessage(),
        QString::fromUtf8("TRY: 3 Stunden gelesen, Höhe 540 m, mittlerer Luftdruck 950 hPa."));
    EXPECT_EQ(pf().messreihen()->currentIndex().row(), 1);  // the new row, for its settings
    s().verlauf().undo();
    EXPECT_EQ(s().projekt().eingabe()[static_cast<int>(Feld::Pges)], "1013");
    EXPECT_EQ(s().projekt().anzahl(Liste::Messreihen), 2u);

    // Declined, only the import is done; within 1 %, nothing is asked.
    Beantworten<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::No)->click(); },
                             &fragen);
    ASSERT_TRUE(pf().messreiheImportieren(QString::fromStdString(datei)));
    EXPECT_EQ(fragen, 2);
    EXPECT_EQ(s().projekt().eingabe()[static_cast<int>(Feld::Pges)], "1013");
    const std::string nah = this->datei("nah.dat", Try("1005"));
    QPointer<QTimer> wache = Beantworten<QMessageBox>(
        [](QMessageBox* box) { box->button(QMessageBox::No)->click(); }, &fragen);
    ASSERT_TRUE(pf().messreiheImportieren(QString::fromStdString(nah)));
    EXPECT_EQ(fragen, 2);
    delete wache.data();
    EXPECT_EQ(s().projekt().anzahl(Liste::Messreihen), 4u);
}

}  // namespace
}  // namespace lumora
