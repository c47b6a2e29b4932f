#include "ui/diagrammfenster.h"

#include <QFont>

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
}

}  // namespace lumora
