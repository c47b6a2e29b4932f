#include "ui/diagrammfenster.h"

#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>

#include "chart/aufzeichnung.h"
#include "chart/diagrammlauf.h"
#include "core/koordinaten.h"
#include "core/version.h"
#include "ui/anfangsdialog.h"
#include "ui/leinwand.h"
#include "ui/ueberlagerung.h"

namespace lumora {
namespace {

const Eingabe kStandard{200, 10, 1, 0.2, 0.02, 0.002, 1013};

// Whether a pixel of the given colour lies within one pixel of canvas point (X, Y).
bool FarbeNahe(const QImage& bild, double X, double Y, QColor farbe) {
    const int px = static_cast<int>(std::lround(X * (bild.width() - 1) / 12000));
    const int py = static_cast<int>(std::lround(Y * (bild.height() - 1) / 8000));
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (bild.valid(px + dx, py + dy) && bild.pixelColor(px + dx, py + dy) == farbe) {
                return true;
            }
        }
    }
    return false;
}

class Fenster : public testing::Test {
  protected:
    void drucken(const Eingabe& e = kStandard) {
        fenster.show();
        lauf.zeichnen(e, fenster.leinwand(), fenster.etiketten(), ",");
    }
    Diagrammfenster fenster;
    Diagrammlauf lauf;
};

TEST_F(Fenster, LayoutWhenCreated) {
    EXPECT_EQ(fenster.size(), QSize(1016, 734));  // 15240 x 11010 form units
    EXPECT_EQ(fenster.windowTitle(), QString::fromUtf8("Lumora  ") + kVersionsText + "   " +
                                         QString::fromStdString(Stand()) + "  -  h,x-Diagramm");
    EXPECT_EQ(fenster.gesamt()->geometry(), QRect(4, 4, 1009, 733));
    EXPECT_EQ(fenster.leinwand().geometry(), QRect(46, 20, 919, 677));
    EXPECT_EQ(fenster.leinwand().innenGroesse(), QSize(917, 675));
    const auto* emblem = fenster.leinwand().findChild<QLabel*>("Picture1");
    EXPECT_EQ(emblem->geometry(), QRect(873, 641, 34, 26));
    EXPECT_EQ(fenster.gesamt()->findChild<QLabel*>("Picture2")->geometry(),
              QRect(970, 552, 24, 143));
    for (const Gruppenlayout& g : kGruppen) {
        for (int n = 0; n < g.anzahl; ++n) {
            EXPECT_TRUE(fenster.etiketten().etikett(g.gruppe, n)->isHidden()) << g.name << n;
        }
    }
    const QLabel* rF6 = fenster.etiketten().etikett(Gruppe::txt_rF, 6);
    EXPECT_EQ(rF6->text(), "5 %");
    EXPECT_EQ(rF6->x(), 14580 / 15);
    EXPECT_EQ(rF6->size(), QSize(37, 15));
    EXPECT_EQ(rF6->font().pointSizeF(), 9);
}

TEST_F(Fenster, CanvasShowsGridIsothermAndSaturationLine) {
    drucken();
    const QImage& bild = fenster.leinwand().bild();
    if (qEnvironmentVariableIsSet("LUMORA_BILD"))
        fenster.grab().save(qEnvironmentVariable("LUMORA_BILD"));
    ASSERT_EQ(bild.size(), QSize(917, 675));
    // The water-content line x = 0.1 is green over most of its height.
    int gruen = 0;
    const int spalte = static_cast<int>(std::lround(6000.0 * 916 / 12000));
    for (int y = 0; y < bild.height(); ++y)
        gruen += bild.pixelColor(spalte, y) == QColor(0, 180, 0);
    EXPECT_GT(gruen, bild.height() * 6 / 10);  // crossed by many other lines
    // The 100 °C isotherm runs from (0, 4000) to the right edge at Y 2492.
    const double y100 = KoordY(kStandard, 0.2, Enthalpie(100, 0.2));
    EXPECT_TRUE(FarbeNahe(bild, 3000, 4000 + (y100 - 4000) * 0.25, QColor(220, 0, 0)));
    // The saturation line passes the saturated state at 30 °C.
    Zustand z;
    z.Pges = 1013;
    z.theta = 30;
    z.Saettigungsdruck();
    z.pD = z.pS;
    z.Wassergehalt();
    const double h = Enthalpie(30, z.x);
    EXPECT_TRUE(
        FarbeNahe(bild, KoordX(kStandard, z.x), KoordY(kStandard, z.x, h), QColor(0, 0, 180)));
    // What is painted on screen is the backing image, inside the frame.
    const QImage schirm = fenster.leinwand().grab().toImage();
    EXPECT_EQ(schirm.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(schirm.pixelColor(1 + spalte, 300), bild.pixelColor(spalte, 300));
}

TEST_F(Fenster, LabelsStandWhereTheRunPutsThem) {
    drucken();
    const QLabel* null = fenster.etiketten().etikett(Gruppe::txt_Temp, 0);
    EXPECT_TRUE(null->isVisible());
    EXPECT_EQ(null->text(), QString::fromUtf8(" 0°C"));
    EXPECT_EQ(null->pos(), QPoint(8, 688));  // area (104.66, 8066) in form units / 15
    const QLabel* druck = fenster.etiketten().etikett(Gruppe::txt_PhPa, 0);
    EXPECT_EQ(druck->text(), "Gesamtdruck  =  1013  hPa");
    EXPECT_EQ(druck->pos(), QPoint(50, 0));
    const QLabel* x10 = fenster.etiketten().etikett(Gruppe::txt_X, 10);
    EXPECT_EQ(x10->text(), "0,2 kg/kg");
    EXPECT_EQ(x10->pos(), QPoint(std::lround(12150 * 1.1465904 / 15), 702));

    // Each right-edge humidity label stands beside its curve's crossing with x = Xmax.
    const auto& r = lauf.rand();
    const double h =
        *RechtsKreuzung(kStandard, r.xLetzt[0], r.hLetzt[0], r.xAusRechts[0], r.hAusRechts[0]);
    const double Y = KoordY(kStandard, 0.2, h);
    const QLabel* hundert = fenster.etiketten().etikett(Gruppe::txt_rF, 0);
    const QPoint kreuzung =
        fenster.leinwand().mapTo(fenster.gesamt(), QPoint(918, 1 + Y * 674 / 8000));
    EXPECT_NEAR(hundert->y() + hundert->height() / 2, kreuzung.y(), 12);
    EXPECT_GT(hundert->x(), kreuzung.x());
    EXPECT_LT(hundert->x() - kreuzung.x(), 20);

    // A second press with fewer labels leaves none of the first behind.
    Eingabe e = kStandard;
    e.DeltaXgross = 0.04;
    drucken(e);
    EXPECT_TRUE(fenster.etiketten().etikett(Gruppe::txt_X, 5)->isVisible());
    EXPECT_FALSE(fenster.etiketten().etikett(Gruppe::txt_X, 6)->isVisible());
}

TEST_F(Fenster, HumidityLabelsStandBesideTheirCurvesInTheImage) {
    drucken();
    const QImage bild = fenster.grab().toImage();
    const QPoint innen = fenster.leinwand().mapTo(&fenster, QPoint(1, 1));
    const QSize groesse = fenster.leinwand().innenGroesse();
    auto blau = [&](int x, int y) { return bild.pixelColor(x, y) == QColor(0, 0, 180); };
    // 100 % to 10 % leave through the right edge: a blue curve meets the last column of
    // the canvas within a few pixels of each label's middle.
    for (int k = 0; k <= 5; ++k) {
        const QLabel* l = fenster.etiketten().etikett(Gruppe::txt_rF, k);
        ASSERT_TRUE(l->isVisible()) << k;
        const int mitte = l->mapTo(&fenster, QPoint(0, l->height() / 2)).y();
        bool getroffen = false;
        for (int y = mitte - 8; y <= mitte + 8; ++y)
            getroffen |= blau(innen.x() + groesse.width() - 1, y);
        EXPECT_TRUE(getroffen) << "txt_rF " << k;
    }
    // 5 %, 2 % and 1 % leave through the top edge, under their labels.
    for (int k = 6; k <= 8; ++k) {
        const QLabel* l = fenster.etiketten().etikett(Gruppe::txt_rFo, k);
        ASSERT_TRUE(l->isVisible()) << k;
        const int mitte = l->mapTo(&fenster, QPoint(l->width() / 2, 0)).x();
        bool getroffen = false;
        for (int x = mitte - 30; x <= mitte + 10; ++x) getroffen |= blau(x, innen.y());
        EXPECT_TRUE(getroffen) << "txt_rFo " << k;
    }
}

// A canvas whose device pixel ratio the test sets, as a move to another screen would.
class Verhaeltnisleinwand : public Leinwand {
  public:
    qreal verhaeltnis = 1;

  protected:
    qreal pixelverhaeltnis() const override { return verhaeltnis; }
};

TEST_F(Fenster, DrawingSurvivesAResizeOfTheBackingImage) {
    // Drawn small at ratio 1, then shown larger at ratio 2: the image is drawn anew from
    // the kept operations and equals one drawn at that size and ratio from the start.
    Aufzeichnungsbeschriftung beschriftung;
    Verhaeltnisleinwand umgezogen;
    umgezogen.resize(302, 202);
    Diagrammlauf{}.zeichnen(kStandard, umgezogen, beschriftung, ",");
    umgezogen.verhaeltnis = 2;
    umgezogen.resize(502, 352);
    umgezogen.grab();  // a paint fits the image
    Verhaeltnisleinwand frisch;
    frisch.verhaeltnis = 2;
    frisch.resize(502, 352);
    Diagrammlauf{}.zeichnen(kStandard, frisch, beschriftung, ",");
    EXPECT_EQ(umgezogen.bild().size(), QSize(1000, 700));
    EXPECT_EQ(umgezogen.bild().devicePixelRatio(), 2);
    QImage weiss(umgezogen.bild().size(), umgezogen.bild().format());
    weiss.fill(Qt::white);
    EXPECT_NE(umgezogen.bild(), weiss);
    EXPECT_EQ(umgezogen.bild(), frisch.bild());

    // Pressing again first clears the list with the white box.
    drucken();
    drucken();
    EXPECT_EQ(fenster.leinwand().operationen().size(), 1u + 1789u);
}

}  // namespace
}  // namespace lumora

namespace lumora {
namespace {

// The enthalpy labels: on the left edge from the top-left corner down, below 0 °C on a winter
// chart too, and along the top edge; never two overlapping on one edge.
TEST(Enthalpieetiketten, ThinnedAlongTheirEdges) {
    const auto pruefen = [](const Eingabe& e, QSize innen) {
        const auto etiketten = Enthalpieetiketten(e, innen);
        for (std::size_t i = 1; i < etiketten.size(); ++i) {
            EXPECT_FALSE(etiketten[i].box.intersects(etiketten[i - 1].box))
                << etiketten[i].text.toStdString();
            EXPECT_TRUE(QRectF(0, 0, innen.width(), innen.height()).contains(etiketten[i].box));
        }
        return etiketten;
    };
    Eingabe e{200, 10, 1, 0.2, 0.02, 0.002, 1013};
    auto gross = pruefen(e, QSize(1000, 667));
    ASSERT_FALSE(gross.empty());
    EXPECT_EQ(gross.front().text, "h = 200 kJ/kg");
    // 200 down to 0 in steps of 10 fit at this size, 21 labels, then the top edge.
    EXPECT_EQ(gross[20].text, "0");
    EXPECT_EQ(gross[21].text, "210");
    const auto klein = pruefen(e, QSize(300, 200));
    EXPECT_LT(klein.size(), gross.size());
    e.ThetaUnten = -20;
    const auto winter = pruefen(e, QSize(1000, 667));
    EXPECT_TRUE(std::any_of(winter.begin(), winter.end(),
                            [](const Enthalpieetikett& l) { return l.text == "-20"; }));
}

}  // namespace
}  // namespace lumora
