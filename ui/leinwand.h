#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>
#include <vector>

#include "bild/leinwandbild.h"
#include "chart/zeichenflaeche.h"

namespace lumora {

// The canvas pic_Diagramm: a one-pixel frame around an interior of kLeinwandBreite x
// kLeinwandHoehe canvas units. Every operation is kept in a list and rasterised at once into a
// backing image at the screen's device pixel ratio (Leinwandbild); painting only copies it.
class Leinwand : public QWidget, public Zeichenflaeche {
    Q_OBJECT

  public:
    explicit Leinwand(QWidget* parent = nullptr);

    void Line(float x1, float y1, float x2, float y2, Farbe farbe) override;
    void Box(float x1, float y1, float x2, float y2, Farbe farbe) override;
    void DrawWidth(int breite) override { breite_ = breite; }
    // pic_Diagramm repaints the canvas, pic_gesamt the whole chart area around it.
    void Refresh(Bereich bereich) override;

    // The operations since the last clearing box, in the order they were drawn.
    const std::vector<Operation>& operationen() const { return operationen_; }
    // The interior as drawn, in device pixels.
    const QImage& bild() const { return bild_; }
    // Size of the interior in device-independent pixels.
    QSize innenGroesse() const;

  signals:
    // Refresh: what is drawn so far should reach the screen now.
    void aufgefrischt();

  protected:
    void paintEvent(QPaintEvent* ereignis) override;
    // Device pixels per pixel the backing image is drawn at: the screen's.
    virtual qreal pixelverhaeltnis() const { return devicePixelRatioF(); }

  private:
    void bildPassen();

    std::vector<Operation> operationen_;
    QImage bild_;
    Raster::Strich letzter_;  // the last line rasterised into bild_
    int breite_ = 1;
};

}  // namespace lumora
