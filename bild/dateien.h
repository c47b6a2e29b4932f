#pragma once

#include <QString>
#include <string>

#include "projekt/uebung.h"

namespace lumora {

// Reads a whole file into inhalt; returns the German reason of a failure, empty on success.
QString DateiLesen(const QString& pfad, std::string& inhalt);
// Writes a file atomically (QSaveFile); returns the German reason of a failure, empty on
// success. A failure leaves an existing file whole.
QString DateiSchreiben(const QString& pfad, const std::string& inhalt);

// The grade of the hand-in in the file pfad, shown as name: 0 with the reason when the file
// cannot be read.
Bewertung AbgabeBewerten(const Loesung& loesung, const QString& pfad, const std::string& name);

}  // namespace lumora
