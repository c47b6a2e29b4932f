#include "bild/projektbild.h"

#include <QLocale>
#include <cmath>

#include "bild/speichern.h"
#include "chart/aufzeichnung.h"
#include "chart/diagrammlauf.h"
#include "core/einheiten.h"
#include "core/feuchte_luft.h"
#include "core/koordinaten.h"
#include "core/prozess.h"
#include "core/text.h"
#include "projekt/messreihe.h"
#include "projekt/zone.h"

namespace lumora {

namespace {

// Colours of zones, in turn.
const QColor kZonenfarben[] = {QColor(40, 160, 60), QColor(60, 90, 200), QColor(190, 120, 0)};

// Samples of a zone's edge along the temperature.
constexpr int kZonenSchritte = 120;

QPointF Ort(const Diagrammpunkt& p) { return {p.X, p.Y}; }

QPointF Leinwandort(const Eingabe& e, double x, double h) {
    return {KoordX(e, x), KoordY(e, x, h)};
}

}  // namespace

QColor Reihenfarbe(std::size_t i) {
    // Magenta, cyan and ochre, then darker ones of the first two: hues that lie far from the
    // green grid, the red isotherms and the blue humidity curves, and dark enough for white.
    static const QColor kFarben[] = {QColor(200, 0, 200), QColor(0, 160, 185), QColor(185, 145, 0),
                                     QColor(120, 0, 135), QColor(0, 105, 120)};
    return kFarben[i % std::size(kFarben)];
}

QString Messpunkttext(const Messreihe& reihe, const Messpunkt& p) {
    const QLocale l;
    QString t = QString::fromStdString(reihe.name);
    if (p.index < reihe.zeit.size()) t += "\n" + QString::fromStdString(reihe.zeit[p.index]);
    t += QString::fromUtf8("\nϑ = %1 °C").arg(l.toString(p.theta, 'f', stellen::kTheta));
    if (p.phi) t += QString::fromUtf8("\nφ = %1 %").arg(l.toString(*p.phi, 'f', stellen::kPhi));
    t += QString("\nx = %1 g/kg").arg(l.toString(InGrammJeKg(p.x), 'f', stellen::kX));
    return t;
}

QPolygonF ZonenUmriss(const Json& eintrag, const Luftdruck& d, const Eingabe& e) {
    const auto zone = ZoneAusJson(eintrag);
    if (!zone) return {};
    auto unten = [](const std::optional<Wertebereich>& g, double offen) {
        return g && g->unten ? g->unten->wert : offen;
    };
    auto oben = [](const std::optional<Wertebereich>& g, double offen) {
        return g && g->oben ? g->oben->wert : offen;
    };
    // Open ends reach beyond the chart, which cuts them.
    const double t0 = std::fmax(unten(zone->theta, -50), -100);
    const double t1 = std::fmin(oben(zone->theta, e.Thetamax * 1.2 + 50), d.thetaSiede);
    const double x0 = InKgJeKg(unten(zone->x, 0));
    const double x1 = InKgJeKg(oben(zone->x, InGrammJeKg(std::fmax(e.Xmax * 2, 0.5))));
    const double phi0 = unten(zone->phi, 0);
    const double phi1 = oben(zone->phi, 100);
    if (!(t1 > t0)) return {};
    QPolygonF untenRand, obenRand;
    for (int i = 0; i <= kZonenSchritte; ++i) {
        const double t = t0 + (t1 - t0) * i / kZonenSchritte;
        const double pS = SaettigungsdruckLuft(t);
        auto xBei = [&](double phi) {
            const double pD = phi / 100 * pS;
            return pD < InBar(d.Pges) ? Wassergehalt(pD, d.Pges) : INFINITY;
        };
        const double xa = std::fmax(x0, xBei(phi0));
        const double xb = std::fmin(x1, xBei(phi1));
        if (!(xb >= xa) || !std::isfinite(xa)) continue;
        untenRand << Leinwandort(e, xa, Enthalpie(t, xa));
        obenRand.prepend(Leinwandort(e, xb, Enthalpie(t, xb)));
    }
    return untenRand + obenRand;
}

namespace {

// The zones as outlined areas, each in its colour.
void ZonenAnlegen(Ueberlagerung& u, const Projekt& projekt, const Berechnung& b, const Eingabe& e) {
    for (std::size_t i = 0; i < projekt.anzahl(Liste::Zonen); ++i) {
        const Json& z = projekt.eintrag(Liste::Zonen, i);
        QPolygonF rand = ZonenUmriss(z, *b.druck, e);
        if (rand.isEmpty()) continue;
        u.zonen.push_back({QString::fromStdString(z.value("name", std::string())), rand,
                           kZonenfarben[i % std::size(kZonenfarben)]});
    }
}

// The visible series as dots, a weather year with its map switched on as its classes. The
// dots of a series whose evaluation and chart are unchanged are taken from vorher.
void ReihenAnlegen(Ueberlagerung& u, const Projekt& projekt, const Berechnung& b, const Eingabe& e,
                   const Ueberlagerung* vorher) {
    for (std::size_t i = 0; i < b.messreihen.size(); ++i) {
        if (!projekt.sichtbar(i) || !b.messreihen[i].auswertung) continue;
        const auto auswertung = b.messreihen[i].auswertung;
        const auto reihe = b.messreihen[i].reihe;
        if (reihe && reihe->haeufigkeitskarte && auswertung->haeufigkeit) {
            // Its classes instead of its dots; the pointer shares the evaluation they are of. A
            // map without a class (no hour in its time window) has nothing to show or explain.
            Haeufigkeitskarte karte = KarteAus(
                QString::fromStdString(reihe->name),
                std::shared_ptr<const Haeufigkeit>(auswertung, &*auswertung->haeufigkeit), e);
            if (!karte.felder.empty()) u.karten.push_back(std::move(karte));
            continue;
        }
        Ueberlagerung::Reihe r;
        r.farbe = Reihenfarbe(i);
        r.quelle = auswertung;
        r.diagramm = e;
        for (const Ueberlagerung::Reihe& alt : vorher ? vorher->reihen : u.reihen) {
            if (alt.quelle == r.quelle && alt.diagramm == e) r.punkte = alt.punkte;
        }
        if (!r.punkte) {
            auto punkte = std::make_shared<std::vector<QPointF>>();
            punkte->reserve(auswertung->moeglich.size());
            for (const Messpunkt& p : auswertung->moeglich)
                punkte->push_back(Leinwandort(e, p.x, p.h));
            r.punkte = std::move(punkte);
        }
        r.text = [auswertung, reihe](std::size_t k) {
            return Messpunkttext(*reihe, auswertung->moeglich.at(k));
        };
        u.reihen.push_back(std::move(r));
    }
}

// The processes as lines by kind, and the legend of the kinds that occur.
void ProzesseAnlegen(Ueberlagerung& u, const Berechnung& b) {
    using Stil = Ueberlagerung::Stil;
    std::array<bool, kProzessfarben.size()> vorhanden{};
    for (const BerechneterProzess& p : b.prozesse) {
        if (!p.fehler.empty() || !p.ende || p.start.empty()) continue;
        const auto art = ProzessartZu(p.art);
        if (!art) continue;
        for (std::size_t k = 0; k < kProzessfarben.size(); ++k)
            vorhanden[k] = vorhanden[k] || kProzessfarben[k].art == *art;
        if (art == Prozessart::Mischen && p.start.size() == 2) {
            u.linien.push_back({Ort(p.start[0]), Ort(p.start[1]), Stil::Verbindung, *art});
            continue;
        }
        u.linien.push_back({Ort(p.start[0]), Ort(*p.ende), Stil::Prozess, *art});
        if (art == Prozessart::Kuehlen && p.oberflaeche) {
            u.linien.push_back({Ort(*p.ende), Ort(*p.oberflaeche), Stil::Auslauf, *art});
        }
        if (art == Prozessart::Waermerueckgewinnung && p.start.size() == 2) {
            u.linien.push_back({Ort(p.start[1]), Ort(*p.ende), Stil::Zufluss, *art});
        }
    }
    for (std::size_t k = 0; k < kProzessfarben.size(); ++k) {
        if (vorhanden[k]) u.legende.push_back(kProzessfarben[k].art);
    }
}

// The markers of every state on the canvas: entered ones with their entry, made ones with -1.
void MarkenAnlegen(Ueberlagerung& u, const Berechnung& b) {
    for (std::size_t i = 0; i < b.zustaende.size(); ++i) {
        const auto& z = b.zustaende[i];
        if (z.punkt && z.punkt->aufLeinwand) {
            u.marken.push_back(
                {QString::fromStdString(z.punkt->name), Ort(*z.punkt), static_cast<int>(i)});
        }
    }
    for (const BerechneterProzess& p : b.prozesse) {
        if (p.ende && p.ende->aufLeinwand) {
            u.marken.push_back({QString::fromStdString(p.ende->name), Ort(*p.ende), -1});
        }
    }
}

}  // namespace

Ueberlagerung UeberlagerungAus(const Projekt& projekt, const Berechnung& b,
                               const Ueberlagerung* vorher) {
    Ueberlagerung u;
    if (!b.eingabe || !b.druck) return u;
    const Eingabe& e = *b.eingabe;
    if (projekt.randmassstab()) u.randmassstab = u.enthalpieetiketten = e;
    ZonenAnlegen(u, projekt, b, e);
    ReihenAnlegen(u, projekt, b, e, vorher);
    ProzesseAnlegen(u, b);
    MarkenAnlegen(u, b);
    if (b.anlage) {
        u.anlage = AnlagenbildAus(*b.anlage, *b.druck, e, vorher ? vorher->anlage.get() : nullptr);
    }
    return u;
}

QString ProjektbildSchreiben(const Projekt& projekt, const Berechnung& b, const QString& pfad) {
    if (!b.eingabe) {
        const auto ablehnung =
            Pruefen(EingabeLesen(projekt.eingabe(), projekt.thetaUnten().value_or(0)));
        return QString::fromStdString(
            Einsetzen(Text("Bild", "Die Eingaben des Projekts ergeben kein Diagramm: %1"),
                      {ablehnung ? ablehnung->meldung : std::string()}));
    }
    // The run into the recordings, as a press draws into the window.
    Aufzeichnungsflaeche flaeche;
    Aufzeichnungsbeschriftung etiketten;
    Diagrammlauf lauf;
    lauf.zeichnen(*b.eingabe, flaeche, etiketten, QLocale::system().decimalPoint().toStdString());
    const Ueberlagerung u = UeberlagerungAus(projekt, b);
    return DiagrammSpeichern({flaeche.operationen(), etiketten, u}, pfad);
}

}  // namespace lumora
