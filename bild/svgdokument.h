#pragma once

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <QString>
#include <memory>

namespace lumora {

class Svgmaler;

// An SVG document that a QPainter paints onto, written by this program alone: the size in
// pixels as the viewBox, the title, and every primitive the painter draws.
//
// The painter's state becomes attributes of a group, written only when it changes (transform,
// caps, joins, dashes, font); the colour and width of a stroke and the colour of a fill,
// which change from element to element (a run of canvas lines each), stand on the element
// where they differ from its group. Coordinates are hundredths of a pixel, paths are written
// with relative segments. Text stays text (XML-escaped, in its font, at Qt's layout), images
// are PNG inside the file. Qt's own SVG writer repeats the whole state for each element,
// which makes the file of a fine chart four times as large.
//
// Clipping is written as a clip-path, and since not every reader obeys clip-path (Qt's own
// before 6.7 ignores it), what the clip hides is cut off here as well: elements outside it are
// left out, straight solid lines are cut at it, other shapes that cross it are cut exactly as
// areas (a stroke as its outline), text that crosses it is drawn as the outline of its glyphs.
//
// Text is laid out at the logical dpi that form units are converted at (LogischeDpi), as in the
// window and the PNG, while the document states its physical size at 72 pixels to the inch, as
// Lumora's SVG files always did.
class Svgdokument : public QPaintDevice {
  public:
    Svgdokument(QSize groesse, const QString& titel);
    ~Svgdokument() override;
    Svgdokument(const Svgdokument&) = delete;
    Svgdokument& operator=(const Svgdokument&) = delete;

    QPaintEngine* paintEngine() const override;
    // The document as UTF-8, complete once the painter has ended; empty before.
    QByteArray text() const;

  protected:
    int metric(PaintDeviceMetric m) const override;

  private:
    QSize groesse_;
    int dpi_;
    std::unique_ptr<Svgmaler> maler_;
};

}  // namespace lumora
