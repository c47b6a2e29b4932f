// The keyboard and the windows as a user expects them: Return presses the focused button,
// Escape closes what was opened, help stands beside the chart, the read-out speaks of the
// chart shown, and the file dialogs open where the user went last.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

#include "chart/diagrammlauf.h"
#include "ui/anfangsdialog.h"
#include "ui/anwendung.h"
#include "ui/ausgabe.h"
#include "ui/diagrammfenster.h"
#include "ui/fenster.h"
#include "ui/formulare.h"
#include "ui/hilfe.h"
#include "ui/leinwand.h"
#include "ui/projektfenster.h"

namespace lumora {
namespace {

const Eingabe kStandard{200, 10, 1, 0.2, 0.02, 0.002, 1013};

// Runs `tun` on the modal window that the next call opens, as soon as it is there; gives up
// after a few seconds so that a test never hangs.
void ImModalen(std::function<void(QWidget*)> tun) {
    auto* uhr = new QTimer;
    auto versuche = std::make_shared<int>(0);
    QObject::connect(uhr, &QTimer::timeout, [uhr, tun, versuche] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) w = QApplication::activePopupWidget();
        if (w || ++*versuche > 200) {
            uhr->stop();
            uhr->deleteLater();
            if (w) tun(w);
        }
    });
    uhr->start(20);
}

// The file typed in full into the dialog's name field, and the dialog accepted as its button
// does.
void Waehlen(QFileDialog* dialog, const QString& pfad) {
    if (auto* feld = dialog->findChild<QLineEdit*>("fileNameEdit")) {
        feld->setText(pfad);
    } else {
        dialog->selectFile(pfad);
    }
    static_cast<QDialog*>(dialog)->accept();
}

TEST(Tasten, ReturnOnTheFocusedButtonDrawsTheChart) {
    Anfangsdialog d;
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    d.knopf()->setFocus();
    QTest::keyClick(d.knopf(), Qt::Key_Return);
    ASSERT_NE(d.diagrammfenster(), nullptr);
    const std::size_t nachReturn = d.diagrammfenster()->leinwand().operationen().size();
    EXPECT_GT(nachReturn, 1000u);
    // Enter on the number pad too; a shifted Return is no press.
    d.feld(Feld::DeltaXgross)->setText("0.04");
    QTest::keyClick(d.knopf(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(d.diagrammfenster()->leinwand().operationen().size(), nachReturn);
    QTest::keyClick(d.knopf(), Qt::Key_Enter);
    EXPECT_LT(d.diagrammfenster()->leinwand().operationen().size(), nachReturn);
}

TEST(Tasten, EscapeClosesTheManualTheShortcutsAndEveryForm) {
    QWidget eltern;
    eltern.show();
    for (const auto& [zeigen, name] : {std::pair{&HandbuchZeigen, "handbuch"},
                                       std::pair{&TastenkuerzelZeigen, "tastenkuerzel"}}) {
        zeigen(&eltern);
        auto* text = eltern.findChild<QTextBrowser*>(name);
        ASSERT_NE(text, nullptr) << name;
        ASSERT_TRUE(QTest::qWaitForWindowActive(text)) << name;
        QTest::keyClick(text, Qt::Key_Escape);
        EXPECT_FALSE(text->isVisible()) << name;
        zeigen(&eltern);  // and it comes back
        EXPECT_TRUE(text->isVisible()) << name;
        text->close();
    }
    // A form, with a text typed into it: Escape leaves it without taking anything.
    Zustandsformular form([](const Json&) { return std::string(); });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QLineEdit* feld = form.findChild<QLineEdit*>();
    ASSERT_NE(feld, nullptr);
    QTest::keyClicks(feld, "25");
    QTest::keyClick(feld, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST(Tasten, EscapeClosesTheLowerLimitAndKeepsIt) {
    QStandardPaths::setTestModeEnabled(true);
    Anwendung anwendung;
    anwendung.dialog().berechnen();
    ASSERT_NE(anwendung.dialog().diagrammfenster(), nullptr);
    bool gesehen = false;
    ImModalen([&](QWidget* w) {
        gesehen = w->windowTitle() == "Lumora - Untere Grenze";
        QLineEdit* feld = w->findChild<QLineEdit*>();
        if (feld) {
            feld->setText("-20");
            QTest::keyClick(feld, Qt::Key_Escape);
        }
        // Had Escape not closed it, the test ends it here rather than hang.
        QTimer::singleShot(500, w, [w] { w->close(); });
    });
    anwendung.untereGrenzeFragen();
    EXPECT_TRUE(gesehen);
    EXPECT_FALSE(anwendung.sitzung().projekt().thetaUnten().has_value());
    anwendung.sitzung().wiederherstellungLoeschen();
}

class Ablesebox : public testing::Test {
  protected:
    void SetUp() override {
        fenster.show();
        lauf.zeichnen(kStandard, fenster.leinwand(), fenster.etiketten(), ",");
        fenster.setEingabe(kStandard);
    }
    Diagrammfenster fenster;
    Diagrammlauf lauf;
};

TEST_F(Ablesebox, NeverShowsTheValuesOfAnEarlierChart) {
    const QPoint ort(300, 400);
    fenster.ablesen(ort);
    ASSERT_TRUE(fenster.ablesung()->isVisible());
    const QString vorher = fenster.ablesung()->text();
    // Another chart under the resting cursor: the box speaks of it at once.
    Eingabe e = kStandard;
    e.Thetamax = 100;
    lauf.zeichnen(e, fenster.leinwand(), fenster.etiketten(), ",");
    fenster.setEingabe(e);
    ASSERT_TRUE(fenster.ablesung()->isVisible());
    const QString danach = fenster.ablesung()->text();
    EXPECT_NE(danach, vorher);
    fenster.ablesen(ort);
    EXPECT_EQ(fenster.ablesung()->text(), danach);
}

TEST_F(Ablesebox, HidesWhenAMenuOpensAndWhenTheCursorLeaves) {
    fenster.ablesen(QPoint(300, 400));
    ASSERT_TRUE(fenster.ablesung()->isVisible());
    bool unterDemMenue = true;
    ImModalen([&](QWidget* menue) {
        unterDemMenue = fenster.ablesung()->isVisible();
        menue->close();
    });
    const QPoint ort = fenster.imFenster(QPointF(300, 400)).toPoint();
    QContextMenuEvent menue(QContextMenuEvent::Mouse, ort, fenster.mapToGlobal(ort));
    QApplication::sendEvent(&fenster, &menue);
    EXPECT_FALSE(unterDemMenue);
    fenster.ablesen(QPoint(300, 400));
    QEvent verlassen(QEvent::Leave);
    QApplication::sendEvent(&fenster.leinwand(), &verlassen);
    EXPECT_FALSE(fenster.ablesung()->isVisible());
}

TEST(Dateien, ExportSuggestsTheProjectsNameInTheLastFolder) {
    QTemporaryDir ordner;
    Diagrammfenster fenster;
    // Before any export: the home folder, and without a project the chart's own name.
    EXPECT_EQ(Exportvorschlag(fenster),
              QDir(LetzterOrdner(Ordnerart::Export)).filePath("h,x-Diagramm.png"));
    fenster.setProjektname([] { return QString("sommerfall.lumora"); });
    Diagrammlauf{}.zeichnen(kStandard, fenster.leinwand(), fenster.etiketten(), ",");
    fenster.setEingabe(kStandard);
    // The user takes the suggestion, in another folder; the file is written and the folder
    // kept for the next export.
    const QString ziel = QDir(ordner.path()).filePath("bilder");
    ASSERT_TRUE(QDir().mkpath(ziel));
    QString vorgeschlagen;
    ImModalen([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog) {
            w->close();
            return;
        }
        vorgeschlagen = dialog->selectedFiles().value(0);
        Waehlen(dialog, QDir(ziel).filePath("sommerfall.png"));
    });
    SpeichernUnterFragen(fenster);
    EXPECT_TRUE(vorgeschlagen.endsWith("/sommerfall.png")) << vorgeschlagen.toStdString();
    EXPECT_TRUE(QFile::exists(QDir(ziel).filePath("sommerfall.png")));
    EXPECT_EQ(LetzterOrdner(Ordnerart::Export), ziel);
    EXPECT_EQ(Exportvorschlag(fenster), QDir(ziel).filePath("sommerfall.png"));
    // A folder that is gone is not offered.
    ASSERT_TRUE(QDir(ziel).removeRecursively());
    EXPECT_EQ(LetzterOrdner(Ordnerart::Export), QDir::homePath());
}

TEST(Dateien, ZoomedExportAsksWhetherTheWholeChartOrTheView) {
    QTemporaryDir ordner;
    OrdnerMerken(Ordnerart::Export, ordner.filePath("x.png"));
    Diagrammfenster fenster;
    fenster.show();
    Diagrammlauf{}.zeichnen(kStandard, fenster.leinwand(), fenster.etiketten(), ",");
    fenster.setEingabe(kStandard);
    fenster.zoomen(3);
    for (const char* wahl : {"Ganzes Diagramm", "Sichtbarer Ausschnitt"}) {
        const QString datei = ordner.filePath(QString(wahl).left(5) + ".png");
        ImModalen([&](QWidget* w) {
            for (QAbstractButton* k : w->findChildren<QAbstractButton*>()) {
                if (k->text() == wahl) {
                    ImModalen([&](QWidget* d) {
                        if (auto* dialog = qobject_cast<QFileDialog*>(d)) {
                            Waehlen(dialog, datei);
                        } else {
                            d->close();
                        }
                    });
                    k->click();
                    return;
                }
            }
            w->close();
        });
        SpeichernUnterFragen(fenster);
        const QImage bild(datei);
        ASSERT_FALSE(bild.isNull()) << wahl;
        const double skala = 2 * fenster.devicePixelRatioF();
        const QSize soll =
            QString(wahl) == "Ganzes Diagramm" ? Gesamtgroesse() * skala : fenster.size() * skala;
        EXPECT_EQ(bild.size(), soll) << wahl;
    }
}

TEST(Dateien, OpenAndImportStartInTheirLastFolders) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir ordner;
    const QString projekte = QDir(ordner.path()).filePath("projekte");
    const QString messungen = QDir(ordner.path()).filePath("messungen");
    ASSERT_TRUE(QDir().mkpath(projekte));
    ASSERT_TRUE(QDir().mkpath(messungen));
    OrdnerMerken(Ordnerart::Projekt, QDir(projekte).filePath("a.lumora"));
    OrdnerMerken(Ordnerart::Import, QDir(messungen).filePath("b.csv"));
    Anwendung anwendung;
    Projektfenster& f = anwendung.projektfenster();
    const auto ordnerDesDialogs = [&](const char* aktion) {
        QString gesehen;
        ImModalen([&](QWidget* w) {
            if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
                gesehen = dialog->directory().absolutePath();
            }
            w->close();
        });
        f.aktion(aktion)->trigger();
        return gesehen;
    };
    EXPECT_EQ(ordnerDesDialogs("oeffnen"), projekte);
    EXPECT_EQ(ordnerDesDialogs("speichernUnter"), projekte);
    EXPECT_EQ(ordnerDesDialogs("messreihe"), messungen);
    anwendung.sitzung().wiederherstellungLoeschen();
}

}  // namespace
}  // namespace lumora
