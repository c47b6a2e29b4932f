#include "bild/karte.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "bild/leinwandbild.h"
#include "bild/projektbild.h"
#include "bild/zeichnung.h"
#include "core/einheiten.h"
#include "core/feuchte_luft.h"
#include "core/koordinaten.h"
#include "projekt/berechnung.h"
#include "tests/bild/wetterjahrprojekt.h"

namespace lumora {
namespace {

const std::string kProjekt = test::Wetterjahrprojekt(
    R"(,
     "zeitfenster": {"monate": [5, 9]}, "haeufigkeitskarte": true)");

Projekt Lesen(bool karte = true) {
    const auto gelesen = Projekt::Lesen(kProjekt);
    EXPECT_TRUE(gelesen) << gelesen.grund();
    Projekt p = *gelesen;
    if (!karte) {
        Json e = p.eintrag(Liste::Messreihen, 0);
        e.erase("haeufigkeitskarte");
        p.ersetzen(Liste::Messreihen, 0, e);
    }
    return p;
}

// The canvas point of a corner of a class: ϑ [°C], x [g/kg].
QPointF Ecke(const Eingabe& e, double theta, double xGkg) {
    const double x = InKgJeKg(xGkg);
    return {KoordX(e, x), KoordY(e, x, Enthalpie(theta, x))};
}

TEST(Haeufigkeitskarte, ClassesInsteadOfDotsBetweenTheirIsothermsAndLinesOfConstantX) {
    const Projekt p = Lesen();
    const Berechnung b = Berechnen(p);
    ASSERT_TRUE(b.eingabe);
    const Ueberlagerung u = UeberlagerungAus(p, b);
    EXPECT_TRUE(u.reihen.empty());
    ASSERT_EQ(u.karten.size(), 1u);
    const Haeufigkeitskarte& k = u.karten[0];
    EXPECT_EQ(k.name, "Jahr");
    EXPECT_EQ(k.hoechste, 3);
    ASSERT_EQ(k.felder.size(), 2u);  // sorted by ϑ: 15…16 first
    EXPECT_EQ(k.felder[0].stunden, 1);
    EXPECT_EQ(k.felder[1].stunden, 3);
    const Eingabe& e = *b.eingabe;
    const QPolygonF soll{Ecke(e, 20, 8), Ecke(e, 20, 9), Ecke(e, 21, 9), Ecke(e, 21, 8)};
    ASSERT_EQ(k.felder[1].ecken.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(k.felder[1].ecken[i].x(), soll[i].x(), 1e-9) << i;
        EXPECT_NEAR(k.felder[1].ecken[i].y(), soll[i].y(), 1e-9) << i;
    }
    // The isotherm edges are not level: the chart's skew tilts them.
    EXPECT_GT(std::abs(soll[0].y() - soll[1].y()), 1);

    // Without the switch the same year is dots, the four hours inside its window.
    const Projekt punkte = Lesen(false);
    const Ueberlagerung v = UeberlagerungAus(punkte, Berechnen(punkte));
    EXPECT_TRUE(v.karten.empty());
    ASSERT_EQ(v.reihen.size(), 1u);
    EXPECT_EQ(v.reihen[0].punkte->size(), 4u);
    // With no hour in its window, neither; nor a legend of hours.
    Projekt leer = Lesen();
    Json eintrag = leer.eintrag(Liste::Messreihen, 0);
    eintrag["zeitfenster"] = Json::parse(R"({"monate": [2, 2]})");
    leer.ersetzen(Liste::Messreihen, 0, eintrag);
    const Ueberlagerung ohneStunden = UeberlagerungAus(leer, Berechnen(leer));
    EXPECT_TRUE(ohneStunden.karten.empty() && ohneStunden.reihen.empty());
    // Hidden, it is neither.
    Projekt versteckt = Lesen();
    versteckt.setSichtbar(0, false);
    const Ueberlagerung w = UeberlagerungAus(versteckt, Berechnen(versteckt));
    EXPECT_TRUE(w.karten.empty() && w.reihen.empty());
}

TEST(Haeufigkeitskarte, ScaleFromLightToDarkWithRoundTicks) {
    const auto hell = [](QColor c) { return c.red() * 299 + c.green() * 587 + c.blue() * 114; };
    for (int i = 0; i < 10; ++i) {
        EXPECT_GT(hell(Kartenfarbe(i / 10.0)), hell(Kartenfarbe((i + 1) / 10.0))) << i;
    }
    EXPECT_EQ(Kartenfarbe(-1), Kartenfarbe(0));
    EXPECT_EQ(Kartenfarbe(NAN), Kartenfarbe(0));
    EXPECT_EQ(Kartenfarbe(2), Kartenfarbe(1));
    EXPECT_EQ(Skalenmarken(1), (std::vector<double>{0, 1}));
    EXPECT_EQ(Skalenmarken(8), (std::vector<double>{0, 2, 4, 6, 8}));
    EXPECT_EQ(Skalenmarken(41), (std::vector<double>{0, 20, 41}));
    EXPECT_EQ(Skalenmarken(195), (std::vector<double>{0, 50, 100, 150, 195}));
    EXPECT_EQ(Skalenmarken(0), (std::vector<double>{0}));
}

// The colour of the map over white, as its opacity shows it.
QColor UeberWeiss(QColor c) {
    const auto mischen = [](int v) {
        return (v * kKartenDeckung + 255 * (255 - kKartenDeckung)) / 255;
    };
    return QColor(mischen(c.red()), mischen(c.green()), mischen(c.blue()));
}

int Naehe(QColor a, QColor b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

// Pixels of the colour soll in a box of 7 x 7 around p.
int Treffer(const QImage& bild, QPoint p, QColor soll) {
    int n = 0;
    for (int dy = -3; dy <= 3; ++dy) {
        for (int dx = -3; dx <= 3; ++dx) n += Naehe(bild.pixelColor(p + QPoint(dx, dy)), soll) < 12;
    }
    return n;
}

TEST(Haeufigkeitskarte, EveryExportCarriesItUnderTheStatesWithItsLegend) {
    const Projekt p = Lesen();
    const Berechnung b = Berechnen(p);
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString png = ordner.filePath("karte.png");
    ASSERT_EQ(ProjektbildSchreiben(p, b, png), QString());
    const QImage bild(png);
    ASSERT_FALSE(bild.isNull());
    const double skala = static_cast<double>(bild.width()) / Gesamtgroesse().width();
    const QPointF m = Massstab(Innengroesse());
    const auto pixel = [&](QPointF canvas) {
        const QPointF innen = QPointF(Leinwandrahmen().topLeft() + QPoint(1, 1)) +
                              QPointF(canvas.x() * m.x(), canvas.y() * m.y());
        return (innen * skala).toPoint();
    };
    const Eingabe& e = *b.eingabe;
    // The quiet class in its colour; the busy one in the darkest, beside the state's marker,
    // which lies over it in its own orange.
    EXPECT_GE(Treffer(bild, pixel(Ecke(e, 15.5, 6.5)), UeberWeiss(Kartenfarbe(1.0 / 3))), 25);
    EXPECT_GE(Treffer(bild, pixel(Ecke(e, 20.8, 8.2)), UeberWeiss(Kartenfarbe(1))), 25);
    EXPECT_EQ(bild.pixelColor(pixel(Ecke(e, 20.5, 8.5))), kZustandsfarbe);
    // Away from the classes the chart is as before.
    EXPECT_EQ(Treffer(bild, pixel(Ecke(e, 30.5, 3.5)), UeberWeiss(Kartenfarbe(1))), 0);

    // The vector file: the map's darkest fill before the marker's, and the legend's title.
    const QString svg = ordner.filePath("karte.svg");
    ASSERT_EQ(ProjektbildSchreiben(p, b, svg), QString());
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    const qsizetype karte = text.indexOf("fill=\"" + Kartenfarbe(1).name() + "\"");
    const qsizetype marke = text.indexOf("fill=\"" + kZustandsfarbe.name() + "\"");
    ASSERT_GE(karte, 0);
    ASSERT_GE(marke, 0);
    EXPECT_LT(karte, marke);
    EXPECT_TRUE(text.contains("Stunden je Klasse"));

    // A project without a weather year draws no legend of hours.
    Projekt ohne = p;
    ohne.entfernen(Liste::Messreihen, 0);
    const Ueberlagerung u = UeberlagerungAus(ohne, Berechnen(ohne));
    EXPECT_TRUE(u.karten.empty());
    EXPECT_TRUE(Kartenlegendenbox(u, Innengroesse()).isEmpty());
}

// The legend of hours keeps clear of the legend of process kinds and of the classes.
TEST(Haeufigkeitskarte, LegendLeavesTheOtherLegendAndTheMapFree) {
    const Projekt p = Lesen();
    Ueberlagerung u = UeberlagerungAus(p, Berechnen(p));
    u.legende = {Prozessart::Heizen, Prozessart::Kuehlen};
    const QSize innen = Innengroesse();
    const QRectF prozesse = Legendenbox(u, innen);
    const QRectF stunden = Kartenlegendenbox(u, innen);
    ASSERT_FALSE(prozesse.isEmpty());
    ASSERT_FALSE(stunden.isEmpty());
    EXPECT_FALSE(prozesse.intersects(stunden));
    EXPECT_TRUE(QRectF(QPointF(0, 0), innen).contains(stunden));
    for (const QRectF& feld : Kartenflaechen(u.karten, Massstab(innen))) {
        EXPECT_FALSE(stunden.intersects(feld));
        EXPECT_FALSE(prozesse.intersects(feld));
    }
}

}  // namespace
}  // namespace lumora
