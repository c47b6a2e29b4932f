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

// Where a window of the frame size groesse goes beside the frame nachbar within the free area
// frei of a screen: right of it, else left of it, else on the side with more room, always
// inside frei as far as it fits. Top edges aligned.
QPoint NebenOrt(const QRect& frei, const QRect& nachbar, const QSize& groesse);

// Moves a top-level window beside another one on the other's screen, by NebenOrt.
void NebenPlatzieren(QWidget* fenster, const QWidget* nachbar);

// The folders the file dialogs open in, one for each kind of file.
enum class Ordnerart { Export, Import, Projekt };
// The folder of the file of that kind the user chose last, kept in the settings; the home
// folder before the first and when that folder is gone.
QString LetzterOrdner(Ordnerart art);
// Remembers the folder of a file of that kind that the user chose.
void OrdnerMerken(Ordnerart art, const QString& datei);

}  // namespace lumora
