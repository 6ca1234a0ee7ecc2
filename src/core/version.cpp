#include "core/version.h"

namespace zeliro {

std::string versionText(const VersionStamp& stamp) {
    return "Versione " + std::to_string(stamp.major) + "." + std::to_string(stamp.minor) + "." +
           std::to_string(stamp.revision);
}

}  // namespace zeliro
