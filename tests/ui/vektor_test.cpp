#include <gtest/gtest.h>

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "bild/bilder.h"
#include "bild/zeichnung.h"
#include "chart/diagrammlauf.h"
#include "core/koordinaten.h"
#include "core/strecke.h"
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
        // The painter's own drawing of the runs of paths, smoothed as the renderers smooth.
        png = QImage(fenster.gesamt()->size(), QImage::Format_RGB32);
        QPainter q(&png);
        q.setRenderHint(QPainter::Antialiasing);
        DiagrammMalen(q, fenster, Linienweg::Pfade);
    }

    // Separate lines smooth their edges each on its own, so where lines of one colour meet
    // or cross, the edge pixels are painted twice; a path paints them once and is lighter
    // there. Such a pixel keeps its shade. A line missing, moved, rounded too coarsely or
    // drawn in another order changes a pixel's colour or darkness far more often.
    // With `dunkler`, a shade darker counts as a shade too, and a few pixels where lines of two
    // colours cross may differ: poppler smooths separate lines and paths each its own way. A
    // line missing or moved changes hundreds.
    void Vergleichen(const QImage& bild) const { Vergleichen(png, bild, false); }
    void Vergleichen(const QImage& png, const QImage& bild, bool dunkler) const {
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
                if ((grau || std::min(dh, 360 - dh) < 20) &&
                    (dunkler || b.lightness() > a.lightness())) {
                    ++heller;
                } else {
                    ++anders;
                }
            }
        }
        EXPECT_LE(anders, dunkler ? innen.width() * innen.height() / 10000 : 0);
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

// The PDF, as Qt's writer makes it from the runs of paths, against a PDF of the canvas lines
// drawn one by one, both drawn by poppler at the window's scale: the same renderer shows any
// line that the gathering into runs lost, moved or recoloured.
TEST_P(Vektor, PdfShowsTheLinesOneByOne) {
    const QString pfad = ordner.filePath("chart.pdf");
    ASSERT_EQ(DiagrammSpeichern(fenster, pfad), "");
    const QString vorbild = ordner.filePath("vorbild.pdf");
    {
        QPdfWriter pdf(vorbild);
        pdf.setPageSize(QPageSize(QSizeF(png.size()) * 72.0 / 96, QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        pdf.setResolution(96);
        QPainter p(&pdf);
        const QRect innen = fenster.leinwand().geometry().adjusted(1, 1, -1, -1);
        p.translate(innen.topLeft());
        p.setClipRect(QRect(QPoint(0, 0), innen.size()));
        const QPointF m = Massstab(innen.size());
        for (const Operation& op : fenster.leinwand().operationen()) {
            double x1 = op.x1, y1 = op.y1, x2 = op.x2, y2 = op.y2;
            if (op.art != Operation::Art::line ||
                !StreckeKappen(x1, y1, x2, y2, 0, 0, kLeinwandBreite, kLeinwandHoehe) ||
                (x1 == x2 && y1 == y2)) {
                continue;
            }
            p.setPen(QPen(QColor(op.farbe.r, op.farbe.g, op.farbe.b), op.breite, Qt::SolidLine,
                          Qt::FlatCap));
            p.drawLine(QPointF(x1 * m.x(), y1 * m.y()), QPointF(x2 * m.x(), y2 * m.y()));
        }
        p.drawPixmap(Form(kPicture1), Emblem(34, 26));  // over the lines, in the corner
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
    Vergleichen(erwartet, bild, true);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Diagramme, Vektor, testing::Values(
    Diagramm{"Standard", {200, 10, 1, 0.2, 0.02, 0.002, 1013}},
    Diagramm{"Klein", {50, 10, 5, 0.03, 0.01, 0.005, 1013}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace lumora
