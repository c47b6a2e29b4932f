#include "ui/ueberlagerung.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "core/koordinaten.h"
#include "ui/leinwand.h"

namespace lumora {

namespace {

constexpr double kMarkendurchmesser = 8;  // px at 96 dpi; device-independent pixels scale
constexpr double kPfeillaenge = 10;
constexpr double kPfeilbreite = 4;

QPointF Pixel(QPointF canvas, QPointF massstab) {
    return {canvas.x() * massstab.x(), canvas.y() * massstab.y()};
}

bool Endlich(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

void Pfeilspitze(QPainter& p, QPointF von, QPointF nach) {
    const QPointF d = nach - von;
    const double laenge = std::hypot(d.x(), d.y());
    if (!(laenge > 0)) return;
    const QPointF e = d / laenge;
    const QPointF n(-e.y(), e.x());
    const QPointF basis = nach - e * kPfeillaenge;
    const QPointF spitze[3] = {nach, basis + n * kPfeilbreite, basis - n * kPfeilbreite};
    p.setBrush(kZustandsfarbe);
    p.setPen(Qt::NoPen);
    p.drawPolygon(spitze, 3);
}

void LinieMalen(QPainter& p, const Ueberlagerung::Linie& l, QPointF m) {
    const QPointF a = Pixel(l.von, m);
    const QPointF b = Pixel(l.nach, m);
    if (!Endlich(a) || !Endlich(b)) return;
    QPen stift(kZustandsfarbe, 2, Qt::SolidLine, Qt::FlatCap);
    switch (l.stil) {
        case Ueberlagerung::Stil::Prozess:
        case Ueberlagerung::Stil::Verbindung:
            break;
        case Ueberlagerung::Stil::Auslauf:
            stift.setStyle(Qt::DashLine);
            break;
        case Ueberlagerung::Stil::Zufluss:
            stift.setWidthF(1);
            stift.setStyle(Qt::DashLine);
            break;
    }
    p.setPen(stift);
    p.setBrush(Qt::NoBrush);
    if (l.stil == Ueberlagerung::Stil::Prozess) {
        // The tip touches the end state's marker; the line ends where the arrowhead's base
        // begins, so the tip stays sharp.
        const QPointF d = b - a;
        const double laenge = std::hypot(d.x(), d.y());
        if (!(laenge > 0)) return;
        const QPointF e = d / laenge;
        const QPointF spitze = laenge > kMarkendurchmesser ? b - e * (kMarkendurchmesser / 2) : b;
        const QPointF ende =
            laenge > kMarkendurchmesser / 2 + kPfeillaenge ? spitze - e * kPfeillaenge : a;
        p.drawLine(a, ende);
        Pfeilspitze(p, a, spitze);
    } else {
        p.drawLine(a, b);
    }
}

QFont Namensschrift() {
    QFont f("Arial");
    f.setPointSizeF(9);
    f.setBold(true);
    return f;
}

void Randmassstab(QPainter& p, const Eingabe& e, QPointF m) {
    QFont f("Arial");
    f.setPointSizeF(7);
    p.setFont(f);
    p.setPen(QPen(Qt::black, 1));
    const QFontMetricsF fm(f);
    const QPointF pol = Pixel({0, kLeinwandHoehe / 2}, m);
    p.drawLine(pol + QPointF(0, -4), pol + QPointF(0, 4));
    for (double eps : kRandmassstab) {
        const auto rand = RandpunktDerRichtung(e, eps);
        if (!rand) continue;
        const QPointF ort = Pixel(*rand, m);
        const QPointF d = ort - pol;
        const double laenge = std::hypot(d.x(), d.y());
        if (!(laenge > 0)) continue;
        const QPointF r = d / laenge;
        p.drawLine(ort, ort - r * 8);
        const QString text = QLocale::c().toString(eps, 'f', 0);
        const QPointF mitte = ort - r * (14 + fm.horizontalAdvance(text) / 2);
        p.drawText(QRectF(mitte - QPointF(30, 8), QSizeF(60, 16)), Qt::AlignCenter, text);
    }
}

}  // namespace

Ueberlagerungsflaeche::Ueberlagerungsflaeche(QWidget* parent) : QWidget(parent) {
    setObjectName("Ueberlagerung");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Ueberlagerungsflaeche::setUeberlagerung(Ueberlagerung u, bool hintergrund) {
    u_ = std::move(u);
    hintergrundAlt_ = hintergrundAlt_ || hintergrund;
    update();
}

void Ueberlagerungsflaeche::resizeEvent(QResizeEvent* ereignis) {
    hintergrundAlt_ = true;
    QWidget::resizeEvent(ereignis);
}

void Ueberlagerungsflaeche::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    if (hintergrundAlt_ || hintergrund_.size() != size() * dpr) {
        hintergrund_ = QImage(size() * dpr, QImage::Format_ARGB32_Premultiplied);
        hintergrund_.setDevicePixelRatio(dpr);
        hintergrund_.fill(Qt::transparent);
        QPainter b(&hintergrund_);
        HintergrundMalen(b, u_, size());
        hintergrundAlt_ = false;
    }
    QPainter p(this);
    p.drawImage(QPoint(0, 0), hintergrund_);
    VordergrundMalen(p, u_, size());
}

std::optional<QPointF> RandpunktDerRichtung(const Eingabe& e, double epsilon) {
    const double dX = kLeinwandBreite / e.Xmax;
    const double dY = -kLeinwandHoehe * (epsilon - kSchraege) / e.Thetamax;
    if (!std::isfinite(dX) || !std::isfinite(dY) || !(dX > 0)) return std::nullopt;
    const double y0 = kLeinwandHoehe / 2;
    // The smallest step t > 0 at which the ray from (0, y0) meets the right, top or bottom edge.
    double t = kLeinwandBreite / dX;
    if (dY < 0) t = std::fmin(t, -y0 / dY);
    if (dY > 0) t = std::fmin(t, (kLeinwandHoehe - y0) / dY);
    return QPointF(t * dX, y0 + t * dY);
}

void HintergrundMalen(QPainter& p, const Ueberlagerung& u, QSize innen) {
    const QPointF m = Massstab(innen);
    p.save();
    p.setClipRect(QRect(QPoint(0, 0), innen));
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const Ueberlagerung::Zone& z : u.zonen) {
        QPolygonF rand;
        rand.reserve(z.rand.size());
        for (const QPointF& q : z.rand) rand << Pixel(q, m);
        QColor flaeche = z.farbe;
        flaeche.setAlpha(60);
        p.setBrush(flaeche);
        p.setPen(QPen(z.farbe, 1));
        p.drawPolygon(rand);
        if (!rand.isEmpty()) {
            p.setFont(Namensschrift());
            p.setPen(z.farbe.darker(150));
            const QRectF box = rand.boundingRect();
            p.drawText(box.adjusted(4, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, z.name);
        }
    }
    // Dots of 3 px: squares without antialiasing, which is what a dot of that size is anyway
    // and keeps a hundred thousand of them quick.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    for (const Ueberlagerung::Reihe& r : u.reihen) {
        p.setBrush(r.farbe);
        std::vector<QRectF> punkte;
        punkte.reserve(r.punkte.size());
        for (const QPointF& q : r.punkte) {
            const QPointF px = Pixel(q, m);
            if (px.x() < -2 || px.y() < -2 || px.x() > innen.width() + 2 ||
                px.y() > innen.height() + 2) {
                continue;
            }
            punkte.emplace_back(px.x() - 1.5, px.y() - 1.5, 3, 3);
        }
        p.drawRects(punkte.data(), static_cast<int>(punkte.size()));
    }
    p.restore();
}

void VordergrundMalen(QPainter& p, const Ueberlagerung& u, QSize innen) {
    const QPointF m = Massstab(innen);
    p.save();
    p.setClipRect(QRect(QPoint(0, 0), innen));
    p.setRenderHint(QPainter::Antialiasing, true);
    if (u.randmassstab) Randmassstab(p, *u.randmassstab, m);
    for (const Ueberlagerung::Linie& l : u.linien) LinieMalen(p, l, m);
    p.setFont(Namensschrift());
    const double r = kMarkendurchmesser / 2;
    for (const Ueberlagerung::Marke& k : u.marken) {
        const QPointF ort = Pixel(k.ort, m);
        if (!Endlich(ort)) continue;
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(kZustandsfarbe);
        p.drawEllipse(ort, r, r);
        p.drawText(ort + QPointF(r + 2, -r - 2), k.name);
    }
    p.restore();
}

std::optional<std::pair<std::size_t, std::size_t>> MesspunktBei(const Ueberlagerung& u, QSize innen,
                                                                QPointF pixel) {
    const QPointF m = Massstab(innen);
    const double fang = 3;
    for (std::size_t r = u.reihen.size(); r-- > 0;) {
        const auto& punkte = u.reihen[r].punkte;
        for (std::size_t i = 0; i < punkte.size(); ++i) {
            const QPointF d = Pixel(punkte[i], m) - pixel;
            if (std::fabs(d.x()) <= fang && std::fabs(d.y()) <= fang) return std::pair{r, i};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> MarkeBei(const Ueberlagerung& u, QSize innen, QPointF pixel) {
    const QPointF m = Massstab(innen);
    const double fang = kMarkendurchmesser / 2 + 2;
    for (std::size_t i = u.marken.size(); i-- > 0;) {
        const QPointF d = Pixel(u.marken[i].ort, m) - pixel;
        if (d.x() * d.x() + d.y() * d.y() <= fang * fang) return i;
    }
    return std::nullopt;
}

}  // namespace lumora
