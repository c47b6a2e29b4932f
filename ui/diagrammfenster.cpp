#include "ui/diagrammfenster.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFont>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/ausgabe.h"
#include "ui/bilder.h"
#include "ui/einheiten.h"
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

Qt::Alignment Ausrichten(Ausrichtung a) {
    switch (a) {
        case Ausrichtung::links:
            return Qt::AlignLeft | Qt::AlignTop;
        case Ausrichtung::mitte:
            return Qt::AlignHCenter | Qt::AlignTop;
        case Ausrichtung::rechts:
            return Qt::AlignRight | Qt::AlignTop;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* Gesamtflaeche(QWidget* fenster) {
    auto* gesamt = new QWidget(fenster);
    gesamt->setObjectName("pic_gesamt");
    gesamt->setAutoFillBackground(true);
    gesamt->setGeometry(Form(kGesamt));
    return gesamt;
}

}  // namespace

Etiketten::Etiketten(QWidget* gesamt) {
    for (const Gruppenlayout& g : kGruppen) {
        QFont schrift("Arial");
        schrift.setPointSizeF(g.punkt);
        schrift.setBold(true);
        QPalette palette;
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, QColor(g.farbe.r, g.farbe.g, g.farbe.b));
        for (int n = 0; n < g.anzahl; ++n) {
            auto* etikett = new QLabel(QString::fromStdString(Starttext(g.gruppe, n)), gesamt);
            etikett->setObjectName(QString("%1_%2").arg(g.name).arg(n));
            etikett->setFont(schrift);
            etikett->setPalette(palette);
            etikett->setAutoFillBackground(true);
            etikett->setAlignment(Ausrichten(g.ausrichtung));
            etikett->setGeometry(Pixel(StartLinks(g.gruppe, n) * kFormProFlaecheX),
                                 Pixel(StartOben(g.gruppe, n) * kFormProFlaecheY), Pixel(g.breite),
                                 Pixel(g.hoehe));
            etikett->hide();
            gruppen_[static_cast<int>(g.gruppe)].push_back(etikett);
        }
    }
}

QLabel* Etiketten::etikett(Gruppe g, int index) const {
    return gruppen_.at(static_cast<int>(g)).at(index);
}

void Etiketten::setVisible(Gruppe g, int index, bool sichtbar) {
    QLabel* e = etikett(g, index);
    e->setVisible(sichtbar);
    if (sichtbar) e->raise();
}

void Etiketten::setText(Gruppe g, int index, const std::string& text) {
    etikett(g, index)->setText(QString::fromStdString(text));
}

void Etiketten::setLeft(Gruppe g, int index, float left) {
    QLabel* e = etikett(g, index);
    e->move(Pixel(left * kFormProFlaecheX), e->y());
}

void Etiketten::setTop(Gruppe g, int index, float top) {
    QLabel* e = etikett(g, index);
    e->move(e->x(), Pixel(top * kFormProFlaecheY));
}

Diagrammfenster::Diagrammfenster(QWidget* parent)
    : QWidget(parent), gesamt_(Gesamtflaeche(this)), etiketten_(gesamt_) {
    setObjectName("frm_Lumora");
    setWindowTitle("Lumora  v.1.4d   Dez. 2026  -  h,x-Diagramm");
    setWindowIcon(Programmsymbol());
    setFixedSize(Pixel(kClientBreite), Pixel(kClientHoehe));
    QPalette weiss = palette();
    weiss.setColor(QPalette::Window, Qt::white);
    setPalette(weiss);
    setAutoFillBackground(true);
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

    ablesung_ = new QLabel(this);
    ablesung_->setObjectName("Ablesung");
    ablesung_->setStyleSheet(
        "QLabel { background: rgba(255, 255, 225, 235); border: 1px solid #808080;"
        " padding: 3px; color: black; }");
    ablesung_->setAttribute(Qt::WA_TransparentForMouseEvents);
    ablesung_->hide();
    leinwand_->setMouseTracking(true);
    leinwand_->installEventFilter(this);
}

void Diagrammfenster::aktionenAnlegen() {
    struct Eintrag {
        const char* text;
        QKeySequence taste;
        void (Diagrammfenster::*tun)();
    };
    const Eintrag eintraege[] = {
        {"Diagramm speichern unter …", QKeySequence::Save, &Diagrammfenster::speichernUnter},
        {"Drucken …", QKeySequence::Print, &Diagrammfenster::drucken},
        {"In die Zwischenablage kopieren", QKeySequence::Copy, &Diagrammfenster::kopieren},
    };
    for (const Eintrag& e : eintraege) {
        auto* aktion = new QAction(QString::fromUtf8(e.text), this);
        aktion->setShortcut(e.taste);
        aktion->setShortcutVisibleInContextMenu(true);
        connect(aktion, &QAction::triggered, this, e.tun);
        addAction(aktion);  // the shortcuts work without a menu bar
    }
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
    const QSize innen = leinwand_->innenGroesse();
    if (!eingabe_ || !QRect(QPoint(0, 0), innen).contains(imInnern)) {
        ablesung_->hide();
        return;
    }
    // The inverse of the canvas's own mapping of canvas units to pixels.
    const double X = imInnern.x() / Massstab(innen).x();
    const double Y = imInnern.y() / Massstab(innen).y();
    ablesung_->setText(AblesungText(Ablesen(*eingabe_, X, Y)));
    ablesung_->adjustSize();
    QPoint ort = leinwand_->mapTo(this, imInnern + QPoint(1, 1)) + QPoint(16, 16);
    if (ort.x() + ablesung_->width() > width()) ort.rx() -= ablesung_->width() + 24;
    if (ort.y() + ablesung_->height() > height()) ort.ry() -= ablesung_->height() + 24;
    ablesung_->move(ort);
    ablesung_->raise();
    ablesung_->show();
}

QString AblesungText(const Ablesung& a) {
    const QLocale zahl;
    auto z = [&](double v, int stellen) { return zahl.toString(v, 'f', stellen); };
    QStringList zeilen;
    if (a.gebiet == Ablesung::Gebiet::Nebel) {
        zeilen << "Nebelgebiet";
        zeilen << QString::fromUtf8("ϑ = %1 °C").arg(z(a.theta, 1));
        zeilen << QString("x = %1 g/kg").arg(z(a.x * 1000, 2));
        zeilen << QString("xS = %1 g/kg").arg(z(a.xS * 1000, 2));
        zeilen << QString::fromUtf8("x − xS = %1 g/kg Wasser").arg(z((a.x - a.xS) * 1000, 2));
        zeilen << QString("h = %1 kJ/kg").arg(z(a.h, 1));
        return zeilen.join('\n');
    }
    if (a.gebiet == Ablesung::Gebiet::ueberSiedepunkt) zeilen << "über der Siedetemperatur";
    zeilen << QString::fromUtf8("ϑ = %1 °C").arg(z(a.theta, 1));
    zeilen << QString("x = %1 g/kg").arg(z(a.x * 1000, 2));
    zeilen << QString("h = %1 kJ/kg").arg(z(a.h, 1));
    if (a.gebiet == Ablesung::Gebiet::ungesaettigt) {
        zeilen << QString::fromUtf8("φ = %1 %").arg(z(a.phi, 1));
    }
    zeilen << QString("pD = %1 hPa").arg(z(a.pD * 1000, 2));
    if (a.mitTaupunkt) zeilen << QString::fromUtf8("τ = %1 °C").arg(z(a.tau, 1));
    return zeilen.join('\n');
}

void Diagrammfenster::speichernUnter() {
    QString filter;
    QString pfad = QFileDialog::getSaveFileName(
        this, "Diagramm speichern unter", "h,x-Diagramm.png",
        "PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf)", &filter);
    if (pfad.isEmpty()) return;
    if (QFileInfo(pfad).suffix().isEmpty()) {
        pfad += filter.contains("svg") ? ".svg" : filter.contains("pdf") ? ".pdf" : ".png";
    }
    const QString fehler = DiagrammSpeichern(*this, pfad, 2 * devicePixelRatioF());
    if (!fehler.isEmpty()) QMessageBox::warning(this, "Lumora - Speichern", fehler);
}

void Diagrammfenster::drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageOrientation(QPageLayout::Landscape);
    drucker.setDocName("Lumora h,x-Diagramm");
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter p(&drucker);
    // Fit the chart area to the page, keeping its proportions.
    const QRectF seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
    const QSizeF chart = gesamt_->size();
    const double massstab =
        std::min(seite.width() / chart.width(), seite.height() / chart.height());
    p.scale(massstab, massstab);
    DiagrammMalen(p, *this);
}

void Diagrammfenster::kopieren() {
    QGuiApplication::clipboard()->setImage(DiagrammBild(*this, devicePixelRatioF()));
}

}  // namespace lumora
