#include "datei/dateifehler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace lumora {

QString Dateifehler(const QFileDevice& datei, Zugriff zugriff) {
    const QFileInfo info(datei.fileName());
    const QString text = datei.errorString();
    // Qt reports the system's error by its own text for a few codes and by strerror's for
    // the rest, either of them maybe translated.
    const auto meldet = [&text](int code, const char* qtText) {
        return text == QString::fromLocal8Bit(std::strerror(code)) ||
               text == QCoreApplication::translate("QIODevice", qtText) ||
               text == QLatin1String(qtText);
    };
    if (info.isDir() || meldet(EISDIR, "Is a directory")) {
        return QString::fromUtf8("Das ist ein Ordner, keine Datei.");
    }
    if (meldet(ENOSPC, "No space left on device")) {
        return QString::fromUtf8("Der Datenträger ist voll.");
    }
    const bool lesen = zugriff == Zugriff::Lesen;
    if (lesen && !info.exists()) return QString::fromUtf8("Die Datei gibt es nicht.");
    if (!lesen && !info.absoluteDir().exists()) {
        return QString::fromUtf8("Den Ordner „%1“ gibt es nicht.")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    }
    if (meldet(EACCES, "Permission denied") || meldet(EPERM, "Operation not permitted") ||
        meldet(EROFS, "Read-only file system") || (lesen && !info.isReadable()) ||
        (!lesen && info.exists() && !info.isWritable())) {
        return QString::fromUtf8("Dafür fehlt die Berechtigung.");
    }
    if (meldet(ENOENT, "No such file or directory")) {
        return lesen ? QString::fromUtf8("Die Datei gibt es nicht.")
                     : QString::fromUtf8("An diesem Ort lässt sich keine Datei anlegen.");
    }
    return lesen ? QString::fromUtf8("Das System meldet einen Fehler beim Lesen.")
                 : QString::fromUtf8("Das System meldet einen Fehler beim Schreiben.");
}

}  // namespace lumora
