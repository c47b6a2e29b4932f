#include "bild/ueberlagerung.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace lumora {
namespace {

// The canvas (12000 × 8000 units) on 1200 × 800 pixels: a tenth of a pixel per unit.
const QSize kInnen(1200, 800);

// Markers drawn later lie on top and win the click; a click far from every marker hits none.
TEST(Ueberlagerung, TheMarkerOnTopWinsTheClick) {
    Ueberlagerung u;
    u.marken = {{"A", QPointF(6000, 4000), 0},
                {"B", QPointF(6000, 4000), 1},
                {"C", QPointF(1000, 1000), -1}};
    EXPECT_EQ(MarkeBei(u, kInnen, QPointF(600, 400)), 1u);
    EXPECT_EQ(MarkeBei(u, kInnen, QPointF(100, 100)), 2u);
    EXPECT_FALSE(MarkeBei(u, kInnen, QPointF(900, 700)));
}

// A process line in the colour of its kind, with its arrowhead at the end; the legend box
// appears with a process and stays inside the canvas.
TEST(Ueberlagerung, ProcessLinesInTheirKindsColour) {
    Ueberlagerung u;
    u.linien = {{QPointF(2000, 4000), QPointF(8000, 4000), Ueberlagerung::Stil::Prozess,
                 Prozessart::Heizen}};
    u.legende = {Prozessart::Heizen};
    QImage bild(kInnen, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    QPainter p(&bild);
    VordergrundMalen(p, u, kInnen);
    p.end();
    // The 2 px shaft covers the pixel row 399 fully, the rows beside it by half; the arrowhead,
    // wider than the shaft, fills row 400 too near the end, and the line stops before x = 800.
    const QColor farbe = Linienfarbe(Prozessart::Heizen);
    EXPECT_EQ(bild.pixelColor(500, 399), farbe);
    EXPECT_NE(bild.pixelColor(500, 400), farbe);
    EXPECT_EQ(bild.pixelColor(788, 400), farbe);
    EXPECT_EQ(bild.pixelColor(799, 399), QColor(Qt::white));
    EXPECT_EQ(bild.pixelColor(150, 399), QColor(Qt::white));  // before the line's start
    const QRectF box = Legendenbox(u, kInnen);
    EXPECT_FALSE(box.isEmpty());
    EXPECT_TRUE(QRectF(QPointF(0, 0), kInnen).contains(box));
    EXPECT_TRUE(Legendenbox(Ueberlagerung{}, kInnen).isEmpty());
}

}  // namespace
}  // namespace lumora
