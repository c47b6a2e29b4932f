#include "bild/monatsbalken.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "bild/speichern.h"
#include "bild/ueberlagerung.h"
#include "core/text.h"

namespace lumora {

namespace {

QFont Schrift(double punkt, bool fett = false) {
    QFont f("Arial");
    f.setPointSizeF(punkt);
    f.setBold(fett);
    return f;
}

// In the user's notation, without grouping, so that no separator reads as a decimal point.
QString Zahl(double v) {
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(v, 'g', 10);
}

// Sizes in pixels.
constexpr double kRand = 10;
constexpr double kMarke = 4;   // a tick of the axis
constexpr double kProbe = 12;  // the legend's colour sample
constexpr double kLegendenLuecke = 16;
constexpr double kGruppenluft = 0.2;  // the share of a month's width left between the groups

}  // namespace

QString Komponentenname(Komponente k) {
    switch (k) {
        case Komponente::Frostschutz:
            return QString::fromStdString(Text("Bild", "Frostschutz"));
        case Komponente::Vorerhitzer:
            return QString::fromStdString(Text("Bild", "Vorerhitzer"));
        case Komponente::Nacherhitzer:
            return QString::fromStdString(Text("Bild", "Nacherhitzer"));
        case Komponente::Kuehler:
            return QString::fromStdString(Text("Bild", "Kühler"));
        case Komponente::Befeuchter:
            return QString::fromStdString(Text("Bild", "Befeuchter"));
        case Komponente::WrgHeizen:
            return QString::fromStdString(Text("Bild", "WRG heizen"));
        case Komponente::WrgKuehlen:
            return QString::fromStdString(Text("Bild", "WRG kühlen"));
    }
    return {};
}

QColor Komponentenfarbe(Komponente k) {
    switch (k) {
        case Komponente::Frostschutz:
            return Linienfarbe(Prozessart::Heizen).darker(160);
        case Komponente::Vorerhitzer:
            return Linienfarbe(Prozessart::Heizen);
        case Komponente::Nacherhitzer:
            return Linienfarbe(Prozessart::Heizen).lighter(150);
        case Komponente::Kuehler:
            return Linienfarbe(Prozessart::Kuehlen);
        case Komponente::Befeuchter:
            return Linienfarbe(Prozessart::BefeuchtenWasser);
        case Komponente::WrgHeizen:
            return Linienfarbe(Prozessart::Waermerueckgewinnung);
        case Komponente::WrgKuehlen:
            return Linienfarbe(Prozessart::Waermerueckgewinnung).lighter(170);
    }
    return Qt::black;
}

QString Monatsname(int monat) {
    using vorgemerkt::Text;
    static const char* const kNamen[] = {
        Text("Bild", "Jan"), Text("Bild", "Feb"), Text("Bild", "Mär"), Text("Bild", "Apr"),
        Text("Bild", "Mai"), Text("Bild", "Jun"), Text("Bild", "Jul"), Text("Bild", "Aug"),
        Text("Bild", "Sep"), Text("Bild", "Okt"), Text("Bild", "Nov"), Text("Bild", "Dez")};
    return monat >= 1 && monat <= 12
               ? QString::fromStdString(lumora::Text("Bild", kNamen[monat - 1]))
               : QString();
}

std::vector<Komponente> Monatsbalken::komponenten() const {
    std::vector<Komponente> aus;
    for (std::size_t k = 0; k < kKomponenten; ++k) {
        const bool da = std::any_of(energie.begin(), energie.end(),
                                    [k](const auto& monat) { return monat[k] > 0; });
        if (da) aus.push_back(static_cast<Komponente>(k));
    }
    return aus;
}

double Monatsbalken::hoechste() const {
    double h = 0;
    for (const auto& monat : energie) {
        for (double e : monat) {
            if (std::isfinite(e)) h = std::max(h, e);
        }
    }
    return h;
}

Monatsbalken MonatsbalkenAus(const std::string& name, const Anlagenjahr& jahr) {
    Monatsbalken m;
    m.name = QString::fromStdString(name);
    for (std::size_t i = 0; i < 12; ++i) m.energie[i] = jahr.monate[i].energie;
    return m;
}

std::vector<double> Achsenmarken(double hoechste) {
    if (!(hoechste > 0) || !std::isfinite(hoechste)) return {0, 1};
    const double stelle = std::pow(10.0, std::floor(std::log10(hoechste / 8)));
    double schritt = 10 * stelle;
    for (double f : {1.0, 2.0, 5.0}) {
        if (f * stelle * 8 >= hoechste) {
            schritt = f * stelle;
            break;
        }
    }
    std::vector<double> marken{0};
    for (int i = 1; i <= 10 && marken.back() < hoechste; ++i) marken.push_back(i * schritt);
    return marken;
}

void MonatsbalkenMalen(QPainter& p, const Monatsbalken& m, const QRectF& box) {
    p.save();
    p.fillRect(box, Qt::white);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QFont titelschrift = Schrift(10, true);
    const QFont schrift = Schrift(8);
    const QFontMetricsF ft(titelschrift);
    const QFontMetricsF fm(schrift);
    const std::vector<Komponente> komponenten = m.komponenten();
    const std::vector<double> marken = Achsenmarken(m.hoechste());
    const double oberste = marken.back();

    // The title over everything.
    p.setFont(titelschrift);
    p.setPen(Qt::black);
    const QString titel = QString::fromStdString(Text("Bild", "Energie je Monat [kWh]")) +
                          (m.name.isEmpty() ? QString() : QString::fromUtf8(" – ") + m.name);
    p.drawText(QRectF(box.left() + kRand, box.top() + kRand, box.width() - 2 * kRand, ft.height()),
               Qt::AlignLeft | Qt::AlignVCenter, titel);

    // The legend's rows at the bottom, as many as its entries need.
    p.setFont(schrift);
    std::vector<std::vector<Komponente>> reihen(1);
    double breite = 0;
    const double platz = box.width() - 2 * kRand;
    for (Komponente k : komponenten) {
        const double w = kProbe + 4 + fm.horizontalAdvance(Komponentenname(k)) + kLegendenLuecke;
        if (breite + w > platz && !reihen.back().empty()) {
            reihen.emplace_back();
            breite = 0;
        }
        reihen.back().push_back(k);
        breite += w;
    }
    const double zeile = fm.height() + 4;
    const double legendenhoehe = komponenten.empty() ? 0 : zeile * double(reihen.size());

    // The plot area: right of the axis' numbers, above the months and the legend.
    double zahlbreite = 0;
    for (double v : marken) zahlbreite = std::max(zahlbreite, fm.horizontalAdvance(Zahl(v)));
    const double links = box.left() + kRand + zahlbreite + kMarke + 4;
    const double rechts = box.right() - kRand;
    const double oben = box.top() + kRand + ft.height() + 8;
    const double unten = box.bottom() - kRand - legendenhoehe - fm.height() - kMarke - 6;
    if (!(rechts > links) || !(unten > oben)) {
        p.restore();
        return;
    }
    const auto yVon = [&](double e) { return unten - (unten - oben) * e / oberste; };

    // The grid and the axis' numbers.
    for (double v : marken) {
        const double y = std::round(yVon(v)) + 0.5;
        p.setPen(QPen(QColor(225, 225, 225), 1));
        if (v > 0) p.drawLine(QPointF(links, y), QPointF(rechts, y));
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(links - kMarke, y), QPointF(links, y));
        p.drawText(QRectF(box.left() + kRand, y - fm.height() / 2, zahlbreite, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, Zahl(v));
    }

    // The bars, month by month, and the month under its group.
    const double monat = (rechts - links) / 12;
    const double balken =
        komponenten.empty() ? 0 : monat * (1 - kGruppenluft) / double(komponenten.size());
    for (int i = 0; i < 12; ++i) {
        const double x0 = links + i * monat + monat * kGruppenluft / 2;
        for (std::size_t k = 0; k < komponenten.size(); ++k) {
            const double e =
                m.energie[static_cast<std::size_t>(i)][static_cast<std::size_t>(komponenten[k])];
            if (!(e > 0) || !std::isfinite(e)) continue;
            const QRectF r(QPointF(x0 + double(k) * balken, yVon(e)),
                           QPointF(x0 + double(k + 1) * balken, unten));
            p.fillRect(r, Komponentenfarbe(komponenten[k]));
        }
        p.setPen(Qt::black);
        p.drawText(QRectF(links + i * monat, unten + kMarke + 2, monat, fm.height()),
                   Qt::AlignHCenter | Qt::AlignTop, Monatsname(i + 1));
        const double x = std::round(links + i * monat) + 0.5;
        p.drawLine(QPointF(x, unten), QPointF(x, unten + kMarke));
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(links, std::round(unten) + 0.5), QPointF(rechts, std::round(unten) + 0.5));
    p.drawLine(QPointF(std::round(links) + 0.5, oben), QPointF(std::round(links) + 0.5, unten));

    // The legend.
    double y = box.bottom() - kRand - legendenhoehe;
    for (const auto& reihe : reihen) {
        double x = links;
        for (Komponente k : reihe) {
            p.fillRect(QRectF(x, y + (zeile - kProbe) / 2, kProbe, kProbe), Komponentenfarbe(k));
            x += kProbe + 4;
            const QString name = Komponentenname(k);
            p.setPen(Qt::black);
            p.drawText(QRectF(x, y, fm.horizontalAdvance(name) + 2, zeile),
                       Qt::AlignLeft | Qt::AlignVCenter, name);
            x += fm.horizontalAdvance(name) + kLegendenLuecke;
        }
        y += zeile;
    }
    p.restore();
}

QString MonatsbalkenSpeichern(const Monatsbalken& m, const QString& pfad, double pngSkala) {
    const Bildvorlage vorlage{
        kMonatsbalkenGroesse, QString::fromStdString(Text("Bild", "Lumora Energie je Monat")),
        [&m](QPainter& p, Linienweg) {
            MonatsbalkenMalen(p, m, QRectF(QPointF(0, 0), kMonatsbalkenGroesse));
        }};
    return BildSpeichern(
        vorlage, pfad, pngSkala,
        QString::fromStdString(Text("Bild", "Die Monatsbalken ließen sich nicht schreiben")));
}

}  // namespace lumora
