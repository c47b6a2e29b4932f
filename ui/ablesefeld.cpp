#include "ui/ablesefeld.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

#include "bild/leinwandbild.h"
#include "bild/zeichnung.h"
#include "core/einheiten.h"
#include "core/zustandswerte.h"

namespace lumora {

Ablesefeld::Ablesefeld(QWidget* fenster) : QLabel(fenster) {
    setObjectName("Ablesung");
    setStyleSheet(
        "QLabel { background: rgba(255, 255, 225, 235); border: 1px solid #808080;"
        " padding: 3px; color: black; }");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Ablesefeld::ablesen(const Eingabe& e, QPointF imInnern, QPoint ort,
                         const std::vector<Haeufigkeitskarte>& karten) {
    const QSize innen = Innengroesse();
    QWidget* fenster = parentWidget();
    if (!fenster || !AufDerLeinwand(imInnern)) {
        hide();
        return;
    }
    // The inverse of the canvas's own mapping of canvas units to pixels.
    const double X = imInnern.x() / Massstab(innen).x();
    const double Y = imInnern.y() / Massstab(innen).y();
    const auto a = Ablesen(e, X, Y);
    if (!a) {
        hide();
        return;
    }
    QStringList zeilen{AblesungText(*a)};
    zeilen << KlassenZeilen(karten, a->h, a->x);
    zeigen(ort, zeilen.join('\n'));
}

QStringList KlassenZeilen(const std::vector<Haeufigkeitskarte>& karten, double h, double x) {
    QStringList zeilen;
    const double theta = UngesaettigteTemperatur(h, x);
    const double xGkg = InGrammJeKg(x);
    const QLocale zahl;
    const auto z = [&](double v) { return zahl.toString(v, 'g', 10); };
    for (const Haeufigkeitskarte& k : karten) {
        if (!k.haeufigkeit) continue;
        const Haeufigkeit& hk = *k.haeufigkeit;
        // A class index far beyond any whole number is no class (and no number to convert).
        const auto weit = [](double v, double breite) { return !(std::fabs(v / breite) < 1e15); };
        if (weit(theta, hk.breite.dtheta) || weit(xGkg, hk.breite.dx)) continue;
        const Klasse* c = hk.Bei(theta, xGkg);
        if (!c) continue;
        QString zeile = Ablesefeld::tr("Klasse %1…%2 °C, %3…%4 g/kg: %5 h")
                            .arg(z(c->theta), z(Klassengrenze(c->i + 1, hk.breite.dtheta)), z(c->x),
                                 z(Klassengrenze(c->j + 1, hk.breite.dx)), z(c->stunden));
        if (karten.size() > 1) zeile = k.name + ": " + zeile;
        zeilen << zeile;
    }
    return zeilen;
}

void Ablesefeld::zeigen(QPoint ort, const QString& text) {
    QWidget* fenster = parentWidget();
    if (!fenster) return;
    setText(text);
    adjustSize();
    ort += QPoint(16, 16);
    if (ort.x() + width() > fenster->width()) ort.rx() -= width() + 24;
    if (ort.y() + height() > fenster->height()) ort.ry() -= height() + 24;
    move(ort);
    raise();
    show();
}

QString AblesungText(const Ablesung& a) {
    const QLocale zahl;
    auto z = [&](double v, int stellen) { return zahl.toString(v, 'f', stellen); };
    QStringList zeilen;
    if (a.gebiet == Ablesung::Gebiet::Nebel) {
        const double wasser = a.x - a.xS - a.eis;
        zeilen << (a.eis <= 0   ? Ablesefeld::tr("Nebelgebiet")
                   : wasser > 0 ? Ablesefeld::tr("Mischnebel")
                                : Ablesefeld::tr("Eisnebel"));
        zeilen << QString::fromUtf8("ϑ = %1 °C").arg(z(a.theta, 1));
        zeilen << QString("x = %1 g/kg").arg(z(InGrammJeKg(a.x), 2));
        zeilen << QString("xS = %1 g/kg").arg(z(InGrammJeKg(a.xS), 2));
        if (a.eis <= 0) {
            zeilen << Ablesefeld::tr("x − xS = %1 g/kg Wasser").arg(z(InGrammJeKg(a.x - a.xS), 2));
        } else {
            if (wasser > 0) {
                zeilen << Ablesefeld::tr("Wasser = %1 g/kg").arg(z(InGrammJeKg(wasser), 2));
            }
            zeilen << Ablesefeld::tr("Eis = %1 g/kg").arg(z(InGrammJeKg(a.eis), 2));
        }
        zeilen << QString("h = %1 kJ/kg").arg(z(a.h, 1));
        return zeilen.join('\n');
    }
    if (a.gebiet == Ablesung::Gebiet::ueberSiedepunkt)
        zeilen << Ablesefeld::tr("über der Siedetemperatur");
    zeilen << QString::fromUtf8("ϑ = %1 °C").arg(z(a.theta, 1));
    zeilen << QString("x = %1 g/kg").arg(z(InGrammJeKg(a.x), 2));
    zeilen << QString("h = %1 kJ/kg").arg(z(a.h, 1));
    if (a.gebiet == Ablesung::Gebiet::ungesaettigt) {
        zeilen << QString::fromUtf8("φ = %1 %").arg(z(a.phi, 1));
    }
    zeilen << QString("pD = %1 hPa").arg(z(InHpa(a.pD), 2));
    if (a.mitTaupunkt && a.reifpunkt) {
        zeilen << Ablesefeld::tr("Reifpunkt = %1 °C").arg(z(a.tau, 1));
    } else if (a.mitTaupunkt) {
        zeilen << QString::fromUtf8("τ = %1 °C").arg(z(a.tau, 1));
    }
    return zeilen.join('\n');
}

}  // namespace lumora
