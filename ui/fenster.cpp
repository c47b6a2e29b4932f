#include "ui/fenster.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <algorithm>

#include "bild/bilder.h"
#include "bild/einheiten.h"

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

QPoint NebenOrt(const QRect& frei, const QRect& nachbar, const QSize& groesse) {
    const int rechts = frei.right() + 1 - (nachbar.right() + 1);
    const int links = nachbar.left() - frei.left();
    int x = 0;
    if (rechts >= groesse.width()) {
        x = nachbar.right() + 1;
    } else if (links >= groesse.width()) {
        x = nachbar.left() - groesse.width();
    } else {
        x = rechts >= links ? frei.right() + 1 - groesse.width() : frei.left();
    }
    x = std::max(frei.left(), std::min(x, frei.right() + 1 - groesse.width()));
    const int y =
        std::max(frei.top(), std::min(nachbar.top(), frei.bottom() + 1 - groesse.height()));
    return {x, y};
}

void NebenPlatzieren(QWidget* fenster, const QWidget* nachbar) {
    const QScreen* schirm =
        nachbar->screen() ? nachbar->screen() : QGuiApplication::primaryScreen();
    if (!schirm) return;
    fenster->move(NebenOrt(schirm->availableGeometry(), nachbar->frameGeometry(),
                           fenster->frameGeometry().size()));
}

namespace {

QString Ordnerschluessel(Ordnerart art) {
    switch (art) {
        case Ordnerart::Export:
            return QStringLiteral("ordner/export");
        case Ordnerart::Import:
            return QStringLiteral("ordner/import");
        case Ordnerart::Projekt:
            return QStringLiteral("ordner/projekt");
    }
    return QStringLiteral("ordner/projekt");
}

}  // namespace

QString LetzterOrdner(Ordnerart art) {
    const QString ordner = QSettings().value(Ordnerschluessel(art)).toString();
    return !ordner.isEmpty() && QFileInfo(ordner).isDir() ? ordner : QDir::homePath();
}

void OrdnerMerken(Ordnerart art, const QString& datei) {
    if (datei.isEmpty()) return;
    QSettings().setValue(Ordnerschluessel(art), QFileInfo(datei).absolutePath());
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
