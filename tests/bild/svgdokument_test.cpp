#include "bild/svgdokument.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <functional>

#include "bild/laeufe.h"
#include "bild/speichern.h"
#include "bild/zeichnung.h"
#include "chart/aufzeichnung.h"
#include "chart/diagrammlauf.h"

namespace lumora {
namespace {

using Malen = std::function<void(QPainter&)>;

QByteArray Dokument(QSize groesse, const Malen& malen) {
    Svgdokument svg(groesse, "Probe");
    QPainter p(&svg);
    malen(p);
    p.end();
    return svg.text();
}

// The document drawn back by Qt's own renderer, on white.
QImage Gezeichnet(const QByteArray& svg, QSize groesse) {
    QSvgRenderer renderer(svg);
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    renderer.render(&p);
    return bild;
}

// The same painting straight into an image, smoothed as the renderer smooths.
QImage Gemalt(QSize groesse, const Malen& malen) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    malen(p);
    return bild;
}

int Abstand(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// Pixels of clearly another colour; smoothing alone changes an edge by less.
int Anders(const QImage& a, const QImage& b) {
    int anders = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) anders += Abstand(a.pixel(x, y), b.pixel(x, y)) > 96;
    }
    return anders;
}

// The text of every <text> element, in order; fails the test on any XML error.
QStringList Texte(QXmlStreamReader& xml) {
    QStringList texte;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QString("text"))
            texte << xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texte;
}

// Shapes of every kind the engine writes, under translations, a rotation, a non-uniform scale
// and opacity: the document must show what the painter draws into an image.
TEST(Svgdokument, RendersWhatThePainterDraws) {
    const QSize groesse(240, 200);
    QImage kachel(6, 4, QImage::Format_RGB32);
    kachel.fill(QColor(20, 120, 200));
    for (int x = 0; x < 3; ++x) kachel.setPixel(x, 1, qRgb(240, 200, 0));
    const Malen malen = [&](QPainter& p) {
        p.fillRect(QRect(0, 0, 240, 200), QColor(250, 250, 240));
        p.save();
        p.translate(60, 50);
        p.rotate(30);
        p.setPen(QPen(Qt::darkBlue, 3));
        p.setBrush(QColor(220, 40, 40));
        p.drawRect(QRectF(-30, -15, 60, 30));
        p.restore();
        QPainterPath ring;  // a hole by the even-odd rule, and a curve
        ring.addEllipse(QPointF(170, 50), 40, 30);
        ring.addEllipse(QPointF(170, 50), 15, 10);
        ring.moveTo(130, 95);
        ring.cubicTo(150, 75, 190, 115, 210, 95);
        ring.closeSubpath();
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        p.setBrush(QColor(0, 160, 60));
        p.drawPath(ring);
        p.setOpacity(0.5);
        p.setBrush(QColor(200, 0, 200));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(20, 110, 80, 50));
        p.setOpacity(1);
        const QPointF zacken[] = {{120, 130}, {150, 180}, {180, 130}, {210, 180}};
        p.setPen(QPen(QColor(150, 90, 30), 4, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
        p.drawPolyline(zacken, 4);
        p.save();
        p.scale(3, 1.5);  // a cosmetic pen stays one pixel wide
        QPen fein(Qt::darkGreen, 0);
        p.setPen(fein);
        p.drawLine(QPointF(2, 100), QPointF(75, 130));
        p.restore();
        p.drawImage(QPointF(220, 10), kachel);
        p.drawImage(QRectF(200, 150, 30, 20), kachel);
    };
    const QImage svg = Gezeichnet(Dokument(groesse, malen), groesse);
    const QImage bild = Gemalt(groesse, malen);
    int gemalt = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x)
            gemalt += Abstand(bild.pixel(x, y), qRgb(250, 250, 240)) > 96;
    }
    ASSERT_GT(gemalt, 8000);           // the shapes cover much of the picture
    EXPECT_LT(Anders(svg, bild), 30);  // the ends of curves and the scaled image's edges
}

// Qt's renderer before 6.7 ignores clip-path, so the document cuts what the clip hides itself:
// no pixel outside the clip, and the dashes inside keep the phase they have on the whole line.
TEST(Svgdokument, ClipAndDashesHoldInQtsRenderer) {
    const QSize groesse(120, 120);
    const QRect schnitt(30, 30, 60, 60);
    const Malen malen = [&](QPainter& p) {
        p.setClipRect(schnitt);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::blue, 2, Qt::DashLine, Qt::FlatCap));
        p.drawLine(QPointF(0, 61), QPointF(120, 61));
        p.setPen(QPen(Qt::red, 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(60, 0), QPointF(60, 120));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::green);
        p.drawEllipse(QPointF(30, 30), 12, 12);
        p.drawText(QPointF(95, 20), "weg");
        p.setClipping(false);
        p.drawText(QPointF(95, 110), "frei");
    };
    const QByteArray text = Dokument(groesse, malen);
    EXPECT_TRUE(text.contains("clip-path=\"url(#s1)\""));  // for the readers that obey it
    EXPECT_FALSE(text.contains(">weg<"));
    EXPECT_TRUE(text.contains(">frei<"));
    const QImage svg = Gezeichnet(text, groesse);
    int aussen = 0, innen = 0;
    for (int y = 0; y < 90; ++y) {
        for (int x = 0; x < 120; ++x) {
            const bool weiss = svg.pixel(x, y) == qRgb(255, 255, 255);
            (schnitt.contains(x, y) ? innen : aussen) += !weiss;
        }
    }
    EXPECT_EQ(aussen, 0);
    EXPECT_GT(innen, 250);  // the lines and the marker's quarter
    const QImage bild = Gemalt(groesse, malen);
    int striche = 0, anders = 0;
    for (int x = schnitt.left(); x <= schnitt.right(); ++x) {
        const bool blau = qBlue(svg.pixel(x, 61)) > 200 && qRed(svg.pixel(x, 61)) < 100;
        striche += blau;
        anders += blau != (qBlue(bild.pixel(x, 61)) > 200 && qRed(bild.pixel(x, 61)) < 100);
    }
    EXPECT_GT(striche, 20);
    EXPECT_LT(striche, 50);
    EXPECT_LE(anders, 4);
}

TEST(Svgdokument, TextIsEscapedAndReadsBackAsWritten) {
    const QString zeichen = QString::fromUtf8("„A&B“ <1> \"q\" 'z' 20 °C ϑ φ Δ");
    const QByteArray text = Dokument({200, 60}, [&](QPainter& p) {
        p.setFont(QFont("Arial", 9));
        p.drawText(QPointF(5, 20), zeichen + QChar(0x01));  // a control character XML cannot hold
        p.drawText(QPointF(5, 40), " zwei  Blanks");
    });
    QXmlStreamReader xml(text);
    const QStringList texte = Texte(xml);
    EXPECT_EQ(texte.join(""), zeichen + " zwei  Blanks");
    EXPECT_TRUE(text.contains("xml:space=\"preserve\"> zwei  Blanks<"));
}

class Diagrammdatei : public testing::Test {
  protected:
    // The chart of e with the given overlay, written as SVG; its text.
    QByteArray Schreiben(const Eingabe& e, const Ueberlagerung& u = {},
                         const std::function<void(Aufzeichnungsbeschriftung&)>& aendern = {}) {
        Aufzeichnungsflaeche flaeche;
        Aufzeichnungsbeschriftung etiketten;
        Diagrammlauf().zeichnen(e, flaeche, etiketten, ".");
        if (aendern) aendern(etiketten);
        const QString pfad = ordner.filePath("chart.svg");
        EXPECT_EQ(DiagrammSpeichern({flaeche.operationen(), etiketten, u}, pfad), "");
        QFile datei(pfad);
        EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
        return datei.readAll();
    }
    QTemporaryDir ordner;
};

const Eingabe kStandard{200, 10, 1, 0.2, 0.02, 0.002, 1013};

// A label and a state's name as the user typed them stay text and parse.
TEST_F(Diagrammdatei, LabelsAndNamesWithMarkupCharactersParse) {
    Ueberlagerung u;
    const QString name = QString::fromUtf8("Zuluft <&> \"Büro\"");
    u.marken.push_back({name, {6000, 4000}});
    const std::string etikett = "Δϑ „<&>“";
    const QByteArray text = Schreiben(kStandard, u, [&](Aufzeichnungsbeschriftung& b) {
        b.setText(Gruppe::txt_PhPa, 0, etikett);  // the widest label's box
    });
    QXmlStreamReader xml(text);
    const QStringList texte = Texte(xml);
    EXPECT_TRUE(texte.contains(name));
    EXPECT_TRUE(texte.join("").contains(QString::fromStdString(etikett)));
}

// The overlay is cut to the canvas interior: outside it, within the frame, the picture is the
// same with and without lines, dashes, markers and zones that reach far beyond.
TEST_F(Diagrammdatei, OverlayStaysInsideTheCanvas) {
    Ueberlagerung u;
    using S = Ueberlagerung::Stil;
    u.linien.push_back({{6000, 4000}, {6000, -4000}, S::Prozess, Prozessart::Heizen});
    u.linien.push_back({{6000, 4000}, {16000, 4000}, S::Auslauf, Prozessart::Kuehlen});
    u.linien.push_back({{6000, 4000}, {-3000, 9000}, S::Zufluss, Prozessart::Mischen});
    u.marken.push_back({"", {3000, 0}});
    u.marken.push_back({"", {0, 5000}});
    u.zonen.push_back({"", QPolygonF({{-500, 7000}, {3000, 7000}, {3000, 9000}, {-500, 9000}}),
                       QColor(40, 160, 60)});
    const QSize g = Gesamtgroesse();
    const QImage mit = Gezeichnet(Schreiben(kStandard, u), g);
    const QImage ohne = Gezeichnet(Schreiben(kStandard), g);
    const QRect innen(Leinwandrahmen().adjusted(1, 1, -1, -1));
    int drinnen = 0, draussen = 0;
    for (int y = 0; y < g.height(); ++y) {
        for (int x = 0; x < g.width(); ++x) {
            if (Abstand(mit.pixel(x, y), ohne.pixel(x, y)) <= 24) continue;
            (innen.contains(x, y) ? drinnen : draussen)++;
        }
    }
    EXPECT_GT(drinnen, 1000);
    EXPECT_EQ(draussen, 0);
}

// The stress chart's 129,427 runs stay under 15 MB, the default chart under 100 KB; no path
// holds more segments than Qt's reader takes, and both parse.
TEST_F(Diagrammdatei, SizesOfTheDefaultAndTheStressChart) {
    const QByteArray standard = Schreiben(kStandard);
    EXPECT_LT(standard.size(), 100 * 1000);
    const QByteArray stress = Schreiben({200, 10, 0.001, 0.2, 0.02, 0.00001, 1013});
    EXPECT_LT(stress.size(), 15 * 1000 * 1000);
    EXPECT_GT(stress.size(), 5 * 1000 * 1000);  // the runs are in it
    QXmlStreamReader xml(stress);
    int pfade = 0, meiste = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QString("path"))
            continue;
        ++pfade;
        meiste = std::max(meiste, static_cast<int>(xml.attributes().value("d").count('M')));
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(pfade, 129000);
    EXPECT_LE(meiste, kStreckenJePfad);
}

}  // namespace
}  // namespace lumora
