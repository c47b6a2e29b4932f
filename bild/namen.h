#pragma once

#include <QColor>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <vector>

class QFontMetricsF;
class QPainter;

namespace lumora {

// Where a marker's name goes, in pixels of the canvas interior.
struct Namensplatz {
    QRectF box;              // the name's box: the text with a pixel of halo on each side
    bool abgesetzt = false;  // moved away from its marker: a leader line joins the two
};

// The places of the names of markers at `orte` (their centres, pixels) and of radius
// `radius`, each name's usual box given in `gewohnt`. A name keeps its usual place as long as
// that box is clear of every marker, of the names placed before it and of the rectangles
// `meiden`; else it takes the first clear place around its marker inside `innen`; else one
// further away, with a leader line; else its usual place.
std::vector<Namensplatz> NamenPlatzieren(const std::vector<QPointF>& orte,
                                         const std::vector<QRectF>& gewohnt, double radius,
                                         QSize innen, const std::vector<QRectF>& meiden = {});

// Places again only the names of the markers that `neu` marks, where the others keep their
// places `vorher`, as NamenPlatzieren would place them after those: a frame of a drag moves a
// marker or two among thousands. Only the usual boxes of the new ones are read.
std::vector<Namensplatz> NamenNachziehen(const std::vector<QPointF>& orte,
                                         const std::vector<QRectF>& gewohnt, double radius,
                                         QSize innen, std::vector<Namensplatz> vorher,
                                         const std::vector<bool>& neu);

// The box of a name whose text has the baseline's start at `grundlinie`, and back.
QRectF NamensboxAn(QPointF grundlinie, const QString& name, const QFontMetricsF& masse);
// The same for a text of the given width in pixels, measured before.
QRectF NamensboxAn(QPointF grundlinie, double breite, const QFontMetricsF& masse);
QPointF GrundlinieIn(const QRectF& box, const QFontMetricsF& masse);

// A name in black over a light halo, so that the lines below do not strike through it.
// farbe: the text's colour.
void NameMitHofMalen(QPainter& p, QPointF grundlinie, const QString& name, const QColor& farbe);

// The line from a marker of radius `radius` at `ort` to the nearest point of its moved name.
QLineF Fuehrungslinie(QPointF ort, double radius, const QRectF& box);

// The place for a box of that size in the canvas interior, a little in from its edges, that
// covers none of the rectangles `meiden`: the first clear one of the corners `ecken` (their
// top-left points), else the clear place nearest to the first corner; where no place is clear,
// the corner that covers the fewest. A caller that places a second box passes the first one
// among `meiden`.
QRectF FreierPlatz(QSizeF groesse, const std::vector<QPointF>& ecken,
                   const std::vector<QRectF>& meiden, QSize innen);

}  // namespace lumora
