#pragma once

#include <QString>
#include <string>

namespace lumora {

// Reads a whole file into inhalt; returns the German reason of a failure, empty on success.
QString DateiLesen(const QString& pfad, std::string& inhalt);
// Writes a file atomically (QSaveFile); returns the German reason of a failure, empty on
// success. A failure leaves an existing file whole.
QString DateiSchreiben(const QString& pfad, const std::string& inhalt);

}  // namespace lumora
