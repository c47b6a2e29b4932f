#include "ui/diagrammfenster.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

#include "bild/bilder.h"
#include "bild/einheiten.h"
#include "bild/zeichnung.h"
#include "core/version.h"
#include "ui/ausgabe.h"
#include "ui/fenster.h"
#include "ui/leinwand.h"
#include "ui/ueberlagerung.h"

namespace lumora {

namespace {

// Layout of the chart window in form units; the chart area's own is the renderer's.
constexpr int kClientBreite = 15240;
constexpr int kClientHoehe = 11010;

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

    ueber_ = new Ueberlagerungsflaeche(leinwand_);
    ueber_->setGeometry(QRect(QPoint(1, 1), leinwand_->innenGroesse()));
    ueber_->raise();
    picture1->raise();

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
        {"Exportieren …", QKeySequence(Qt::CTRL | Qt::Key_E), &SpeichernUnterFragen},
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
    untereGrenze_ = new QAction(QString::fromUtf8("Untere Grenze …"), this);
    connect(untereGrenze_, &QAction::triggered, this, &Diagrammfenster::untereGrenzeAendern);
    // The program passes the project window's switch, which starts on (setAnsichtaktionen).
    auto* enthalpie = new QAction("Enthalpieetiketten", this);
    enthalpie->setCheckable(true);
    setAnsichtaktionen(nullptr, enthalpie);
}

void Diagrammfenster::setAnsichtaktionen(QAction* untereGrenze, QAction* enthalpieetiketten) {
    // The window's own actions go when others take their place: one switch, not two.
    const auto ersetzen = [this](QAction*& alt, QAction* neu) {
        if (!neu || neu == alt) return false;
        if (alt && alt->parent() == this) {
            delete alt;
        } else if (alt) {
            disconnect(alt, nullptr, this, nullptr);
        }
        alt = neu;
        return true;
    };
    ersetzen(untereGrenze_, untereGrenze);
    if (!ersetzen(enthalpie_, enthalpieetiketten)) return;
    connect(enthalpie_, &QAction::toggled, this,
            [this] { ueberlagerungZeigen(ueberlagerung(), false, false); });
    if (ueber_) ueberlagerungZeigen(ueberlagerung(), false, false);
}

void Diagrammfenster::setEingabe(const Eingabe& eingabe) {
    eingabe_ = eingabe;
    if (enthalpie_->isChecked()) ueberlagerungZeigen(ueberlagerung(), false, false);
}

void Diagrammfenster::setUeberlagerung(Ueberlagerung u, bool hintergrund, bool imZug) {
    enthalpieMitRand_ = u.enthalpieetiketten.has_value();
    ueberlagerungZeigen(std::move(u), hintergrund, imZug);
}

void Diagrammfenster::ueberlagerungZeigen(Ueberlagerung u, bool hintergrund, bool imZug) {
    if (!enthalpieMitRand_) {
        u.enthalpieetiketten.reset();
        if (enthalpie_->isChecked()) u.enthalpieetiketten = eingabe_;
    }
    ueber_->setUeberlagerung(std::move(u), hintergrund, imZug);
}

const Ueberlagerung& Diagrammfenster::ueberlagerung() const { return ueber_->ueberlagerung(); }

void Diagrammfenster::setProjektaktionen(const QList<QAction*>& aktionen) {
    for (QAction* a : projektaktionen_) removeAction(a);
    projektaktionen_ = aktionen;
    addActions(aktionen);  // their shortcuts work in this window too
}

void Diagrammfenster::contextMenuEvent(QContextMenuEvent* ereignis) {
    QMenu menue(this);
    for (QAction* a : actions()) {
        if (!projektaktionen_.contains(a)) menue.addAction(a);
    }
    menue.addAction(untereGrenze_);
    menue.addAction(enthalpie_);
    const QPoint imInnern = leinwand_->mapFrom(this, ereignis->pos()) - QPoint(1, 1);
    if (eingabe_ && QRect(QPoint(0, 0), leinwand_->innenGroesse()).contains(imInnern)) {
        const QPointF m = Massstab(leinwand_->innenGroesse());
        const double X = imInnern.x() / m.x();
        const double Y = imInnern.y() / m.y();
        menue.addSeparator();
        connect(menue.addAction("Zustand hier eintragen"), &QAction::triggered, this,
                [this, X, Y] { emit zustandHierEintragen(X, Y); });
    }
    if (!projektaktionen_.isEmpty()) {
        menue.addSeparator();
        menue.addActions(projektaktionen_);
    }
    menue.exec(ereignis->globalPos());
}

bool Diagrammfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt != leinwand_) return QWidget::eventFilter(objekt, ereignis);
    const auto imInnern = [&] {
        return static_cast<QMouseEvent*>(ereignis)->position() - QPointF(1, 1);
    };
    const QSize innen = leinwand_->innenGroesse();
    const QPointF m = Massstab(innen);
    switch (ereignis->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton) {
                const auto marke = MarkeBei(ueberlagerung(), innen, imInnern());
                if (marke && ueberlagerung().marken[*marke].eintrag >= 0) {
                    gezogen_ = ueberlagerung().marken[*marke].eintrag;
                    bewegt_ = false;
                    leinwand_->setCursor(Qt::ClosedHandCursor);
                    return true;
                }
            }
            break;
        case QEvent::MouseMove:
            if (gezogen_ >= 0) {
                const QPointF p = imInnern();
                emit zustandGezogen(gezogen_, p.x() / m.x(), p.y() / m.y(), !bewegt_);
                bewegt_ = true;
            } else {
                const bool ueberMarke = MarkeBei(ueberlagerung(), innen, imInnern()).has_value();
                leinwand_->setCursor(ueberMarke ? Qt::OpenHandCursor : Qt::ArrowCursor);
            }
            ablesen(imInnern().toPoint());
            break;
        case QEvent::MouseButtonRelease:
            if (gezogen_ >= 0) {
                gezogen_ = -1;
                leinwand_->setCursor(Qt::OpenHandCursor);
                if (bewegt_) emit ziehenBeendet();
                return true;
            }
            break;
        case QEvent::Leave:
            ablesung_->hide();
            break;
        default:
            break;
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void Diagrammfenster::ablesen(QPoint imInnern) {
    if (!eingabe_) {
        ablesung_->hide();
        return;
    }
    const QSize innen = leinwand_->innenGroesse();
    if (const auto marke = MarkeBei(ueberlagerung(), innen, imInnern)) {
        // The state's own values, read where its marker stands, under its name.
        const Ueberlagerung::Marke& k = ueberlagerung().marken[*marke];
        const auto a = Ablesen(*eingabe_, k.ort.x(), k.ort.y());
        ablesung_->zeigen(*leinwand_, imInnern, a ? k.name + "\n" + AblesungText(*a) : k.name);
        return;
    }
    if (const auto punkt = MesspunktBei(ueberlagerung(), innen, imInnern)) {
        const auto& reihe = ueberlagerung().reihen[punkt->first];
        if (reihe.text) {
            ablesung_->zeigen(*leinwand_, imInnern, reihe.text(punkt->second));
            return;
        }
    }
    ablesung_->ablesen(*eingabe_, *leinwand_, imInnern, ueberlagerung().karten);
}

}  // namespace lumora
