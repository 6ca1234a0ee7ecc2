#pragma once
// The program's version stamp and the texts built from it.

#include <string>

namespace zeliro {

struct VersionStamp {
    int major = 1;
    int minor = 0;
    int revision = 6;
};

constexpr const char* applicationTitle = "ZELIRO";
// The id of the installed menu entry, icon and AppStream metadata (desktop/).
constexpr const char* desktopId = "it.tavron.Zeliro";

// "Versione 1.0.6" for the stamp 1, 0, 6.
std::string versionText(const VersionStamp& stamp = {});

// "Version 1.0.6" in English.
enum class Language;
std::string versionText(const VersionStamp& stamp, Language language);

}  // namespace zeliro
