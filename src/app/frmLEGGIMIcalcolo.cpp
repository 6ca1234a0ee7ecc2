#include "app/frmLEGGIMIcalcolo.h"

#include "core/texts.h"
#include "frame/Registry.h"

namespace zeliro {

frmLEGGIMIcalcolo::frmLEGGIMIcalcolo(Registry& registry)
    : TextWindow(loadingCoilReadMe(registry.language()), ScrollBar::none) {}

}  // namespace zeliro
