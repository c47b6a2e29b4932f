#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// The number written at the start of an input field's text. A decimal comma counts as a
// point; blanks are skipped; an optional sign, digits with at most one point and an
// optional exponent are taken, up to the first character that cannot continue the number.
// Text without digits reads as 0, and so do "nan" and "inf". An exponent too large for a
// double gives an infinite value, which the caller has to refuse. Independent of the locale.
double Zahl(std::string_view text);

// The number that the whole text is, blanks around it aside: a decimal comma or point, a
// sign ('+', '-' or the real minus sign "−"), an optional exponent. None for anything else
// (empty text, trailing characters) and for values beyond the range of a double.
std::optional<double> GanzeZahl(std::string_view text);

// The plain number-to-text form of labels: a leading blank for v >= 0 or a minus sign,
// a point as decimal separator, at most 15 significant digits without trailing zeros and
// no digit before the point below 1 (" 0", " 2.5", " .5", "-10"). Magnitudes from 1e15
// on and below 1e-5 are written with an exponent: " 1.5E+20", "-2E-07".
std::string ZahlText(double v);

// v in the pattern "#0.0###": at least one digit before the separator, one to four after
// it (rounded), no grouping. The separator is given, e.g. "," or ".".
std::string MusterText(double v, std::string_view dezimaltrenner);

// The shortest text that reads back to the same double, with the given decimal separator
// ("0,1", "8000", "1e+20"); empty for NaN and infinities.
std::string KuerzesterText(double v, std::string_view dezimaltrenner);

// The short form of numbers in messages: at most six significant digits, the decimal
// separator of MitDezimalzeichen, no trailing zeros ("12,5", "-3", "0,0119175", "1,5e+20").
// Independent of the locale; "nicht endlich" for NaN and infinities.
std::string KurzText(double v);

// A number written with a decimal point, with the decimal separator of messages in the
// program's language instead: the comma in German, the point in English.
std::string MitDezimalzeichen(std::string zahl);

// A whole number with a blank between groups of three digits and the real minus sign, as
// German texts write ranges: "−500", "11 000". v is rounded to a whole number.
std::string GruppiertText(double v);

// v rounded to `stellen` significant digits, for the approximate bounds that messages name.
double Signifikant(double v, int stellen);

// KurzText of v, a blank and the unit: "12,5 °C"; KurzText alone without a unit.
std::string MitEinheit(double v, std::string_view einheit);

}  // namespace lumora
