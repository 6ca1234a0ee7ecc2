#include "app/frmLEGGIMIstandard.h"

#include "core/texts.h"
#include "frame/Registry.h"

namespace zeliro {

frmLEGGIMIstandard::frmLEGGIMIstandard(Registry& registry)
    : TextWindow(halfWaveReadMe(registry.language()), ScrollBar::none) {}

}  // namespace zeliro
