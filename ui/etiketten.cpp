#include "ui/etiketten.h"

#include <QFont>
#include <QPainter>
#include <QPalette>

#include "bild/einheiten.h"
#include "bild/zeichnung.h"

namespace lumora {

namespace {

// A chart label of the window: a label with its text, font, colours and alignment, painted
// by the same function that draws the labels into every picture of the chart.
class Diagrammetikett : public QLabel {
  public:
    Diagrammetikett(const Gruppenlayout& g, const QString& text, QWidget* parent)
        : QLabel(text, parent), g_(g) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        EtikettMalen(p, g_, text(), rect());
    }

  private:
    const Gruppenlayout& g_;
};

}  // namespace

Etiketten::Etiketten(QWidget* gesamt) {
    for (const Gruppenlayout& g : kGruppen) {
        const QFont schrift = Etikettenschrift(g);
        QPalette palette;
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, QColor(g.farbe.r, g.farbe.g, g.farbe.b));
        for (int n = 0; n < g.anzahl; ++n) {
            auto* etikett =
                new Diagrammetikett(g, QString::fromStdString(Starttext(g.gruppe, n)), gesamt);
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
    aufzeichnung_.setVisible(g, index, sichtbar);
    QLabel* e = etikett(g, index);
    e->setVisible(sichtbar);
    if (sichtbar) e->raise();
}

void Etiketten::setText(Gruppe g, int index, const std::string& text) {
    aufzeichnung_.setText(g, index, text);
    etikett(g, index)->setText(QString::fromStdString(text));
}

void Etiketten::setLeft(Gruppe g, int index, float left) {
    aufzeichnung_.setLeft(g, index, left);
    QLabel* e = etikett(g, index);
    e->move(Pixel(left * kFormProFlaecheX), e->y());
}

void Etiketten::setTop(Gruppe g, int index, float top) {
    aufzeichnung_.setTop(g, index, top);
    QLabel* e = etikett(g, index);
    e->move(e->x(), Pixel(top * kFormProFlaecheY));
}

}  // namespace lumora
