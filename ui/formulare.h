#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <vector>

#include "projekt/bearbeiten.h"
#include "projekt/projekt.h"

class QDialogButtonBox;
class QFormLayout;

namespace lumora {

// The message for a field whose text is no number, naming the field and quoting the text:
// "ϑ: „abc“ ist keine Zahl."
QString KeineZahl(const QString& feld, const QString& text);

// Why an entry as the form would make it cannot be computed; empty when it can.
using Eintragspruefung = std::function<std::string(const Json& eintrag)>;

// A small form that makes one entry of the project file and says what is wrong with it
// before it accepts.
class Eintragsformular : public QDialog {
    Q_OBJECT

  public:
    Eintragsformular(const QString& titel, Eintragspruefung pruefung, QWidget* parent);

    // The entry as the fields describe it.
    virtual Json eintrag() const = 0;

  protected:
    // A new form opens with the focus in its first field.
    void showEvent(QShowEvent* ereignis) override;
    // Checks the fields and the entry after every change; enables OK only when it is sound.
    void pruefen();
    // A row with a field for a number.
    QLineEdit* zahlfeld(const QString& beschriftung);
    // The label of a field's row, and showing or hiding the row.
    QLabel* beschriftung(const QLineEdit* feld) const;
    void zeigen(const QLineEdit* feld, bool sichtbar);
    // The number in a field: none when it is empty, NaN when it is no number.
    static std::optional<double> zahl(const QLineEdit* feld);
    // KeineZahl for the field when its text is no number, with its label's name without the
    // unit ("Endtemperatur ϑ") or the given name; empty when it is a number or empty.
    QString zahlfehler(const QLineEdit* feld, const QString& name = {}) const;
    // Reports the first field whose text is no number; empty when all are numbers.
    virtual QString feldfehler() const { return {}; }
    // The request for a field left empty, "Bitte ϑ [°C] eingeben.", and for the entry's name.
    static QString fehlt(const QString& feld);
    static QString nameFehlt();

    QFormLayout* formular_ = nullptr;

  private:
    struct Zeile {
        QLineEdit* feld;
        QLabel* beschriftung;
    };
    std::vector<Zeile> zeilen_;
    Eintragspruefung pruefung_;
    QLabel* meldung_ = nullptr;
    QDialogButtonBox* knoepfe_ = nullptr;
};

// A state: a name, one of the six pairs and its two values.
class Zustandsformular : public Eintragsformular {
    Q_OBJECT

  public:
    Zustandsformular(Eintragspruefung pruefung, QWidget* parent = nullptr);
    // Fills the form from an existing entry.
    void setEintrag(const Json& eintrag);
    Json eintrag() const override;

    QLineEdit* name() const { return name_; }
    QComboBox* paar() const { return paar_; }
    QLineEdit* wertA() const { return a_; }
    QLineEdit* wertB() const { return b_; }

  protected:
    QString feldfehler() const override;

  private:
    void paarGewaehlt();

    QLineEdit* name_ = nullptr;
    QComboBox* paar_ = nullptr;
    QLineEdit* a_ = nullptr;
    QLineEdit* b_ = nullptr;
};

// A process: its kind, the state(s) it starts at, its parameters and the name of the state it
// makes.
class Prozessformular : public Eintragsformular {
    Q_OBJECT

  public:
    Prozessformular(const std::vector<std::string>& zustaende, Eintragspruefung pruefung,
                    QWidget* parent = nullptr);
    void setEintrag(const Json& eintrag);
    Json eintrag() const override;
    // A new process goes on from the newest state (the last of the list), with the mass flow
    // the process before it carries, when there is one.
    void fortsetzen(std::optional<double> massenstrom);
    // Finds a state's values by name, so that the form shows beside a mass flow the volume
    // flow it has at the chosen start state.
    using Zustandssuche = std::function<const Zustandswerte*(const std::string& name)>;
    void setZustandssuche(Zustandssuche suche);

    QComboBox* art() const { return art_; }
    QComboBox* von() const { return von_; }
    QComboBox* von2() const { return von2_; }
    QLineEdit* nach() const { return nach_; }
    // The field of a parameter by its file key, e.g. "oberflaeche".
    QLineEdit* parameter(const std::string& schluessel) const;
    QComboBox* ziel() const { return ziel_; }
    QLineEdit* zielwert() const { return zielwert_; }
    // "entspricht … m³/h bei …" below the mass flow; hidden without one.
    QLabel* volumenstromHinweis() const { return volumen_; }

  protected:
    QString feldfehler() const override;

  private:
    void artGewaehlt();
    void volumenstromZeigen();
    // What the fields hold, for the model to make the entry from.
    Prozessfelder felder() const;

    QComboBox* art_ = nullptr;
    QComboBox* von_ = nullptr;
    QComboBox* von2_ = nullptr;
    QComboBox* ziel_ = nullptr;
    QLineEdit* zielwert_ = nullptr;
    QLineEdit* nach_ = nullptr;
    QLabel* volumen_ = nullptr;
    Zustandssuche suche_;
    std::vector<std::pair<std::string, QLineEdit*>> parameter_;
};

// A zone: a name and inclusive bounds on ϑ, φ and x, each side open when empty.
class Zonenformular : public Eintragsformular {
    Q_OBJECT

  public:
    Zonenformular(Eintragspruefung pruefung, QWidget* parent = nullptr);
    void setEintrag(const Json& eintrag);
    Json eintrag() const override;
    QLineEdit* name() const { return name_; }

  protected:
    QString feldfehler() const override;

  private:
    QLineEdit* name_ = nullptr;
    std::vector<std::pair<std::string, std::array<QLineEdit*, 2>>> grenzen_;
};

// "Gesamtdruck aus Höhe …": an altitude and the pressure of the standard atmosphere there.
class Hoehendialog : public QDialog {
    Q_OBJECT

  public:
    explicit Hoehendialog(QWidget* parent = nullptr);
    QLineEdit* hoehe() const { return hoehe_; }
    // The total pressure as the input field takes it, e.g. "954.6"; empty when refused.
    QString druckText() const;

  private:
    void pruefen();

    QLineEdit* hoehe_ = nullptr;
    QLabel* ergebnis_ = nullptr;
    QDialogButtonBox* knoepfe_ = nullptr;
};

// A total pressure [hPa] as the input field takes it, to 0.1 hPa: "954.6"; empty when it is
// not finite.
QString Druckfeldtext(double hPa);

// Why an altitude [m] gives no standard pressure; empty when it does.
QString HoehenFehler(double hoehe);

}  // namespace lumora
