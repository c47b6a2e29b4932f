// The chart window at other sizes than its layout's and zoomed: the picture follows one
// mapping from window pixels to canvas units, and so do the read-out, a drag and the export.
#include <gtest/gtest.h>

#include <QAction>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

#include "bild/einheiten.h"
#include "bild/leinwandbild.h"
#include "bild/speichern.h"
#include "chart/diagrammlauf.h"
#include "core/koordinaten.h"
#include "ui/ausgabe.h"
#include "ui/diagrammfenster.h"
#include "ui/leinwand.h"

namespace lumora {
namespace {

const Eingabe kStandard{200, 10, 1, 0.2, 0.02, 0.002, 1013};
const QColor kGruen(0, 180, 0);

class Zoom : public testing::Test {
  protected:
    void SetUp() override {
        fenster.show();
        lauf.zeichnen(kStandard, fenster.leinwand(), fenster.etiketten(), ",");
        fenster.setEingabe(kStandard);
        layoutGroesse = fenster.size();
    }

    // The window's picture as the screen shows it.
    QImage schirm() { return fenster.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // A window point of a canvas point in canvas units.
    QPointF imFenster(double X, double Y) const {
        const QPointF m = Massstab(Innengroesse());
        return fenster.imFenster(QPointF(X * m.x(), Y * m.y()));
    }
    // The canvas point (canvas units) under a window point.
    QPointF leinwandpunkt(QPointF imFenster) const {
        const QPointF m = Massstab(Innengroesse());
        const QPointF p = fenster.imInnern(imFenster);
        return {p.x() / m.x(), p.y() / m.y()};
    }

    // How many pixels of a colour a column of the picture holds between two rows.
    static int InSpalte(const QImage& bild, int x, int von, int bis, QColor farbe) {
        int n = 0;
        for (int y = std::max(0, von); y < std::min(bis, bild.height()); ++y)
            n += bild.pixelColor(x, y) == farbe;
        return n;
    }

    void rad(QPointF ort, int stufen) {
        QWheelEvent rad(ort, fenster.mapToGlobal(ort), QPoint(), QPoint(0, 120 * stufen),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&fenster, &rad);
    }

    Diagrammfenster fenster;
    Diagrammlauf lauf;
    QSize layoutGroesse;
};

TEST_F(Zoom, ResizedWindowFillsWithTheChartInItsProportions) {
    const QImage vorher = schirm();
    fenster.resize(layoutGroesse * 2);
    Ausschnitt a = fenster.ansicht();
    EXPECT_DOUBLE_EQ(a.k, 2);
    EXPECT_TRUE(fenster.gesamt()->isHidden());
    QImage bild = schirm();
    // The grid line x = 0.1 runs down the window where the mapping puts it, twice as long.
    const int spalte = static_cast<int>(std::floor(imFenster(6000, 0).x()));
    const int oben = static_cast<int>(imFenster(6000, 0).y());
    const int unten = static_cast<int>(imFenster(6000, 8000).y());
    int gruen = 0;
    for (int dx = -1; dx <= 2; ++dx) gruen += InSpalte(bild, spalte + dx, oben, unten, kGruen);
    EXPECT_GT(gruen, (unten - oben) * 6 / 10);
    // Lines keep their weight: the thick grid line is about twice as wide as at the layout.
    EXPECT_GE(InSpalte(bild, spalte + 1, oben, unten, kGruen) +
                  InSpalte(bild, spalte, oben, unten, kGruen),
              unten - oben);
    // The caption of the total pressure, black, inside its box scaled with the window.
    const QLabel* druck = fenster.etiketten().etikett(Gruppe::txt_PhPa, 0);
    const QRectF box(a.imBild(druck->geometry().topLeft()), QSizeF(druck->size()) * a.k);
    int dunkel = 0;
    for (int y = int(box.top()); y < int(box.bottom()); ++y) {
        for (int x = int(box.left()); x < int(box.right()); ++x)
            dunkel += bild.pixelColor(x, y).lightness() < 80;
    }
    EXPECT_GT(dunkel, 400);

    // Wider than tall: the chart keeps its proportions and stands in the middle.
    fenster.resize(layoutGroesse.width() * 3, layoutGroesse.height() * 2);
    a = fenster.ansicht();
    EXPECT_DOUBLE_EQ(a.k, 2);
    const QPointF seite = a.imBild(-QPointF(Form(kGesamt).topLeft()));  // the layout's corner
    EXPECT_NEAR(seite.x(), layoutGroesse.width() / 2.0, 1e-9);
    EXPECT_NEAR(seite.y(), 0, 1e-9);

    // Smaller than the layout: the whole chart, smaller.
    fenster.resize(layoutGroesse / 2);
    EXPECT_NEAR(fenster.ansicht().k, 0.5, 0.01);
    EXPECT_LT(imFenster(12000, 8000).x(), fenster.width());
    EXPECT_LT(imFenster(12000, 8000).y(), fenster.height());

    // Back at the layout's size the window is pixel for pixel what it was.
    fenster.resize(layoutGroesse);
    EXPECT_FALSE(fenster.gesamt()->isHidden());
    EXPECT_EQ(fenster.gesamt()->geometry(), Form(kGesamt));
    EXPECT_EQ(schirm(), vorher);
}

TEST_F(Zoom, WheelZoomsAroundTheCursorAndCtrlZeroShowsAll) {
    const QPointF cursor = imFenster(3000, 5000);
    rad(cursor, 1);
    EXPECT_DOUBLE_EQ(fenster.zoom(), 1.25);
    // The canvas point under the cursor stayed under it.
    const QPointF unter = leinwandpunkt(cursor);
    EXPECT_NEAR(unter.x(), 3000, 1e-6);
    EXPECT_NEAR(unter.y(), 5000, 1e-6);
    rad(cursor, 3);
    EXPECT_NEAR(fenster.zoom(), std::pow(1.25, 4), 1e-12);
    EXPECT_NEAR(leinwandpunkt(cursor).x(), 3000, 1e-6);
    // Zoomed in, the view is the renderer's, and the canvas line under the cursor is drawn
    // there: the 60 g/kg grid line (X 3600) is green near where the mapping puts it.
    const QPointF gitter = imFenster(3600, 5000);
    QImage bild = schirm();
    int gruen = 0;
    for (int dx = -2; dx <= 2; ++dx)
        gruen += InSpalte(bild, int(gitter.x()) + dx, int(gitter.y()) - 40, int(gitter.y()) + 40,
                          kGruen);
    EXPECT_GT(gruen, 40);
    // Never further out than the whole chart, never further in than the limit.
    rad(cursor, -20);
    EXPECT_EQ(fenster.zoom(), 1);
    EXPECT_FALSE(fenster.gesamt()->isHidden());
    rad(cursor, 40);
    EXPECT_EQ(fenster.zoom(), Diagrammfenster::kZoomHoechstens);
    // The view always covers the window with chart: no blank beyond the layout.
    const Ausschnitt a = fenster.ansicht();
    EXPECT_LE(a.imBild(-QPointF(Form(kGesamt).topLeft())).x(), 0.0);
    fenster.zoomen(std::nan(""));  // no number: nothing happens
    EXPECT_EQ(fenster.zoom(), Diagrammfenster::kZoomHoechstens);

    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    QTest::keyClick(&fenster, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(fenster.zoom(), 1);
    EXPECT_EQ(fenster.gesamt()->geometry(), Form(kGesamt));
    QTest::keyClick(&fenster, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(fenster.zoom(), 1.25);
    QTest::keyClick(&fenster, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(fenster.zoom(), 1);
}

TEST_F(Zoom, MiddleButtonAndSpaceMoveTheZoomedChart) {
    fenster.zoomen(4);
    const QPointF mitte(fenster.width() / 2.0, fenster.height() / 2.0);
    const QPointF vorher = leinwandpunkt(mitte);
    QTest::mousePress(&fenster, Qt::MiddleButton, {}, mitte.toPoint());
    QTest::mouseMove(&fenster, (mitte + QPointF(40, 30)).toPoint());
    QTest::mouseRelease(&fenster, Qt::MiddleButton, {}, (mitte + QPointF(40, 30)).toPoint());
    // The chart moved with the mouse: what was at the middle is 40, 30 pixels further.
    const QPointF danach = leinwandpunkt(mitte + QPointF(40, 30));
    EXPECT_NEAR(danach.x(), vorher.x(), 1e-6);
    EXPECT_NEAR(danach.y(), vorher.y(), 1e-6);

    // The space bar held, the left button moves it too, and a marker there is not dragged.
    Ueberlagerung u;
    u.marken.push_back({"ZUL", leinwandpunkt(mitte), 0});
    fenster.setUeberlagerung(u);
    QSignalSpy gezogen(&fenster, &Diagrammfenster::zustandGezogen);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    QTest::keyPress(&fenster, Qt::Key_Space);
    QWidget* flaeche = fenster.childAt(mitte.toPoint());
    ASSERT_NE(flaeche, nullptr);
    const QPoint p = flaeche->mapFrom(&fenster, mitte.toPoint());
    QTest::mousePress(flaeche, Qt::LeftButton, {}, p);
    QTest::mouseMove(flaeche, p + QPoint(-50, 0));
    QTest::mouseRelease(flaeche, Qt::LeftButton, {}, p + QPoint(-50, 0));
    QTest::keyRelease(&fenster, Qt::Key_Space);
    EXPECT_EQ(gezogen.count(), 0);
    EXPECT_NEAR(leinwandpunkt(mitte - QPointF(50, 0)).x(), u.marken[0].ort.x(), 1e-6);
    // At the whole chart there is nothing to move.
    fenster.ganzesDiagramm();
    fenster.verschieben(QPointF(300, 300));
    EXPECT_EQ(fenster.gesamt()->geometry(), Form(kGesamt));
}

TEST_F(Zoom, DragAndReadOutAtZoomFollowTheMouse) {
    fenster.resize(layoutGroesse * 3 / 2);
    const QPointF ort(6000, 4000);
    Ueberlagerung u;
    u.marken.push_back({"ABL", ort, 0});
    fenster.setUeberlagerung(u);
    fenster.zoomen(3, imFenster(ort.x(), ort.y()));
    QSignalSpy gezogen(&fenster, &Diagrammfenster::zustandGezogen);
    QWidget* flaeche = fenster.childAt(imFenster(ort.x(), ort.y()).toPoint());
    ASSERT_NE(flaeche, nullptr);
    const auto lokal = [&](QPointF imFenster) {
        return flaeche->mapFrom(&fenster, imFenster.toPoint());
    };
    const QPointF start = imFenster(ort.x(), ort.y());
    const QPointF ziel = start + QPointF(-60, 45);
    QTest::mousePress(flaeche, Qt::LeftButton, {}, lokal(start));
    QTest::mouseMove(flaeche, lokal(ziel));
    QTest::mouseRelease(flaeche, Qt::LeftButton, {}, lokal(ziel));
    ASSERT_EQ(gezogen.count(), 1);
    // The state goes to the canvas point under the mouse: at this zoom 60 pixels are less
    // than a fifth of what they are at the layout.
    const QPointF soll = leinwandpunkt(lokal(ziel) + flaeche->mapTo(&fenster, QPoint(0, 0)));
    EXPECT_NEAR(gezogen[0][1].toDouble(), soll.x(), 1e-6);
    EXPECT_NEAR(gezogen[0][2].toDouble(), soll.y(), 1e-6);
    const double proPixel = 12000.0 / (Innengroesse().width() - 1);
    EXPECT_LT(ort.x() - soll.x(), 60 * proPixel / 4);
    EXPECT_GT(ort.x() - soll.x(), 60 * proPixel / 6);

    // The read-out over the marker names it, and beside the cursor.
    QTest::mouseMove(flaeche, lokal(start));
    QLabel* box = fenster.ablesung();
    ASSERT_TRUE(box->isVisible());
    EXPECT_TRUE(box->text().startsWith("ABL\n"));
    EXPECT_LT(std::abs(box->x() - start.x()), 40 + box->width());
    // Off the marker, the values of the canvas point under the cursor.
    QTest::mouseMove(flaeche, lokal(ziel));
    EXPECT_FALSE(box->text().startsWith("ABL"));
    const QString ablesung = box->text();
    fenster.ablesen(fenster.imInnern(lokal(ziel) + flaeche->mapTo(&fenster, QPoint(0, 0))));
    EXPECT_EQ(box->text(), ablesung);
}

TEST_F(Zoom, ExportWritesTheWholeChartOrWhatTheWindowShows) {
    fenster.resize(layoutGroesse * 3 / 2);
    fenster.zoomen(2.5, imFenster(9000, 2000));
    QTemporaryDir ordner;
    const QString sicht = ordner.filePath("sicht.png");
    ASSERT_EQ(DiagrammSpeichern(BildVon(fenster), sicht, 1, fenster.ansicht()), "");
    const QImage bild = QImage(sicht).convertToFormat(QImage::Format_RGB32);
    // The view at the window's pixels is the window's picture.
    const QImage s = schirm();
    ASSERT_EQ(bild.size(), s.size());
    int anders = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) anders += bild.pixel(x, y) != s.pixel(x, y);
    }
    EXPECT_LT(anders, bild.width() * bild.height() / 1000);
    // The whole chart is the chart area as at the layout, whatever the window shows.
    const QString ganz = ordner.filePath("ganz.png");
    ASSERT_EQ(DiagrammSpeichern(fenster, ganz, 1), "");
    EXPECT_EQ(QImage(ganz).size(), Gesamtgroesse());
}

// A part of the interior rasterised on its own has the pixels of the whole image there.
TEST(Rasterausschnitt, HasThePixelsOfTheWholeImage) {
    Diagrammlauf lauf;
    Aufzeichnungsbeschriftung b;
    Leinwand l;
    l.resize(Innengroesse() + QSize(2, 2));
    lauf.zeichnen(kStandard, l, b, ",");
    const QSize ganz = Innengroesse() * 3;
    const QImage alles = Leinwandbild(l.operationen(), Innengroesse(), 3);
    const QRect teil(700, 400, 500, 300);
    const QImage stueck = Leinwandausschnitt(l.operationen(), ganz, 3, teil);
    const QImage soll = alles.copy(teil);
    // Lines cut at the part's edge may step a pixel aside; none goes further or changes colour.
    int fern = 0;
    for (int y = 1; y + 1 < teil.height(); ++y) {
        for (int x = 1; x + 1 < teil.width(); ++x) {
            bool nah = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx)
                    nah |= stueck.pixel(x, y) == soll.pixel(x + dx, y + dy);
            }
            fern += !nah;
        }
    }
    EXPECT_LT(fern, teil.width() * teil.height() / 1000);
    EXPECT_NE(stueck, QImage(stueck.size(), stueck.format()));
}

}  // namespace
}  // namespace lumora
