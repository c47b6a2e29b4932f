#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QTabWidget>
#include <QTableView>
#include <functional>
#include <optional>

#include "ui/projektsitzung.h"

class QHBoxLayout;
class QMenu;

namespace lumora {

class Anlagenseite;
class Uebungsfenster;
class Zustandsmodell;
class Prozessmodell;
class Messreihenmodell;
class Zonenmodell;
enum class Sprache;

// "Lumora - Zustände und Prozesse": the tables of the open project's states, processes,
// measured series and zones, with the menus that open, save and change it.
class Projektfenster : public QMainWindow {
    Q_OBJECT

  public:
    // What the window needs from the rest of the program.
    struct Verbindungen {
        std::function<Feldtexte()> eingabetexte;  // the dialog's texts, for a new project
        std::function<void()> diagrammExportieren;
        std::function<void()> diagrammDrucken;
        std::function<void()> eingabenZeigen;
        std::function<void()> beenden;      // ends the program, after the question on changes
        std::function<QWidget*()> nachbar;  // the chart window, once there is one
        std::function<void()> untereGrenzeFragen;  // "Untere Grenze …"
        // Sets the chart's lower limit [°C] as one undo step; the German reason of a refusal.
        std::function<QString(double)> untereGrenzeSetzen;
    };

    Projektfenster(Projektsitzung& sitzung, Verbindungen verbindungen, QWidget* parent = nullptr);

    // Asks what to do with unsaved changes; true when the project may be closed.
    bool schliessenErlaubt();
    // Opens a file as the user's project (or as a new project from a template).
    bool oeffnen(const QString& pfad, bool alsVorlage = false);

    QTableView* zustaende() const { return zustaende_; }
    QTableView* prozesse() const { return prozesse_; }
    QTableView* messreihen() const { return messreihen_; }
    QTableView* zonen() const { return zonen_; }
    Uebungsfenster* uebung() const { return uebung_; }
    Anlagenseite* anlage() const { return anlage_; }

    // The actions that the chart window offers as well, with the same shortcuts.
    QAction* aktion(const char* name) const;

  public slots:
    void zustandHinzufuegen();
    void prozessHinzufuegen();
    void zoneHinzufuegen();
    void messreiheImportieren();
    // Reads the series in the file as one undo step; for a weather year says what was read and
    // offers its mean station pressure as the chart's total pressure. False when refused.
    bool messreiheImportieren(const QString& pfad);
    void gesamtdruckAusHoehe();
    // The settings of the weather year in the current row of "Messreihen", or of the first
    // weather year; as one undo step.
    void wetterjahrEinstellen();
    void wetterjahrBearbeiten(std::size_t index);
    bool speichern();
    bool speichernUnter();
    void oeffnenFragen();
    void neu();
    void loeschen();
    // Moves the current row of the open table one up or down, as one undo step.
    void zeileVerschieben(bool hoch);

  protected:
    void closeEvent(QCloseEvent* ereignis) override;
    // The first showing puts the window where the user left it last time, or beside the
    // chart; every hiding remembers its place.
    void showEvent(QShowEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;

  private:
    void menuesAnlegen();
    void projektmenueAnlegen(QMenu* m);
    void bearbeitenmenueAnlegen(QMenu* m);
    void ansichtmenueAnlegen(QMenu* m);
    void hilfemenueAnlegen(QMenu* m);
    // "Deutsch" and "English", the language the windows speak checked.
    void sprachmenueAnlegen(QMenu* m);
    // Keeps the language for the next start and says so when it is not the one spoken now.
    void spracheWaehlen(Sprache sprache);
    // An action of the menu m with its object name, text and shortcut, which runs tun.
    QAction* aktionAnlegen(QMenu* m, const char* name, const QString& text,
                           const QKeySequence& taste, std::function<void()> tun);
    void beispieleAnlegen(QMenu* hilfe);
    void tabellenAnlegen();
    void titelSetzen();
    // Shows the states below the lower limit and the limit that would bring them on the chart.
    void grenzeZeigen();
    void zuletztMerken(const QString& pfad);
    void zuletztFuellen();
    void meldung(const QString& text);
    void zeileBearbeiten(const QModelIndex& index);
    // Asks whether the chart should take over a weather year's mean station pressure [hPa]
    // where it differs from the chart's total pressure by more than 1 %.
    void druckAnbieten(double druck);

    bool platziert_ = false;
    Projektsitzung& s_;
    Verbindungen v_;
    QTabWidget* reiter_ = nullptr;
    QLabel* notiz_ = nullptr;
    // Below the note: which states lie below the chart's lower limit, with the offer to lower it.
    QWidget* grenze_ = nullptr;
    QLabel* grenzeText_ = nullptr;
    QAction* grenzeSenken_ = nullptr;
    std::optional<double> grenzvorschlag_;
    QTableView* zustaende_ = nullptr;
    QTableView* prozesse_ = nullptr;
    QTableView* messreihen_ = nullptr;
    QTableView* zonen_ = nullptr;
    Zustandsmodell* zustandsmodell_ = nullptr;
    Prozessmodell* prozessmodell_ = nullptr;
    QMenu* zuletzt_ = nullptr;
    QHBoxLayout* knoepfe_ = nullptr;  // the buttons under the tables
    Uebungsfenster* uebung_ = nullptr;
    Anlagenseite* anlage_ = nullptr;
};

// The name of an example in "Hilfe → Beispiele" in the program's language: those that come
// with Lumora by their file, any other by its title.
QString Beispielname(const QString& pfad);

}  // namespace lumora
