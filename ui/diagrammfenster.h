#pragma once

#include <QLabel>
#include <QWidget>
#include <optional>

#include "core/eingabe.h"
#include "ui/ablesefeld.h"
#include "ui/etiketten.h"

namespace lumora {

class Leinwand;

// frm_Lumora: the chart window with the area pic_gesamt, the canvas pic_Diagramm, the two
// pictures and the chart labels. Created on the first press and reused after that.
class Diagrammfenster : public QWidget {
    Q_OBJECT

  public:
    explicit Diagrammfenster(QWidget* parent = nullptr);

    Leinwand& leinwand() { return *leinwand_; }
    const Leinwand& leinwand() const { return *leinwand_; }
    Etiketten& etiketten() { return etiketten_; }
    QWidget* gesamt() const { return gesamt_; }
    Ablesefeld* ablesung() const { return ablesung_; }

    // The values the chart on the canvas was drawn for; from then on the state under the
    // cursor can be read.
    void setEingabe(const Eingabe& eingabe) { eingabe_ = eingabe; }

    // Shows the state at a point of the canvas interior, in pixels, in the read-out box.
    void ablesen(QPoint imInnern);

  signals:
    // "Eingaben ändern …" (F2): the user wants the input dialog back.
    void eingabenAendern();

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;

  private:
    void flaechenAnlegen();
    void aktionenAnlegen();

    QWidget* gesamt_ = nullptr;
    Leinwand* leinwand_ = nullptr;
    Etiketten etiketten_;
    Ablesefeld* ablesung_ = nullptr;
    std::optional<Eingabe> eingabe_;
};

}  // namespace lumora
