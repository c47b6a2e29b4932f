#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/pruefung.h"
#include "core/zustandswerte.h"
#include "projekt/eintrag.h"
#include "projekt/jsontext.h"

namespace lumora {

// The lists of entries a project holds, each under its key in the file.
enum class Liste { Zustaende, Prozesse, Messreihen, Zonen };
const char* Schluessel(Liste liste);  // "zustaende", "prozesse", "messreihen", "zonen"

inline constexpr int kFormat = 1;            // the number under "lumora" that this version writes
inline constexpr std::size_t kMaxName = 40;  // longest name of a state, in characters

// Why name cannot name a state (empty, longer than kMaxName characters); none when it can.
std::optional<std::string> NamensFehler(std::string_view name);

// One entry as it stood before a change, so that the change can be undone.
struct Ersetzung {
    Liste liste;
    std::size_t index;
    Json vorher;
};

// A project: the chart's seven input texts, the entered states, the processes, the measured
// series and zones, and what else the file holds. The file's JSON object is the source of
// truth, so that keys this version does not know keep their values and places. Every change
// goes through a function that returns what is needed to undo it.
class Projekt {
  public:
    // A new project with the given input texts and no entries.
    explicit Projekt(const Feldtexte& eingabe);

    // Reads a project file's bytes; refuses the file as a whole with a German reason.
    static Ergebnis<Projekt> Lesen(std::string_view text);
    // The file's bytes: two-space indentation, one entry per line in each list.
    std::string schreiben() const;

    const Json& dokument() const { return dokument_; }

    Feldtexte eingabe() const;
    Feldtexte setEingabe(const Feldtexte& texte);  // returns the texts before
    // The chart's lower temperature limit [°C] under "theta_unten"; none without the key,
    // which is a limit of 0. Setting none removes the key.
    std::optional<double> thetaUnten() const;
    std::optional<double> setThetaUnten(std::optional<double> wert);  // returns the value before
    bool randmassstab() const;
    // Sets "randmassstab"; none removes the key. Returns the key's value before, none when
    // it was missing, so that an undo gives back the file as it was.
    std::optional<bool> setRandmassstab(std::optional<bool> an);
    std::string notiz() const;
    std::string setNotiz(std::string text);  // returns the text before

    // The exercise under "uebung" as the file holds it (projekt/uebung.h reads it), null
    // without one. Setting null removes the key.
    const Json& uebung() const;
    Json setUebung(Json uebung);  // returns the value before

    // The air-handling unit under "anlage" as the file holds it (projekt/anlage.h reads it),
    // null without one. Setting null removes the key.
    const Json& anlage() const;
    Json setAnlage(Json anlage);  // returns the value before

    std::size_t anzahl(Liste liste) const;
    const Json& eintrag(Liste liste, std::size_t index) const;  // index < anzahl(liste)
    // The entries of zustaende and prozesse as read when they came into the project; a change
    // reads only the entry it changes.
    const Zustandseintrag& zustand(std::size_t index) const { return *zustaende_[index]; }
    const Prozesseintrag& prozess(std::size_t index) const { return *prozesse_[index]; }
    // index <= anzahl(liste); the entry is kept as given, whatever it holds.
    void einfuegen(Liste liste, std::size_t index, Json eintrag);
    Json ersetzen(Liste liste, std::size_t index, Json eintrag);  // returns the entry before
    Json entfernen(Liste liste, std::size_t index);               // returns the removed entry
    // Removes the key of a list that is empty, for a file that had none before.
    void leereListeEntfernen(Liste liste);
    // Puts back entries as they were before a change (in reverse order of the list).
    void zuruecksetzen(const std::vector<Ersetzung>& ersetzungen);

    // Renames the state alt (entered, or made by a process) and every process that starts at
    // it. Refused when neu is no valid name or already names a state.
    Ergebnis<std::vector<Ersetzung>> umbenennen(const std::string& alt, const std::string& neu);

    // Puts the processes into an order that computes (see Rechenfolge); returns what it changed.
    std::vector<Ersetzung> ordnen();
    // Swaps the entries index and index + 1. Two processes are refused when the second starts
    // at a state that the first makes: the order would no longer compute.
    Ergebnis<std::vector<Ersetzung>> tauschen(Liste liste, std::size_t index);

    // Whether a measured series is drawn (its key "sichtbar", true when missing).
    bool sichtbar(std::size_t messreihe) const;
    // Sets the series' "sichtbar"; none removes the key. Returns the key's value before, none
    // when it was missing.
    std::optional<bool> setSichtbar(std::size_t messreihe, std::optional<bool> an);

  private:
    Projekt() = default;
    Json& Liste_(Liste liste);
    const Json* Liste_(Liste liste) const;
    Json& Feld(std::string_view schluessel);
    // The value under a top-level key, null without it; setting null removes the key.
    const Json& Objekt(std::string_view schluessel) const;
    Json setObjekt(std::string_view schluessel, Json wert);
    // Reads every entry of zustaende and prozesse anew, and one entry after a change.
    void AllesLesen();
    void Einlesen(Liste liste, std::size_t index);

    Json dokument_;
    // Shared between copies of a project: an entry is read once, however often a change is
    // tried on a copy first.
    std::vector<std::shared_ptr<const Zustandseintrag>> zustaende_;
    std::vector<std::shared_ptr<const Prozesseintrag>> prozesse_;
};

// The names a process starts at: its "von", one text or a list of texts.
std::vector<std::string> VonNamen(const Json& prozess);

// The processes in an order that computes, as their present indices: a process that starts at
// a state that a later process makes moves to just after that process, and everything else
// keeps its place. Processes that start at each other in a circle compute in no order; they keep
// theirs among themselves, after the processes that do not wait for them.
std::vector<std::size_t> Rechenfolge(const Projekt& projekt);

}  // namespace lumora
