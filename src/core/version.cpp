#include "core/version.h"

#include "core/english.h"

namespace zeliro {

std::string versionText(const VersionStamp& stamp, Language language) {
    const std::string word = language == Language::english ? english::version : "Versione";
    return word + " " + std::to_string(stamp.major) + "." + std::to_string(stamp.minor) + "." +
           std::to_string(stamp.revision);
}

}  // namespace zeliro
