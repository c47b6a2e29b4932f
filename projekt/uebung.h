#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "projekt/berechnung.h"

namespace lumora {

// What a task asks for: a computed property of a state, or of the process that makes the
// state of the task's name.
enum class Bezug { Zustand, Prozess };

// A property a task may ask for, as the report computes it, in the file's units.
struct Aufgabengroesse {
    const char* schluessel;  // the key in the task and in the report: "theta", "leistung", …
    Bezug bezug;
    const char* bezeichnung;  // German, for the student: "Temperatur ϑ"; tafel::Angezeigt shows it
    const char* einheit;      // "°C"
    const char* toleranzeinheit;  // the unit of a difference: "K" for temperatures
    int stellen;                  // the decimals the tables show
};
// Every property a task may ask for, those of states first.
std::span<const Aufgabengroesse> Aufgabengroessen();
// The property of a key; none for a key that no task may ask for.
const Aufgabengroesse* AufgabengroesseZu(std::string_view schluessel);
// Whether a task on the property is graded by amounts: a process's power and water flow,
// whose sign only says whether it heats or cools, humidifies or condenses.
bool NachBetrag(const Aufgabengroesse& g);

struct Aufgabe {
    std::string text;
    std::string name;  // a state, or the state a process makes
    const Aufgabengroesse* groesse = nullptr;
    double toleranz = 0;  // absolute, in the property's unit
    double punkte = 0;
};

// The exercise of a project: its title, the states the student is given, the tasks, and the
// answers a hand-in carries.
struct Uebung {
    std::string titel;
    std::vector<std::string> gegeben;
    std::vector<Aufgabe> aufgaben;
    std::vector<std::optional<double>> antworten;  // by task; none where none is typed

    double hoechstpunkte() const;
};

// The most tasks an exercise may have: far more than a week's exercise, few enough that the
// window shows them at once.
inline constexpr std::size_t kMaxAufgaben = 1000;

// Whether the project holds an exercise at all (a key "uebung").
bool HatUebung(const Projekt& projekt);

// The exercise under "uebung", refused with a German reason that names the key or the task
// ("Aufgabe 2: …") when it is not one. An answer that is no number counts as none.
Ergebnis<Uebung> UebungLesen(const Projekt& projekt);

// The value of a task's property computed in a project, in the file's units; the German reason
// when the state or process does not exist there, cannot be computed or has no such value.
Ergebnis<double> Aufgabenwert(const Berechnung& b, const Aufgabe& aufgabe);
// The same from the report of a computation (BerichtJson), which a caller that asks for many
// tasks builds once.
Ergebnis<double> Aufgabenwert(const Json& bericht, const Berechnung& b, const Aufgabe& aufgabe);

// The exercise's "uebung" with the answer to task nr (from 1) set, or removed with none. The
// answers stay in the order of the tasks.
Json MitAntwort(const Json& uebung, std::size_t nr, std::optional<double> wert);
// A value as "aus dem Diagramm übernehmen" enters it: rounded to the decimals the tables show.
double Gerundet(double wert, const Aufgabengroesse& groesse);

// A number in a sentence of the grading: fixed decimals, the decimal separator of messages and
// the real minus sign ("−56,6").
std::string Satzzahl(double wert, int stellen);

// The grade of one task.
struct Aufgabenbewertung {
    std::size_t nr = 0;  // from 1
    bool richtig = false;
    std::optional<double> wert;  // the student's value; none when missing
    double loesung = 0;
    double punkte = 0;
    std::string meldung;  // "Aufgabe 2: richtig (−56,6 kW)"
};

// The grade of one hand-in.
struct Bewertung {
    std::string datei;
    double punkte = 0;
    double von = 0;
    std::vector<Aufgabenbewertung> aufgaben;
    std::string fehler;  // why the hand-in as a whole got 0; empty when it was graded
};

// A solution made ready for grading: its exercise and the value of each task, computed from the
// solution itself.
class Loesung {
  public:
    // Refused, with a German reason that names the task, when the exercise cannot be read, a
    // given state is no entered state of the solution, or a task's value cannot be computed.
    static Ergebnis<Loesung> Aus(const Projekt& projekt);

    const Uebung& uebung() const { return uebung_; }
    const std::vector<double>& werte() const { return werte_; }

    // Grades a hand-in against the solution: the answer typed, else the student's own state or
    // process of the task's name, else none. A hand-in drawn on another chart gets 0.
    Bewertung Bewerten(const Projekt& abgabe, const Berechnung& b, std::string datei) const;
    Bewertung Bewerten(const Projekt& abgabe, std::string datei) const;
    // The bytes of a hand-in: one that is no Lumora project gets 0 with the reason.
    Bewertung Bewerten(std::string_view text, std::string datei) const;
    // 0 points for every task, with the reason (e.g. a file that could not be read).
    Bewertung Abgelehnt(std::string datei, std::string grund) const;

    // Why the chart of a project differs from the solution's; none when it is the same.
    std::optional<std::string> AndererDiagrammgrund(const Projekt& abgabe) const;

  private:
    Loesung() = default;

    Uebung uebung_;
    std::vector<double> werte_;
    Feldtexte texte_;
    double thetaUnten_ = 0;
};

// The exercise that a student gets from a solution: the input texts and lower limit, the given
// states with their entered values, the tasks, and nothing else: no process, no other state,
// no series, zone or note, no answer, no key this version does not know. Refused when the
// solution cannot grade, and when a task asks about a given state, whose answer the exercise
// would hold.
Ergebnis<Projekt> UebungErstellen(const Projekt& loesung);

// --- Writing tasks --------------------------------------------------------------------------

// A task as the form "Aufgabe hinzufügen …" holds it: what the teacher typed and chose.
struct Aufgabenfelder {
    std::string text;
    std::string name;      // a state, or the state a process makes
    std::string groesse;   // a property's key: "theta", "leistung", …
    std::string toleranz;  // a number as typed, with a comma or a point
    std::string punkte;
};
// The fields of task nr (from 1) of the project's exercise; empty fields where there is none.
Aufgabenfelder FelderDerAufgabe(const Projekt& projekt, std::size_t nr);

// Each edit gives the project's new "uebung", or the German reason why it cannot be made,
// which names the field or the task. A task must be one the solution can grade: its text is
// not empty, its property exists, its state or process computes a value in b, the project's
// computation, and it is no given state, whose value the exercise would hand out.
// The answers a project carries follow their tasks.
//
// The task of the fields added at the end; a project without an exercise gets one, with the
// title `titel`, its entered states (but the task's) as the given ones.
Ergebnis<Json> AufgabeHinzufuegen(const Projekt& projekt, const Berechnung& b,
                                  const Aufgabenfelder& felder, const std::string& titel);
// Task nr (from 1) replaced by the fields; keys of the task Lumora does not know stay.
Ergebnis<Json> AufgabeAendern(const Projekt& projekt, const Berechnung& b, std::size_t nr,
                              const Aufgabenfelder& felder);
// Task nr moved one place up or down.
Ergebnis<Json> AufgabeVerschieben(const Projekt& projekt, std::size_t nr, bool hoch);
// Task nr removed; with the last task the whole exercise goes.
Ergebnis<Json> AufgabeLoeschen(const Projekt& projekt, std::size_t nr);

// One hand-in's grade as the JSON object of `lumora-export --bewerte --json`.
Json BewertungJson(const Bewertung& b);
// The table of grades: a header row, then per hand-in its file, points, maximum and the points
// of each task, ';'-separated, numbers with the given decimal separator.
std::string Notentabelle(const Uebung& uebung, const std::vector<Bewertung>& bewertungen,
                         std::string_view dezimaltrenner);
// The grade as text: a line "datei: 3 von 5 Punkten" (or the reason), then each task's sentence
// indented.
std::string BewertungText(const Bewertung& b);

}  // namespace lumora
