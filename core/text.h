#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The program's texts in the user's language. The layers below Qt write their messages in
// German, the source language, through Text(); the program installs a translator at start,
// and without one (the tools that always speak German, the tests) Text() returns the German
// text itself. Qt's lupdate reads every Text("Kontext", "…") as a text to translate.

namespace lumora {

// Translates `quelle`, a German text of the context `kontext`; returns the text in UTF-8.
using Uebersetzer = std::string (*)(const char* kontext, const char* quelle);

// Installs the translator every later Text() uses; nullptr restores German. Set it before
// any thread computes messages; reading it is safe from every thread.
void UebersetzerSetzen(Uebersetzer uebersetzer);

// `quelle` in the language of the installed translator. Both arguments must be string
// literals where the text is written, so that lupdate finds it.
std::string Text(const char* kontext, const char* quelle);

// `vorlage` with %1 … %9 replaced by the values in their order, the way QString::arg places
// them: "Die Temperatur %1 liegt nicht unter %2." A placeholder without a value stays.
std::string Einsetzen(std::string_view vorlage, std::initializer_list<std::string_view> werte);

// Marks a German text of a constant table for lupdate without translating it: the table
// keeps the German, and Text(kontext, eintrag) with the same context translates it where it
// is shown.
namespace vorgemerkt {
constexpr const char* Text(const char* /*kontext*/, const char* quelle) { return quelle; }
}  // namespace vorgemerkt

}  // namespace lumora
