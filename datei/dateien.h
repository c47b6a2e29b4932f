#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QSaveFile;

#include "projekt/uebung.h"

namespace lumora {

// Reads a whole file into inhalt; returns the German reason of a failure, empty on success.
QString DateiLesen(const QString& pfad, std::string& inhalt);
// Where writing a file atomically failed, and why, in the words of Dateifehler.
struct Schreibfehler {
    enum class Schritt { Anlegen, Schreiben, Speichern } schritt;
    QString grund;
};
// Writes a file atomically (QSaveFile): `schreiben` fills it and says whether that went well.
// None on success; a failure leaves an existing file whole.
std::optional<Schreibfehler> AtomarSchreiben(const QString& pfad,
                                             const std::function<bool(QSaveFile&)>& schreiben);
// The same for a file of the given bytes.
std::optional<Schreibfehler> AtomarSchreiben(const QString& pfad, const std::string& inhalt);
// The failure as a German message: "Die Datei lässt sich nicht anlegen: …", where a failed
// write begins with `beimSchreiben`, "Die Datei ließ sich nicht schreiben" unless given.
QString Meldung(const Schreibfehler& f, const QString& beimSchreiben = {});

// The project in the file pfad, or the German reason why the file gives none: it cannot be
// read, or it is no project.
Ergebnis<Projekt> ProjektLesen(const QString& pfad);

// Writes the bytes atomically; returns the German reason of a failure, empty on success.
QString DateiSchreiben(const QString& pfad, const std::string& inhalt);

// The grade of the hand-in in the file pfad, shown as name: 0 with the reason when the file
// cannot be read.
Bewertung AbgabeBewerten(const Loesung& loesung, const QString& pfad, const std::string& name);

// The grades of every hand-in (*.lumora, by name) in the folder against the solution, the file
// `ausser` left out (the solution itself); the German reason when the solution cannot grade or
// the folder holds no hand-in.
Ergebnis<std::vector<Bewertung>> OrdnerBewerten(const Projekt& loesung, const QString& ordner,
                                                const QString& ausser = {});

}  // namespace lumora
