#include "app/frmLEGGIMIverifica.h"

#include "core/nec/readme.h"
#include "frame/Registry.h"

namespace zeliro {

frmLEGGIMIverifica::frmLEGGIMIverifica(Registry& registry)
    : TextWindow(nec::verificationReadMe(registry.language()), ScrollBar::vertical) {}

}  // namespace zeliro
