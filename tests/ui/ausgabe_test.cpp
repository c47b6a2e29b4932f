#include "ui/ausgabe.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <array>
#include <map>
#include <set>

#include "chart/diagrammlauf.h"
#include "core/koordinaten.h"
#include "core/strecke.h"
#include "ui/diagrammfenster.h"
#include "ui/leinwand.h"

namespace lumora {
namespace {

const Eingabe kStandard{200, 10, 1, 0.2, 0.02, 0.002, 1013};

class Ausgabe : public testing::Test {
  protected:
    void SetUp() override {
        fenster.show();
        lauf.zeichnen(kStandard, fenster.leinwand(), fenster.etiketten(), ",");
        fenster.setEingabe(kStandard);
        ASSERT_TRUE(ordner.isValid());
    }
    QString pfad(const char* name) const { return ordner.filePath(name); }

    Diagrammfenster fenster;
    Diagrammlauf lauf;
    QTemporaryDir ordner;
};

TEST_F(Ausgabe, SvgHoldsEveryVisibleLineOfEachColour) {
    ASSERT_EQ(DiagrammSpeichern(fenster, pfad("chart.svg")), "");
    QFile datei(pfad("chart.svg"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    // Lines are segments (a move and a line each) of paths in groups that carry their stroke
    // colour.
    std::map<QString, int> linien;
    std::vector<QString> striche{""};
    QXmlStreamReader xml(&datei);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto strich = xml.attributes().value("stroke");
            striche.push_back(strich.isEmpty() ? striche.back() : strich.toString());
            if (xml.name() == QString("path")) {
                linien[striche.back()] += xml.attributes().value("d").count(QChar('M'));
            }
        } else if (xml.isEndElement()) {
            striche.pop_back();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();

    // Expected: the run's lines with some part on the canvas, each once (the last line
    // h = hv from the left edge is the first one from the top edge again) per width.
    std::map<QString, std::set<std::array<double, 5>>> erwartet;
    for (const auto& op : fenster.leinwand().operationen()) {
        double x1 = op.x1, y1 = op.y1, x2 = op.x2, y2 = op.y2;
        if (op.art == Operation::Art::box ||
            !StreckeKappen(x1, y1, x2, y2, 0, 0, kLeinwandBreite, kLeinwandHoehe)) {
            continue;
        }
        if (x1 == x2 && y1 == y2) continue;  // a point, such as the enthalpy line h = 0
        erwartet[QColor(op.farbe.r, op.farbe.g, op.farbe.b).name()].insert(
            {x1, y1, x2, y2, double(op.breite)});
    }
    for (const char* farbe : {"#00b400", "#000000", "#dc0000", "#ff0000", "#0000b4"}) {
        EXPECT_EQ(linien[farbe], static_cast<int>(erwartet[farbe].size())) << farbe;
    }
    EXPECT_EQ(linien["#00b400"], 111);  // 11 thick and 100 thin grid lines
    // The labels are text, not pixels.
    datei.seek(0);
    const QString inhalt = QString::fromUtf8(datei.readAll());
    EXPECT_TRUE(inhalt.contains("Gesamtdruck"));
    EXPECT_TRUE(inhalt.contains(QString::fromUtf8(" 200°C")));
}

TEST_F(Ausgabe, PdfIsOnePageOfTheChartsProportions) {
    ASSERT_EQ(DiagrammSpeichern(fenster, pfad("chart.pdf")), "");
    QFile datei(pfad("chart.pdf"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_TRUE(datei.read(5) == "%PDF-");
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {pfad("chart.pdf")});
    if (!pdfinfo.waitForFinished(10000)) GTEST_SKIP() << "pdfinfo not installed";
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains("757 x 550 pts")) << info.toStdString();  // 1009 x 733 px
}

TEST_F(Ausgabe, PngAtTwiceTheScreenResolution) {
    ASSERT_EQ(DiagrammSpeichern(fenster, pfad("chart.png")), "");
    const QImage bild(pfad("chart.png"));
    ASSERT_EQ(bild.size(), fenster.gesamt()->size() * 2);
    // The grid line x = 0.1: in the window at pic_gesamt x 46 + 1 + 458, twice as far here.
    int gruen = 0;
    for (int y = 60; y < 1300; ++y)
        gruen += bild.pixelColor(2 * (47 + 458) + 1, y) == QColor(0, 180, 0);
    EXPECT_GT(gruen, 700);
    // The caption in black at the top left.
    int dunkel = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 100; x < 500; ++x) dunkel += bild.pixelColor(x, y).lightness() < 80;
    }
    EXPECT_GT(dunkel, 200);
}

// The PNG at the window's scale has the window's pixels: the canvas from the same rasteriser,
// the labels and pictures where the window shows them.
TEST_F(Ausgabe, PngAtScaleOneIsTheWindowsPixels) {
    ASSERT_EQ(DiagrammSpeichern(fenster, pfad("eins.png"), 1), "");
    const QImage bild = QImage(pfad("eins.png")).convertToFormat(QImage::Format_RGB32);
    const QImage schirm = fenster.gesamt()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(bild.size(), schirm.size());
    const QRect innen = fenster.leinwand().geometry().adjusted(1, 1, -1, -1);
    // The canvas above the emblem in its bottom-right corner is the window's backing image.
    const QRect oben(QPoint(0, 0), QSize(innen.width(), innen.height() / 2));
    EXPECT_EQ(bild.copy(oben.translated(innen.topLeft())),
              fenster.leinwand().bild().copy(oben).convertToFormat(QImage::Format_RGB32));
    int anders = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) anders += bild.pixel(x, y) != schirm.pixel(x, y);
    }
    EXPECT_EQ(anders, 0);
}

TEST_F(Ausgabe, FailedWriteReportsAndLeavesNothing) {
    const QString fehler = DiagrammSpeichern(fenster, "/nonexistent-lumora/chart.png");
    EXPECT_FALSE(fehler.isEmpty());
    EXPECT_FALSE(QFile::exists("/nonexistent-lumora/chart.png"));
    // A directory in the way: the rename fails and no temporary file stays behind.
    ASSERT_TRUE(QDir(ordner.path()).mkdir("belegt.svg"));
    EXPECT_FALSE(DiagrammSpeichern(fenster, pfad("belegt.svg")).isEmpty());
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    EXPECT_FALSE(DiagrammSpeichern(fenster, pfad("chart.bmp")).isEmpty());
}

TEST_F(Ausgabe, ContextMenuActionsWithTheirShortcuts) {
    QStringList texte;
    for (const QAction* a : fenster.actions()) texte << a->text() + " " + a->shortcut().toString();
    EXPECT_EQ(texte, (QStringList{QString::fromUtf8("Exportieren … Ctrl+E"),
                                  QString::fromUtf8("Drucken … Ctrl+P"),
                                  "In die Zwischenablage kopieren Ctrl+C",
                                  QString::fromUtf8("Eingaben ändern … F2")}));
}

TEST_F(Ausgabe, ReadOutFollowsTheCursorAndLeavesWithIt) {
    QWidget& leinwand = fenster.leinwand();
    QTest::mouseMove(&leinwand, QPoint(150, 450));
    QLabel* box = fenster.ablesung();
    ASSERT_TRUE(box->isVisible());
    EXPECT_TRUE(box->text().contains(QString::fromUtf8("ϑ = ")));
    EXPECT_TRUE(box->text().contains(QString::fromUtf8("φ = ")));
    EXPECT_GT(box->x(), leinwand.mapTo(&fenster, QPoint(150, 450)).x());
    // Low and to the right lies the fog region.
    fenster.ablesen(QPoint(700, 660));
    EXPECT_TRUE(box->text().startsWith("Nebelgebiet"));
    EXPECT_FALSE(box->text().contains(QString::fromUtf8("φ")));
    // At the top above boiling: no relative humidity is invented.
    fenster.ablesen(QPoint(450, 5));
    EXPECT_TRUE(box->text().contains("Siedetemperatur"));
    EXPECT_FALSE(box->text().contains(QString::fromUtf8("φ")));
    QEvent verlassen(QEvent::Leave);
    QApplication::sendEvent(&leinwand, &verlassen);
    EXPECT_FALSE(box->isVisible());
}

TEST(AusgabeOhneDiagramm, NothingToReadBeforeTheFirstPress) {
    Diagrammfenster fenster;
    fenster.show();
    fenster.ablesen(QPoint(150, 450));
    EXPECT_FALSE(fenster.ablesung()->isVisible());
}

}  // namespace
}  // namespace lumora
