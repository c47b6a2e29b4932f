#include "bild/namen.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <optional>

namespace lumora {

namespace {

// The halo around a name: a pixel on each side of its strokes (a line width of 3 where it is
// stroked), white enough to cut a line, light enough to let the chart show through.
constexpr double kHof = 3;
const QColor kHoffarbe(255, 255, 255, 215);

// How far a moved name may go from its marker: steps of this many pixels, at most so many.
constexpr double kSchritt = 9;
constexpr int kSchritte = 6;

// Rectangles sorted into the square cells of a grid over the canvas interior and a cell
// beyond it, so that a question about one box asks only the few rectangles near it: a
// thousand states stay quick. A rectangle that reaches beyond the grid is asked every time.
class Belegung {
  public:
    explicit Belegung(QSize innen)
        : spalten_(std::max(1, innen.width()) / kZelle + 3),
          zeilen_(std::max(1, innen.height()) / kZelle + 3),
          zellen_(static_cast<std::size_t>(spalten_ * zeilen_)) {}

    void dazu(const QRectF& r) {
        if (!Endlich(r)) return;
        const std::size_t n = rechtecke_.size();
        rechtecke_.push_back(r);
        const auto b = bereich(r);
        if (!b) {
            draussen_.push_back(n);
            return;
        }
        for (int y = b->top(); y <= b->bottom(); ++y) {
            for (int x = b->left(); x <= b->right(); ++x) zelle(x, y).push_back(n);
        }
    }

    bool frei(const QRectF& box) const {
        if (!Endlich(box)) return true;
        const auto trifft = [&](std::size_t i) { return rechtecke_[i].intersects(box); };
        if (std::any_of(draussen_.begin(), draussen_.end(), trifft)) return false;
        const auto b = bereich(box);
        if (!b) {
            for (std::size_t i = 0; i < rechtecke_.size(); ++i) {
                if (trifft(i)) return false;
            }
            return true;
        }
        for (int y = b->top(); y <= b->bottom(); ++y) {
            for (int x = b->left(); x <= b->right(); ++x) {
                const auto& z = zellen_[static_cast<std::size_t>(y * spalten_ + x)];
                if (std::any_of(z.begin(), z.end(), trifft)) return false;
            }
        }
        return true;
    }

  private:
    static constexpr int kZelle = 32;  // px

    static bool Endlich(const QRectF& r) {
        return std::isfinite(r.left()) && std::isfinite(r.top()) && std::isfinite(r.right()) &&
               std::isfinite(r.bottom());
    }
    // The cells a rectangle covers, the first row and column of the grid lying before the
    // interior; none where it reaches beyond the grid.
    std::optional<QRect> bereich(const QRectF& r) const {
        const auto index = [](double v) { return std::floor(v / kZelle) + 1; };
        const double x0 = index(r.left()), x1 = index(r.right());
        const double y0 = index(r.top()), y1 = index(r.bottom());
        if (x0 < 0 || y0 < 0 || x1 >= spalten_ || y1 >= zeilen_) return std::nullopt;
        return QRect(QPoint(static_cast<int>(x0), static_cast<int>(y0)),
                     QPoint(static_cast<int>(x1), static_cast<int>(y1)));
    }
    std::vector<std::size_t>& zelle(int x, int y) {
        return zellen_[static_cast<std::size_t>(y * spalten_ + x)];
    }

    int spalten_;
    int zeilen_;
    std::vector<QRectF> rechtecke_;
    std::vector<std::vector<std::size_t>> zellen_;
    std::vector<std::size_t> draussen_;
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

namespace {

// The place of one name among what `belegt` holds: its usual place where that is clear, as it
// always was even where the canvas's edge cuts it; else the first clear place around its marker
// inside `flaeche`; else one further away, with a leader line; else its usual place.
Namensplatz Platzieren(QPointF o, const QRectF& gewohnt, double radius, const QRectF& flaeche,
                       const Belegung& belegt) {
    if (!std::isfinite(o.x()) || !std::isfinite(o.y()) || belegt.frei(gewohnt)) {
        return {gewohnt, false};
    }
    const QSizeF g = gewohnt.size();
    const auto passt = [&](const QRectF& box) { return flaeche.contains(box) && belegt.frei(box); };
    for (int k = 0; k <= kSchritte; ++k) {
        for (const QPointF& ecke : Nahe(o, g, radius + 1 + k * kSchritt)) {
            if (passt(QRectF(ecke, g))) return {QRectF(ecke, g), k > 0};
        }
    }
    return {gewohnt, false};
}

Belegung Marken(const std::vector<QPointF>& orte, double radius, const std::vector<QRectF>& dazu,
                QSize innen) {
    Belegung belegt(innen);
    for (const QRectF& r : dazu) belegt.dazu(r);
    for (const QPointF& o : orte) {
        belegt.dazu(QRectF(o.x() - radius, o.y() - radius, 2 * radius, 2 * radius));
    }
    return belegt;
}

}  // namespace

std::vector<Namensplatz> NamenPlatzieren(const std::vector<QPointF>& orte,
                                         const std::vector<QRectF>& gewohnt, double radius,
                                         QSize innen, const std::vector<QRectF>& meiden) {
    std::vector<Namensplatz> aus(std::min(orte.size(), gewohnt.size()));
    Belegung belegt = Marken(orte, radius, meiden, innen);
    const QRectF flaeche(QPointF(0, 0), QSizeF(innen));
    for (std::size_t i = 0; i < aus.size(); ++i) {
        aus[i] = Platzieren(orte[i], gewohnt[i], radius, flaeche, belegt);
        belegt.dazu(aus[i].box);
    }
    return aus;
}

std::vector<Namensplatz> NamenNachziehen(const std::vector<QPointF>& orte,
                                         const std::vector<QRectF>& gewohnt, double radius,
                                         QSize innen, std::vector<Namensplatz> vorher,
                                         const std::vector<bool>& neu) {
    vorher.resize(std::min({orte.size(), gewohnt.size(), neu.size()}));
    std::vector<QRectF> bleiben;
    bleiben.reserve(vorher.size());
    for (std::size_t i = 0; i < vorher.size(); ++i) {
        if (!neu[i]) bleiben.push_back(vorher[i].box);
    }
    Belegung belegt = Marken(orte, radius, bleiben, innen);
    const QRectF flaeche(QPointF(0, 0), QSizeF(innen));
    for (std::size_t i = 0; i < vorher.size(); ++i) {
        if (!neu[i]) continue;
        vorher[i] = Platzieren(orte[i], gewohnt[i], radius, flaeche, belegt);
        belegt.dazu(vorher[i].box);
    }
    return vorher;
}

QRectF NamensboxAn(QPointF grundlinie, const QString& name, const QFontMetricsF& masse) {
    return NamensboxAn(grundlinie, masse.horizontalAdvance(name), masse);
}

QRectF NamensboxAn(QPointF grundlinie, double breite, const QFontMetricsF& masse) {
    return {grundlinie - QPointF(1, masse.ascent() + 1), QSizeF(breite + 2, masse.height() + 2)};
}

QPointF GrundlinieIn(const QRectF& box, const QFontMetricsF& masse) {
    return box.topLeft() + QPointF(1, masse.ascent() + 1);
}

void NameMitHofMalen(QPainter& p, QPointF grundlinie, const QString& name, const QColor& farbe) {
    p.save();
    if (p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster) {
        // In pixels: the text in the halo's colour a pixel off in each of eight directions,
        // from the glyph cache, which is many times quicker than stroking the outline.
        p.setPen(kHoffarbe);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (dx != 0 || dy != 0) p.drawText(grundlinie + QPointF(dx, dy), name);
            }
        }
    } else {
        // In a vector file: the outline, stroked once.
        QPainterPath pfad;
        pfad.addText(grundlinie, p.font(), name);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.strokePath(pfad, QPen(kHoffarbe, kHof, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
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
    Belegung belegt(innen);
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
