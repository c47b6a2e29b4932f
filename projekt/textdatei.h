#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Reading the text files that series come from: their encoding, their lines and their numbers,
// shared by every format's reader.

namespace lumora {

// The longest line read, in bytes; a longer one is no row of a logger or a weather file.
inline constexpr std::size_t kMessreiheMaxZeile = 65'536;

bool IstLeer(char c);                           // a blank or a tab
std::string_view Getrimmt(std::string_view s);  // without blanks and tabs at either end

// True when s is well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool IstUtf8(std::string_view s);
// Text of a file that is not UTF-8 read as Windows-1252, the code page older Windows programs
// write (Latin-1 with printable characters in 0x80..0x9F); a byte it leaves undefined is
// taken as Latin-1.
std::string Cp1252AlsUtf8(std::string_view s);
// The text as UTF-8: itself where it is UTF-8, else read as Windows-1252.
std::string AlsUtf8(std::string_view s);

// 1000000 as "1 000 000", the way the program writes large counts in messages.
std::string Gruppiert(std::size_t n);

// The number in a field, with the decimal separator `dezimal`; none for an empty field, text,
// the other separator (a thousands mark or a different convention is not guessed at), or a
// value that is not finite.
std::optional<double> Wert(std::string_view feld, char dezimal = '.');

// The lines of a file: ends are "\n" or "\r\n"; a file without any "\n" has its lines ended
// by "\r", as old Mac programs wrote them.
class Zeilen {
  public:
    explicit Zeilen(std::string_view daten);
    bool Naechste(std::string_view& zeile);
    std::size_t nummer() const { return nummer_; }  // line number of the last line, from 1
    std::size_t pos() const { return pos_; }        // bytes read so far

  private:
    std::string_view daten_;
    char ende_;
    std::size_t pos_ = 0;
    std::size_t nummer_ = 0;
};

}  // namespace lumora
