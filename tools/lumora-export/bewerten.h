#pragma once

#include <QString>
#include <QStringList>
#include <iosfwd>
#include <string>

namespace lumora {

// lumora-export LOESUNG --bewerte ABGABE …: grades each hand-in against the solution. The
// grades go to aus, as one JSON object per line with json, else as text unless a table of
// grades is written to the .csv files in ausgaben (numbers with dezimaltrenner). A hand-in that
// cannot be read or graded gets 0 with its reason and never stops the others. Returns 0 when the
// solution was read, 1 when it is refused or a table cannot be written.
int AbgabenBewerten(const QString& loesung, const QStringList& abgaben, const QStringList& ausgaben,
                    bool json, std::ostream& aus, std::ostream& fehler,
                    const std::string& dezimaltrenner);

// lumora-export LOESUNG --uebung AUFGABE.lumora: writes the exercise a student gets from the
// solution read from pfad; false, after saying why on fehler, when the solution is refused or
// the file cannot be written.
class Projekt;
bool UebungSchreiben(const Projekt& loesung, const QString& pfad, const QString& ziel,
                     std::ostream& fehler);

}  // namespace lumora
