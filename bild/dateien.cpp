#include "bild/dateien.h"

#include <QFile>
#include <QSaveFile>

#include "bild/dateifehler.h"

namespace lumora {

QString DateiLesen(const QString& pfad, std::string& inhalt) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        return "Die Datei lässt sich nicht öffnen: " + Dateifehler(datei, Zugriff::Lesen);
    }
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError) {
        return "Die Datei lässt sich nicht lesen: " + Dateifehler(datei, Zugriff::Lesen);
    }
    inhalt.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return {};
}

QString DateiSchreiben(const QString& pfad, const std::string& inhalt) {
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        return "Die Datei lässt sich nicht anlegen: " + Dateifehler(datei, Zugriff::Schreiben);
    }
    if (datei.write(inhalt.data(), static_cast<qint64>(inhalt.size())) !=
        static_cast<qint64>(inhalt.size())) {
        const QString grund = Dateifehler(datei, Zugriff::Schreiben);  // cancelling resets it
        datei.cancelWriting();
        return "Die Datei ließ sich nicht schreiben: " + grund;
    }
    if (!datei.commit())
        return "Die Datei ließ sich nicht speichern: " + Dateifehler(datei, Zugriff::Schreiben);
    return {};
}

Bewertung AbgabeBewerten(const Loesung& loesung, const QString& pfad, const std::string& name) {
    std::string inhalt;
    const QString grund = DateiLesen(pfad, inhalt);
    return grund.isEmpty() ? loesung.Bewerten(inhalt, name)
                           : loesung.Abgelehnt(name, grund.toStdString());
}

}  // namespace lumora
