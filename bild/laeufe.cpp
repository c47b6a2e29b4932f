#include "bild/laeufe.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "core/koordinaten.h"
#include "core/strecke.h"

namespace lumora {

namespace {

QColor Farbe_(Farbe f) { return QColor(f.r, f.g, f.b); }

// Coordinates for a vector file in hundredths of a pixel: finer than any screen or printer
// shows the chart, and keeps the numbers written short. Whole hundredths let the SVG text
// write differences exactly.
std::int32_t Hundertstel(double v) { return static_cast<std::int32_t>(std::lround(v * 100)); }

// Which runs have drawn near which part of the interior, in square cells, so that a line can
// be moved back into an earlier run of its colour and width only when no line drawn after
// that run comes near it: then the order of the two cannot show in any pixel.
class Belegung {
  public:
    // A cell is wider than two lines of the widest width can reach into each other's
    // pixels, anti-aliased: half of each width and a pixel's diagonal. The neighbouring
    // cells of a line's cells therefore hold everything it can touch.
    Belegung(QSize innen, int breiteste)
        : zelle_(breiteste + 1.5),
          breite_(static_cast<int>(innen.width() / zelle_) + 3),
          hoehe_(static_cast<int>(innen.height() / zelle_) + 3),
          zellen_(static_cast<std::size_t>(breite_) * hoehe_) {}

    // Whether a run later than `lauf` and of another colour than `farbe` drew near the line.
    // Runs of the same colour may cross in any order: the pixels they share get that colour
    // either way. Where lines meet, they meet mostly at an end, so the end cell is looked at
    // before the walk along the line.
    bool spaeter(const QLineF& l, QRgb farbe, int lauf) const {
        const auto nah = [&](int i) {
            for (int dy = -breite_; dy <= breite_; dy += breite_) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const Eintrag& e = zellen_[i + dy + dx];
                    if ((e.farbe != farbe ? e.letzter : e.andere) > lauf) return true;
                }
            }
            return false;
        };
        return nah(Index(l.x2() / zelle_, breite_) + breite_ * Index(l.y2() / zelle_, hoehe_)) ||
               Zellen(l, nah);
    }
    void eintragen(const QLineF& l, int lauf, QRgb farbe) {
        Zellen(l, [&](int i) {
            Eintrag& e = zellen_[i];
            if (lauf >= e.letzter) {
                if (e.farbe != farbe) e.andere = e.letzter;
                e.letzter = lauf;
                e.farbe = farbe;
            } else if (e.farbe != farbe) {
                e.andere = std::max(e.andere, lauf);
            }
            return false;
        });
    }

  private:
    // Every cell the line passes through, walked from cell to cell across the border that
    // the line meets first, until `f` returns true; returns whether it did. Cells are counted
    // from one, so that the neighbours exist.
    template <class F>
    bool Zellen(const QLineF& l, F f) const {
        const double x = l.x1() / zelle_, y = l.y1() / zelle_;
        const double dx = l.dx() / zelle_, dy = l.dy() / zelle_;
        int cx = Index(x, breite_), cy = Index(y, hoehe_);
        const int ex = Index(x + dx, breite_), ey = Index(y + dy, hoehe_);
        const int schrittX = dx > 0 ? 1 : -1, schrittY = dy > 0 ? 1 : -1;
        constexpr double kNie = std::numeric_limits<double>::infinity();
        const double jeX = dx != 0 ? 1 / std::abs(dx) : kNie;
        const double jeY = dy != 0 ? 1 / std::abs(dy) : kNie;
        double bisX = dx != 0 ? (dx > 0 ? std::floor(x) + 1 - x : x - std::floor(x)) * jeX : kNie;
        double bisY = dy != 0 ? (dy > 0 ? std::floor(y) + 1 - y : y - std::floor(y)) * jeY : kNie;
        if (f(cy * breite_ + cx)) return true;
        for (int n = std::abs(ex - cx) + std::abs(ey - cy); n > 0; --n) {
            if (bisX < bisY) {
                bisX += jeX;
                cx += schrittX;
            } else {
                bisY += jeY;
                cy += schrittY;
            }
            if (f(cy * breite_ + cx)) return true;
        }
        return false;
    }
    static int Index(double v, int anzahl) {
        return std::clamp(static_cast<int>(std::floor(v)) + 1, 1, anzahl - 2);
    }

    double zelle_;
    int breite_;
    int hoehe_;
    // Per cell: the latest run that drew in it and its colour, and the latest run of any
    // other colour.
    struct Eintrag {
        int letzter = -1;
        QRgb farbe = 0;
        int andere = -1;
    };
    std::vector<Eintrag> zellen_;
};

}  // namespace

QRectF Kasten(const Operation& op, double sx, double sy) {
    return QRectF(QPointF(op.x1 * sx - 0.5, op.y1 * sy - 0.5),
                  QPointF(op.x2 * sx + 0.5, op.y2 * sy + 0.5))
        .normalized();
}

Laeufe Sammeln(const std::vector<Operation>& operationen, double sx, double sy, QSize innen) {
    Laeufe ergebnis;
    std::vector<Lauf>& laeufe = ergebnis.laeufe;
    std::vector<Strecke>& strecken = ergebnis.strecken;
    std::map<std::pair<QRgb, int>, int> letzterLauf;  // per colour and width
    int breiteste = 1;
    for (const Operation& op : operationen) breiteste = std::max(breiteste, op.breite);
    Belegung belegung(innen, breiteste);
    int schranke = 0;  // no line moves back past a box
    for (const Operation& op : operationen) {
        if (op.art == Operation::Art::box) {
            laeufe.push_back({Farbe_(op.farbe).rgb(), 0, Kasten(op, sx, sy)});
            schranke = static_cast<int>(laeufe.size());
            continue;
        }
        double x1 = op.x1, y1 = op.y1, x2 = op.x2, y2 = op.y2;
        if (op.art != Operation::Art::line ||
            !StreckeKappen(x1, y1, x2, y2, 0, 0, kLeinwandBreite, kLeinwandHoehe)) {
            continue;
        }
        Strecke s{Hundertstel(x1 * sx), Hundertstel(y1 * sy), Hundertstel(x2 * sx),
                  Hundertstel(y2 * sy)};
        if (s.x1 == s.x2 && s.y1 == s.y2) continue;  // a point, or shorter than the rounding
        const QLineF l(s.x1 / 100.0, s.y1 / 100.0, s.x2 / 100.0, s.y2 / 100.0);
        const auto art = std::make_pair(Farbe_(op.farbe).rgb(), op.breite);
        const auto gefunden = letzterLauf.find(art);
        int k = gefunden == letzterLauf.end() ? -1 : gefunden->second;
        if (k < schranke ||
            (k + 1 < static_cast<int>(laeufe.size()) && belegung.spaeter(l, art.first, k))) {
            laeufe.push_back({art.first, op.breite, {}});
            k = static_cast<int>(laeufe.size()) - 1;
            letzterLauf[art] = k;
        }
        Lauf& lauf = laeufe[k];
        if (lauf.letzte >= 0) {
            Strecke& vorige = strecken[lauf.letzte];
            if (vorige.x1 == s.x1 && vorige.y1 == s.y1 && vorige.x2 == s.x2 && vorige.y2 == s.y2) {
                continue;
            }
            vorige.naechste = static_cast<int>(strecken.size());
        } else {
            lauf.erste = static_cast<int>(strecken.size());
        }
        lauf.letzte = static_cast<int>(strecken.size());
        strecken.push_back(s);
        belegung.eintragen(l, k, art.first);
    }
    return ergebnis;
}

// Drawn at a hundredth of the scale, every coordinate is a whole number, which a PDF writes
// short.
void PfadeMalen(QPainter& p, const Laeufe& l) {
    p.save();
    p.scale(0.01, 0.01);
    p.setBrush(Qt::NoBrush);
    QPainterPath pfad;
    for (const Lauf& lauf : l.laeufe) {
        if (lauf.breite == 0) {
            p.fillRect(QTransform::fromScale(100, 100).mapRect(lauf.kasten), QColor(lauf.farbe));
            continue;
        }
        p.setPen(QPen(QColor(lauf.farbe), lauf.breite * 100, Qt::SolidLine, Qt::FlatCap));
        pfad.clear();
        int anzahl = 0;
        for (int i = lauf.erste; i >= 0; i = l.strecken[i].naechste) {
            if (anzahl == kStreckenJePfad) {
                p.drawPath(pfad);
                pfad.clear();
                anzahl = 0;
            }
            const Strecke& s = l.strecken[i];
            pfad.moveTo(s.x1, s.y1);
            pfad.lineTo(s.x2, s.y2);
            ++anzahl;
        }
        p.drawPath(pfad);
    }
    p.restore();
}

}  // namespace lumora
