#include "bild/karte.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "core/einheiten.h"
#include "core/feuchte_luft.h"
#include "core/koordinaten.h"
#include "core/text.h"

namespace lumora {

namespace {

// The scale's stops, light yellow to dark blue: the more hours, the darker.
constexpr std::array<std::array<int, 3>, 5> kStufen{{
    {255, 255, 204},
    {161, 218, 180},
    {65, 182, 196},
    {44, 127, 184},
    {37, 52, 148},
}};

// The legend's sizes in pixels.
constexpr double kRand = 5;
constexpr double kBalkenBreite = 140;
constexpr double kBalkenHoehe = 10;
constexpr double kMarke = 3;      // the tick under the bar
constexpr int kBalkenTeile = 70;  // the bar drawn as so many strips, which every device takes

QString Titel() { return QString::fromStdString(Text("Bild", "Stunden je Klasse")); }

QString Zahl(double v) { return QLocale().toString(v, 'g', 10); }

bool MitNamen(const std::vector<Haeufigkeitskarte>& karten) { return karten.size() > 1; }

}  // namespace

QFont Legendenschrift(bool fett) {
    QFont f("Arial");
    f.setPointSizeF(8);
    f.setBold(fett);
    return f;
}

Haeufigkeitskarte KarteAus(QString name, std::shared_ptr<const Haeufigkeit> h, const Eingabe& e) {
    Haeufigkeitskarte k;
    k.name = std::move(name);
    k.haeufigkeit = std::move(h);
    if (!k.haeufigkeit) return k;
    const Haeufigkeit& hk = *k.haeufigkeit;
    k.hoechste = hk.hoechste;
    k.felder.reserve(hk.klassen.size());
    const auto ort = [&](double theta, double xGkg) {
        const double x = InKgJeKg(xGkg);
        return QPointF(KoordX(e, x), KoordY(e, x, Enthalpie(theta, x)));
    };
    for (const Klasse& c : hk.klassen) {
        const double t0 = c.theta;
        const double t1 = Klassengrenze(c.i + 1, hk.breite.dtheta);
        const double x0 = c.x;
        const double x1 = Klassengrenze(c.j + 1, hk.breite.dx);
        QPolygonF ecken{ort(t0, x0), ort(t0, x1), ort(t1, x1), ort(t1, x0)};
        const bool endlich = std::all_of(ecken.begin(), ecken.end(), [](QPointF p) {
            return std::isfinite(p.x()) && std::isfinite(p.y());
        });
        if (endlich) k.felder.push_back({std::move(ecken), c.stunden});
    }
    return k;
}

QColor Kartenfarbe(double anteil) {
    const double a = std::isfinite(anteil) ? std::clamp(anteil, 0.0, 1.0) : 0.0;
    const double stelle = a * static_cast<double>(kStufen.size() - 1);
    const auto i = std::min(static_cast<std::size_t>(stelle), kStufen.size() - 2);
    const double t = stelle - static_cast<double>(i);
    const auto mischen = [&](std::size_t kanal) {
        return static_cast<int>(
            std::lround(kStufen[i][kanal] * (1 - t) + kStufen[i + 1][kanal] * t));
    };
    return QColor(mischen(0), mischen(1), mischen(2));
}

void KartenMalen(QPainter& p, const std::vector<Haeufigkeitskarte>& karten, QPointF m) {
    if (karten.empty()) return;
    p.save();
    // Without antialiasing neighbouring classes meet without a seam.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    for (const Haeufigkeitskarte& k : karten) {
        for (const Haeufigkeitskarte::Feld& f : k.felder) {
            QColor farbe = Kartenfarbe(k.hoechste > 0 ? f.stunden / k.hoechste : 0);
            farbe.setAlpha(kKartenDeckung);
            p.setBrush(farbe);
            QPolygonF ecken;
            for (const QPointF& q : f.ecken) ecken << QPointF(q.x() * m.x(), q.y() * m.y());
            p.drawPolygon(ecken);
        }
    }
    p.restore();
}

std::vector<QRectF> Kartenflaechen(const std::vector<Haeufigkeitskarte>& karten, QPointF m) {
    std::vector<QRectF> aus;
    for (const Haeufigkeitskarte& k : karten) {
        for (const Haeufigkeitskarte::Feld& f : k.felder) {
            const QRectF r = f.ecken.boundingRect();
            aus.emplace_back(r.x() * m.x(), r.y() * m.y(), r.width() * m.x(), r.height() * m.y());
        }
    }
    return aus;
}

std::vector<double> Skalenmarken(double hoechste) {
    if (!(hoechste > 0) || !std::isfinite(hoechste)) return {0};
    const double roh = hoechste / 4;
    const double stelle = std::pow(10.0, std::floor(std::log10(roh)));
    double schritt = 10 * stelle;
    for (double f : {1.0, 2.0, 5.0}) {
        if (f * stelle >= roh) {
            schritt = f * stelle;
            break;
        }
    }
    schritt = std::max(schritt, 1.0);  // hours are whole
    std::vector<double> marken;
    for (double v = 0; v < hoechste - 0.15 * hoechste && marken.size() < 5; v += schritt) {
        marken.push_back(v);
    }
    marken.push_back(hoechste);
    return marken;
}

QSizeF KartenlegendeGroesse(const std::vector<Haeufigkeitskarte>& karten) {
    if (karten.empty()) return {};
    const QFontMetricsF fett(Legendenschrift(true));
    const QFontMetricsF fm(Legendenschrift(false));
    double breite = std::max(fett.horizontalAdvance(Titel()), kBalkenBreite);
    double hoehe = fett.height() + 2;
    for (const Haeufigkeitskarte& k : karten) {
        if (MitNamen(karten)) {
            breite = std::max(breite, fm.horizontalAdvance(k.name));
            hoehe += fm.height() + 1;
        }
        // The bar with its ticks, and their numbers, the last of which may reach past it.
        double ueber = 0;
        for (double v : Skalenmarken(k.hoechste)) {
            ueber = std::max(ueber, fm.horizontalAdvance(Zahl(v)) / 2);
        }
        breite = std::max(breite, kBalkenBreite + ueber);
        hoehe += kBalkenHoehe + kMarke + fm.height() + 4;
    }
    return {std::ceil(breite + 2 * kRand), std::ceil(hoehe + 2 * kRand)};
}

void KartenlegendeMalen(QPainter& p, const std::vector<Haeufigkeitskarte>& karten,
                        const QRectF& box) {
    if (karten.empty() || box.isEmpty()) return;
    const QFontMetricsF fett(Legendenschrift(true));
    const QFontMetricsF fm(Legendenschrift(false));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.setBrush(Qt::white);
    p.drawRect(box);
    const double links = box.left() + kRand;
    double y = box.top() + kRand;
    p.setFont(Legendenschrift(true));
    p.setPen(Qt::black);
    p.drawText(QRectF(links, y, box.width() - 2 * kRand, fett.height()),
               Qt::AlignLeft | Qt::AlignVCenter, Titel());
    y += fett.height() + 2;
    p.setFont(Legendenschrift(false));
    for (const Haeufigkeitskarte& k : karten) {
        if (MitNamen(karten)) {
            p.setPen(Qt::black);
            p.drawText(QRectF(links, y, box.width() - 2 * kRand, fm.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, k.name);
            y += fm.height() + 1;
        }
        p.setPen(Qt::NoPen);
        const double teil = kBalkenBreite / kBalkenTeile;
        for (int i = 0; i < kBalkenTeile; ++i) {
            QColor farbe = Kartenfarbe((i + 0.5) / kBalkenTeile);
            farbe.setAlpha(kKartenDeckung);
            p.setBrush(farbe);
            // A little wider than its share, so that no seam of the white box shows between.
            p.drawRect(
                QRectF(links + i * teil, y, teil + (i + 1 < kBalkenTeile ? 0.5 : 0), kBalkenHoehe));
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.drawRect(QRectF(links, y, kBalkenBreite, kBalkenHoehe));
        y += kBalkenHoehe;
        for (double v : Skalenmarken(k.hoechste)) {
            const double x = links + (k.hoechste > 0 ? kBalkenBreite * v / k.hoechste : 0);
            p.setPen(QPen(Qt::black, 1));
            p.drawLine(QPointF(x, y), QPointF(x, y + kMarke));
            const QString t = Zahl(v);
            const double w = fm.horizontalAdvance(t);
            const double tx = std::clamp(x - w / 2, links, box.right() - kRand - w);
            p.drawText(QRectF(tx, y + kMarke, w + 1, fm.height()), Qt::AlignLeft | Qt::AlignTop, t);
        }
        y += kMarke + fm.height() + 4;
    }
    p.restore();
}

}  // namespace lumora
