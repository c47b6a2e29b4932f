#pragma once

#include <QFileDevice>
#include <QString>

namespace lumora {

enum class Zugriff { Lesen, Schreiben };

// Why reading or writing a file failed, as one German sentence for the end of a message:
// from what the file system says about its path and the error the file reported. Qt's own
// texts (errorString) are English; they never reach the user.
QString Dateifehler(const QFileDevice& datei, Zugriff zugriff);

}  // namespace lumora
