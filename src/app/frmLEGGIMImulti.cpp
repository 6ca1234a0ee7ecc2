#include "app/frmLEGGIMImulti.h"

#include "core/texts.h"
#include "frame/Registry.h"

namespace zeliro {

frmLEGGIMImulti::frmLEGGIMImulti(Registry& registry)
    : TextWindow(twoBandReadMe(registry.language()), ScrollBar::vertical) {}

}  // namespace zeliro
