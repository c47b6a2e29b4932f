#include "bild/namen.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "bild/leinwandbild.h"
#include "bild/loesungsbild.h"
#include "bild/projektbild.h"
#include "bild/ueberlagerung.h"
#include "bild/zeichnung.h"
#include "chart/diagrammlauf.h"

namespace lumora {
namespace {

Projekt Beispiel(const std::string& name) {
    std::ifstream datei(std::string(LUMORA_BEISPIELE) + "/" + name + ".lumora");
    std::stringstream text;
    text << datei.rdbuf();
    const auto p = Projekt::Lesen(text.str());
    if (!p) throw std::runtime_error(name + ": " + p.grund());
    return *p;
}

struct Winter {
    Projekt projekt = Beispiel("winterfall");
    Berechnung b = Berechnen(projekt);
    Ueberlagerung u = UeberlagerungAus(projekt, b);
    QSize innen = Innengroesse();

    std::size_t index(const QString& name) const {
        for (std::size_t i = 0; i < u.marken.size(); ++i) {
            if (u.marken[i].name == name) return i;
        }
        ADD_FAILURE() << name.toStdString();
        return 0;
    }
    QPointF pixel(std::size_t i) const {
        const QPointF m = Massstab(innen);
        return {u.marken[i].ort.x() * m.x(), u.marken[i].ort.y() * m.y()};
    }
};

// In the winter example the exhaust air and the supply air are the same state: their names
// would lie on each other. They move apart, clear of every marker, and every other name keeps
// its usual place up and to the right of its marker.
TEST(Namen, WinterExampleSeparatesABLAndZUL) {
    const Winter w;
    const std::size_t abl = w.index("ABL");
    const std::size_t zul = w.index("ZUL");
    const std::vector<Namensplatz> plaetze = Namensplaetze(w.u, w.innen);
    ASSERT_EQ(plaetze.size(), w.u.marken.size());
    // Where each would sit, the two names cover each other.
    const QFont schrift = [] {
        QFont f("Arial");
        f.setPointSizeF(9);
        f.setBold(true);
        return f;
    }();
    const QFontMetricsF masse(schrift);
    EXPECT_TRUE(NamensboxAn(w.pixel(abl) + QPointF(6, -6), "ABL", masse)
                    .intersects(NamensboxAn(w.pixel(zul) + QPointF(6, -6), "ZUL", masse)));
    EXPECT_FALSE(plaetze[abl].box.intersects(plaetze[zul].box));
    const std::vector<QRectF> marken = Markenflaechen(w.u, w.innen);
    for (std::size_t i = 0; i < plaetze.size(); ++i) {
        for (std::size_t j = 0; j < plaetze.size(); ++j) {
            if (i != j) {
                EXPECT_FALSE(plaetze[i].box.intersects(plaetze[j].box))
                    << w.u.marken[i].name.toStdString() << " / "
                    << w.u.marken[j].name.toStdString();
            }
        }
        for (const QRectF& m : marken) EXPECT_FALSE(plaetze[i].box.intersects(m));
    }
    // Each stays nearer its own marker than the other's, so that it reads as its name.
    const auto abstand = [&](std::size_t name, std::size_t marke) {
        return Fuehrungslinie(w.pixel(marke), 0, plaetze[name].box).length();
    };
    EXPECT_LT(abstand(abl, abl), abstand(abl, zul));
    EXPECT_LT(abstand(zul, zul), abstand(zul, abl));
    EXPECT_LT(abstand(zul, zul), 40);
}

// Where the places beside a marker are all taken, a name moves further away and gets a leader
// line; a marker alone keeps its name where names have always been.
TEST(Namen, CrowdedNamesMoveAwayWithALeaderLine) {
    const QSize innen(400, 300);
    const QPointF o(200, 150);
    const QRectF gewohnt(o + QPointF(5, -20), QSizeF(30, 14));
    const auto allein = NamenPlatzieren({o}, {gewohnt}, 4, innen);
    EXPECT_EQ(allein[0].box, gewohnt);
    EXPECT_FALSE(allein[0].abgesetzt);
    // Everything within 30 px around the marker is taken, except the marker itself.
    std::vector<QRectF> meiden{
        QRectF(o.x() - 30, o.y() - 30, 60, 25), QRectF(o.x() - 30, o.y() + 5, 60, 25),
        QRectF(o.x() - 30, o.y() - 5, 25, 10), QRectF(o.x() + 5, o.y() - 5, 25, 10)};
    const auto eng = NamenPlatzieren({o}, {gewohnt}, 4, innen, meiden);
    EXPECT_TRUE(eng[0].abgesetzt);
    for (const QRectF& r : meiden) EXPECT_FALSE(eng[0].box.intersects(r));
    EXPECT_TRUE(QRectF(QPointF(0, 0), QSizeF(innen)).contains(eng[0].box));
    EXPECT_GT(Fuehrungslinie(o, 4, eng[0].box).length(), 0);
}

// The names of the winter example stay readable over the chart: no isotherm or other line
// of the chart reaches the dark pixels of a name, the halo keeps a pixel of light around them.
TEST(Namen, AHaloKeepsTheChartsLinesOffTheNames) {
    const Winter w;
    Aufzeichnungsflaeche flaeche;
    Aufzeichnungsbeschriftung etiketten;
    Diagrammlauf lauf;
    lauf.zeichnen(*w.b.eingabe, flaeche, etiketten, ",");
    QImage bild = Leinwandbild(flaeche.operationen(), w.innen, 1);
    bild = bild.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // The overlay alone, whose opaque dark pixels are the names' glyphs.
    QImage allein(w.innen, QImage::Format_ARGB32_Premultiplied);
    allein.fill(Qt::transparent);
    for (QImage* ziel : {&bild, &allein}) {
        QPainter p(ziel);
        VordergrundMalen(p, w.u, w.innen);
    }
    const auto dunkel = [&](QPoint q) {
        const QColor c = allein.pixelColor(q);
        return c.alpha() == 255 && c.red() < 90 && c.green() < 90 && c.blue() < 90;
    };
    // A pixel of a chart line as drawn: fully in its family's colour (isotherms, fog parts,
    // humidity curves, grid).
    const auto linie = [](QColor c) {
        for (const Farbe& f : linienfarbe::kAlle) {
            if (f == linienfarbe::kSchwarz) continue;
            if (c == QColor(f.r, f.g, f.b)) return true;
        }
        return false;
    };
    int textpixel = 0;
    int gestrichen = 0;
    for (const Namensplatz& n : Namensplaetze(w.u, w.innen)) {
        const QRect box = n.box.toAlignedRect().intersected(bild.rect().adjusted(1, 1, -1, -1));
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                if (!dunkel(QPoint(x, y))) continue;
                ++textpixel;
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                    gestrichen += linie(bild.pixelColor(QPoint(x, y) + d));
            }
        }
    }
    EXPECT_GT(textpixel, 100);  // the names are there
    EXPECT_EQ(gestrichen, 0);
}

// "Lösung zeigen": a solution's name goes where it covers none of the student's names and
// markers, even where its usual place, below and to the right of its circle, is taken.
TEST(Namen, TheSolutionsNamesLeaveTheStudentsFree) {
    const QSize innen(1200, 800);  // a tenth of a pixel per canvas unit
    Ueberlagerung u;
    // The student's state lies just below the solution's, so that the student's name, up and
    // to the right of it, lies where the solution's name would go.
    u.marken = {{"MISCHUNG", QPointF(6000, 4150), 0}};
    u.loesungMarken = {{"LOESUNG", QPointF(6000, 4000), -1}};
    QImage bild(innen, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    {
        QPainter p(&bild);
        VordergrundMalen(p, u, innen);
    }
    const std::vector<Namensplatz> schueler = Namensplaetze(u, innen);
    ASSERT_EQ(schueler.size(), 1u);
    // The student's name box holds no pixel of the solution's colour, and the solution's name
    // is drawn somewhere.
    // (The solution's circle, 5 px around (600, 400), may touch the box's corner.)
    const auto violett = [&](int x, int y) {
        const QColor c = bild.pixelColor(x, y);
        return c.red() > 90 && c.green() < 90 && c.blue() > 110 && std::hypot(x - 600, y - 400) > 7;
    };
    const QRect box = schueler[0].box.toAlignedRect();
    int fremd = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) fremd += violett(x, y);
    }
    EXPECT_EQ(fremd, 0);
    int loesung = 0;
    for (int y = 350; y < 450; ++y) {
        for (int x = 520; x < 700; ++x) loesung += violett(x, y);
    }
    EXPECT_GT(loesung, 20);
}

// A legend goes to a corner that covers no state; where every corner holds one, to the clear
// place nearest the first corner, never over a marker.
TEST(Namen, TheLegendLeavesEveryStateFree) {
    const QSize innen(400, 300);
    const QSizeF groesse(80, 50);
    const std::vector<QPointF> ecken{{314, 20}, {314, 230}, {46, 244}, {46, 20}};
    std::vector<QRectF> marken;
    for (const QPointF& e : ecken) marken.emplace_back(e + QPointF(20, 20), QSizeF(8, 8));
    const QRectF box = FreierPlatz(groesse, ecken, marken, innen);
    ASSERT_FALSE(box.isEmpty());
    for (const QRectF& m : marken) EXPECT_FALSE(box.intersects(m));
    EXPECT_TRUE(QRectF(QPointF(0, 0), QSizeF(innen)).contains(box));
    // A clear first corner wins as it is.
    EXPECT_EQ(FreierPlatz(groesse, ecken, {}, innen), QRectF(ecken[0], groesse));

    // On the chart: a state in each corner of the legend, and the legend still covers none.
    Ueberlagerung u;
    u.legende = {Prozessart::Heizen, Prozessart::Kuehlen};
    const QSize chart = Innengroesse();
    const QPointF m = Massstab(chart);
    for (int i = 0; i < 12; ++i) {
        for (const double y : {300.0, 1200.0, 6000.0, 7300.0}) {
            u.marken.push_back({QString("Z%1").arg(i), QPointF(300 + i * 1000.0, y), -1});
        }
    }
    const QRectF legende = Legendenbox(u, chart);
    ASSERT_FALSE(legende.isEmpty());
    for (const auto& k : u.marken) {
        EXPECT_FALSE(legende.contains(QPointF(k.ort.x() * m.x(), k.ort.y() * m.y())))
            << k.name.toStdString();
    }
}

// A series stands out: its colour's hue lies far from every coloured family of the chart's
// lines, and it is strong enough to be seen on white.
TEST(Namen, SeriesColoursAreNoneOfTheChartsFamilies) {
    for (std::size_t i = 0; i < 5; ++i) {
        const QColor r = Reihenfarbe(i);
        EXPECT_GT(r.hsvSaturationF(), 0.6) << i;
        EXPECT_LT(r.valueF(), 0.85) << i;  // not pale on white
        for (const Farbe& f : linienfarbe::kAlle) {
            const QColor c(f.r, f.g, f.b);
            if (c.hsvHue() < 0) continue;  // black
            const int d = std::abs(r.hsvHue() - c.hsvHue());
            EXPECT_GE(std::min(d, 360 - d), 45) << i << " against " << c.name().toStdString();
        }
        if (i > 0) {
            EXPECT_NE(Reihenfarbe(i), Reihenfarbe(i - 1));
        }
    }
}

}  // namespace
}  // namespace lumora
