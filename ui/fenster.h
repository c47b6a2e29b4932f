#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace lumora {

// The setup both windows share: object name, title, the program icon, a fixed client
// size in form units and a filled background of the given colour.
void FensterEinrichten(QWidget& fenster, const char* name, const QString& titel, double formBreite,
                       double formHoehe, QColor hintergrund);

// Moves a top-level window to the centre of its screen.
void Zentrieren(QWidget* fenster);

}  // namespace lumora
