#include "bild/loesungsbild.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "bild/leinwandbild.h"
#include "bild/namen.h"

namespace lumora {

namespace {

constexpr double kRadius = 5;  // px: a little larger than a state's marker, which it rings

bool Endlich(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

}  // namespace

void LoesungDazu(Ueberlagerung& u, const Ueberlagerung& loesung) {
    u.loesungLinien = loesung.linien;
    u.loesungMarken = loesung.marken;
    for (Ueberlagerung::Marke& m : u.loesungMarken) m.eintrag = -1;  // never dragged
}

void LoesungMalen(QPainter& p, const Ueberlagerung& u, QSize innen) {
    if (u.loesungLinien.empty() && u.loesungMarken.empty()) return;
    const QPointF m = Massstab(innen);
    const auto pixel = [m](QPointF q) { return QPointF(q.x() * m.x(), q.y() * m.y()); };
    p.save();
    p.setClipRect(QRect(QPoint(0, 0), innen));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLoesungsfarbe, 1, Qt::DashLine, Qt::FlatCap));
    for (const Ueberlagerung::Linie& l : u.loesungLinien) {
        const QPointF a = pixel(l.von);
        const QPointF b = pixel(l.nach);
        if (Endlich(a) && Endlich(b)) p.drawLine(a, b);
    }
    QFont schrift("Arial");
    schrift.setPointSizeF(8);
    p.setFont(schrift);
    const QFontMetricsF masse(schrift);
    const double oben = masse.ascent();
    // The names clear of the student's markers and names, below and to the right where they
    // can.
    std::vector<QRectF> meiden = Markenflaechen(u, innen);
    for (const Namensplatz& n : Namensplaetze(u, innen)) meiden.push_back(n.box);
    std::vector<QPointF> orte;
    std::vector<QRectF> gewohnt;
    for (const Ueberlagerung::Marke& k : u.loesungMarken) {
        const QPointF ort = pixel(k.ort);
        orte.push_back(ort);
        gewohnt.push_back(
            NamensboxAn(ort + QPointF(kRadius + 2, kRadius + 2 + oben), k.name, masse));
    }
    const std::vector<Namensplatz> plaetze = NamenPlatzieren(orte, gewohnt, kRadius, innen, meiden);
    for (std::size_t i = 0; i < u.loesungMarken.size(); ++i) {
        const QPointF ort = orte[i];
        if (!Endlich(ort)) continue;
        p.setPen(QPen(kLoesungsfarbe, 1, Qt::DashLine));
        p.drawEllipse(ort, kRadius, kRadius);
        if (plaetze[i].abgesetzt) {
            p.setPen(QPen(kLoesungsfarbe, 1));
            p.drawLine(Fuehrungslinie(ort, kRadius, plaetze[i].box));
        }
        NameMitHofMalen(p, GrundlinieIn(plaetze[i].box, masse), u.loesungMarken[i].name,
                        kLoesungsfarbe);
    }
    p.restore();
}

}  // namespace lumora
