#include "core/version.h"

#include "core/english.h"

namespace zeliro {

std::string versionText(const VersionStamp& stamp) {
    return "Versione " + std::to_string(stamp.major) + "." + std::to_string(stamp.minor) + "." +
           std::to_string(stamp.revision);
}

std::string versionText(const VersionStamp& stamp, Language language) {
    if (language == Language::italian) return versionText(stamp);
    return std::string(english::version) + " " + std::to_string(stamp.major) + "." +
           std::to_string(stamp.minor) + "." + std::to_string(stamp.revision);
}

}  // namespace zeliro
