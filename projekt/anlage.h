#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/zustandswerte.h"
#include "projekt/auswertung.h"
#include "projekt/jsontext.h"
#include "projekt/messreihe.h"
#include "projekt/zeit.h"

// An air-handling unit run hour by hour over a weather year: its settings as the project file
// holds them under "anlage", the control sequence of one hour, and the year's sums.

namespace lumora {

// The humidifier of a unit.
enum class Befeuchterart { Keiner, Dampf, Wasser };

// A unit as read from the project file. Temperatures in °C, water contents in g/kg as in the
// file, flows in kg/h or m³/h.
struct Anlage {
    std::string name;
    std::string wetterjahr;  // the series it runs on
    std::optional<double> massenstrom;
    std::optional<double> volumenstrom;  // instead of massenstrom, at the middle supply state
    double thetaMin = 0;                 // supply window
    double thetaMax = 0;
    std::optional<double> xMin;  // [g/kg]
    std::optional<double> xMax;
    std::optional<double> rueckwaermzahl;  // Φ, with abluft
    std::optional<Zustandswerte> abluft;   // the extract air, computed at the project's pressure
    std::optional<double> frostschutz;     // ϑF
    std::optional<double> bypass;          // a cooler with its bypass factor; none: no cooler
    Befeuchterart befeuchter = Befeuchterart::Keiner;
    double befeuchterTemperatur = 0;  // ϑD of the steam or ϑW of the water
    Zeitfenster betrieb;              // the operating months and hours
};

// The unit from its entry "anlage", at the project's total pressure (for the extract air and
// the saturation limits); refused with a German reason naming the key.
Ergebnis<Anlage> AnlageAusJson(const Json& j, const Luftdruck& druck);

// The components of a unit, in the order of the results.
enum class Komponente {
    Frostschutz,
    Vorerhitzer,
    Nacherhitzer,
    Kuehler,
    Befeuchter,
    WrgHeizen,
    WrgKuehlen,
};
inline constexpr std::size_t kKomponenten = 7;
// Their keys in the results: "frostschutz", …, "wrg_heizen", "wrg_kuehlen".
std::string_view SchluesselVon(Komponente k);

// What an hour's air went through, the first that applies.
enum class Betriebsart { Entfeuchten, Befeuchten, Kuehlen, Heizen, Wrg, Frei };
inline constexpr std::size_t kBetriebsarten = 6;
// Their keys in the results ("entfeuchten", …, "frei") and their names on the screen.
std::string_view SchluesselVon(Betriebsart a);
std::string NameVon(Betriebsart a);

// One step of an hour's air: a component and the state it made.
struct Anlagenschritt {
    Komponente komponente;
    Zustandswerte ende;
};

// One hour in operation, computed.
struct Anlagenstunde {
    std::size_t index = 0;  // the point of the series
    int monat = 0;          // 1..12
    double gewicht = 0;     // the hours it stands for
    Zustandswerte aussen;
    // In order, the last end the supply air; empty in the hours of a year, which keep only
    // what each hour made.
    std::vector<Anlagenschritt> schritte;
    std::array<bool, kKomponenten> laeuft{};  // which components changed the air
    Zustandswerte zuluft;
    Betriebsart art = Betriebsart::Frei;
    bool erreicht = true;
    std::array<double, kKomponenten> leistung{};  // [kW], ≥ 0
    double befeuchterwasser = 0;                  // [kg/h], ≥ 0
    double kondensat = 0;                         // [kg/h], ≥ 0
};

// The sums of a stretch of hours: hours in operation, energies [kWh] and water [kg].
struct Anlagensumme {
    double stunden = 0;
    std::array<double, kKomponenten> energie{};
    double befeuchterwasser = 0;
    double kondensat = 0;

    double Heizen() const;  // frost protection, pre-heater and re-heater together
    void Addieren(const Anlagenstunde& s);
};

// A unit's year.
struct Anlagenjahr {
    double massenstrom = 0;  // [kg/h], converted where the unit gives a volume flow
    Anlagensumme summe;
    std::array<Anlagensumme, 12> monate;
    double unmoeglich = 0;                               // hours that computed nothing
    std::array<double, kBetriebsarten> arten{};          // hours per mode
    double nichtErreicht = 0;                            // hours that ended outside the window
    std::array<double, kKomponenten> hoechstleistung{};  // [kW]; WrgHeizen holds the
                                                         // recovery's, WrgKuehlen is 0
    std::vector<Anlagenstunde> stunden;

    // Counts an hour of month s.monat into the sums, the month, its mode and the highest loads.
    void Addieren(const Anlagenstunde& s);
};

// The dry-air mass flow of a unit [kg/h]: given, or from its volume flow at the middle of the
// supply window.
Ergebnis<double> AnlagenMassenstrom(const Anlage& a, const Luftdruck& druck);

// One hour from the outdoor state aussen; the German reason where it is impossible.
Ergebnis<Anlagenstunde> AnlagenstundeRechnen(const Anlage& a, const Luftdruck& druck,
                                             double massenstrom, const Zustandswerte& aussen);

// The year of the unit on the series; refused when the series' times cannot be read.
Ergebnis<Anlagenjahr> AnlagenjahrRechnen(const Anlage& a, const Messreihe& reihe,
                                         const Luftdruck& druck);

// The unit's results as lumora-export --json gives them under "anlage".
Json AnlagenBericht(const std::string& name, const Anlagenjahr& jahr);

}  // namespace lumora
