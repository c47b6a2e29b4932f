#include "bild/namen.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace lumora {

namespace {

// The halo around a name, px: wide enough to cut a 2-px line, light enough to let the chart
// show through.
constexpr double kHof = 3;
const QColor kHoffarbe(255, 255, 255, 215);

// How far a moved name may go from its marker: steps of this many pixels, at most so many.
constexpr double kSchritt = 9;
constexpr int kSchritte = 6;

// Rectangles sorted into square cells, so that a question about one box asks only the few
// rectangles near it: a thousand states stay quick.
class Belegung {
  public:
    void dazu(const QRectF& r) {
        const std::size_t n = rechtecke_.size();
        rechtecke_.push_back(r);
        zellen(r, [&](long long schluessel) { zellen_[schluessel].push_back(n); });
    }
    bool frei(const QRectF& box) const {
        bool frei = true;
        zellen(box, [&](long long schluessel) {
            if (!frei) return;
            const auto it = zellen_.find(schluessel);
            if (it == zellen_.end()) return;
            for (std::size_t i : it->second) {
                if (rechtecke_[i].intersects(box)) {
                    frei = false;
                    return;
                }
            }
        });
        return frei;
    }

  private:
    static constexpr double kZelle = 48;
    template <class Tun>
    static void zellen(const QRectF& r, Tun&& tun) {
        if (!std::isfinite(r.left()) || !std::isfinite(r.top()) || !std::isfinite(r.right()) ||
            !std::isfinite(r.bottom())) {
            return;
        }
        const auto zelle = [](double v) {
            return static_cast<long long>(std::floor(std::clamp(v, -1e7, 1e7) / kZelle));
        };
        const long long x0 = zelle(r.left()), x1 = zelle(r.right());
        const long long y0 = zelle(r.top()), y1 = zelle(r.bottom());
        if ((x1 - x0 + 1) * (y1 - y0 + 1) > 4096) return;  // far larger than any name
        for (long long y = y0; y <= y1; ++y) {
            for (long long x = x0; x <= x1; ++x) tun(y * 1000003LL + x);
        }
    }
    std::vector<QRectF> rechtecke_;
    std::unordered_map<long long, std::vector<std::size_t>> zellen_;
};

// The places beside a marker, as the name's top-left corner for a box of size g and a gap a
// from the marker's centre: up right first, as a name has always sat, then the others.
std::vector<QPointF> Nahe(QPointF o, QSizeF g, double a) {
    const double links = o.x() - a - g.width();
    const double mitte = o.x() - g.width() / 2;
    return {{o.x() + a, o.y() - a - g.height()},
            {o.x() + a, o.y() - g.height() / 2},
            {o.x() + a, o.y() + a},
            {links, o.y() - a - g.height()},
            {links, o.y() - g.height() / 2},
            {links, o.y() + a},
            {mitte, o.y() - a - g.height()},
            {mitte, o.y() + a}};
}

}  // namespace

std::vector<Namensplatz> NamenPlatzieren(const std::vector<QPointF>& orte,
                                         const std::vector<QRectF>& gewohnt, double radius,
                                         QSize innen, const std::vector<QRectF>& meiden) {
    std::vector<Namensplatz> aus(orte.size());
    Belegung belegt;
    for (const QRectF& r : meiden) belegt.dazu(r);
    for (const QPointF& o : orte) {
        belegt.dazu(QRectF(o.x() - radius, o.y() - radius, 2 * radius, 2 * radius));
    }
    const QRectF flaeche(QPointF(0, 0), QSizeF(innen));
    const auto passt = [&](const QRectF& box) { return flaeche.contains(box) && belegt.frei(box); };
    for (std::size_t i = 0; i < orte.size() && i < gewohnt.size(); ++i) {
        const QPointF o = orte[i];
        const QSizeF g = gewohnt[i].size();
        aus[i].box = gewohnt[i];
        if (!std::isfinite(o.x()) || !std::isfinite(o.y())) continue;
        // Its usual place counts as clear where only the canvas's edge cuts it, as it always did.
        bool gefunden = belegt.frei(gewohnt[i]);
        for (const QPointF& ecke : Nahe(o, g, radius + 1)) {
            if (gefunden) break;
            if (passt(QRectF(ecke, g))) {
                aus[i].box = QRectF(ecke, g);
                gefunden = true;
            }
        }
        for (int k = 1; k <= kSchritte && !gefunden; ++k) {
            for (const QPointF& ecke : Nahe(o, g, radius + 1 + k * kSchritt)) {
                if (passt(QRectF(ecke, g))) {
                    aus[i].box = QRectF(ecke, g);
                    aus[i].abgesetzt = true;
                    gefunden = true;
                    break;
                }
            }
        }
        belegt.dazu(aus[i].box);
    }
    return aus;
}

QRectF NamensboxAn(QPointF grundlinie, const QString& name, const QFont& schrift) {
    const QFontMetricsF fm(schrift);
    return {grundlinie - QPointF(1, fm.ascent() + 1),
            QSizeF(fm.horizontalAdvance(name) + 2, fm.height() + 2)};
}

QPointF GrundlinieIn(const QRectF& box, const QFont& schrift) {
    return box.topLeft() + QPointF(1, QFontMetricsF(schrift).ascent() + 1);
}

void NameMitHofMalen(QPainter& p, QPointF grundlinie, const QString& name, const QColor& farbe) {
    QPainterPath pfad;
    pfad.addText(grundlinie, p.font(), name);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.strokePath(pfad, QPen(kHoffarbe, kHof, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setPen(farbe);
    p.drawText(grundlinie, name);
    p.restore();
}

QLineF Fuehrungslinie(QPointF ort, double radius, const QRectF& box) {
    const QPointF naechster(std::clamp(ort.x(), box.left(), box.right()),
                            std::clamp(ort.y(), box.top(), box.bottom()));
    const QPointF d = naechster - ort;
    const double laenge = std::hypot(d.x(), d.y());
    if (!(laenge > radius)) return QLineF(naechster, naechster);
    return QLineF(ort + d * (radius / laenge), naechster);
}

QRectF FreierPlatz(QSizeF groesse, const std::vector<QPointF>& ecken,
                   const std::vector<QRectF>& meiden, QSize innen) {
    const auto verdeckt = [&](const QRectF& box) {
        std::size_t n = 0;
        for (const QRectF& r : meiden) n += box.intersects(r);
        return n;
    };
    QRectF beste;
    std::size_t wenigste = SIZE_MAX;
    for (const QPointF& ecke : ecken) {
        const QRectF box(ecke, groesse);
        const std::size_t n = verdeckt(box);
        if (n == 0) return box;
        if (n < wenigste) {
            wenigste = n;
            beste = box;
        }
    }
    if (ecken.empty()) return beste;
    // Every corner covers something: the clear place nearest the first corner, on a grid of a
    // few pixels across the interior.
    Belegung belegt;
    for (const QRectF& r : meiden) belegt.dazu(r);
    constexpr double kRaster = 8;
    constexpr double kRand = 6;
    const QPointF ziel = ecken.front();
    double naechste = INFINITY;
    for (double y = kRand; y + groesse.height() <= innen.height() - kRand; y += kRaster) {
        for (double x = kRand; x + groesse.width() <= innen.width() - kRand; x += kRaster) {
            const double abstand = std::hypot(x - ziel.x(), y - ziel.y());
            if (abstand >= naechste) continue;
            const QRectF box(QPointF(x, y), groesse);
            if (belegt.frei(box)) {
                naechste = abstand;
                beste = box;
            }
        }
    }
    return beste;
}

}  // namespace lumora
