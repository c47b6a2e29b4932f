#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <array>

#include "ui/formulare.h"

namespace lumora {

// Whether an entry of the measured series is a weather year, also one whose settings are not
// what they must be (so that the form can mend them).
bool IstWetterjahr(const Json& eintrag);

// The names of a time window's four fields in messages, in the order months from, months to,
// hours from, hours to: "Monate von", …, "Stunden bis".
QString Zeitfensterfeld(int teil);

// The settings of a weather year: how it is drawn (dots or a frequency map), its time window
// (months and hours of the day, each from-to and each optional), the class widths and the
// hours a design value may be exceeded. Its entry is the weather year's with only the
// settings changed that the user changed, so that a form confirmed unchanged gives back the
// entry's bytes.
class Wetterjahrformular : public Eintragsformular {
    Q_OBJECT

  public:
    explicit Wetterjahrformular(QWidget* parent = nullptr);
    // Fills the form from the weather year's entry, which eintrag() changes.
    void setEintrag(const Json& eintrag);
    Json eintrag() const override;

    QComboBox* darstellung() const { return darstellung_; }  // 0: Punkte, 1: Häufigkeitskarte
    QLineEdit* monatVon() const { return felder_[MonatVon]; }
    QLineEdit* monatBis() const { return felder_[MonatBis]; }
    QLineEdit* stundeVon() const { return felder_[StundeVon]; }
    QLineEdit* stundeBis() const { return felder_[StundeBis]; }
    QLineEdit* dtheta() const { return felder_[DTheta]; }
    QLineEdit* dx() const { return felder_[DX]; }
    QLineEdit* ueberschreitung() const { return felder_[K]; }

  protected:
    QString feldfehler() const override;

  private:
    enum Feldname { MonatVon, MonatBis, StundeVon, StundeBis, DTheta, DX, K, Anzahl };
    // The field's name in a message: "Monate von", "Δϑ", ….
    static QString name(int feld);
    // Whether any of the fields shows another text than the entry gave it.
    bool geaendert(std::initializer_list<int> felder) const;
    // Writes into e the settings the user changed; the others stay as e has them.
    void anwenden(Json& e) const;

    QComboBox* darstellung_ = nullptr;
    std::array<QLineEdit*, Anzahl> felder_{};
    std::array<QString, Anzahl> anfang_;  // the texts the entry gave the fields
    int anfangDarstellung_ = 0;
    Json alt_ = Json::object();
};

}  // namespace lumora
