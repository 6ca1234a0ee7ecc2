#include "app/frmLEGGIMITARATURA.h"

#include "core/texts.h"
#include "frame/Registry.h"

namespace zeliro {

frmLEGGIMITARATURA::frmLEGGIMITARATURA(Registry& registry)
    : TextWindow(trimmingReadMe(registry.language()), ScrollBar::none) {}

}  // namespace zeliro
