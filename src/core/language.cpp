#include "core/language.h"

namespace zeliro {
namespace {

char lowered(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The language subtag: what comes before '_', '-', '.' or '@', in lower case.
std::string primarySubtag(std::string_view tag) {
    std::string subtag;
    for (const char c : tag) {
        if (c == '_' || c == '-' || c == '.' || c == '@') break;
        subtag += lowered(c);
    }
    return subtag;
}

std::vector<std::string_view> colonSeparated(std::string_view list) {
    std::vector<std::string_view> entries;
    while (!list.empty()) {
        const auto colon = list.find(':');
        entries.push_back(list.substr(0, colon));
        if (colon == std::string_view::npos) break;
        list.remove_prefix(colon + 1);
    }
    return entries;
}

}  // namespace

char decimalSeparator(Language language) { return language == Language::english ? '.' : ','; }

std::string_view languageCode(Language language) { return language == Language::english ? "en" : "it"; }

std::optional<Language> languageOfTag(std::string_view tag) {
    const std::string subtag = primarySubtag(tag);
    if (subtag == "it") return Language::italian;
    if (subtag == "en") return Language::english;
    return std::nullopt;
}

bool isCLocale(std::string_view tag) {
    const std::string subtag = primarySubtag(tag);
    return subtag == "c" || subtag == "posix";
}

std::optional<std::string> languageArgument(const std::vector<std::string>& arguments) {
    constexpr std::string_view option = "--lang";
    std::optional<std::string> value;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == option && i + 1 < arguments.size()) {
            value = arguments[++i];
        } else if (argument.starts_with(option) && argument.size() > option.size() &&
                   argument[option.size()] == '=') {
            value = std::string(argument.substr(option.size() + 1));
        }
    }
    return value;
}

Language chooseLanguage(const LanguageSources& sources) {
    if (sources.commandLine) {
        if (const auto chosen = languageOfTag(*sources.commandLine)) return *chosen;
    }
    for (const std::string_view entry : colonSeparated(sources.languageVariable)) {
        if (const auto chosen = languageOfTag(entry)) return *chosen;
    }
    if (sources.systemLanguages.empty()) return Language::italian;
    const std::string& first = sources.systemLanguages.front();
    if (first.empty() || isCLocale(first)) return Language::italian;
    return languageOfTag(first).value_or(Language::english);
}

std::string unknownLanguageNote(const LanguageSources& sources, Language chosen) {
    if (!sources.commandLine || languageOfTag(*sources.commandLine)) return {};
    return fillIn(
        chosen == Language::english
            ? "zeliro: the language \"%1\" given to --lang is not known (it, en); using English."
            : "zeliro: la lingua \"%1\" data a --lang non è conosciuta (it, en); si usa l'italiano.",
        {*sources.commandLine});
}

std::string fillIn(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto k = static_cast<std::size_t>(next - '1');
            if (k < arguments.size()) out += arguments[k];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace zeliro
