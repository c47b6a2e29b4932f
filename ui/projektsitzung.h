#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>

#include "projekt/berechnung.h"
#include "projekt/projekt.h"

namespace lumora {

// The open project with its file, its undo history and its computed states. Every change a
// user makes goes through one of its functions as one undo step; the windows only read.
class Projektsitzung : public QObject {
    Q_OBJECT

  public:
    explicit Projektsitzung(QObject* parent = nullptr);
    ~Projektsitzung() override;

    const Projekt& projekt() const { return *projekt_; }
    const Berechnung& stand() const { return *stand_; }
    // The points of each series in each zone. The series are evaluated only when they or the
    // input texts change, so that a drag of a state does not touch a hundred thousand points.
    const Zonenzaehlung& innen() const { return innen_; }
    QUndoStack& verlauf() { return verlauf_; }
    // The file the project was read from or last saved to; empty for a new project.
    const QString& pfad() const { return pfad_; }
    bool geaendert() const { return !verlauf_.isClean(); }
    // A new project without a file and without a single entry: only the chart's inputs,
    // which are not worth a question on closing or a recovery file.
    bool leer() const;
    // The file name as a title shows it; for a new project the title of its exercise, where
    // it has one (an example opened as a template), else "Unbenannt".
    QString titelname() const;

    // Starts anew with the given input texts; forgets the history.
    void neu(const Feldtexte& eingabe);
    // Replaces the project by the file's; on refusal returns the German reason and keeps the
    // open project. A project opened as a template (an example) gets no file name.
    QString oeffnen(const QString& pfad, bool alsVorlage = false);
    // Writes the project atomically; returns the German reason of a failure, the old file
    // stays whole then.
    QString speichern(const QString& pfad);

    // One undo step each. A process that is added or changed to start at a state that a later
    // process makes moves, in the same step, to just after that process, so that the list
    // always computes in its order. `zusammenfassen` folds a run of changes of the same entry (a
    // drag) into one step.
    void eintragEinfuegen(Liste liste, std::size_t index, Json eintrag, const QString& text);
    void eintragErsetzen(Liste liste, std::size_t index, Json eintrag, const QString& text,
                         bool zusammenfassen = false);
    void eintragEntfernen(Liste liste, std::size_t index, const QString& text);
    // Renames a state and the processes that start at it; returns the reason of a refusal.
    QString umbenennen(const std::string& alt, const std::string& neu);
    // Moves an entry one row up or down; returns the reason of a refusal (a process cannot go
    // before the one that makes its start state).
    QString verschieben(Liste liste, std::size_t index, bool hoch);
    void setEingabe(const Feldtexte& texte, const QString& text);
    // The chart's lower temperature limit; none removes it from the file (a limit of 0).
    void setThetaUnten(std::optional<double> thetaUnten);
    void setRandmassstab(bool an);
    void setSichtbar(std::size_t messreihe, bool an);
    // Replaces the exercise under "uebung" (with the answers typed into it); null removes it.
    void setUebung(Json uebung, const QString& text);
    // Replaces the air-handling unit under "anlage"; null removes it. Nothing when it is the
    // same.
    void setAnlage(Json anlage, const QString& text);
    // Ends a run of changes that zusammenfassen folds together.
    void zusammenfassenBeenden() { ++ziehfolge_; }

    // The recovery file of this user, and whether one is waiting from a crashed run.
    static QString wiederherstellungsdatei();
    // Restores the project from the recovery file as an unsaved change of its original file.
    QString wiederherstellen();
    // Removes the recovery file: after a clean save or a clean exit.
    void wiederherstellungLoeschen();

  signals:
    // The project changed: its computed states are new.
    void projektGeaendert();
    // The input texts changed: the chart must be drawn again.
    void eingabeGeaendert();
    // The file name or the unsaved-changes marker changed.
    void titelGeaendert();

  private:
    class Befehl;
    void ausfuehren(std::unique_ptr<QUndoCommand> befehl);
    // What a change touches beyond the states and processes, as bits: nothing more, the
    // series, the zones, or (all bits) the chart's input texts.
    enum Umfang { NurEintraege = 0, Reihen = 1, Zonen = 2, Eingabe = 7 };
    // nurZustand: the only entry of zustaende that changed, when that is all.
    void neuBerechnen(int umfang, std::optional<std::size_t> nurZustand = std::nullopt);
    static int UmfangVon(Liste liste);
    void sichern();

    std::unique_ptr<Projekt> projekt_;
    std::unique_ptr<Berechnung> stand_;
    Zonenzaehlung innen_;
    QUndoStack verlauf_;
    QString pfad_;
    QTimer sicherung_;
    int ziehfolge_ = 0;
};

}  // namespace lumora
