#include "bild/bilder.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "core/text.h"

namespace lumora {

namespace {

// A miniature of the chart: green water-content lines, a red isotherm and the blue
// saturation curve, drawn into a w x h image.
void Miniatur(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, Qt::white);
    p.setPen(QPen(QColor(0, 160, 0), 1));
    for (int x = w / 4; x < w; x += w / 4) p.drawLine(x, 1, x, h - 2);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(220, 0, 0), 1.5));
    p.drawLine(QPointF(1, h * 0.45), QPointF(w - 2, h * 0.2));
    QPainterPath kurve(QPointF(1, h - 2));
    kurve.cubicTo(QPointF(w * 0.45, h * 0.9), QPointF(w * 0.75, h * 0.55), QPointF(w - 2, 2));
    p.setPen(QPen(QColor(0, 0, 180), 2));
    p.drawPath(kurve);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(0, 0, w - 1, h - 1);
}

}  // namespace

QImage Programmsymbolbild() {
    QImage bild(32, 32, QImage::Format_RGB32);
    QPainter p(&bild);
    Miniatur(p, 32, 32);
    p.end();
    // The 16 colours of the classic VGA palette.
    const QList<QRgb> farben{
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return bild.convertToFormat(QImage::Format_Indexed8, farben, Qt::ThresholdDither);
}

QIcon Programmsymbol() { return QIcon(QPixmap::fromImage(Programmsymbolbild())); }

QPixmap Emblem(int breite, int hoehe) {
    QImage bild(breite, hoehe, QImage::Format_RGB888);
    QPainter p(&bild);
    Miniatur(p, breite, hoehe);
    p.end();
    return QPixmap::fromImage(bild);
}

QPixmap Hochbild() {
    QImage bild(24, 143, QImage::Format_RGB888);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(0, 143);
    p.rotate(-90);  // text runs bottom to top
    QFont name("Arial");
    name.setPixelSize(12);
    name.setBold(true);
    p.setFont(name);
    p.setPen(QColor(192, 0, 0));
    p.drawText(QRect(2, 0, 139, 13), Qt::AlignLeft | Qt::AlignVCenter, "Lumora");
    QFont credit("Arial");
    credit.setPixelSize(8);
    p.setFont(credit);
    p.setPen(Qt::black);
    p.drawText(QRect(2, 13, 139, 11), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(Text("Bild", "h,x-Diagramme für Lehre und Praxis")));
    p.end();
    return QPixmap::fromImage(bild);
}

}  // namespace lumora
