#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "bild/monatsbalken.h"
#include "ui/projektsitzung.h"

class QFormLayout;
class QStackedWidget;
class QTabWidget;

namespace lumora {

// The month bars of the unit's year as the renderer draws them, filling the widget.
class Balkenflaeche : public QWidget {
    Q_OBJECT

  public:
    explicit Balkenflaeche(QWidget* parent = nullptr);
    void setBalken(std::optional<Monatsbalken> balken);
    const std::optional<Monatsbalken>& balken() const { return balken_; }

  protected:
    void paintEvent(QPaintEvent* ereignis) override;

  private:
    std::optional<Monatsbalken> balken_;
};

// The tab "Anlage": the project's air-handling unit as a form, with its year's results beside
// it. Every key of the unit has its field; "Übernehmen" makes the unit from the fields, keeping
// what the form does not know and the bytes of every value left as it was, checks it as the
// file reader does and sets it as one undo step. A refused change says why, naming the field,
// and leaves the texts typed and the project as they were. Without a unit the tab offers to add
// one.
class Anlagenseite : public QWidget {
    Q_OBJECT

  public:
    // The number fields, by what they hold.
    enum Feld {
        Strom,     // the mass or volume flow, as `stromart` says
        ThetaMin,  // the supply window [°C]
        ThetaMax,
        XMin,  // [g/kg], optional each
        XMax,
        AbluftA,  // the extract air's pair, as `abluftpaar` says
        AbluftB,
        Rueckwaermzahl,
        Frostschutz,
        Bypass,
        Befeuchtertemperatur,  // ϑD or ϑW, as `befeuchter` says
        MonatVon,
        MonatBis,
        StundeVon,
        StundeBis,
        Anzahl
    };

    Anlagenseite(Projektsitzung& sitzung, QWidget* parent = nullptr);

    QLineEdit* name() const { return name_; }
    QComboBox* wetterjahr() const { return wetterjahr_; }
    QComboBox* stromart() const { return stromart_; }  // 0: Massenstrom, 1: Volumenstrom
    QComboBox* abluftpaar() const { return abluftpaar_; }
    QCheckBox* kuehler() const { return kuehler_; }
    QComboBox* befeuchter() const { return befeuchter_; }  // 0: keiner, 1: Dampf, 2: Wasser
    QLineEdit* feld(Feld f) const { return felder_[static_cast<std::size_t>(f)]; }
    QLabel* meldung() const { return meldung_; }
    QLabel* zustand() const { return zustand_; }  // why the unit computes nothing
    QPushButton* uebernehmenKnopf() const { return uebernehmen_; }
    QTableWidget* uebersicht() const { return uebersicht_; }
    QTableWidget* monate() const { return monate_; }
    Balkenflaeche* balken() const { return balken_; }

    // The unit as the fields make it from the project's; the German reason, naming the
    // field, where a field holds no sound value.
    Ergebnis<Json> eintrag() const;

  public slots:
    // The fields' unit as one undo step; false when it is refused (the reason then shows).
    bool uebernehmen();
    // The fields as the project's unit has them, typed texts dropped.
    void verwerfen();
    // A unit on the project's first weather year, or removes the unit: one undo step each.
    void hinzufuegen();
    void entfernen();
    // The month bars as PNG, SVG or PDF, or printed.
    void balkenSpeichernFragen();
    void balkenDrucken();
    QString balkenSpeichern(const QString& pfad);

  private:
    void formularAnlegen(QWidget* seite);
    void ergebnisseAnlegen(QTabWidget* reiter);
    // Follows a change of the project: the form only when the unit itself changed, so that
    // texts typed and not yet taken stay.
    void projektGeaendert();
    void laden(const Json& anlage);
    void ergebnisseZeigen();
    void wetterjahreFuellen(const std::string& gewaehlt);
    void abluftpaarGewaehlt();
    void befeuchterGewaehlt();
    // The field's name in a message, without its unit: "ϑmin", "Monate von", ….
    QString feldname(Feld f) const;
    // Whether the texts of the fields differ from those the unit gave them.
    bool geaendert(std::initializer_list<Feld> felder) const;
    std::optional<double> zahl(Feld f) const;

    Projektsitzung& s_;
    QStackedWidget* stapel_ = nullptr;  // without a unit, the offer to add one; else the form
    QFormLayout* formular_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* wetterjahr_ = nullptr;
    QComboBox* stromart_ = nullptr;
    QComboBox* abluftpaar_ = nullptr;
    QCheckBox* kuehler_ = nullptr;
    QComboBox* befeuchter_ = nullptr;
    std::array<QLineEdit*, Anzahl> felder_{};
    std::array<QLabel*, Anzahl> beschriftungen_{};
    QLabel* meldung_ = nullptr;
    QLabel* zustand_ = nullptr;
    QPushButton* uebernehmen_ = nullptr;
    QTableWidget* uebersicht_ = nullptr;
    QTableWidget* monate_ = nullptr;
    Balkenflaeche* balken_ = nullptr;

    // The results shown: whether there is a unit, its year, its reason and its name.
    struct Gezeigt {
        bool anlage = false;
        std::shared_ptr<const Anlagenjahr> jahr;
        std::string fehler;
        std::string name;
        bool operator==(const Gezeigt&) const = default;
    };
    std::optional<Gezeigt> gezeigt_;

    // What the form was filled from, and the texts and choices that gave the fields.
    Json geladen_;
    std::array<QString, Anzahl> anfang_;
    QString anfangName_;
    QString anfangWetterjahr_;
    int anfangStromart_ = 0;
    int anfangPaar_ = 0;
    bool anfangKuehler_ = false;
    int anfangBefeuchter_ = 0;
};

}  // namespace lumora
