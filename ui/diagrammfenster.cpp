#include "ui/diagrammfenster.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

#include "core/version.h"
#include "ui/ausgabe.h"
#include "ui/bilder.h"
#include "ui/einheiten.h"
#include "ui/fenster.h"
#include "ui/leinwand.h"

namespace lumora {

namespace {

// Layout of the chart window in form units.
constexpr int kClientBreite = 15240;
constexpr int kClientHoehe = 11010;
// pic_gesamt as every run sets it: Left 60, Width 15135, so it ends inside the window.
constexpr QRect kGesamt(60, 60, 15135, 10995);
constexpr QRect kDiagramm(690, 300, 13785, 10155);
constexpr QRect kPicture1(13080, 9600, 510, 390);  // inside the canvas's frame
constexpr QRect kPicture2(14550, 8280, 360, 2145);

QRect Form(const QRect& r) { return FormRechteck(r.x(), r.y(), r.width(), r.height()); }

QWidget* Gesamtflaeche(QWidget* fenster) {
    auto* gesamt = new QWidget(fenster);
    gesamt->setObjectName("pic_gesamt");
    gesamt->setAutoFillBackground(true);
    gesamt->setGeometry(Form(kGesamt));
    return gesamt;
}

}  // namespace

Diagrammfenster::Diagrammfenster(QWidget* parent)
    : QWidget(parent), gesamt_(Gesamtflaeche(this)), etiketten_(gesamt_) {
    FensterEinrichten(*this, "frm_Lumora",
                      QString("Lumora  %1   %2  -  h,x-Diagramm")
                          .arg(QString::fromUtf8(kVersionsText), QString::fromUtf8(kStand)),
                      kClientBreite, kClientHoehe, Qt::white);
    flaechenAnlegen();
    aktionenAnlegen();
}

void Diagrammfenster::flaechenAnlegen() {
    leinwand_ = new Leinwand(gesamt_);
    leinwand_->setObjectName("pic_Diagramm");
    leinwand_->setGeometry(Form(kDiagramm));
    leinwand_->lower();

    auto* picture1 = new QLabel(leinwand_);
    picture1->setObjectName("Picture1");
    picture1->setPixmap(Emblem(34, 26));
    // Positions inside the canvas count from the interior, one pixel in from the frame.
    picture1->setGeometry(Form(kPicture1).translated(1, 1));

    auto* picture2 = new QLabel(gesamt_);
    picture2->setObjectName("Picture2");
    picture2->setPixmap(Hochbild());
    picture2->setGeometry(Form(kPicture2));

    ablesung_ = new Ablesefeld(this);
    leinwand_->setMouseTracking(true);
    leinwand_->installEventFilter(this);
}

void Diagrammfenster::aktionenAnlegen() {
    struct Eintrag {
        const char* text;
        QKeySequence taste;
        void (*tun)(Diagrammfenster&);
    };
    const Eintrag eintraege[] = {
        {"Diagramm speichern unter …", QKeySequence::Save, &SpeichernUnterFragen},
        {"Drucken …", QKeySequence::Print, &Drucken},
        {"In die Zwischenablage kopieren", QKeySequence::Copy,
         [](Diagrammfenster& f) { Kopieren(f); }},
    };
    const auto hinzu = [this](const char* text, const QKeySequence& taste) {
        auto* aktion = new QAction(QString::fromUtf8(text), this);
        aktion->setShortcut(taste);
        aktion->setShortcutVisibleInContextMenu(true);
        addAction(aktion);  // the shortcuts work without a menu bar
        return aktion;
    };
    for (const Eintrag& e : eintraege) {
        connect(hinzu(e.text, e.taste), &QAction::triggered, this,
                [this, tun = e.tun] { tun(*this); });
    }
    connect(hinzu("Eingaben ändern …", Qt::Key_F2), &QAction::triggered, this,
            &Diagrammfenster::eingabenAendern);
}

void Diagrammfenster::contextMenuEvent(QContextMenuEvent* ereignis) {
    QMenu menue(this);
    menue.addActions(actions());
    menue.exec(ereignis->globalPos());
}

bool Diagrammfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == leinwand_) {
        if (ereignis->type() == QEvent::MouseMove) {
            ablesen(static_cast<QMouseEvent*>(ereignis)->position().toPoint() - QPoint(1, 1));
        } else if (ereignis->type() == QEvent::Leave) {
            ablesung_->hide();
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void Diagrammfenster::ablesen(QPoint imInnern) {
    if (eingabe_) {
        ablesung_->ablesen(*eingabe_, *leinwand_, imInnern);
    } else {
        ablesung_->hide();
    }
}

}  // namespace lumora
