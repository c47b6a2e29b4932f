#include <gtest/gtest.h>

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>

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

class Vektor : public testing::TestWithParam<Diagramm> {
  protected:
    void SetUp() override {
        fenster.show();
        Diagrammlauf lauf;
        lauf.zeichnen(GetParam().eingabe, fenster.leinwand(), fenster.etiketten(), ",");
        // The PNG export's drawing, line by line, smoothed as the renderers smooth.
        png = QImage(fenster.gesamt()->size(), QImage::Format_RGB32);
        QPainter q(&png);
        q.setRenderHint(QPainter::Antialiasing);
        DiagrammMalen(q, fenster);
    }

    // Separate lines smooth their edges each on its own, so where lines of one colour meet
    // or cross, the edge pixels are painted twice; a path paints them once and is lighter
    // there. Such a pixel keeps its shade. A line missing, moved, rounded too coarsely or
    // drawn in another order changes a pixel's colour or darkness far more often.
    void Vergleichen(const QImage& bild) const {
        const QRect innen = fenster.leinwand().geometry().adjusted(1, 1, -1, -1);
        int heller = 0, anders = 0;
        for (int y = innen.top(); y <= innen.bottom(); ++y) {
            for (int x = innen.left(); x <= innen.right(); ++x) {
                const QColor a = png.pixelColor(x, y), b = bild.pixelColor(x, y);
                const int d =
                    std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
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

    Diagrammfenster fenster;
    QImage png;
    QTemporaryDir ordner;
};

// The SVG drawn by Qt's own renderer at the window's scale against the PNG export at the same
// scale. The PNG draws every line on its own without anti-aliasing, the renderer smooths the
// paths: edges differ by a shade, so only a clearly different colour counts.
TEST_P(Vektor, SvgShowsThePictureOfThePng) {
    const QString pfad = ordner.filePath("chart.svg");
    ASSERT_EQ(DiagrammSpeichern(fenster, pfad), "");
    QImage svg(png.size(), QImage::Format_RGB32);
    svg.fill(Qt::white);
    QSvgRenderer renderer(pfad);
    ASSERT_TRUE(renderer.isValid());
    QPainter p(&svg);
    renderer.render(&p);
    p.end();
    Vergleichen(svg);
}

// The PDF, whose canvas lines are page operators of its own, against a PDF of the same page
// that the painter draws alone, both drawn by poppler at the window's scale: the same
// renderer shows any line missing, moved or recoloured by the file's own operators.
TEST_P(Vektor, PdfShowsThePictureOfThePaintersPdf) {
    const QString pfad = ordner.filePath("chart.pdf");
    ASSERT_EQ(DiagrammSpeichern(fenster, pfad), "");
    const QString vorbild = ordner.filePath("vorbild.pdf");
    {
        QPdfWriter pdf(vorbild);
        pdf.setPageSize(QPageSize(QSizeF(png.size()) * 72.0 / 96, QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        pdf.setResolution(96);
        QPainter p(&pdf);
        DiagrammMalen(p, fenster);
    }
    const auto zeichnen = [&](const QString& datei) {
        QProcess pdftoppm;
        pdftoppm.start("pdftoppm", {"-r", "96", "-png", "-singlefile", datei, datei});
        pdftoppm.waitForFinished(60000);
        return QImage(datei + ".png").convertToFormat(QImage::Format_RGB32);
    };
    const QImage bild = zeichnen(pfad), erwartet = zeichnen(vorbild);
    if (erwartet.isNull()) GTEST_SKIP() << "pdftoppm not installed";
    ASSERT_EQ(bild.size(), erwartet.size());
    int anders = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QColor a = bild.pixelColor(x, y), b = erwartet.pixelColor(x, y);
            anders += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                std::abs(a.blue() - b.blue())}) > 48;
        }
    }
    EXPECT_EQ(anders, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Diagramme, Vektor, testing::Values(
    Diagramm{"Standard", {200, 10, 1, 0.2, 0.02, 0.002, 1013}},
    Diagramm{"Klein", {50, 10, 5, 0.03, 0.01, 0.005, 1013}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace lumora
