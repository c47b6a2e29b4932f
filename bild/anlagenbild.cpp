#include "bild/anlagenbild.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "bild/leinwandbild.h"
#include "bild/projektbild.h"
#include "bild/ueberlagerung.h"
#include "core/koordinaten.h"
#include "core/text.h"
#include "projekt/berechnung.h"

namespace lumora {

namespace {

// The colours of the modes, in the order of Betriebsart: hues the chart leaves free
// (indigo, violet blue, lime, magenta, gold, olive), none of them red, orange, green, teal,
// plain blue, purple, pink or grey.
const std::array<QColor, kBetriebsarten> kArtfarben{{
    QColor(40, 0, 130),     // entfeuchten
    QColor(150, 220, 0),    // befeuchten
    QColor(110, 110, 255),  // kuehlen
    QColor(235, 0, 235),    // heizen
    QColor(210, 200, 0),    // wrg
    QColor(95, 95, 0),      // frei
}};

constexpr double kPunkt = 4;  // a dot's diameter in pixels

// The legend's sizes in pixels: margin, the sample and the gap after it.
constexpr double kRand = 5;
constexpr double kProbe = 22;
constexpr double kLuecke = 6;
constexpr double kAbstand = 6;  // from the canvas's edges

QString Titel() { return QString::fromStdString(Text("Bild", "Betriebsarten")); }
QString Fenstertext() { return QString::fromStdString(Text("Bild", "Zuluftfeld")); }

QString Betriebsartname(Betriebsart a) { return QString::fromStdString(NameVon(a)); }

double Zeile(const QFontMetricsF& fm) { return fm.height() + 2; }

QSizeF Legendengroesse(const Anlagenbild& a) {
    const QFontMetricsF fett(Legendenschrift(true));
    const QFontMetricsF fm(Legendenschrift(false));
    double breite = std::max(fett.horizontalAdvance(Titel()), fm.horizontalAdvance(Fenstertext()));
    const std::vector<Betriebsart> arten = a.arten();
    for (Betriebsart art : arten)
        breite = std::max(breite, fm.horizontalAdvance(Betriebsartname(art)));
    const double zeilen = static_cast<double>(arten.size()) + (a.fenster.isEmpty() ? 0 : 1);
    return {std::ceil(2 * kRand + kProbe + kLuecke + breite + 1),
            std::ceil(2 * kRand + fett.height() + 2 + zeilen * Zeile(fm))};
}

// The window as a zone of the project would outline it: the same edges, the open bounds of x
// running to the chart's edge and to saturation.
QPolygonF Fensterumriss(const Anlage& a, const Luftdruck& d, const Eingabe& e) {
    Json zone = Json::object();
    zone["name"] = a.name;
    zone["theta"] = Json::array({JsonZahl(a.thetaMin), JsonZahl(a.thetaMax)});
    if (a.xMin || a.xMax) {
        zone["x"] =
            Json::array({a.xMin ? JsonZahl(*a.xMin) : Json(), a.xMax ? JsonZahl(*a.xMax) : Json()});
    }
    return ZonenUmriss(zone, d, e);
}

bool Endlich(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

}  // namespace

std::vector<Betriebsart> Anlagenbild::arten() const {
    std::vector<Betriebsart> aus;
    if (!punkte) return aus;
    for (std::size_t i = 0; i < kBetriebsarten; ++i) {
        if (!(*punkte)[i].empty()) aus.push_back(static_cast<Betriebsart>(i));
    }
    return aus;
}

QColor Betriebsartfarbe(Betriebsart a) {
    const auto i = static_cast<std::size_t>(a);
    return i < kArtfarben.size() ? kArtfarben[i] : QColor(Qt::black);
}

std::shared_ptr<const Anlagenbild> AnlagenbildAus(const AnlagenErgebnis& a, const Luftdruck& d,
                                                  const Eingabe& e, const Anlagenbild* vorher) {
    if (!a.anlage) return nullptr;
    auto bild = std::make_shared<Anlagenbild>();
    bild->fenster = Fensterumriss(*a.anlage, d, e);
    bild->diagramm = e;
    bild->quelle = a.jahr;
    if (vorher && a.jahr && vorher->quelle == bild->quelle && vorher->diagramm == e) {
        bild->punkte = vorher->punkte;
    }
    if (!bild->punkte) {
        auto punkte = std::make_shared<Anlagenbild::Punkte>();
        if (a.jahr) {
            for (const Anlagenstunde& s : a.jahr->stunden) {
                const QPointF ort(KoordX(e, s.aussen.x), KoordY(e, s.aussen.x, s.aussen.h));
                const auto art = static_cast<std::size_t>(s.art);
                if (art < punkte->size() && Endlich(ort)) (*punkte)[art].push_back(ort);
            }
        }
        bild->punkte = std::move(punkte);
    }
    return bild;
}

void AnlagenbildMalen(QPainter& p, const Anlagenbild& a, QPointF m) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // The window's light fill under the dots, its outline over them.
    QPolygonF rand;
    rand.reserve(a.fenster.size());
    for (const QPointF& q : a.fenster) rand << QPointF(q.x() * m.x(), q.y() * m.y());
    QColor flaeche = kZuluftfensterfarbe;
    flaeche.setAlpha(25);
    p.setPen(Qt::NoPen);
    if (!rand.isEmpty()) {
        p.setBrush(flaeche);
        p.drawPolygon(rand);
    }
    if (a.punkte) {
        // A dot is a 4 × 4 square without its corners, as two crossed bars drawn without
        // antialiasing: thousands of them fill as quickly as a series' squares do, on every
        // device, and still look round at their size.
        p.setRenderHint(QPainter::Antialiasing, false);
        const double r = kPunkt / 2;
        std::vector<QRectF> balken;
        for (std::size_t i = 0; i < kBetriebsarten; ++i) {
            const auto& punkte = (*a.punkte)[i];
            if (punkte.empty()) continue;
            balken.clear();
            balken.reserve(2 * punkte.size());
            for (const QPointF& q : punkte) {
                const QPointF px(q.x() * m.x(), q.y() * m.y());
                balken.emplace_back(px.x() - r, px.y() - r / 2, kPunkt, r);
                balken.emplace_back(px.x() - r / 2, px.y() - r, r, kPunkt);
            }
            p.setBrush(kArtfarben[i]);
            p.drawRects(balken.data(), static_cast<int>(balken.size()));
        }
        p.setRenderHint(QPainter::Antialiasing, true);
    }
    if (!rand.isEmpty()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kZuluftfensterfarbe, 2, Qt::DashLine));
        p.drawPolygon(rand);
    }
    p.restore();
}

QRectF Anlagenlegendenbox(const Ueberlagerung& u, QSize innen) {
    if (!u.anlage || u.anlage->arten().empty()) return {};
    const QSizeF groesse = Legendengroesse(*u.anlage);
    const QPointF m = Massstab(innen);
    // What it must leave free: the states with their names beside them, and the other legends.
    std::vector<QRectF> zustaende;
    constexpr double r = 4;
    for (const Ueberlagerung::Marke& k : u.marken) {
        const QPointF ort(k.ort.x() * m.x(), k.ort.y() * m.y());
        if (Endlich(ort))
            zustaende.emplace_back(ort.x() - r, ort.y() - r - 16, 6 * r + 60, 2 * r + 16);
    }
    std::vector<QRectF> legenden;
    for (const QRectF& l : {Legendenbox(u, innen), Kartenlegendenbox(u, innen)}) {
        if (!l.isEmpty()) legenden.push_back(l.adjusted(-4, -4, 4, 4));
    }
    // Along the edges, clear of the enthalpy labels at the top and left; the bottom-right
    // corner holds the emblem.
    const double links = kAbstand + 40;
    const double oben = kAbstand + 14;
    const double rechts = innen.width() - groesse.width() - kAbstand;
    const double unten = innen.height() - groesse.height() - kAbstand;
    const double mitteX = (links + rechts) / 2;
    const double mitteY = (oben + unten) / 2;
    const QPointF orte[] = {{rechts, oben},  {links, oben},   {links, unten},  {mitteX, oben},
                            {mitteX, unten}, {links, mitteY}, {rechts, mitteY}};
    constexpr std::size_t kOrte = std::size(orte);
    // The hours under each place, counted once for the year and the canvas: a drag moves
    // states, not hours, and 8,760 of them would be counted again for every frame.
    struct Zaehlung {
        std::weak_ptr<const Anlagenbild::Punkte> punkte;
        QSize innen;
        QSizeF groesse;
        std::array<double, kOrte> stunden{};
    };
    thread_local Zaehlung zaehlung;
    if (zaehlung.punkte.lock() != u.anlage->punkte || zaehlung.innen != innen ||
        zaehlung.groesse != groesse) {
        zaehlung = {u.anlage->punkte, innen, groesse, {}};
        for (std::size_t i = 0; i < kOrte; ++i) {
            const QRectF box(orte[i], groesse);
            for (const auto& punkte : *u.anlage->punkte) {
                for (const QPointF& q : punkte) {
                    zaehlung.stunden[i] += box.contains(q.x() * m.x(), q.y() * m.y());
                }
            }
        }
    }
    QRectF beste;
    double wenigste = INFINITY;
    for (std::size_t i = 0; i < kOrte; ++i) {
        const QRectF box(orte[i], groesse);
        double kosten = zaehlung.stunden[i];
        for (const QRectF& l : legenden) kosten += box.intersects(l) ? 1e12 : 0;
        for (const QRectF& z : zustaende) kosten += box.intersects(z) ? 1e8 : 0;
        if (kosten < wenigste) {
            wenigste = kosten;
            beste = box;
        }
    }
    return beste;
}

void AnlagenlegendeMalen(QPainter& p, const Anlagenbild& a, const QRectF& box) {
    if (box.isEmpty()) return;
    const QFontMetricsF fett(Legendenschrift(true));
    const QFontMetricsF fm(Legendenschrift(false));
    const double zeile = Zeile(fm);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRect(box);
    const double links = box.left() + kRand;
    const double text = links + kProbe + kLuecke;
    double y = box.top() + kRand;
    p.setFont(Legendenschrift(true));
    p.setPen(Qt::black);
    p.drawText(QRectF(links, y, box.right() - links, fett.height()),
               Qt::AlignLeft | Qt::AlignVCenter, Titel());
    y += fett.height() + 2;
    p.setFont(Legendenschrift(false));
    for (Betriebsart art : a.arten()) {
        p.setPen(Qt::NoPen);
        p.setBrush(Betriebsartfarbe(art));
        const double r = kPunkt / 2 + 1;
        p.drawEllipse(QPointF(links + kProbe / 2, y + zeile / 2), r, r);
        p.setPen(Qt::black);
        p.drawText(QRectF(text, y, box.right() - text, zeile), Qt::AlignLeft | Qt::AlignVCenter,
                   Betriebsartname(art));
        y += zeile;
    }
    if (!a.fenster.isEmpty()) {
        QColor flaeche = kZuluftfensterfarbe;
        flaeche.setAlpha(25);
        p.setBrush(flaeche);
        p.setPen(QPen(kZuluftfensterfarbe, 2, Qt::DashLine));
        p.drawRect(QRectF(links + 1, y + 3, kProbe - 2, zeile - 6));
        p.setPen(Qt::black);
        p.drawText(QRectF(text, y, box.right() - text, zeile), Qt::AlignLeft | Qt::AlignVCenter,
                   Fenstertext());
    }
    p.restore();
}

}  // namespace lumora
