#include "app/frmFOTOmulti.h"

#include "core/texts.h"
#include "frame/Registry.h"

namespace zeliro {

frmFOTOmulti::frmFOTOmulti(Registry& registry)
    : PhotoWindow(coaxTrapCaption(registry.language()), ":/photos/coaxtrap.jpg") {}

}  // namespace zeliro
