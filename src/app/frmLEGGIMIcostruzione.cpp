#include "app/frmLEGGIMIcostruzione.h"

#include "core/texts.h"
#include "frame/Registry.h"

namespace zeliro {

frmLEGGIMIcostruzione::frmLEGGIMIcostruzione(Registry& registry)
    : TextWindow(coilConstructionReadMe(registry.language()), ScrollBar::none) {}

}  // namespace zeliro
