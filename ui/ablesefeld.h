#pragma once

#include <QLabel>
#include <QPoint>
#include <QString>

#include "chart/ablesung.h"
#include "core/eingabe.h"

namespace lumora {

class Leinwand;

// The read-out box: a small note beside the cursor with the state under it.
class Ablesefeld : public QLabel {
    Q_OBJECT

  public:
    // A hidden box over the window `fenster`.
    explicit Ablesefeld(QWidget* fenster);

    // Shows the state at a point of the canvas interior, in pixels, for the chart drawn
    // for e; hides the box outside the interior.
    void ablesen(const Eingabe& e, const Leinwand& leinwand, QPoint imInnern);
    // Shows a text beside the point of the canvas interior.
    void zeigen(const Leinwand& leinwand, QPoint imInnern, const QString& text);
};

// The lines of the read-out box, numbers in the user's locale.
QString AblesungText(const Ablesung& a);

}  // namespace lumora
