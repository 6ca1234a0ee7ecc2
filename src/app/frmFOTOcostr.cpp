#include "app/frmFOTOcostr.h"

#include "core/texts.h"
#include "frame/Registry.h"

namespace zeliro {

frmFOTOcostr::frmFOTOcostr(Registry& registry)
    : PhotoWindow(enamelledCoilCaption(registry.language()), ":/photos/enamelledcoil.jpg") {}

}  // namespace zeliro
