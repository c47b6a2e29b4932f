#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "projekt/groessen.h"
#include "ui/projektsitzung.h"

namespace lumora {

// A table over the open project: its header texts and how it follows a change of the project.
class Projekttabelle : public QAbstractTableModel {
    Q_OBJECT

  public:
    Projekttabelle(Projektsitzung& sitzung, QStringList kopf, QObject* parent);
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

  protected:
    // Rows that stay rows are only told to show their new values: cheap during a drag.
    void aktualisieren();

    Projektsitzung& s_;

  private:
    QStringList kopf_;
    int zeilen_ = 0;
};

// The states of the project: the entered ones in file order, then those that processes make.
// Reads the session on demand, so a change of thousands of states costs nothing until shown.
class Zustandsmodell : public Projekttabelle {
    Q_OBJECT

  public:
    enum Spalte {
        Name,
        Eingabe,
        Theta,
        X,
        Phi,
        H,
        Taupunkt,
        Kuehlgrenze,
        Rho,
        Eis,
        Bemerkung,
        Anzahl
    };

    explicit Zustandsmodell(Projektsitzung& sitzung, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int role) override;

    // The entry of zustaende a row shows; none for a state that a process makes.
    std::optional<std::size_t> eintragDerZeile(int zeile) const;

  signals:
    void ablehnung(const QString& meldung);

  private:
    const Diagrammpunkt* punkt(int zeile) const;
    // The entry's own text of a column, for editing: its name or a value as the file has it.
    QVariant bearbeitbarerText(const Json* json, int spalte) const;
    // What a row shows in a column: name, entered pair, computed values or the reason.
    QVariant anzeige(int zeile, const Json* json, int spalte) const;
};

// The processes of the project in file order, and a last row with the sums of power and water.
class Prozessmodell : public Projekttabelle {
    Q_OBJECT

  public:
    enum Spalte {
        Art,
        Von,
        Nach,
        Parameter,
        DTheta,
        DX,
        DH,
        Massenstrom,
        Volumenstrom,
        Leistung,
        Wasser,
        Bemerkung,
        Anzahl
    };

    explicit Prozessmodell(Projektsitzung& sitzung, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
};

// The measured series: shown or not, name, source, points, impossible points, for a weather
// year its hours (inside its time window) and design values, and for each zone the possible
// points inside with their share.
class Messreihenmodell : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Spalte { Name, Quelle, Punkte, Unmoeglich, Stunden, Auslegung, Zonen };

    explicit Messreihenmodell(Projektsitzung& sitzung, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int role) override;

  private:
    Projektsitzung& s_;
};

// The zones with their bounds.
class Zonenmodell : public Projekttabelle {
    Q_OBJECT

  public:
    enum Spalte { Name, Theta, Phi, X, Bemerkung, Anzahl };

    explicit Zonenmodell(Projektsitzung& sitzung, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
};

// The name of an entry, when it has one; else empty.
QString NameVon(const Json& eintrag);

// A value of an entry as a cell or a field shows it: numbers in the user's notation.
QString WertText(const Json& wert);
// A typed number in the user's notation or with a point; none for an empty text, NaN for a
// text that is no finite number.
std::optional<double> ZahlAusText(const QString& text);

// A number for a table or a form: the user's decimal separator, the given decimals.
QString Zahltext(double wert, int stellen);
QString Zahltext(const std::optional<double>& wert, int stellen);

// A weather year's design values as one line: "ϑmax = 30,1 °C, xmax = 14,2 g/kg,
// hmax = 62,3 kJ/kg, ϑmin = -9,8 °C (k = 9 h)".
QString Auslegungstext(const Auslegung& a);

// The parameters of a process entry as one line, e.g. "ϑO = 9 °C, BF = 0,1".
QString Parametertext(const Json& prozess);

}  // namespace lumora
