#pragma once

#include <QDialog>
#include <QDockWidget>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "projekt/uebung.h"
#include "ui/projektsitzung.h"
#include "ui/ueberlagerung.h"

class QAction;
class QCheckBox;
class QComboBox;
class QMenu;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace lumora {

// "Aufgabe hinzufügen …" and "Aufgabe bearbeiten …": the text, the state or process, the
// property, the tolerance and the points of a task. OK is enabled only while the rule
// accepts the fields; below them the form says in German what is wrong, naming the field.
class Aufgabenformular : public QDialog {
    Q_OBJECT

  public:
    // regel: the edit the form makes, giving the exercise's new "uebung" or the reason.
    // namen: the states and the states processes make, to choose from.
    using Regel = std::function<Ergebnis<Json>(const Aufgabenfelder&)>;
    Aufgabenformular(const QString& titel, Regel regel, const QStringList& namen,
                     QWidget* parent = nullptr);

    void setFelder(const Aufgabenfelder& felder);
    Aufgabenfelder felder() const;
    // The new "uebung" that the fields make; none while they are refused.
    const std::optional<Json>& uebung() const { return uebung_; }

    QLineEdit* text() const { return text_; }
    QComboBox* name() const { return name_; }
    QComboBox* groesse() const { return groesse_; }
    QLineEdit* toleranz() const { return toleranz_; }
    QLineEdit* punkte() const { return punkte_; }
    QLabel* meldung() const { return meldung_; }
    QPushButton* ok() const { return ok_; }

  private:
    void pruefen();

    Regel regel_;
    QLineEdit* text_ = nullptr;
    QComboBox* name_ = nullptr;
    QComboBox* groesse_ = nullptr;
    QLineEdit* toleranz_ = nullptr;
    QLabel* einheit_ = nullptr;
    QLineEdit* punkte_ = nullptr;
    QLabel* meldung_ = nullptr;
    QPushButton* ok_ = nullptr;
    std::optional<Json> uebung_;
};

// "Übung": the exercise of the open project beside its tables. It shows the title and each task
// with its answer field and unit; "aus dem Diagramm übernehmen" takes the value of the
// student's own state or process. Every answer is an undo step of the session. With a solution
// attached (a hand-in opened from "Abgaben bewerten …") each task gets a green tick or a red
// cross with its sentence, and "Lösung zeigen" lays the solution beside the student's chart.
class Uebungsfenster : public QDockWidget {
    Q_OBJECT

  public:
    // oeffnen opens a file as the user's project, after the question about unsaved changes;
    // false when it did not.
    Uebungsfenster(Projektsitzung& sitzung, std::function<bool(const QString&)> oeffnen,
                   QWidget* parent = nullptr);
    ~Uebungsfenster() override;

    // "Lösung zeigen": checkable, enabled while a solution is attached.
    QAction* loesungAktion() const { return loesungZeigen_; }
    // "Aufgabe hinzufügen …": also in the project window's menu, for a project without an
    // exercise, whose pane is hidden.
    QAction* aufgabeAktion() const { return aufgabeHinzu_; }
    // The menu of task nr (from 1): "Aufgabe bearbeiten …", "Nach oben", "Nach unten",
    // "Aufgabe löschen".
    QMenu* aufgabenmenue(std::size_t nr) const;
    // The solution's overlay while it is shown beside a hand-in on the same chart.
    const Ueberlagerung* loesungsbild() const;
    // Grades the open project against the solution, until another project is opened.
    void setLoesung(const Projekt& loesung, const QString& name);
    // The grade of the open project against the attached solution.
    const std::optional<Bewertung>& bewertung() const { return bewertung_; }

    // The answer field of task nr (from 1), its button and its result.
    QLineEdit* antwortfeld(std::size_t nr) const;
    QPushButton* uebernehmenKnopf(std::size_t nr) const;
    QLabel* ergebnis(std::size_t nr) const;
    QLabel* meldung() const { return meldung_; }

  public slots:
    // "Übung erstellen …": writes the exercise of the open solution to a file the user picks.
    void erstellen();
    // "Abgaben bewerten …": grades every project in a folder the user picks.
    void bewerten();
    // Writes the exercise of the open project to pfad; returns the German reason of a refusal.
    QString erstellenNach(const QString& pfad);
    // Grades the hand-ins in ordner against the open project; the reason of a refusal, else
    // the grades in file-name order through bewertungen.
    QString ordnerBewerten(const QString& ordner, std::vector<Bewertung>& bewertungen);
    // The form for a new task, and for task nr; each confirmed form is one undo step.
    void aufgabeHinzufuegen();
    void aufgabeBearbeiten(std::size_t nr);
    // Task nr one place up or down, or removed: each one undo step.
    void aufgabeVerschieben(std::size_t nr, bool hoch);
    void aufgabeLoeschen(std::size_t nr);

  signals:
    // The solution's overlay appeared, changed or went.
    void loesungGeaendert();

  private:
    struct Zeile;
    void aufbauen();
    void aktualisieren();
    void zeilenAnlegen(const Uebung& uebung);
    void antwortGeaendert(std::size_t i);
    void uebernehmen(std::size_t i);
    void hinweis(const QString& text, bool fehler);
    void loesungPruefen();
    // Runs the form and makes its exercise one undo step called was.
    void formularAusfuehren(Aufgabenformular& form, const QString& was);
    // The result of an edit: one undo step, or its reason in the pane.
    void bearbeitet(const Ergebnis<Json>& uebung, const QString& was);

    Projektsitzung& s_;
    std::function<bool(const QString&)> oeffnen_;
    QLabel* titel_ = nullptr;
    QLabel* meldung_ = nullptr;
    QLabel* stand_ = nullptr;
    QCheckBox* zeigen_ = nullptr;
    QGridLayout* raster_ = nullptr;
    QAction* loesungZeigen_ = nullptr;
    QAction* aufgabeHinzu_ = nullptr;
    std::vector<std::unique_ptr<Zeile>> zeilen_;
    std::string aufgabenText_;  // the tasks the rows were built for

    // The attached solution: its project, computation, grader and overlay.
    struct Anhang;
    std::unique_ptr<Anhang> anhang_;
    std::optional<Bewertung> bewertung_;
};

// "Abgaben bewerten": a row per hand-in with its points and each task's tick or cross, the
// sentences of the chosen one below, "Noten speichern …" for the table of grades and "Abgabe
// öffnen".
class Abgabendialog : public QDialog {
    Q_OBJECT

  public:
    // ordner: where the hand-ins named in bewertungen lie.
    Abgabendialog(const Uebung& uebung, std::vector<Bewertung> bewertungen, QString ordner,
                  QWidget* parent = nullptr);

    QTableWidget* noten() const { return tabelle_; }
    QLabel* saetze() const { return saetze_; }
    // The file of the chosen hand-in, for "Abgabe öffnen"; empty when none is chosen.
    QString gewaehlt() const;

  private:
    int zeile() const;
    void zeigen();
    void notenSpeichern();

    Uebung uebung_;
    std::vector<Bewertung> bewertungen_;
    QString ordner_;
    QTableWidget* tabelle_ = nullptr;
    QLabel* saetze_ = nullptr;
    QPushButton* oeffnen_ = nullptr;
};

// The title of an example in "Hilfe → Beispiele": "Übung: …" or "Lösung: …" with the
// exercise's title for a file that holds one (a solution is one that can grade), else the
// file's name.
QString Beispieltitel(const QString& pfad);

}  // namespace lumora
