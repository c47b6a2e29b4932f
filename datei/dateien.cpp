#include "datei/dateien.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/text.h"
#include "datei/dateifehler.h"
#include "datei/sprache.h"

namespace lumora {

namespace {}  // namespace

QString DateiLesen(const QString& pfad, std::string& inhalt) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        return QtText(Text("Datei", "Die Datei lässt sich nicht öffnen: %1"))
            .arg(Dateifehler(datei, Zugriff::Lesen));
    }
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError) {
        return QtText(Text("Datei", "Die Datei lässt sich nicht lesen: %1"))
            .arg(Dateifehler(datei, Zugriff::Lesen));
    }
    inhalt.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return {};
}

std::optional<Schreibfehler> AtomarSchreiben(const QString& pfad,
                                             const std::function<bool(QSaveFile&)>& schreiben) {
    using S = Schreibfehler::Schritt;
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        return Schreibfehler{S::Anlegen, Dateifehler(datei, Zugriff::Schreiben)};
    }
    if (!schreiben(datei) || datei.error() != QFileDevice::NoError) {
        const QString grund = Dateifehler(datei, Zugriff::Schreiben);  // cancelling resets it
        datei.cancelWriting();
        return Schreibfehler{S::Schreiben, grund};
    }
    if (!datei.commit()) return Schreibfehler{S::Speichern, Dateifehler(datei, Zugriff::Schreiben)};
    return std::nullopt;
}

QString Meldung(const Schreibfehler& f, const QString& beimSchreiben) {
    switch (f.schritt) {
        case Schreibfehler::Schritt::Anlegen:
            return QtText(Text("Datei", "Die Datei lässt sich nicht anlegen: %1")).arg(f.grund);
        case Schreibfehler::Schritt::Schreiben:
            return (beimSchreiben.isEmpty()
                        ? QtText(Text("Datei", "Die Datei ließ sich nicht schreiben"))
                        : beimSchreiben) +
                   ": " + f.grund;
        case Schreibfehler::Schritt::Speichern:
            break;
    }
    return QtText(Text("Datei", "Die Datei ließ sich nicht speichern: %1")).arg(f.grund);
}

std::optional<Schreibfehler> AtomarSchreiben(const QString& pfad, const std::string& inhalt) {
    return AtomarSchreiben(pfad, [&](QSaveFile& datei) {
        return datei.write(inhalt.data(), static_cast<qint64>(inhalt.size())) ==
               static_cast<qint64>(inhalt.size());
    });
}

QString DateiSchreiben(const QString& pfad, const std::string& inhalt) {
    const auto f = AtomarSchreiben(pfad, inhalt);
    return f ? Meldung(*f) : QString();
}

Ergebnis<Projekt> ProjektLesen(const QString& pfad) {
    std::string inhalt;
    if (const QString grund = DateiLesen(pfad, inhalt); !grund.isEmpty()) {
        return Ergebnis<Projekt>::Fehler(grund.toStdString());
    }
    return Projekt::Lesen(inhalt);
}

Bewertung AbgabeBewerten(const Loesung& loesung, const QString& pfad, const std::string& name) {
    std::string inhalt;
    const QString grund = DateiLesen(pfad, inhalt);
    return grund.isEmpty() ? loesung.Bewerten(inhalt, name)
                           : loesung.Abgelehnt(name, grund.toStdString());
}

Ergebnis<std::vector<Bewertung>> OrdnerBewerten(const Projekt& loesung, const QString& ordner,
                                                const QString& ausser) {
    using E = Ergebnis<std::vector<Bewertung>>;
    const auto bereit = Loesung::Aus(loesung);
    if (!bereit) return E::Fehler(bereit.grund());
    const QString eigene = ausser.isEmpty() ? QString() : QFileInfo(ausser).absoluteFilePath();
    std::vector<Bewertung> bewertungen;
    const QFileInfoList dateien = QDir(ordner).entryInfoList({"*.lumora"}, QDir::Files, QDir::Name);
    for (const QFileInfo& d : dateien) {
        if (d.absoluteFilePath() == eigene) continue;
        bewertungen.push_back(
            AbgabeBewerten(*bereit, d.absoluteFilePath(), d.fileName().toStdString()));
    }
    if (bewertungen.empty()) {
        return E::Fehler(Einsetzen(Text("Datei", "Im Ordner „%1“ liegt keine Abgabe (*.lumora)."),
                                   {ordner.toStdString()}));
    }
    return bewertungen;
}

}  // namespace lumora
