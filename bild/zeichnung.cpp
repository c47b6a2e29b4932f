#include "bild/zeichnung.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "bild/bilder.h"
#include "bild/einheiten.h"
#include "bild/laeufe.h"
#include "bild/leinwandbild.h"

namespace lumora {

namespace {

// The visible labels, each with its group, in the order they were shown.
struct Gezeigt {
    const Gruppenlayout* g;
    const Aufzeichnungsbeschriftung::Etikett* e;
};

std::vector<Gezeigt> Sichtbare(const Aufzeichnungsbeschriftung& b) {
    std::vector<Gezeigt> aus;
    for (const Gruppenlayout& g : kGruppen) {
        for (int n = 0; n < g.anzahl; ++n) {
            const auto& e = b.etikett(g.gruppe, n);
            if (e.sichtbar) aus.push_back({&g, &e});
        }
    }
    std::stable_sort(aus.begin(), aus.end(), [](const Gezeigt& a, const Gezeigt& c) {
        return a.e->gezeigt < c.e->gezeigt;
    });
    return aus;
}

// Each visible label at its place, the later shown over the earlier.
void EtikettenMalen(QPainter& p, const Aufzeichnungsbeschriftung& etiketten) {
    for (const Gezeigt& l : Sichtbare(etiketten)) {
        const QRect box(Pixel(l.e->left * kFormProFlaecheX), Pixel(l.e->top * kFormProFlaecheY),
                        Pixel(l.g->breite), Pixel(l.g->hoehe));
        EtikettMalen(p, *l.g, QString::fromStdString(l.e->text), box);
    }
}

// The canvas lines at the device's scale, so that the image's pixels are the device's; of a
// canvas larger than the device (a zoomed view) only the part inside the clip.
void LeinwandRastern(QPainter& p, const std::vector<Operation>& operationen, QSize innen) {
    const QTransform geraet = p.deviceTransform();
    const double skala = std::abs(geraet.m11());
    const QSize ganz = innen * skala;
    const QPointF ecke = geraet.map(QPointF(0, 0));
    const QPoint ursprung(static_cast<int>(std::lround(ecke.x())),
                          static_cast<int>(std::lround(ecke.y())));
    const QRect sichtbar = geraet.mapRect(p.clipBoundingRect()).toAlignedRect();
    const QRect teil = sichtbar.translated(-ursprung).intersected(QRect(QPoint(0, 0), ganz));
    if (skala >= 1 && skala == std::round(skala) && teil.size() == ganz) {
        // Whole device pixels to the pixel and all of it in sight, as every export and the
        // window at its size: the whole interior, drawn as one image.
        p.drawImage(QPoint(0, 0), Leinwandbild(operationen, innen, skala));
        return;
    }
    if (teil.isEmpty()) return;
    const QImage bild = Leinwandausschnitt(operationen, ganz, skala, teil);
    // Pixel for pixel onto the device.
    p.save();
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1;
    p.setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
    p.drawImage(ursprung + teil.topLeft(), bild);
    p.restore();
}

}  // namespace

QFont Etikettenschrift(const Gruppenlayout& g) {
    QFont schrift("Arial");
    schrift.setPointSizeF(g.punkt);
    schrift.setBold(true);
    return schrift;
}

void EtikettMalen(QPainter& p, const Gruppenlayout& g, const QString& text, const QRect& box) {
    p.fillRect(box, Qt::white);
    p.setFont(Etikettenschrift(g));
    p.setPen(QColor(g.farbe.r, g.farbe.g, g.farbe.b));
    p.drawText(box, static_cast<int>(Ausrichten(g.ausrichtung)), text);
}

QRect Form(const QRect& r) { return FormRechteck(r.x(), r.y(), r.width(), r.height()); }
QSize Gesamtgroesse() { return Form(kGesamt).size(); }
QRect Leinwandrahmen() { return Form(kDiagramm); }
QSize Innengroesse() { return Leinwandrahmen().size() - QSize(2, 2); }
QPoint Innenursprung() { return Leinwandrahmen().topLeft() + QPoint(1, 1); }
bool AufDerLeinwand(QPointF imInnern) {
    const QSize innen = Innengroesse();
    return imInnern.x() >= 0 && imInnern.y() >= 0 && imInnern.x() < innen.width() &&
           imInnern.y() < innen.height();
}
Ausschnitt GanzeFlaeche() { return {Gesamtgroesse(), 1, QPointF(0, 0)}; }

void DiagrammMalen(QPainter& p, const Diagrammbild& b, Linienweg weg) {
    p.fillRect(QRect(QPoint(0, 0), Gesamtgroesse()), Qt::white);
    const QRect rahmen = Leinwandrahmen();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rahmen.adjusted(0, 0, -1, -1));
    const QSize innen = Innengroesse();
    p.save();
    p.translate(rahmen.topLeft() + QPoint(1, 1));
    p.setClipRect(QRect(QPoint(0, 0), innen), Qt::IntersectClip);
    if (weg == Linienweg::Raster) {
        LeinwandRastern(p, b.operationen, innen);
    } else {
        const QPointF m = Massstab(innen);
        PfadeMalen(p, Sammeln(b.operationen, m.x(), m.y(), innen));
    }
    HintergrundMalen(p, b.ueberlagerung, innen);
    VordergrundMalen(p, b.ueberlagerung, innen);
    p.restore();

    const QRect emblem = Form(kPicture1).translated(rahmen.topLeft() + QPoint(1, 1));
    p.drawPixmap(emblem, Emblem(34, 26));
    p.drawPixmap(Form(kPicture2), Hochbild());
    EtikettenMalen(p, b.etiketten);
}

void DiagrammMalen(QPainter& p, const Diagrammbild& b, Linienweg weg, const Ausschnitt& a) {
    p.save();
    p.setClipRect(QRect(QPoint(0, 0), a.groesse), Qt::IntersectClip);
    p.fillRect(QRect(QPoint(0, 0), a.groesse), Qt::white);
    p.translate(a.versatz);
    p.scale(a.k, a.k);
    // Bitmaps drawn at another scale are smoothed rather than made blocky.
    p.setRenderHint(QPainter::SmoothPixmapTransform, a.k != 1);
    DiagrammMalen(p, b, weg);
    p.restore();
}

QImage DiagrammBild(const Diagrammbild& b, double skala, const Ausschnitt& a) {
    QImage bild(a.groesse * skala, QImage::Format_RGB32);
    bild.setDevicePixelRatio(skala);
    QPainter p(&bild);
    DiagrammMalen(p, b, Linienweg::Raster, a);
    return bild;
}

Qt::Alignment Ausrichten(Ausrichtung a) {
    switch (a) {
        case Ausrichtung::links:
            return Qt::AlignLeft | Qt::AlignTop;
        case Ausrichtung::mitte:
            return Qt::AlignHCenter | Qt::AlignTop;
        case Ausrichtung::rechts:
            return Qt::AlignRight | Qt::AlignTop;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace lumora
