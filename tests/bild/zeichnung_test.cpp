#include "bild/zeichnung.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <array>
#include <map>
#include <tuple>
#include <vector>

#include "bild/einheiten.h"
#include "chart/aufzeichnung.h"
#include "chart/diagrammlauf.h"
#include "datei/sprache.h"

namespace lumora {
namespace {

constexpr Farbe kRot{255, 0, 0};

// Red pixels of an image, to tell canvas lines from labels and frame.
int Rote(const QImage& bild, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) n += bild.pixel(x, y) == qRgb(255, 0, 0);
    }
    return n;
}

// A horizontal red line across the middle of the canvas.
const std::vector<Operation> kLinie{{Operation::Art::line, 0, 4000, 12000, 4000, kRot, 1}};

// The picture has the window's size at every scale, its frame where the layout puts it, and a
// canvas line inside it; at twice the scale it has twice the pixels.
TEST(Zeichnung, FrameAndCanvasWhereTheLayoutPutsThem) {
    const Aufzeichnungsbeschriftung etiketten;
    const Ueberlagerung leer;
    const Diagrammbild b{kLinie, etiketten, leer};
    const QImage einfach = DiagrammBild(b, 1);
    ASSERT_EQ(einfach.size(), Gesamtgroesse());
    const QRect rahmen = Leinwandrahmen();
    EXPECT_EQ(einfach.pixel(rahmen.topLeft()), qRgb(0, 0, 0));
    EXPECT_EQ(einfach.pixel(rahmen.bottomRight()), qRgb(0, 0, 0));
    EXPECT_EQ(einfach.pixel(rahmen.topLeft() - QPoint(2, 2)), qRgb(255, 255, 255));
    EXPECT_EQ(Innengroesse(), rahmen.size() - QSize(2, 2));
    // The line, about as long as the canvas is wide, and nothing red outside the frame.
    const int rot = Rote(einfach, rahmen);
    EXPECT_GE(rot, Innengroesse().width() - 2);
    EXPECT_EQ(Rote(einfach, einfach.rect()), rot);

    const QImage doppelt = DiagrammBild(b, 2);
    EXPECT_EQ(doppelt.size(), Gesamtgroesse() * 2);
    EXPECT_GE(Rote(doppelt, doppelt.rect()), 2 * rot - 4);
}

// A label's box is filled white over the canvas, and a label shown later lies over an earlier.
TEST(Zeichnung, LabelsCoverTheLinesAndTheLaterTheEarlier) {
    Aufzeichnungsbeschriftung etiketten;
    const Ueberlagerung leer;
    const Gruppenlayout& g = kGruppen[0];
    const QRect innen(Leinwandrahmen().topLeft() + QPoint(1, 1), Innengroesse());
    const Diagrammbild ohne{kLinie, etiketten, leer};
    const int rot = Rote(DiagrammBild(ohne, 1), innen);
    // Both labels over the middle of the line, in form units of the chart area.
    const QPoint mitte = innen.center();
    for (int n : {0, 1}) {
        etiketten.setText(g.gruppe, n, n ? "222" : "111");
        etiketten.setLeft(g.gruppe, n, static_cast<float>(mitte.x() * 15) / kFormProFlaecheX);
        etiketten.setTop(g.gruppe, n, static_cast<float>((mitte.y() - 5) * 15) / kFormProFlaecheY);
        etiketten.setVisible(g.gruppe, n, true);
    }
    const QImage mit = DiagrammBild({kLinie, etiketten, leer}, 1);
    EXPECT_LT(Rote(mit, innen), rot);
    // The later label's text is what shows: the box of "222" drawn alone looks the same.
    Aufzeichnungsbeschriftung allein;
    allein.setText(g.gruppe, 1, "222");
    allein.setLeft(g.gruppe, 1, etiketten.etikett(g.gruppe, 1).left);
    allein.setTop(g.gruppe, 1, etiketten.etikett(g.gruppe, 1).top);
    allein.setVisible(g.gruppe, 1, true);
    const QImage nurZwei = DiagrammBild({kLinie, allein, leer}, 1);
    EXPECT_EQ(mit, nurZwei);
}

// Vector paths and the raster give the same lines: about as many pixels, in the same place.
TEST(Zeichnung, PathsAndRasterDrawTheSameLines) {
    const Aufzeichnungsbeschriftung etiketten;
    const Ueberlagerung leer;
    const Diagrammbild b{kLinie, etiketten, leer};
    const QImage raster = DiagrammBild(b, 1);
    QImage pfade(Gesamtgroesse(), QImage::Format_RGB32);
    QPainter p(&pfade);
    DiagrammMalen(p, b, Linienweg::Pfade);
    p.end();
    const int r = Rote(raster, raster.rect());
    const int v = Rote(pfade, pfade.rect());
    EXPECT_NEAR(v, r, r / 10);
}

// The chart's words in English fit the boxes of their labels wherever the German ones do, at
// the widest numbers the grid gives: a label cut off by its box would show half a word.
TEST(Zeichnung, EnglishLabelsFitTheirBoxesWhereTheGermanOnesDo) {
    const std::array<Eingabe, 2> eingaben{Eingabe{200, 10, 1, 0.2, 0.02, 0.002, 1013},
                                          Eingabe{40, 5, 1, 0.012, 0.002, 0.0005, 99999}};
    std::map<std::tuple<std::size_t, int, int>, double> deutsch;  // the German width of a label
    for (const Sprache sprache : {Sprache::Deutsch, Sprache::Englisch}) {
        const Sprachwahl wahl(sprache);
        for (std::size_t i = 0; i < eingaben.size(); ++i) {
            const Eingabe& e = eingaben[i];
            Aufzeichnungsflaeche flaeche;
            Aufzeichnungsbeschriftung etiketten;
            Diagrammlauf().zeichnen(e, flaeche, etiketten, ".");
            for (const Gruppenlayout& g : kGruppen) {
                const QFontMetricsF masse(Etikettenschrift(g));
                for (int n = 0; n < g.anzahl; ++n) {
                    const auto& etikett = etiketten.etikett(g.gruppe, n);
                    if (!etikett.sichtbar) continue;
                    // Blanks at the ends show nothing, whatever the box cuts of them.
                    const double breite =
                        masse.horizontalAdvance(QString::fromStdString(etikett.text).trimmed());
                    double& grenze = deutsch[{i, static_cast<int>(g.gruppe), n}];
                    if (sprache == Sprache::Deutsch) {
                        grenze = std::max({grenze, breite, double(Pixel(g.breite))});
                    } else {
                        EXPECT_LE(breite, grenze) << g.name << " \"" << etikett.text << "\"";
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace lumora
