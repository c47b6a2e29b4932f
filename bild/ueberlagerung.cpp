#include "bild/ueberlagerung.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "bild/leinwandbild.h"
#include "bild/loesungsbild.h"
#include "bild/namen.h"
#include "chart/beschriftung.h"
#include "core/koordinaten.h"

namespace lumora {

namespace {

constexpr double kMarkendurchmesser = 8;  // px at 96 dpi; device-independent pixels scale
constexpr double kPfeillaenge = 10;
constexpr double kPfeilbreite = 4;
// The emblem Picture1 covers the canvas from here towards its bottom-right corner, canvas units.
constexpr double kEmblemLinks = 11411;
constexpr double kEmblemOben = 7585;

QPointF Pixel(QPointF canvas, QPointF massstab) {
    return {canvas.x() * massstab.x(), canvas.y() * massstab.y()};
}

bool Endlich(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// A process line from a to b in pixels: the arrowhead's tip touches the end state's marker,
// and the shaft ends where the arrowhead's base begins, so that the tip stays sharp. None for a
// line of no length.
struct Pfeil {
    QLineF schaft;
    QPointF spitze[3];
};

std::optional<Pfeil> PfeilVon(QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double laenge = std::sqrt(d.x() * d.x() + d.y() * d.y());  // quicker than hypot
    if (!(laenge > 0)) return std::nullopt;
    const QPointF e = d / laenge;
    const QPointF n(-e.y(), e.x());
    const QPointF tip = laenge > kMarkendurchmesser ? b - e * (kMarkendurchmesser / 2) : b;
    const QPointF basis = tip - e * kPfeillaenge;
    const QPointF ende = laenge > kMarkendurchmesser / 2 + kPfeillaenge ? basis : a;
    return Pfeil{QLineF(a, ende), {tip, basis + n * kPfeilbreite, basis - n * kPfeilbreite}};
}

// The row of a kind in kProzessfarben.
std::size_t FarbIndex(Prozessart art) {
    for (std::size_t i = 0; i < kProzessfarben.size(); ++i) {
        if (kProzessfarben[i].art == art) return i;
    }
    return 0;
}

QPen Linienstift(const Ueberlagerung::Linie& l) {
    QPen stift(Linienfarbe(l.art), 2, Qt::SolidLine, Qt::FlatCap);
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
    return stift;
}

void LinieMalen(QPainter& p, const Ueberlagerung::Linie& l, QPointF m) {
    const QPointF a = Pixel(l.von, m);
    const QPointF b = Pixel(l.nach, m);
    if (!Endlich(a) || !Endlich(b)) return;
    p.setPen(Linienstift(l));
    p.setBrush(Qt::NoBrush);
    if (l.stil != Ueberlagerung::Stil::Prozess) {
        p.drawLine(a, b);
        return;
    }
    const auto pfeil = PfeilVon(a, b);
    if (!pfeil) return;
    p.drawLine(pfeil->schaft);
    p.setBrush(Linienfarbe(l.art));
    p.setPen(Qt::NoPen);
    p.drawPolygon(pfeil->spitze, 3);
}

// The lines all at once: per kind of process the solid shafts in one call and the arrowheads
// as one path, the few dashed lines one by one, so that each keeps its own dash pattern. Lines
// of one colour cover each other alike, so their order shows nowhere; the kinds are drawn in
// the legend's order.
// During a drag the dashed lines of one kind and style go together too, their dashes
// wherever the stroke puts them.
// The solid shafts and the arrowheads of one kind of process.
struct Buendel {
    std::vector<QLineF> voll;
    QPainterPath spitzen;
};
using Buendelung = std::array<Buendel, kProzessfarben.size()>;

Buendelung Buendeln(const std::vector<Ueberlagerung::Linie>& linien, QPointF m) {
    Buendelung buendel;
    for (const Ueberlagerung::Linie& l : linien) {
        const QPointF a = Pixel(l.von, m);
        const QPointF b = Pixel(l.nach, m);
        if (!Endlich(a) || !Endlich(b)) continue;
        Buendel& bu = buendel[FarbIndex(l.art)];
        if (l.stil == Ueberlagerung::Stil::Verbindung) {
            bu.voll.emplace_back(a, b);
        } else if (l.stil == Ueberlagerung::Stil::Prozess) {
            if (const auto pfeil = PfeilVon(a, b)) {
                bu.voll.push_back(pfeil->schaft);
                bu.spitzen.addPolygon(
                    QPolygonF({pfeil->spitze[0], pfeil->spitze[1], pfeil->spitze[2]}));
                bu.spitzen.closeSubpath();
            }
        }
    }
    return buendel;
}

// During a drag a line n device pixels wide is drawn as n parallel lines one device pixel
// wide, side by side across its main direction: the same pixels, without the stroker's
// polygons.
void Streifen(const QLineF& l, int n, double dpr, std::vector<QLineF>& aus) {
    const bool flach = std::fabs(l.dx()) >= std::fabs(l.dy());
    for (int i = 0; i < n; ++i) {
        const double v = (i - (n - 1) / 2.0) / dpr;
        aus.push_back(l.translated(flach ? QPointF(0, v) : QPointF(v, 0)));
    }
}

// The solid lines and arrowheads, kind by kind in the legend's order.
void VolleMalen(QPainter& p, Buendelung& buendel, bool streifen, double dpr) {
    const int n = std::max(1, static_cast<int>(std::lround(2 * dpr)));
    std::vector<QLineF> schmal;
    for (const Prozessfarbe& f : kProzessfarben) {
        Buendel& bu = buendel[FarbIndex(f.art)];
        if (bu.voll.empty()) continue;
        p.setBrush(Qt::NoBrush);
        if (streifen) {
            schmal.clear();
            for (const QLineF& l : bu.voll) Streifen(l, n, dpr, schmal);
            QPen stift(f.farbe, 1, Qt::SolidLine, Qt::FlatCap);
            stift.setCosmetic(true);
            p.setPen(stift);
            p.drawLines(schmal.data(), static_cast<int>(schmal.size()));
        } else {
            p.setPen(QPen(f.farbe, 2, Qt::SolidLine, Qt::FlatCap));
            p.drawLines(bu.voll.data(), static_cast<int>(bu.voll.size()));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(f.farbe);
        bu.spitzen.setFillRule(Qt::WindingFill);
        p.drawPath(bu.spitzen);
    }
}

// During a drag the dashed lines of one kind and style as strips together, with the dashes of
// the pen's width.
void GestricheltGebuendelt(QPainter& p, const std::vector<Ueberlagerung::Linie>& linien, QPointF m,
                           double dpr) {
    std::vector<QLineF> schmal;
    for (const auto stil : {Ueberlagerung::Stil::Auslauf, Ueberlagerung::Stil::Zufluss}) {
        const QPen muster = Linienstift({{}, {}, stil, Prozessart::Heizen});
        const int n = std::max(1, static_cast<int>(std::lround(muster.widthF() * dpr)));
        for (const Prozessfarbe& f : kProzessfarben) {
            schmal.clear();
            for (const Ueberlagerung::Linie& l : linien) {
                const QPointF a = Pixel(l.von, m);
                const QPointF b = Pixel(l.nach, m);
                if (l.stil != stil || l.art != f.art || !Endlich(a) || !Endlich(b)) continue;
                Streifen(QLineF(a, b), n, dpr, schmal);
            }
            if (schmal.empty()) continue;
            QPen stift(f.farbe, 1, Qt::CustomDashLine, Qt::FlatCap);
            stift.setCosmetic(true);
            const double laenge = muster.widthF() * dpr;  // device pixels per unit of the pattern
            stift.setDashPattern({4 * laenge, 2 * laenge});
            p.setPen(stift);
            p.drawLines(schmal.data(), static_cast<int>(schmal.size()));
        }
    }
}

void LinienGebuendelt(QPainter& p, const std::vector<Ueberlagerung::Linie>& linien, QPointF m,
                      bool imZug) {
    Buendelung buendel = Buendeln(linien, m);
    const double dpr = p.deviceTransform().m11();
    const bool streifen = imZug && dpr > 0;
    VolleMalen(p, buendel, streifen, dpr);
    if (streifen) {
        GestricheltGebuendelt(p, linien, m, dpr);
        return;
    }
    for (const Ueberlagerung::Linie& l : linien) {
        if (l.stil == Ueberlagerung::Stil::Auslauf || l.stil == Ueberlagerung::Stil::Zufluss) {
            LinieMalen(p, l, m);
        }
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

// As large as the temperature labels at the left edge, so that h reads as easily as ϑ.
QFont Enthalpieschrift() {
    QFont f("Arial");
    f.setPointSizeF(Layout(Gruppe::txt_Temp).punkt);
    return f;
}

void EnthalpieetikettenMalen(QPainter& p, const Eingabe& e, QSize innen) {
    p.setFont(Enthalpieschrift());
    p.setPen(Qt::black);
    for (const Enthalpieetikett& l : Enthalpieetiketten(e, innen)) {
        p.fillRect(l.box, QColor(255, 255, 255, 225));
        p.drawText(l.box, Qt::AlignCenter, l.text);
    }
}

// The legend's sizes in pixels: margin, line sample and the gap after it.
constexpr double kLegendenRand = 5;
constexpr double kLegendenProbe = 22;
constexpr double kLegendenLuecke = 6;

double Legendenzeile(const QFontMetricsF& fm) { return fm.height() + 2; }

// The legend of the process kinds the chart shows: a sample of each kind's line and its name.
// At `box`, which Legendenbox gives.
void LegendeMalen(QPainter& p, const Ueberlagerung& u, const QRectF& box) {
    if (box.isEmpty()) return;
    const QFont schrift = Legendenschrift();
    const QFontMetricsF fm(schrift);
    const double zeile = Legendenzeile(fm);
    p.save();
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRect(box);
    p.setFont(schrift);
    double y = box.top() + kLegendenRand;
    const double links = box.left() + kLegendenRand;
    for (Prozessart art : u.legende) {
        const double mitte = y + zeile / 2;
        p.setPen(QPen(Linienfarbe(art), 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(links, mitte), QPointF(links + kLegendenProbe, mitte));
        p.setPen(Qt::black);
        const double text = links + kLegendenProbe + kLegendenLuecke;
        p.drawText(QRectF(text, y, box.right() - text, zeile), Qt::AlignLeft | Qt::AlignVCenter,
                   Legendentext(art));
        y += zeile;
    }
    p.restore();
}

void MarkeMalen(QPainter& p, QPointF ort) {
    const double r = kMarkendurchmesser / 2;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kZustandsfarbe);
    p.drawEllipse(ort, r, r);
}

// The markers' centres in pixels and their names' usual boxes, up and to the right of them;
// with `nur`, the boxes of only the markers it marks.
// breiten: the names' widths measured before, which a drag asks again and again.
void NamenGewohnt(const Ueberlagerung& u, QSize innen, const std::vector<bool>* nur,
                  std::vector<QPointF>& orte, std::vector<QRectF>& gewohnt,
                  QHash<QString, double>* breiten = nullptr) {
    const QPointF m = Massstab(innen);
    const double r = kMarkendurchmesser / 2;
    const QFontMetricsF masse(Namensschrift());
    orte.clear();
    gewohnt.clear();
    orte.reserve(u.marken.size());
    gewohnt.reserve(u.marken.size());
    if (breiten && breiten->size() > 20000) breiten->clear();  // bounded, as the name images
    for (std::size_t i = 0; i < u.marken.size(); ++i) {
        const QPointF ort = Pixel(u.marken[i].ort, m);
        orte.push_back(ort);
        if (nur && !(*nur)[i]) {
            gewohnt.emplace_back();
            continue;
        }
        const QPointF grundlinie = ort + QPointF(r + 2, -r - 2);
        const QString& name = u.marken[i].name;
        if (!breiten) {
            gewohnt.push_back(NamensboxAn(grundlinie, name, masse));
            continue;
        }
        auto breite = breiten->find(name);
        if (breite == breiten->end()) breite = breiten->insert(name, masse.horizontalAdvance(name));
        gewohnt.push_back(NamensboxAn(grundlinie, *breite, masse));
    }
}

// The names' places for a frame: during a drag only those of the markers that moved since
// the frame before are placed again.
std::vector<Namensplatz> PlaetzeImZug(const Ueberlagerung& u, QSize innen, Markenvorrat& v,
                                      bool imZug) {
    std::vector<Namensplatz> plaetze;
    if (imZug && v.namensflaeche == innen && v.namensmarken.size() == u.marken.size() &&
        v.namensplaetze.size() == u.marken.size()) {
        std::vector<bool> neu(u.marken.size());
        for (std::size_t i = 0; i < neu.size(); ++i) {
            neu[i] = u.marken[i].ort != v.namensmarken[i].ort ||
                     u.marken[i].name != v.namensmarken[i].name;
        }
        std::vector<QPointF> orte;
        std::vector<QRectF> gewohnt;
        NamenGewohnt(u, innen, &neu, orte, gewohnt, &v.namensbreiten);
        plaetze = NamenNachziehen(orte, gewohnt, kMarkendurchmesser / 2, innen,
                                  std::move(v.namensplaetze), neu);
    } else {
        plaetze = Namensplaetze(u, innen);
    }
    v.namensplaetze = plaetze;
    v.namensmarken = u.marken;
    v.namensflaeche = innen;
    return plaetze;
}

// The margin around a name's box that its halo may reach, px.
constexpr double kHofrand = 2;

// The leader lines from the markers to the names that had to move away from them.
void FuehrungslinienMalen(QPainter& p, const std::vector<Ueberlagerung::Marke>& marken, QPointF m,
                          const std::vector<Namensplatz>& plaetze, const std::vector<bool>* ohne) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    for (std::size_t i = 0; i < marken.size() && i < plaetze.size(); ++i) {
        if (!plaetze[i].abgesetzt || (ohne && i < ohne->size() && (*ohne)[i])) continue;
        const QPointF ort = Pixel(marken[i].ort, m);
        if (Endlich(ort)) p.drawLine(Fuehrungslinie(ort, kMarkendurchmesser / 2, plaetze[i].box));
    }
}

// Quarter pixels: a marker copied from the vorrat lies at most an eighth of a pixel away from
// where it would be drawn.
constexpr int kViertel = 4;

// Markers and names from the vorrat, for a raster device whose pixels the painter reaches by
// scaling alone. The marker images are drawn anew when the pixel ratio changes.
void MarkenAusVorrat(QPainter& p, const std::vector<Ueberlagerung::Marke>& marken, QPointF m,
                     const std::vector<Namensplatz>& plaetze, Markenvorrat& v,
                     const std::vector<bool>* ohne) {
    const QTransform geraet = p.deviceTransform();
    const qreal dpr = geraet.m11();
    const int n = static_cast<int>(std::ceil((kMarkendurchmesser + 4) * dpr)) + 2;
    const int mitte = n / 2;
    if (v.pixelverhaeltnis != dpr) {
        v.pixelverhaeltnis = dpr;
        v.namen.clear();
        for (int i = 0; i < kViertel * kViertel; ++i) {
            QImage bild(n, n, QImage::Format_ARGB32_Premultiplied);
            bild.fill(Qt::transparent);
            QPainter q(&bild);
            q.setRenderHint(QPainter::Antialiasing, true);
            q.scale(dpr, dpr);
            const QPointF versatz(static_cast<double>(i % kViertel) / kViertel,
                                  static_cast<double>(i / kViertel) / kViertel);
            MarkeMalen(q, (QPointF(mitte, mitte) + versatz) / dpr);
            q.end();
            bild.setDevicePixelRatio(dpr);
            v.marken[static_cast<std::size_t>(i)] = bild;
        }
    }
    if (v.namen.size() > 20000) v.namen.clear();  // bounded, however many names come and go
    const QTransform zurueck = geraet.inverted();
    const double r = kMarkendurchmesser / 2;
    const QFontMetricsF masse(p.font());
    const double oben = masse.ascent();
    for (std::size_t i = 0; i < marken.size(); ++i) {
        if (ohne && i < ohne->size() && (*ohne)[i]) continue;
        const Ueberlagerung::Marke& k = marken[i];
        const QPointF ort = Pixel(k.ort, m);
        if (!Endlich(ort)) continue;
        const QPointF g = geraet.map(ort);
        const double qx = std::floor(g.x() * kViertel + 0.5);
        const double qy = std::floor(g.y() * kViertel + 0.5);
        if (!(std::fabs(qx) < 1e9 && std::fabs(qy) < 1e9)) continue;  // far off the device
        const double ix = std::floor(qx / kViertel);
        const double iy = std::floor(qy / kViertel);
        const auto phase =
            static_cast<std::size_t>((qy - iy * kViertel) * kViertel + (qx - ix * kViertel));
        p.drawImage(zurueck.map(QPointF(ix - mitte, iy - mitte)), v.marken[phase]);
        if (k.name.isEmpty()) continue;
        auto text = v.namen.find(k.name);
        if (text == v.namen.end()) {
            // Drawn once, with its halo, into an image kHofrand pixels wider on each side than
            // the text's box.
            const QSizeF groesse(masse.horizontalAdvance(k.name) + 2 + 2 * kHofrand,
                                 masse.height() + 2 + 2 * kHofrand);
            QImage bild((groesse * dpr).toSize() + QSize(1, 1),
                        QImage::Format_ARGB32_Premultiplied);
            bild.fill(Qt::transparent);
            QPainter q(&bild);
            q.scale(dpr, dpr);
            q.setFont(p.font());
            NameMitHofMalen(q, QPointF(1 + kHofrand, 1 + kHofrand + oben), k.name, Qt::black);
            q.end();
            bild.setDevicePixelRatio(dpr);
            text = v.namen.insert(k.name, bild);
        }
        // On a whole device pixel, so that the copy stays as sharp as the text it shows.
        const QRectF box = i < plaetze.size()
                               ? plaetze[i].box
                               : NamensboxAn(ort + QPointF(r + 2, -r - 2), k.name, masse);
        const QPointF links = geraet.map(box.topLeft() - QPointF(kHofrand, kHofrand));
        p.drawImage(zurueck.map(QPointF(std::round(links.x()), std::round(links.y()))), *text);
    }
}

}  // namespace

std::vector<Enthalpieetikett> Enthalpieetiketten(const Eingabe& e, QSize innen) {
    std::vector<Enthalpieetikett> aus;
    const double schritt = e.DeltaThetagross;
    if (!(schritt > 0) || !(e.Thetamax - e.ThetaUnten > 0) || !(e.Xmax > 0)) return aus;
    const QPointF m = Massstab(innen);
    const QFontMetricsF fm(Enthalpieschrift());
    const auto text = [](double h) { return QLocale::c().toString(h, 'g', 10); };
    // On each edge a label is kept only clear of the last one kept there.
    const auto setzen = [&](QRectF box, QString t, std::optional<QRectF>& zuletzt) {
        if (zuletzt && box.adjusted(-2, -2, 2, 2).intersects(*zuletzt)) return;
        zuletzt = box;
        aus.push_back({std::move(t), box});
    };
    const double hoehe = fm.height();
    // Left edge, from the top down: h = Thetamax's multiples below it to the lower limit.
    std::optional<QRectF> links;
    const double kOben = std::floor(e.Thetamax / schritt);
    const double kUnten = -Kaelteschritte(e.ThetaUnten, schritt);
    for (double k = kOben; k >= kUnten && aus.size() < 1000; k = k - 1) {
        const double h = k * schritt;
        const QPointF ort = Pixel({0, KoordY(e, 0, h)}, m);
        // Above its line, or below it where the line starts at the top edge.
        const bool ecke = ort.y() - hoehe - 1 < 0;
        const QString t = ecke ? "h = " + text(h) + " kJ/kg" : text(h);
        const double y = ecke ? ort.y() + 1 : ort.y() - hoehe - 1;
        const QRectF box(ort.x() + 3, y, fm.horizontalAdvance(t) + 4, hoehe);
        if (box.top() < 0 || box.bottom() > innen.height()) continue;
        setzen(box, t, links);
    }
    // Top edge, left to right: h = Thetamax + k step.
    std::optional<QRectF> oben;
    const double xSchritt = schritt / kSchraege;
    for (double k = 1; k * xSchritt <= e.Xmax && k < 1000; k = k + 1) {
        const QPointF ort = Pixel({KoordX(e, k * xSchritt), 0}, m);
        const QString t = text(e.Thetamax + k * schritt);
        const QRectF box(ort.x() + 2, 1, fm.horizontalAdvance(t) + 4, hoehe);
        if (box.right() > innen.width()) break;
        setzen(box, t, oben);
    }
    return aus;
}

std::optional<QPointF> RandpunktDerRichtung(const Eingabe& e, double epsilon) {
    const double dX = kLeinwandBreite / e.Xmax;
    const double dY = -kLeinwandHoehe * (epsilon - kSchraege) / (e.Thetamax - e.ThetaUnten);
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
    KartenMalen(p, u.karten, m);
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
    // Where the painter reaches the device's pixels unchanged (the window's background image),
    // each dot is the whole-pixel square the raster engine would fill for it, and a square that
    // the same series has filled already is left out: a logger's points crowd onto the same few
    // pixels, and the series' colour is opaque.
    const bool ganzePixel = p.deviceTransform().isIdentity() && p.paintEngine() &&
                            p.paintEngine()->type() == QPaintEngine::Raster;
    // A square's corner lies from 4 pixels before the interior to 1 after it.
    constexpr int kRand = 6;
    for (const Ueberlagerung::Reihe& r : u.reihen) {
        p.setBrush(r.farbe);
        std::vector<QRectF> punkte;
        std::vector<QRect> quadrate;
        std::vector<bool> belegt;
        if (ganzePixel) {
            belegt.assign(static_cast<std::size_t>(innen.width() + kRand) *
                              static_cast<std::size_t>(innen.height() + kRand),
                          false);
        }
        for (const QPointF& q : *r.punkte) {
            const QPointF px = Pixel(q, m);
            if (px.x() < -2 || px.y() < -2 || px.x() > innen.width() + 2 ||
                px.y() > innen.height() + 2) {
                continue;
            }
            const QRectF punkt(px.x() - 1.5, px.y() - 1.5, 3, 3);
            if (!ganzePixel) {
                punkte.push_back(punkt);
                continue;
            }
            // The raster engine's rounding of a rectangle to the pixels it fills.
            const int x1 = qRound(punkt.x());
            const int y1 = qRound(punkt.y());
            const QRect quadrat(x1, y1, qRound(punkt.right()) - x1, qRound(punkt.bottom()) - y1);
            if (quadrat.width() == 3 && quadrat.height() == 3) {
                const auto stelle = static_cast<std::size_t>(y1 + 4) *
                                        static_cast<std::size_t>(innen.width() + kRand) +
                                    static_cast<std::size_t>(x1 + 4);
                if (belegt[stelle]) continue;
                belegt[stelle] = true;
            }
            quadrate.push_back(quadrat);
        }
        p.drawRects(punkte.data(), static_cast<int>(punkte.size()));
        p.drawRects(quadrate.data(), static_cast<int>(quadrate.size()));
    }
    if (u.anlage) AnlagenbildMalen(p, *u.anlage, m);
    p.restore();
}

namespace {

// Whether the painter reaches a raster device by scaling alone, where the vorrat serves.
bool AusVorrat(QPainter& p, const Markenvorrat* vorrat) {
    return vorrat && p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster &&
           p.deviceTransform().type() <= QTransform::TxScale &&
           p.deviceTransform().m11() == p.deviceTransform().m22() && p.deviceTransform().m11() > 0;
}

// The markers with their names (and leader lines) at the places among all of u's, leaving out
// those that `ohne` marks.
void MarkenMalen(QPainter& p, const Ueberlagerung& u, QSize innen, Markenvorrat* vorrat,
                 bool ausVorrat, bool imZug, const std::vector<bool>* ohne) {
    const QPointF m = Massstab(innen);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setFont(Namensschrift());
    const std::vector<Namensplatz> plaetze =
        vorrat ? PlaetzeImZug(u, innen, *vorrat, imZug) : Namensplaetze(u, innen);
    FuehrungslinienMalen(p, u.marken, m, plaetze, ohne);
    if (ausVorrat) {
        MarkenAusVorrat(p, u.marken, m, plaetze, *vorrat, ohne);
        return;
    }
    const QFontMetricsF masse(p.font());
    for (std::size_t i = 0; i < u.marken.size(); ++i) {
        if (ohne && i < ohne->size() && (*ohne)[i]) continue;
        const Ueberlagerung::Marke& k = u.marken[i];
        const QPointF ort = Pixel(k.ort, m);
        if (!Endlich(ort)) continue;
        MarkeMalen(p, ort);
        // On a whole device pixel, as the window draws it from the vorrat.
        const QTransform geraet = p.deviceTransform();
        const QPointF links = geraet.map(plaetze[i].box.topLeft());
        const QPointF ecke =
            geraet.inverted().map(QPointF(std::round(links.x()), std::round(links.y())));
        NameMitHofMalen(p, GrundlinieIn(QRectF(ecke, plaetze[i].box.size()), masse), k.name,
                        Qt::black);
    }
}

}  // namespace

void RuhendeMarkenMalen(QPainter& p, const Ueberlagerung& u, QSize innen, Markenvorrat& vorrat,
                        const std::vector<bool>& ruhend) {
    std::vector<bool> ohne(u.marken.size(), true);
    for (std::size_t i = 0; i < ohne.size() && i < ruhend.size(); ++i) ohne[i] = !ruhend[i];
    p.save();
    p.setClipRect(QRect(QPoint(0, 0), innen));
    MarkenMalen(p, u, innen, &vorrat, AusVorrat(p, &vorrat), true, &ohne);
    p.restore();
}

void VordergrundMalen(QPainter& p, const Ueberlagerung& u, QSize innen, Markenvorrat* vorrat,
                      bool imZug, const std::vector<bool>* ohne) {
    const QPointF m = Massstab(innen);
    const bool ausVorrat = AusVorrat(p, vorrat);
    p.save();
    p.setClipRect(QRect(QPoint(0, 0), innen));
    p.setRenderHint(QPainter::Antialiasing, true);
    if (u.randmassstab) Randmassstab(p, *u.randmassstab, m);
    if (u.enthalpieetiketten) EnthalpieetikettenMalen(p, *u.enthalpieetiketten, innen);
    LoesungMalen(p, u, innen);  // under the project's own
    p.setRenderHint(QPainter::Antialiasing, !imZug);
    if (ausVorrat) {
        LinienGebuendelt(p, u.linien, m, imZug);
    } else {
        for (const Ueberlagerung::Linie& l : u.linien) LinieMalen(p, l, m);
    }
    MarkenMalen(p, u, innen, vorrat, ausVorrat, imZug, ohne);
    // During a drag the legend stays where the drag found it, rather than jump about with the
    // markers, and is not placed anew for every frame.
    if (!u.legende.empty()) {
        const bool bleibt =
            vorrat && imZug && vorrat->legende && vorrat->legendenArten == u.legende;
        const QRectF box = bleibt ? *vorrat->legende : Legendenbox(u, innen);
        if (vorrat) {
            vorrat->legende = imZug ? std::optional<QRectF>(box) : std::nullopt;
            vorrat->legendenArten = u.legende;
        }
        LegendeMalen(p, u, box);
    }
    if (!u.karten.empty()) {
        const bool bleibt = vorrat && imZug && vorrat->kartenlegende;
        const QRectF box = bleibt ? *vorrat->kartenlegende : Kartenlegendenbox(u, innen);
        if (vorrat) vorrat->kartenlegende = imZug ? std::optional<QRectF>(box) : std::nullopt;
        KartenlegendeMalen(p, u.karten, box);
    }
    if (u.anlage) {
        const bool bleibt = vorrat && imZug && vorrat->anlagenlegende;
        const QRectF box = bleibt ? *vorrat->anlagenlegende : Anlagenlegendenbox(u, innen);
        if (vorrat) vorrat->anlagenlegende = imZug ? std::optional<QRectF>(box) : std::nullopt;
        AnlagenlegendeMalen(p, *u.anlage, box);
    }
    p.restore();
}

namespace {

// The chart's own marks inside the canvas that a legend should leave free: the states with
// their names, the enthalpy labels, the edge scale, the emblem and the frequency maps' classes.
std::vector<QRectF> Belegt(const Ueberlagerung& u, QSize innen) {
    const QPointF m = Massstab(innen);
    std::vector<QRectF> frei = Markenflaechen(u, innen);
    for (const Namensplatz& n : Namensplaetze(u, innen)) frei.push_back(n.box);
    if (u.enthalpieetiketten) {
        for (const Enthalpieetikett& e : Enthalpieetiketten(*u.enthalpieetiketten, innen))
            frei.push_back(e.box);
    }
    if (u.randmassstab) {
        for (double eps : kRandmassstab) {
            if (const auto rand = RandpunktDerRichtung(*u.randmassstab, eps)) {
                const QPointF ort = Pixel(*rand, m);
                frei.emplace_back(ort.x() - 40, ort.y() - 40, 80, 80);  // the tick and its text
            }
        }
    }
    const QPointF emblem = Pixel({kEmblemLinks, kEmblemOben}, m);
    frei.emplace_back(emblem, QPointF(innen.width(), innen.height()));
    const std::vector<QRectF> karten = Kartenflaechen(u.karten, m);
    frei.insert(frei.end(), karten.begin(), karten.end());
    return frei;
}

}  // namespace

QRectF Legendenplatz(QSizeF groesse, const Ueberlagerung& u, QSize innen,
                     const std::vector<QRectF>& meiden) {
    const QPointF emblem = Pixel({kEmblemLinks, kEmblemOben}, Massstab(innen));
    constexpr double kAbstand = 6;
    const double rechts = innen.width() - groesse.width() - kAbstand;
    const std::vector<QPointF> ecken{{rechts, kAbstand + 14},
                                     {rechts, emblem.y() - groesse.height() - kAbstand},
                                     {kAbstand + 40, innen.height() - groesse.height() - kAbstand},
                                     {kAbstand + 40, kAbstand + 14}};
    std::vector<QRectF> frei = Belegt(u, innen);
    frei.insert(frei.end(), meiden.begin(), meiden.end());
    const QRectF box = FreierPlatz(groesse, ecken, frei, innen);
    std::vector<QRectF> zustaende = Markenflaechen(u, innen);
    const auto deckt = [&](const QRectF& b) {
        return std::any_of(zustaende.begin(), zustaende.end(),
                           [&](const QRectF& z) { return b.intersects(z); });
    };
    if (!deckt(box)) return box;
    // Nothing is clear of everything: at least clear of every state and of `meiden`.
    zustaende.insert(zustaende.end(), meiden.begin(), meiden.end());
    return FreierPlatz(groesse, ecken, zustaende, innen);
}

QRectF Legendenbox(const Ueberlagerung& u, QSize innen) {
    if (u.legende.empty()) return {};
    const QFontMetricsF fm(Legendenschrift());
    double breite = 0;
    for (Prozessart art : u.legende)
        breite = std::fmax(breite, fm.horizontalAdvance(Legendentext(art)));
    const QSizeF groesse(
        2 * kLegendenRand + kLegendenProbe + kLegendenLuecke + breite + 1,
        2 * kLegendenRand + Legendenzeile(fm) * static_cast<double>(u.legende.size()));
    return Legendenplatz(groesse, u, innen);
}

QRectF Kartenlegendenbox(const Ueberlagerung& u, QSize innen) {
    if (u.karten.empty()) return {};
    const QRectF prozesse = Legendenbox(u, innen);
    std::vector<QRectF> meiden;
    if (!prozesse.isEmpty()) meiden.push_back(prozesse.adjusted(-4, -4, 4, 4));
    return Legendenplatz(KartenlegendeGroesse(u.karten), u, innen, meiden);
}

std::vector<QRectF> Markenflaechen(const Ueberlagerung& u, QSize innen) {
    const QPointF m = Massstab(innen);
    const double r = kMarkendurchmesser / 2;
    std::vector<QRectF> aus;
    aus.reserve(u.marken.size());
    for (const Ueberlagerung::Marke& k : u.marken) {
        const QPointF ort = Pixel(k.ort, m);
        if (Endlich(ort)) aus.emplace_back(ort.x() - r, ort.y() - r, 2 * r, 2 * r);
    }
    return aus;
}

std::vector<Namensplatz> Namensplaetze(const Ueberlagerung& u, QSize innen,
                                       const std::vector<QRectF>& meiden) {
    std::vector<QPointF> orte;
    std::vector<QRectF> gewohnt;
    NamenGewohnt(u, innen, nullptr, orte, gewohnt);
    return NamenPlatzieren(orte, gewohnt, kMarkendurchmesser / 2, innen, meiden);
}

QColor Linienfarbe(Prozessart art) { return kProzessfarben[FarbIndex(art)].farbe; }

QString Legendentext(Prozessart art) { return QString::fromStdString(Anzeigename(art)); }

std::optional<std::pair<std::size_t, std::size_t>> MesspunktBei(const Ueberlagerung& u, QSize innen,
                                                                QPointF pixel) {
    const QPointF m = Massstab(innen);
    const double fang = 3;
    for (std::size_t r = u.reihen.size(); r-- > 0;) {
        const auto& punkte = *u.reihen[r].punkte;
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
