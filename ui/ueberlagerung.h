#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

#include "bild/ueberlagerung.h"

namespace lumora {

// The layer over the canvas's interior that shows an Ueberlagerung. It lets the mouse through
// to the canvas. Zones and series are kept as an image and drawn anew only when they change,
// so that a drag repaints just the states and processes.
class Ueberlagerungsflaeche : public QWidget {
    Q_OBJECT

  public:
    explicit Ueberlagerungsflaeche(QWidget* parent = nullptr);
    const Ueberlagerung& ueberlagerung() const { return u_; }
    // hintergrund: whether zones or series may have changed.
    // imZug: a frame of a drag (see VordergrundMalen).
    void setUeberlagerung(Ueberlagerung u, bool hintergrund, bool imZug = false);

  protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

  private:
    Ueberlagerung u_;
    QImage hintergrund_;
    bool hintergrundAlt_ = true;
    bool imZug_ = false;
    // During a drag: the markers that have not moved since it began, drawn in the background
    // image; empty otherwise.
    std::vector<bool> ruhend_;
    Markenvorrat vorrat_;
};

}  // namespace lumora
