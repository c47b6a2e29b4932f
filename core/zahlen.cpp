#include "core/zahlen.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

#include "core/text.h"

namespace lumora {

namespace {

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }
bool IstLeer(char c) { return c == ' ' || c == '\t'; }

}  // namespace

double Zahl(std::string_view text) {
    // Collect the number's characters in a clean form for std::from_chars, which reads
    // neither a leading '+' nor a locale's separator.
    std::string zahl;
    std::size_t i = 0;
    auto zeichen = [&] { return text[i] == ',' ? '.' : text[i]; };

    while (i < text.size() && IstLeer(text[i])) ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    bool punkt = false;
    int ziffern = 0;
    int fuehrendeStellen = 0;  // decimal exponent of the first significant digit, roughly
    bool signifikant = false;
    for (; i < text.size(); ++i) {
        const char c = zeichen();
        if (IstLeer(c)) continue;
        if (IstZiffer(c)) {
            ++ziffern;
            if (c != '0') signifikant = true;
            if (!punkt && signifikant) ++fuehrendeStellen;
            if (punkt && !signifikant) --fuehrendeStellen;
            zahl += c;
        } else if (c == '.' && !punkt) {
            punkt = true;
            zahl += c;
        } else {
            break;
        }
    }
    if (ziffern == 0) return 0;
    if (zahl.back() == '.') zahl.pop_back();

    // Exponent: only taken when at least one digit follows the 'e' and its sign.
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        while (j < text.size() && IstLeer(text[j])) ++j;
        bool expNegativ = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            expNegativ = text[j] == '-';
            ++j;
        }
        std::string expZiffern;
        for (; j < text.size(); ++j) {
            if (IstLeer(text[j])) continue;
            if (!IstZiffer(text[j])) break;
            if (expZiffern.size() < 12) expZiffern += text[j];  // beyond that it is infinite anyway
        }
        if (!expZiffern.empty()) {
            std::from_chars(expZiffern.data(), expZiffern.data() + expZiffern.size(), exponent);
            if (expNegativ) exponent = -exponent;
            zahl += 'e';
            zahl += std::to_string(exponent);
        }
    }

    double wert = 0;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    (void)ende;
    if (fehler == std::errc::result_out_of_range) {
        wert = (signifikant && fuehrendeStellen + exponent > 0)
                   ? std::numeric_limits<double>::infinity()
                   : 0.0;
    }
    return negativ ? -wert : wert;
}

std::optional<double> GanzeZahl(std::string_view text) {
    while (!text.empty() && IstLeer(text.front())) text.remove_prefix(1);
    while (!text.empty() && IstLeer(text.back())) text.remove_suffix(1);
    std::string zahl;
    constexpr std::string_view kMinus = "−";
    if (text.substr(0, kMinus.size()) == kMinus) {
        zahl = "-";
        text.remove_prefix(kMinus.size());
    } else if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    for (char c : text) zahl += c == ',' ? '.' : c;
    // from_chars takes no second sign after the one handled above.
    if (zahl.size() > 1 && zahl[0] == '-' && (zahl[1] == '-' || zahl[1] == '+'))
        return std::nullopt;
    if (!zahl.empty() && zahl[0] == '+') return std::nullopt;
    double wert = 0;
    const char* ende = zahl.data() + zahl.size();
    const auto [stelle, fehler] = std::from_chars(zahl.data(), ende, wert);
    if (fehler != std::errc() || stelle != ende || !std::isfinite(wert)) return std::nullopt;
    return wert;
}

std::string ZahlText(double v) {
    if (std::isnan(v)) return " NaN";
    if (std::isinf(v)) return v > 0 ? " Inf" : "-Inf";
    std::string text = std::signbit(v) && v != 0 ? "-" : " ";
    if (v == 0) return text + "0";

    // Round to 15 significant digits once, then lay the digits out.
    std::array<char, 64> puffer{};
    const auto ergebnis = std::to_chars(puffer.data(), puffer.data() + puffer.size(), std::fabs(v),
                                        std::chars_format::scientific, 14);
    const std::string_view wissenschaftlich(puffer.data(), ergebnis.ptr - puffer.data());
    const std::size_t e = wissenschaftlich.find('e');
    std::string ziffern;
    for (char c : wissenschaftlich.substr(0, e)) {
        if (c != '.') ziffern += c;
    }
    while (ziffern.size() > 1 && ziffern.back() == '0') ziffern.pop_back();
    int exponent = 0;
    const auto expText = wissenschaftlich.substr(e + 1);
    std::from_chars(expText.data() + (expText[0] == '+' ? 1 : 0), expText.data() + expText.size(),
                    exponent);

    if (exponent >= 15 || exponent < -5) {
        text.push_back(ziffern[0]);
        if (ziffern.size() > 1) {
            text.push_back('.');
            text.append(ziffern, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int betrag = std::abs(exponent);
        if (betrag < 10) text += '0';
        return text + std::to_string(betrag);
    }
    const int vorStellen = exponent + 1;  // digits before the point
    if (vorStellen <= 0) {
        text.push_back('.');
        text.append(static_cast<std::size_t>(-vorStellen), '0');
        text.append(ziffern);
    } else if (static_cast<int>(ziffern.size()) <= vorStellen) {
        text.append(ziffern);
        text.append(vorStellen - ziffern.size(), '0');
    } else {
        text.append(ziffern, 0, vorStellen);
        text.push_back('.');
        text.append(ziffern, vorStellen);
    }
    return text;
}

std::string MusterText(double v, std::string_view dezimaltrenner) {
    if (!std::isfinite(v)) return ZahlText(v).substr(v < 0 ? 0 : 1);
    // Fixed notation of a double needs at most 309 digits before the point.
    std::array<char, 400> puffer{};
    const auto ergebnis =
        std::to_chars(puffer.data(), puffer.data() + puffer.size(), v, std::chars_format::fixed, 4);
    std::string text(puffer.data(), ergebnis.ptr);
    while (text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
    const std::size_t punkt = text.find('.');
    text.replace(punkt, 1, dezimaltrenner);
    return text;
}

std::string KuerzesterText(double v, std::string_view dezimaltrenner) {
    if (!std::isfinite(v)) return {};
    std::array<char, 32> puffer{};
    std::string text(puffer.data(),
                     std::to_chars(puffer.data(), puffer.data() + puffer.size(), v).ptr);
    if (const std::size_t punkt = text.find('.'); punkt != std::string::npos) {
        text.replace(punkt, 1, dezimaltrenner);
    }
    return text;
}

std::string KurzText(double v) {
    if (!std::isfinite(v)) return Text("Kern", "nicht endlich");
    std::array<char, 64> puffer{};
    const auto ergebnis = std::to_chars(puffer.data(), puffer.data() + puffer.size(), v,
                                        std::chars_format::general, 6);
    std::string text(puffer.data(), ergebnis.ptr);
    if (text == "-0") return "0";
    return MitDezimalzeichen(std::move(text));
}

std::string MitDezimalzeichen(std::string zahl) {
    const std::size_t punkt = zahl.find('.');
    if (punkt != std::string::npos) zahl.replace(punkt, 1, Text("Dezimalzeichen", ","));
    return zahl;
}

std::string MitEinheit(double v, std::string_view einheit) {
    if (einheit.empty()) return KurzText(v);
    return KurzText(v) + " " + std::string(einheit);
}

std::string GruppiertText(double v) {
    const double ganz = std::round(v);
    std::string ziffern = std::to_string(static_cast<long long>(std::fabs(ganz)));
    for (auto i = static_cast<std::ptrdiff_t>(ziffern.size()) - 3; i > 0; i -= 3)
        ziffern.insert(static_cast<std::size_t>(i), " ");
    return (ganz < 0 ? "−" : "") + ziffern;
}

double Signifikant(double v, int stellen) {
    if (!(v != 0) || !std::isfinite(v)) return v;
    const double stelle = std::pow(10, std::floor(std::log10(std::fabs(v))) - (stellen - 1));
    return std::round(v / stelle) * stelle;
}

}  // namespace lumora
