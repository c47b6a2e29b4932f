#include "ui/fenster.h"

#include <QGuiApplication>
#include <QScreen>

#include "ui/bilder.h"
#include "ui/einheiten.h"

namespace lumora {

void FensterEinrichten(QWidget& fenster, const char* name, const QString& titel, double formBreite,
                       double formHoehe, QColor hintergrund) {
    fenster.setObjectName(name);
    fenster.setWindowTitle(titel);
    fenster.setWindowIcon(Programmsymbol());
    fenster.setFixedSize(Pixel(formBreite), Pixel(formHoehe));
    QPalette palette = fenster.palette();
    palette.setColor(QPalette::Window, hintergrund);
    fenster.setPalette(palette);
    fenster.setAutoFillBackground(true);
}

void Zentrieren(QWidget* fenster) {
    const QScreen* schirm =
        fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (!schirm) return;
    QRect rahmen = fenster->frameGeometry();
    rahmen.moveCenter(schirm->availableGeometry().center());
    fenster->move(rahmen.topLeft());
}

}  // namespace lumora
