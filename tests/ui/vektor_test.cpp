#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "chart/diagrammlauf.h"
#include "ui/ausgabe.h"
#include "ui/diagrammfenster.h"
#include "ui/leinwand.h"

namespace lumora {
namespace {

struct Diagramm {
    const char* name;
    Eingabe eingabe;
};

class Vektor : public testing::TestWithParam<Diagramm> {};

// The SVG drawn by Qt's own renderer at the window's scale against the PNG export at the same
// scale. The PNG draws every line on its own without anti-aliasing, the renderer smooths the
// paths: edges differ by a shade, so only a clearly different colour counts.
TEST_P(Vektor, SvgShowsThePictureOfThePng) {
    Diagrammfenster fenster;
    fenster.show();
    Diagrammlauf lauf;
    lauf.Lauf(GetParam().eingabe, fenster.leinwand(), fenster.etiketten(), ",");
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("chart.svg");
    ASSERT_EQ(DiagrammSpeichern(fenster, pfad), "");

    // The PNG export's drawing, line by line, smoothed as the renderer smooths.
    QImage png(fenster.gesamt()->size(), QImage::Format_RGB32);
    QPainter q(&png);
    q.setRenderHint(QPainter::Antialiasing);
    DiagrammMalen(q, fenster);
    q.end();
    QImage svg(png.size(), QImage::Format_RGB32);
    svg.fill(Qt::white);
    QSvgRenderer renderer(pfad);
    ASSERT_TRUE(renderer.isValid());
    QPainter p(&svg);
    renderer.render(&p);
    p.end();

    // Separate lines smooth their edges each on its own, so where lines of one colour meet
    // or cross, the edge pixels are painted twice; a path paints them once and is lighter
    // there. Such a pixel keeps its shade. A line missing, moved, rounded too coarsely or
    // drawn in another order changes a pixel's colour or darkness far more often.
    const QRect innen = fenster.leinwand().geometry().adjusted(1, 1, -1, -1);
    int heller = 0, anders = 0;
    for (int y = innen.top(); y <= innen.bottom(); ++y) {
        for (int x = innen.left(); x <= innen.right(); ++x) {
            const QColor a = png.pixelColor(x, y), b = svg.pixelColor(x, y);
            const int d = std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                    std::abs(a.blue() - b.blue())});
            if (d <= 48) continue;
            const bool grau = a.hsvSaturation() < 40 && b.hsvSaturation() < 40;
            const int dh = std::abs(a.hsvHue() - b.hsvHue());
            if ((grau || std::min(dh, 360 - dh) < 20) && b.lightness() > a.lightness()) {
                ++heller;
            } else {
                ++anders;
            }
        }
    }
    EXPECT_EQ(anders, 0);
    EXPECT_LT(heller, innen.width() * innen.height() / 500);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Diagramme, Vektor, testing::Values(
    Diagramm{"Standard", {200, 10, 1, 0.2, 0.02, 0.002, 1013}},
    Diagramm{"Klein", {50, 10, 5, 0.03, 0.01, 0.005, 1013}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace lumora
