#include "datei/dateifehler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "core/text.h"
#include "datei/sprache.h"

namespace lumora {

namespace {}  // namespace

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
        return QtText(Text("Datei", "Das ist ein Ordner, keine Datei."));
    }
    if (meldet(ENOSPC, "No space left on device")) {
        return QtText(Text("Datei", "Der Datenträger ist voll."));
    }
    const bool lesen = zugriff == Zugriff::Lesen;
    const QString fehlt = QtText(Text("Datei", "Die Datei gibt es nicht."));
    if (lesen && !info.exists()) return fehlt;
    if (!lesen && !info.absoluteDir().exists()) {
        return QtText(Text("Datei", "Den Ordner „%1“ gibt es nicht."))
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    }
    if (meldet(EACCES, "Permission denied") || meldet(EPERM, "Operation not permitted") ||
        meldet(EROFS, "Read-only file system") || (lesen && !info.isReadable()) ||
        (!lesen && info.exists() && !info.isWritable())) {
        return QtText(Text("Datei", "Dafür fehlt die Berechtigung."));
    }
    if (meldet(ENOENT, "No such file or directory")) {
        return lesen ? fehlt
                     : QtText(Text("Datei", "An diesem Ort lässt sich keine Datei anlegen."));
    }
    return lesen ? QtText(Text("Datei", "Das System meldet einen Fehler beim Lesen."))
                 : QtText(Text("Datei", "Das System meldet einen Fehler beim Schreiben."));
}

}  // namespace lumora
