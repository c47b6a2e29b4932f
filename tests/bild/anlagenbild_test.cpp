// The unit on the chart (its supply window and its hours by mode) and the month bars of its
// year, with their ways out.
#include "bild/anlagenbild.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>

#include "bild/leinwandbild.h"
#include "bild/monatsbalken.h"
#include "bild/ueberlagerung.h"
#include "core/einheiten.h"
#include "core/feldtexte.h"
#include "core/koordinaten.h"
#include "projekt/berechnung.h"

namespace lumora {
namespace {

const QSize kInnen(1200, 800);

// A summer chart: 0 to 40 °C, x to 20 g/kg.
Eingabe Diagramm() { return EingabeLesen({"40", "5", "1", "0.02", "0.002", "0.0005", "1013"}); }

Luftdruck Druck() { return *LuftdruckBei(1013); }

Zustandswerte Zustand(double theta, double xGkg) {
    return *ZustandAusThetaX(Druck(), theta, InKgJeKg(xGkg));
}

QPointF Pixelort(const Eingabe& e, double theta, double xGkg) {
    const Zustandswerte z = Zustand(theta, xGkg);
    const QPointF m = Massstab(kInnen);
    return {KoordX(e, z.x) * m.x(), KoordY(e, z.x, z.h) * m.y()};
}

// A year of six hours by hand: two heated, one dehumidified, three free, in a unit with the
// supply window 18…22 °C and x up to 9 g/kg.
AnlagenErgebnis KleinesJahr() {
    Anlage a;
    a.name = "RLT";
    a.thetaMin = 18;
    a.thetaMax = 22;
    a.xMax = 9;
    Anlagenjahr j;
    const struct {
        double theta, x;
        Betriebsart art;
    } stunden[] = {{2, 3, Betriebsart::Heizen},        {5, 4, Betriebsart::Heizen},
                   {28, 14, Betriebsart::Entfeuchten}, {19, 6, Betriebsart::Frei},
                   {20, 7, Betriebsart::Frei},         {21, 8, Betriebsart::Frei}};
    for (const auto& s : stunden) {
        Anlagenstunde h;
        h.aussen = Zustand(s.theta, s.x);
        h.art = s.art;
        h.gewicht = 1;
        h.monat = 7;
        j.stunden.push_back(h);
    }
    AnlagenErgebnis e;
    e.name = a.name;
    e.anlage = std::make_shared<const Anlage>(a);
    e.jahr = std::make_shared<const Anlagenjahr>(std::move(j));
    return e;
}

// Each hour becomes a dot of its mode, in the mode's colour where it lies; the legend lists
// the modes that occur, and a second picture of the same year on the same chart shares the
// dots instead of placing them again.
TEST(Anlagenbild, TheHoursAreDotsInTheColourOfTheirMode) {
    const Eingabe e = Diagramm();
    const AnlagenErgebnis jahr = KleinesJahr();
    const auto bild = AnlagenbildAus(jahr, Druck(), e);
    ASSERT_TRUE(bild);
    const auto anzahl = [&](Betriebsart a) {
        return (*bild->punkte)[static_cast<std::size_t>(a)].size();
    };
    EXPECT_EQ(anzahl(Betriebsart::Heizen), 2u);
    EXPECT_EQ(anzahl(Betriebsart::Entfeuchten), 1u);
    EXPECT_EQ(anzahl(Betriebsart::Frei), 3u);
    EXPECT_EQ(anzahl(Betriebsart::Kuehlen), 0u);
    EXPECT_EQ(bild->arten(), (std::vector<Betriebsart>{Betriebsart::Entfeuchten,
                                                       Betriebsart::Heizen, Betriebsart::Frei}));

    Ueberlagerung u;
    u.anlage = bild;
    QImage b(kInnen, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::white);
    QPainter p(&b);
    HintergrundMalen(p, u, kInnen);
    p.end();
    const auto farbe = [&](double theta, double x) {
        const QPoint q = Pixelort(e, theta, x).toPoint();
        return b.pixelColor(q);
    };
    EXPECT_EQ(farbe(2, 3), Betriebsartfarbe(Betriebsart::Heizen));
    EXPECT_EQ(farbe(28, 14), Betriebsartfarbe(Betriebsart::Entfeuchten));
    EXPECT_EQ(farbe(35, 3), QColor(Qt::white));  // no hour there

    const auto wieder = AnlagenbildAus(jahr, Druck(), e, bild.get());
    EXPECT_EQ(wieder->punkte, bild->punkte);
    AnlagenErgebnis anderes = KleinesJahr();
    EXPECT_NE(AnlagenbildAus(anderes, Druck(), e, bild.get())->punkte, bild->punkte);
}

// The supply window holds the states between its temperatures and under its x bound; an open
// lower bound of x runs down to x = 0, an open upper one up to saturation.
TEST(Anlagenbild, TheSupplyWindowIsOutlinedWithOpenBoundsToTheEdges) {
    const Eingabe e = Diagramm();
    const QPointF m = Massstab(kInnen);
    const auto drin = [&](const Anlagenbild& a, double theta, double x) {
        QPolygonF rand;
        for (const QPointF& q : a.fenster) rand << QPointF(q.x() * m.x(), q.y() * m.y());
        return rand.containsPoint(Pixelort(e, theta, x), Qt::OddEvenFill);
    };
    AnlagenErgebnis jahr = KleinesJahr();
    const auto bild = AnlagenbildAus(jahr, Druck(), e);
    EXPECT_TRUE(drin(*bild, 20, 7));
    EXPECT_TRUE(drin(*bild, 20, 0.3));  // no lower bound of x
    EXPECT_FALSE(drin(*bild, 20, 10));  // above xmax
    EXPECT_FALSE(drin(*bild, 25, 7));
    EXPECT_FALSE(drin(*bild, 16, 7));

    Anlage offen = *jahr.anlage;
    offen.xMin = 6;
    offen.xMax.reset();
    jahr.anlage = std::make_shared<const Anlage>(offen);
    const auto oben = AnlagenbildAus(jahr, Druck(), e);
    EXPECT_TRUE(drin(*oben, 20, 14.2));  // just below saturation at 20 °C (14.7 g/kg)
    EXPECT_FALSE(drin(*oben, 20, 5));

    // A unit that could not be read draws nothing.
    EXPECT_FALSE(AnlagenbildAus(AnlagenErgebnis{}, Druck(), e));
}

// Every mode has a colour of its own, apart from the chart's lines, the process kinds, the
// series, the zones and the states' markers: a dot is never taken for anything else.
TEST(Anlagenbild, TheModesColoursDifferFromEverythingElseOnTheChart) {
    std::vector<QColor> andere = {QColor(0, 180, 0),    QColor(220, 0, 0),   QColor(255, 0, 0),
                                  QColor(0, 0, 180),    QColor(0, 0, 0),     QColor(0, 110, 200),
                                  QColor(150, 60, 170), QColor(0, 150, 130), QColor(120, 120, 120),
                                  QColor(200, 60, 110), QColor(40, 160, 60), QColor(60, 90, 200),
                                  QColor(190, 120, 0),  kZustandsfarbe,      kZuluftfensterfarbe};
    for (const Prozessfarbe& f : kProzessfarben) andere.push_back(f.farbe);
    const auto abstand = [](QColor a, QColor b) {
        return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
    };
    for (std::size_t i = 0; i < kBetriebsarten; ++i) {
        const QColor c = Betriebsartfarbe(static_cast<Betriebsart>(i));
        for (const QColor& o : andere) {
            EXPECT_GT(abstand(c, o), 60) << "mode " << i << " vs " << o.name().toStdString();
        }
        for (std::size_t k = 0; k < i; ++k) {
            EXPECT_GT(abstand(c, Betriebsartfarbe(static_cast<Betriebsart>(k))), 60)
                << "modes " << k << " and " << i;
        }
    }
}

// The legend of the modes covers no state and no other legend, and none without an hour.
TEST(Anlagenbild, TheLegendLeavesTheStatesFree) {
    const Eingabe e = Diagramm();
    Ueberlagerung u;
    u.anlage = AnlagenbildAus(KleinesJahr(), Druck(), e);
    const QRectF frei = Anlagenlegendenbox(u, kInnen);
    ASSERT_FALSE(frei.isEmpty());
    EXPECT_TRUE(QRectF(QPointF(0, 0), kInnen).contains(frei));
    // A state right where the legend was, and a process legend: it moves away from both.
    const QPointF mitte = frei.center();
    const QPointF m = Massstab(kInnen);
    u.marken = {{"Z", QPointF(mitte.x() / m.x(), mitte.y() / m.y()), 0}};
    u.linien = {{QPointF(2000, 4000), QPointF(8000, 4000), Ueberlagerung::Stil::Prozess,
                 Prozessart::Heizen}};
    u.legende = {Prozessart::Heizen};
    const QRectF box = Anlagenlegendenbox(u, kInnen);
    EXPECT_FALSE(box.contains(mitte));
    EXPECT_FALSE(box.intersects(Legendenbox(u, kInnen)));

    AnlagenErgebnis ohne = KleinesJahr();
    ohne.jahr = std::make_shared<const Anlagenjahr>();
    u.anlage = AnlagenbildAus(ohne, Druck(), e);
    EXPECT_TRUE(Anlagenlegendenbox(u, kInnen).isEmpty());
}

Monatsbalken Balken() {
    Monatsbalken m;
    m.name = "RLT 1";
    for (int i = 0; i < 12; ++i) {
        const auto monat = static_cast<std::size_t>(i);
        m.energie[monat][static_cast<std::size_t>(Komponente::Vorerhitzer)] = 100.0 * (12 - i);
        m.energie[monat][static_cast<std::size_t>(Komponente::Kuehler)] =
            i >= 5 && i <= 7 ? 800 : 0;
    }
    return m;
}

// The bars show only the components that have energy, on an axis that reaches past the
// largest bar in round steps.
TEST(Monatsbalken, OnlyTheComponentsWithEnergyOnARoundAxis) {
    const Monatsbalken m = Balken();
    EXPECT_EQ(m.komponenten(),
              (std::vector<Komponente>{Komponente::Vorerhitzer, Komponente::Kuehler}));
    EXPECT_EQ(m.hoechste(), 1200);
    for (double hoechste : {1200.0, 7.3, 0.04, 98765.0}) {
        const std::vector<double> marken = Achsenmarken(hoechste);
        ASSERT_GE(marken.size(), 2u);
        EXPECT_EQ(marken.front(), 0);
        EXPECT_GE(marken.back(), hoechste);
        EXPECT_LE(marken.size(), 9u);
        EXPECT_LT(marken[marken.size() - 2], hoechste);  // no tick wasted above the top
    }
    EXPECT_EQ(Achsenmarken(0), (std::vector<double>{0, 1}));
    EXPECT_EQ(Achsenmarken(NAN), (std::vector<double>{0, 1}));

    Anlagenjahr j;
    j.monate[0].energie[static_cast<std::size_t>(Komponente::Befeuchter)] = 5;
    const Monatsbalken aus = MonatsbalkenAus("A", j);
    EXPECT_EQ(aus.komponenten(), std::vector<Komponente>{Komponente::Befeuchter});
    EXPECT_EQ(aus.name, "A");
}

// The picture saves as PNG, SVG and PDF: the PNG at twice its size with the bars in their
// colours, the SVG with its texts, the PDF as a PDF; an unknown ending is refused.
TEST(Monatsbalken, SaveAsPngSvgAndPdf) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const Monatsbalken m = Balken();
    const QString png = ordner.filePath("b.png");
    ASSERT_EQ(MonatsbalkenSpeichern(m, png), QString());
    QImage bild(png);
    EXPECT_EQ(bild.size(), kMonatsbalkenGroesse * 2);
    int vor = 0, kuehl = 0, nach = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            vor += c == Komponentenfarbe(Komponente::Vorerhitzer);
            kuehl += c == Komponentenfarbe(Komponente::Kuehler);
            nach += c == Komponentenfarbe(Komponente::Nacherhitzer);
        }
    }
    EXPECT_GT(vor, 4 * kuehl / 3);  // twelve bars against three, if shorter
    EXPECT_GT(kuehl, 1000);
    EXPECT_EQ(nach, 0);

    const QString svg = ordner.filePath("b.svg");
    ASSERT_EQ(MonatsbalkenSpeichern(m, svg), QString());
    QFile s(svg);
    ASSERT_TRUE(s.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(s.readAll());
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("Vorerhitzer"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Kühler")));
    EXPECT_TRUE(text.contains("Dez"));

    const QString pdf = ordner.filePath("b.pdf");
    ASSERT_EQ(MonatsbalkenSpeichern(m, pdf), QString());
    QFile d(pdf);
    ASSERT_TRUE(d.open(QIODevice::ReadOnly));
    EXPECT_TRUE(d.read(5).startsWith("%PDF"));

    EXPECT_FALSE(MonatsbalkenSpeichern(m, ordner.filePath("b.txt")).isEmpty());
    EXPECT_FALSE(QFile::exists(ordner.filePath("b.txt")));
}

}  // namespace
}  // namespace lumora
