#include "ui/diagrammfenster.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

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

// One step of the zoom: a notch of the wheel, Ctrl++ or Ctrl+−.
constexpr double kZoomSchritt = 1.25;

QWidget* Gesamtflaeche(QWidget* fenster) {
    auto* gesamt = new QWidget(fenster);
    gesamt->setObjectName("pic_gesamt");
    gesamt->setAutoFillBackground(true);
    gesamt->setGeometry(Form(kGesamt));
    return gesamt;
}

// Where a value lies between two bounds: in the middle when the length fits the room, else
// as near to `wert` as keeps the room covered. For the view's offset along one axis.
double Klemmen(double wert, double raum, double anfang, double laenge) {
    if (laenge <= raum) return (raum - laenge) / 2 - anfang;
    return std::clamp(wert, raum - (anfang + laenge), -anfang);
}

}  // namespace

// The chart of the window at any scale but the layout's own: the renderer's picture of the
// window's view, its canvas rasterised at the screen's pixels for just the part in sight. The
// picture is kept until something in it changes, so that the read-out box moving over it
// costs nothing.
class Bildflaeche : public QWidget {
  public:
    explicit Bildflaeche(Diagrammfenster* fenster) : QWidget(fenster), fenster_(fenster) {
        setObjectName("Ansicht");
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
        hide();
    }
    // The chart, its labels, its overlay or the view changed.
    void veraltet() {
        alt_ = true;
        update();
    }

  protected:
    void paintEvent(QPaintEvent* ereignis) override {
        const qreal dpr = devicePixelRatioF();
        if (alt_ || bild_.size() != size() * dpr || bild_.devicePixelRatio() != dpr) {
            bild_ = QImage(size() * dpr, QImage::Format_RGB32);
            bild_.setDevicePixelRatio(dpr);
            QPainter b(&bild_);
            DiagrammMalen(b, BildVon(*fenster_), Linienweg::Raster, fenster_->ansicht());
            alt_ = false;
        }
        QPainter p(this);
        p.drawImage(ereignis->rect(), bild_,
                    QRectF(QPointF(ereignis->rect().topLeft()) * dpr,
                           QSizeF(ereignis->rect().size()) * dpr));
    }

  private:
    Diagrammfenster* fenster_;
    QImage bild_;
    bool alt_ = true;
};

Diagrammfenster::Diagrammfenster(QWidget* parent)
    : QWidget(parent), gesamt_(Gesamtflaeche(this)), etiketten_(gesamt_) {
    FensterEinrichten(*this, "frm_Lumora",
                      tr("Lumora  %1   %2  -  h,x-Diagramm")
                          .arg(QString::fromUtf8(kVersionsText), QString::fromStdString(Stand())),
                      kClientBreite, kClientHoehe, Qt::white);
    // The window can be resized; it opens at its layout's size.
    setMinimumSize(size() / 3);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    blick_ = QRectF(-QPointF(Form(kGesamt).topLeft()), QSizeF(size())).center();
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

    bild_ = new Bildflaeche(this);
    bild_->installEventFilter(this);
    connect(leinwand_, &Leinwand::aufgefrischt, bild_, [this] {
        bild_->veraltet();
        if (bild_->isVisible()) bild_->repaint();
    });

    ablesung_ = new Ablesefeld(this);
    leinwand_->setMouseTracking(true);
    leinwand_->installEventFilter(this);
}

void Diagrammfenster::aktionenAnlegen() {
    struct Eintrag {
        QString text;
        QKeySequence taste;
        void (*tun)(Diagrammfenster&);
    };
    const Eintrag eintraege[] = {
        {tr("Exportieren …"), QKeySequence(Qt::CTRL | Qt::Key_E), &SpeichernUnterFragen},
        {tr("Drucken …"), QKeySequence::Print, &Drucken},
        {tr("In die Zwischenablage kopieren"), QKeySequence::Copy,
         [](Diagrammfenster& f) { Kopieren(f); }},
    };
    const auto hinzu = [this](const QString& text, const QKeySequence& taste) {
        auto* aktion = new QAction(text, this);
        aktion->setShortcut(taste);
        aktion->setShortcutVisibleInContextMenu(true);
        addAction(aktion);  // the shortcuts work without a menu bar
        return aktion;
    };
    for (const Eintrag& e : eintraege) {
        connect(hinzu(e.text, e.taste), &QAction::triggered, this,
                [this, tun = e.tun] { tun(*this); });
    }
    connect(hinzu(tr("Eingaben ändern …"), Qt::Key_F2), &QAction::triggered, this,
            &Diagrammfenster::eingabenAendern);
    // The zoom's commands belong to the chart in whichever form it is shown, so that their
    // shortcuts work in both; the context menu lists them after the window's own.
    const auto zoomaktion = [this](const QString& text, QList<QKeySequence> tasten, auto tun) {
        auto* aktion = new QAction(text, this);
        aktion->setShortcuts(tasten);
        aktion->setShortcutVisibleInContextMenu(true);
        gesamt_->addAction(aktion);
        bild_->addAction(aktion);
        connect(aktion, &QAction::triggered, this, tun);
        zoomaktionen_ << aktion;
    };
    zoomaktion(tr("Vergrößern"), {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
               [this] { zoomen(kZoomSchritt); });
    zoomaktion(tr("Verkleinern"), {QKeySequence::ZoomOut}, [this] { zoomen(1 / kZoomSchritt); });
    zoomaktion(tr("Ganzes Diagramm"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
               [this] { ganzesDiagramm(); });
    untereGrenze_ = new QAction(tr("Untere Grenze …"), this);
    connect(untereGrenze_, &QAction::triggered, this, &Diagrammfenster::untereGrenzeAendern);
    // The program passes the project window's switch, which starts on (setAnsichtaktionen).
    auto* enthalpie = new QAction(tr("Enthalpieetiketten"), this);
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
    bild_->veraltet();  // the labels the run placed
    ablesungErneuern();
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
    bild_->veraltet();
    if (!imZug) ablesungErneuern();
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
    menue.addSeparator();
    menue.addActions(zoomaktionen_);
    const QPointF innen = imInnern(ereignis->pos());
    if (eingabe_ && AufDerLeinwand(innen)) {
        const QPointF m = Massstab(Innengroesse());
        const double X = innen.x() / m.x();
        const double Y = innen.y() / m.y();
        menue.addSeparator();
        connect(menue.addAction(tr("Zustand hier eintragen")), &QAction::triggered, this,
                [this, X, Y] { emit zustandHierEintragen(X, Y); });
    }
    if (!projektaktionen_.isEmpty()) {
        menue.addSeparator();
        menue.addActions(projektaktionen_);
    }
    ablesung_->hide();  // the menu covers the place it speaks of
    menue.exec(ereignis->globalPos());
}

bool Diagrammfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt != leinwand_ && objekt != bild_) return QWidget::eventFilter(objekt, ereignis);
    auto* flaeche = static_cast<QWidget*>(objekt);
    const auto innen = [&] {
        return imInnern(flaeche->mapTo(this, static_cast<QMouseEvent*>(ereignis)->position()));
    };
    const QSize groesse = Innengroesse();
    const QPointF m = Massstab(groesse);
    switch (ereignis->type()) {
        case QEvent::MouseButtonPress:
            // With the space bar held the left button moves the chart (mousePressEvent).
            if (static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton && !leertaste_) {
                const auto marke = MarkeBei(ueberlagerung(), groesse, innen());
                if (marke && ueberlagerung().marken[*marke].eintrag >= 0) {
                    gezogen_ = ueberlagerung().marken[*marke].eintrag;
                    bewegt_ = false;
                    flaeche->setCursor(Qt::ClosedHandCursor);
                    return true;
                }
            }
            break;
        case QEvent::MouseMove:
            if (schiebenVon_) break;
            if (gezogen_ >= 0) {
                const QPointF p = innen();
                emit zustandGezogen(gezogen_, p.x() / m.x(), p.y() / m.y(), !bewegt_);
                bewegt_ = true;
            } else if (!leertaste_) {
                const bool ueberMarke = MarkeBei(ueberlagerung(), groesse, innen()).has_value();
                flaeche->setCursor(ueberMarke ? Qt::OpenHandCursor : Qt::ArrowCursor);
            }
            ablesen(innen());
            break;
        case QEvent::MouseButtonRelease:
            if (gezogen_ >= 0) {
                gezogen_ = -1;
                flaeche->setCursor(Qt::OpenHandCursor);
                if (bewegt_) emit ziehenBeendet();
                return true;
            }
            break;
        case QEvent::Leave:
            letzterOrt_.reset();
            ablesung_->hide();
            break;
        default:
            break;
    }
    return QWidget::eventFilter(objekt, ereignis);
}

Ausschnitt Diagrammfenster::ansicht() const {
    // The page: the window at its layout's size, in pixels of the area.
    const QSizeF layout(Pixel(kClientBreite), Pixel(kClientHoehe));
    const QRectF seite(-QPointF(Form(kGesamt).topLeft()), layout);
    const double k = std::min(width() / layout.width(), height() / layout.height()) * zoom_;
    const QPointF mitte(width() / 2.0, height() / 2.0);
    QPointF versatz = mitte - blick_ * k;
    versatz.setX(Klemmen(versatz.x(), width(), k * seite.left(), k * seite.width()));
    versatz.setY(Klemmen(versatz.y(), height(), k * seite.top(), k * seite.height()));
    // At the layout's scale the widgets stand on whole pixels.
    if (k == 1) versatz = versatz.toPoint();
    return {size(), k, versatz};
}

QPointF Diagrammfenster::imInnern(QPointF imFenster) const {
    return ansicht().inFlaeche(imFenster) - QPointF(Innenursprung());
}

QPointF Diagrammfenster::imFenster(QPointF imInnern) const {
    return ansicht().imBild(imInnern + QPointF(Innenursprung()));
}

void Diagrammfenster::ansichtAnwenden() {
    const Ausschnitt a = ansicht();
    blick_ = a.inFlaeche(QPointF(width() / 2.0, height() / 2.0));
    ablesung_->hide();
    if (a.k == 1) {
        gesamt_->move(a.versatz.toPoint());
        gesamt_->show();
        bild_->hide();
    } else {
        bild_->setGeometry(rect());
        bild_->show();
        bild_->veraltet();
        gesamt_->hide();
    }
    ablesung_->raise();
}

void Diagrammfenster::zoomen(double faktor, QPointF um) {
    if (!std::isfinite(faktor) || faktor <= 0) return;
    const Ausschnitt vor = ansicht();
    const QPointF punkt = vor.inFlaeche(um);
    const double alt = zoom_;
    zoom_ = std::clamp(zoom_ * faktor, 1.0, kZoomHoechstens);
    if (std::abs(zoom_ - 1) < 1e-9) zoom_ = 1;
    const double k = vor.k / alt * zoom_;
    // The area point under `um` stays there: the middle shows what lies (mitte - um) / k away.
    const QPointF mitte(width() / 2.0, height() / 2.0);
    blick_ = punkt + (mitte - um) / k;
    ansichtAnwenden();
}

void Diagrammfenster::zoomen(double faktor) {
    zoomen(faktor, QPointF(width() / 2.0, height() / 2.0));
}

void Diagrammfenster::ganzesDiagramm() {
    zoom_ = 1;
    ansichtAnwenden();
}

void Diagrammfenster::verschieben(QPointF weg) {
    blick_ -= weg / ansicht().k;
    ansichtAnwenden();
}

void Diagrammfenster::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    ansichtAnwenden();
}

void Diagrammfenster::wheelEvent(QWheelEvent* ereignis) {
    const int stufen = ereignis->angleDelta().y();
    if (stufen == 0) return ereignis->ignore();
    zoomen(std::pow(kZoomSchritt, stufen / 120.0), ereignis->position());
    ereignis->accept();
}

void Diagrammfenster::mousePressEvent(QMouseEvent* ereignis) {
    const bool schieben = ereignis->button() == Qt::MiddleButton ||
                          (ereignis->button() == Qt::LeftButton && leertaste_);
    if (!schieben) return QWidget::mousePressEvent(ereignis);
    schiebenVon_ = ereignis->position();
    ablesung_->hide();
    setCursor(Qt::ClosedHandCursor);
    ereignis->accept();
}

void Diagrammfenster::mouseMoveEvent(QMouseEvent* ereignis) {
    if (!schiebenVon_) return QWidget::mouseMoveEvent(ereignis);
    verschieben(ereignis->position() - *schiebenVon_);
    schiebenVon_ = ereignis->position();
    ereignis->accept();
}

void Diagrammfenster::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (!schiebenVon_) return QWidget::mouseReleaseEvent(ereignis);
    schiebenVon_.reset();
    setCursor(leertaste_ ? Qt::OpenHandCursor : Qt::ArrowCursor);
    ereignis->accept();
}

void Diagrammfenster::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() != Qt::Key_Space) return QWidget::keyPressEvent(ereignis);
    if (!ereignis->isAutoRepeat()) {
        leertaste_ = true;
        setCursor(Qt::OpenHandCursor);
    }
    ereignis->accept();
}

void Diagrammfenster::keyReleaseEvent(QKeyEvent* ereignis) {
    if (ereignis->key() != Qt::Key_Space) return QWidget::keyReleaseEvent(ereignis);
    if (!ereignis->isAutoRepeat()) {
        leertaste_ = false;
        if (!schiebenVon_) unsetCursor();
    }
    ereignis->accept();
}

void Diagrammfenster::changeEvent(QEvent* ereignis) {
    // Another window or a menu takes the keys: the space bar is let go, the box goes.
    if (ereignis->type() == QEvent::ActivationChange && !isActiveWindow()) {
        leertaste_ = false;
        ablesung_->hide();
    }
    QWidget::changeEvent(ereignis);
}

void Diagrammfenster::ablesungErneuern() {
    if (ablesung_->isVisible() && letzterOrt_) ablesen(*letzterOrt_);
}

void Diagrammfenster::ablesen(QPointF imInnern) {
    letzterOrt_ = imInnern;
    // Off the canvas, over its labels or the margin, there is nothing to read.
    if (!eingabe_ || !AufDerLeinwand(imInnern)) {
        ablesung_->hide();
        return;
    }
    const QSize innen = Innengroesse();
    const QPoint ort = imFenster(imInnern).toPoint();
    if (const auto marke = MarkeBei(ueberlagerung(), innen, imInnern)) {
        // The state's own values, read where its marker stands, under its name.
        const Ueberlagerung::Marke& k = ueberlagerung().marken[*marke];
        const auto a = Ablesen(*eingabe_, k.ort.x(), k.ort.y());
        ablesung_->zeigen(ort, a ? k.name + "\n" + AblesungText(*a) : k.name);
        return;
    }
    if (const auto punkt = MesspunktBei(ueberlagerung(), innen, imInnern)) {
        const auto& reihe = ueberlagerung().reihen[punkt->first];
        if (reihe.text) {
            ablesung_->zeigen(ort, reihe.text(punkt->second));
            return;
        }
    }
    ablesung_->ablesen(*eingabe_, imInnern, ort, ueberlagerung().karten);
}

}  // namespace lumora
