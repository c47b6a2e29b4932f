#include "projekt/textdatei.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace lumora {

bool IstLeer(char c) { return c == ' ' || c == '\t'; }

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && IstLeer(s.front())) s.remove_prefix(1);
    while (!s.empty() && IstLeer(s.back())) s.remove_suffix(1);
    return s;
}

bool IstUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int folge = 0;
        unsigned char min2 = 0x80, max2 = 0xBF;  // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            folge = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            folge = 2;
            if (c == 0xE0) min2 = 0xA0;
            if (c == 0xED) max2 = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            folge = 3;
            if (c == 0xF0) min2 = 0x90;
            if (c == 0xF4) max2 = 0x8F;
        } else {
            return false;
        }
        if (i + folge >= s.size()) return false;
        for (int k = 1; k <= folge; ++k) {
            const auto f = static_cast<unsigned char>(s[i + k]);
            const unsigned char lo = k == 1 ? min2 : 0x80, hi = k == 1 ? max2 : 0xBF;
            if (f < lo || f > hi) return false;
        }
        i += folge + 1;
    }
    return true;
}

namespace {

// The code points of Windows-1252 at 0x80..0x9F; 0 where it defines none.
constexpr std::array<char16_t, 32> kCp1252 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void Anhaengen(std::string& t, char32_t c) {
    if (c < 0x80) {
        t += static_cast<char>(c);
    } else if (c < 0x800) {
        t += static_cast<char>(0xC0 | (c >> 6));
        t += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        t += static_cast<char>(0xE0 | (c >> 12));
        t += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        t += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string Cp1252AlsUtf8(std::string_view s) {
    std::string t;
    t.reserve(s.size());
    for (const char z : s) {
        const auto c = static_cast<unsigned char>(z);
        const char32_t cp = c >= 0x80 && c < 0xA0 && kCp1252[c - 0x80] ? kCp1252[c - 0x80] : c;
        Anhaengen(t, cp);
    }
    return t;
}

std::string AlsUtf8(std::string_view s) { return IstUtf8(s) ? std::string(s) : Cp1252AlsUtf8(s); }

std::string Gruppiert(std::size_t n) {
    std::string ziffern = std::to_string(n);
    for (std::size_t i = ziffern.size(); i > 3; i -= 3) ziffern.insert(i - 3, " ");
    return ziffern;
}

std::optional<double> Wert(std::string_view feld, char dezimal) {
    feld = Getrimmt(feld);
    if (!feld.empty() && feld.front() == '+') feld.remove_prefix(1);
    std::array<char, 64> puffer{};
    if (feld.empty() || feld.size() > puffer.size()) return std::nullopt;
    const char anderes = dezimal == ',' ? '.' : ',';
    for (std::size_t i = 0; i < feld.size(); ++i) {
        if (feld[i] == anderes) return std::nullopt;
        puffer[i] = feld[i] == dezimal ? '.' : feld[i];
    }
    double v = 0;
    const char* ende = puffer.data() + feld.size();
    const auto [p, fehler] = std::from_chars(puffer.data(), ende, v);
    if (fehler != std::errc() || p != ende || !std::isfinite(v)) return std::nullopt;
    return v;
}

Zeilen::Zeilen(std::string_view daten)
    : daten_(daten), ende_(daten.find('\n') == std::string_view::npos ? '\r' : '\n') {}

bool Zeilen::Naechste(std::string_view& zeile) {
    if (pos_ >= daten_.size()) return false;
    const void* e = std::memchr(daten_.data() + pos_, ende_, daten_.size() - pos_);
    const std::size_t ende =
        e ? static_cast<std::size_t>(static_cast<const char*>(e) - daten_.data()) : daten_.size();
    zeile = daten_.substr(pos_, ende - pos_);
    if (ende_ == '\n' && !zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    pos_ = std::min(ende + 1, daten_.size());
    ++nummer_;
    return true;
}

}  // namespace lumora
