#pragma once

#include <QLabel>
#include <QPoint>
#include <QString>

#include "bild/karte.h"
#include "chart/ablesung.h"
#include "core/eingabe.h"

namespace lumora {

// The read-out box: a small note beside the cursor with the state under it.
class Ablesefeld : public QLabel {
    Q_OBJECT

  public:
    // A hidden box over the window `fenster`.
    explicit Ablesefeld(QWidget* fenster);

    // Shows the state at a point of the canvas interior, in pixels of the interior at the
    // layout's size, for the chart drawn for e, and the class of each frequency map there;
    // hides the box outside the interior. `ort`: the point in pixels of the window.
    void ablesen(const Eingabe& e, QPointF imInnern, QPoint ort,
                 const std::vector<Haeufigkeitskarte>& karten = {});
    // Shows a text beside the point `ort` of the window.
    void zeigen(QPoint ort, const QString& text);
};

// The lines of the read-out box, numbers in the user's locale.
QString AblesungText(const Ablesung& a);

// The class of each frequency map under the chart point with the enthalpy h [kJ/kg] and the
// water content x [kg/kg], with its hours: "Klasse 12…13 °C, 7…8 g/kg: 41 h". ϑ follows from h
// and x by the unsaturated form, as the map draws its classes, also beyond the saturation
// line. With more than one map each line begins with the series' name; a map without hours
// there gives no line.
QStringList KlassenZeilen(const std::vector<Haeufigkeitskarte>& karten, double h, double x);

}  // namespace lumora
