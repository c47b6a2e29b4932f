#include "lumora-export/bewerten.h"

#include <ostream>

#include "datei/dateien.h"
#include "projekt/uebung.h"

namespace lumora {

namespace {

constexpr const char* kProgramm = "lumora-export";

std::ostream& Meldung(std::ostream& fehler, const QString& datei, const std::string& text) {
    return fehler << kProgramm << ": " << datei.toStdString() << ": " << text << "\n";
}

// The project in the file, or none after saying why on fehler.
std::optional<Projekt> ProjektLesen(const QString& pfad, std::ostream& fehler) {
    auto gelesen = lumora::ProjektLesen(pfad);
    if (!gelesen) {
        Meldung(fehler, pfad, gelesen.grund());
        return std::nullopt;
    }
    return *gelesen;
}

}  // namespace

int AbgabenBewerten(const QString& loesung, const QStringList& abgaben, const QStringList& ausgaben,
                    bool json, std::ostream& aus, std::ostream& fehler,
                    const std::string& dezimaltrenner) {
    const auto projekt = ProjektLesen(loesung, fehler);
    if (!projekt) return 1;
    const auto bereit = Loesung::Aus(*projekt);
    if (!bereit) {
        Meldung(fehler, loesung, bereit.grund());
        return 1;
    }
    std::vector<Bewertung> bewertungen;
    for (const QString& pfad : abgaben) {
        bewertungen.push_back(AbgabeBewerten(*bereit, pfad, pfad.toStdString()));
        const Bewertung& b = bewertungen.back();
        if (json) {
            aus << Kompakt(BewertungJson(b)) << "\n";
        } else if (ausgaben.isEmpty()) {
            aus << BewertungText(b);
        }
    }
    const std::string tabelle = Notentabelle(bereit->uebung(), bewertungen, dezimaltrenner);
    for (const QString& ziel : ausgaben) {
        if (const QString grund = DateiSchreiben(ziel, tabelle); !grund.isEmpty()) {
            Meldung(fehler, ziel, grund.toStdString());
            return 1;
        }
    }
    return 0;
}

bool UebungSchreiben(const Projekt& loesung, const QString& pfad, const QString& ziel,
                     std::ostream& fehler) {
    const auto uebung = UebungErstellen(loesung);
    if (!uebung) {
        Meldung(fehler, pfad, uebung.grund());
        return false;
    }
    if (const QString grund = DateiSchreiben(ziel, uebung->schreiben()); !grund.isEmpty()) {
        Meldung(fehler, ziel, grund.toStdString());
        return false;
    }
    return true;
}

}  // namespace lumora
