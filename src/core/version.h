#pragma once
// The program's version stamp and the texts built from it. The stamp comes
// from the project's version in CMake, through the generated versionstamp.h.

#include <string>

#include "core/versionstamp.h"

namespace zeliro {

struct VersionStamp {
    int major = ZELIRO_VERSION_MAJOR;
    int minor = ZELIRO_VERSION_MINOR;
    int revision = ZELIRO_VERSION_REVISION;
};

constexpr const char* applicationTitle = "ZELIRO";
// The id of the installed menu entry, icon and AppStream metadata (desktop/).
constexpr const char* desktopId = "it.tavron.Zeliro";

// The version in window captions and report headers, and the three ways they
// write it after "rev" or "ver".
inline constexpr char captionVersion[] = ZELIRO_CAPTION_VERSION;                // 1.06
inline constexpr char revisionCaption[] = "rev." ZELIRO_CAPTION_VERSION;        // rev.1.06
inline constexpr char versionCaption[] = "ver." ZELIRO_CAPTION_VERSION;         // ver.1.06
inline constexpr char spacedRevisionCaption[] = "rev " ZELIRO_CAPTION_VERSION;  // rev 1.06

// "Versione 1.0.6" for the stamp 1, 0, 6.
std::string versionText(const VersionStamp& stamp = {});

// "Version 1.0.6" in English.
enum class Language;
std::string versionText(const VersionStamp& stamp, Language language);

}  // namespace zeliro
