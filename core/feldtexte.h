#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/eingabe.h"
#include "core/ergebnis.h"

// The texts of the input dialog's seven fields, and reading them into an Eingabe: what a
// project file stores and what the chart's check then judges.

namespace lumora {

// The seven input fields of the dialog, in tab order.
enum class Feld {
    Thetamax,
    DeltaThetagross,
    DeltaThetaklein,
    Xmax,
    DeltaXgross,
    DeltaXklein,
    Pges,
    ThetaUnten  // the lower temperature limit, set in the chart window, not in the dialog
};
inline constexpr int kFelder = 7;  // the dialog's fields, Thetamax to Pges
using Feldtexte = std::array<std::string, kFelder>;

// The name of a field as the dialog shows it, e.g. "Δϑ fett", in the program's language.
std::string Feldname(Feld feld);

// The seven texts of one line in which they stand in tab order, separated by TAB;
// missing ones are empty, extra ones are ignored.
Feldtexte FeldtexteTrennen(std::string_view zeile);

// Reads the seven texts with Zahl, in tab order, for a chart with the lower limit
// thetaUnten [°C].
Eingabe EingabeLesen(const Feldtexte& texte, double thetaUnten = 0);

// The lowest and highest lower temperature limit of a chart [°C].
inline constexpr double kThetaUntenMin = -50;
inline constexpr double kThetaUntenMax = 0;

// Reads the text of the lower temperature limit: the number it is, or the German reason,
// naming the field, why it is none or out of range.
Ergebnis<double> ThetaUntenLesen(std::string_view text);

// Why a press is not drawn: the field to correct and a German sentence for the user.
struct Ablehnung {
    Feld feld;
    std::string meldung;
};

// "ϑmax: „abc“ ist keine Zahl.": the refusal of a text that is no number, for the field named.
std::string KeineZahlText(std::string_view feldname, std::string_view text);

// The refusal of the first field whose text, not empty, does not start with a number: Zahl
// would read it as 0, which is no number the user typed.
std::optional<Ablehnung> OhneZahl(const Feldtexte& texte);

// A number for a refusal, with the decimal separator of messages (MitDezimalzeichen) and at
// most four significant digits.
std::string KurzeZahl(double v);

// "Die untere Grenze muss zwischen -50 und 0 °C liegen."
std::string UntereGrenzeBereich();

}  // namespace lumora
