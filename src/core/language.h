#pragma once
// The language the program speaks. Italian is the source language and the
// default; English is the one translation. Every text the core makes takes the
// language as data, and so do the number rules: Italian writes and reads a
// decimal comma, English a decimal point.
//
// Choosing the language at start, first rule that decides wins:
//   1. "--lang it" or "--lang en" (also "--lang=en") on the command line;
//   2. the LANGUAGE variable, a colon-separated list of preferences: its first
//      entry that is Italian or English decides (other languages are skipped,
//      as gettext does, since the program has no translation for them);
//   3. the system's first UI language: Italian for Italian and for the C or
//      POSIX locale (or none at all), English for every other language.
// Language tags may be written "it", "it_IT.UTF-8", "it-IT" or "en-Latn-US".

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zeliro {

enum class Language { italian, english };

// ',' in Italian, '.' in English.
char decimalSeparator(Language language);

// "it" or "en", as the command line and the translation files name them.
std::string_view languageCode(Language language);

// The language a tag names: empty for a language the program does not speak,
// and for the C and POSIX locales.
std::optional<Language> languageOfTag(std::string_view tag);
bool isCLocale(std::string_view tag);

// The value given to "--lang" ("--lang en" or "--lang=en"), the last one if
// given twice; empty when absent. `arguments` are the command line without the
// program's name.
std::optional<std::string> languageArgument(const std::vector<std::string>& arguments);

struct LanguageSources {
    std::optional<std::string> commandLine;    // the value of "--lang", if given
    std::string languageVariable;              // LANGUAGE; "" when not set
    std::vector<std::string> systemLanguages;  // the system's UI languages, preferred first
};

Language chooseLanguage(const LanguageSources& sources);

// The line said on the standard error when "--lang" names a language the
// program does not speak: which one is used instead, in that language;
// empty when "--lang" is absent or spoken.
std::string unknownLanguageNote(const LanguageSources& sources, Language chosen);

// A text of a language's table with "%1", "%2", ... replaced by the arguments
// in order (figures already written with that language's number rules).
std::string fillIn(std::string_view pattern, const std::vector<std::string>& arguments);

// The texts of one language for an enum: a row per key, in the enum's order.
template <typename Key, std::size_t N>
using TextColumn = std::array<std::pair<Key, const char*>, N>;

// Both columns hold every key up to `last`, each in its own row.
template <typename Key, std::size_t N>
constexpr bool completeColumns(const TextColumn<Key, N>& italian, const TextColumn<Key, N>& english,
                               Key last) {
    if (static_cast<std::size_t>(last) + 1 != N) return false;
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(italian[i].first) != i || english[i].first != italian[i].first)
            return false;
    return true;
}

template <typename Key, std::size_t N>
constexpr std::string_view textIn(const TextColumn<Key, N>& italian, const TextColumn<Key, N>& english,
                                  Key key, Language language) {
    const auto row = static_cast<std::size_t>(key);
    return language == Language::english ? english[row].second : italian[row].second;
}

}  // namespace zeliro
