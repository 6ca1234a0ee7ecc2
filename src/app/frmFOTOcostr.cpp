#include "app/frmFOTOcostr.h"

#include "core/texts.h"

namespace zeliro {

frmFOTOcostr::frmFOTOcostr(Registry&)
    : PhotoWindow(enamelledCoilPhotoCaption, ":/photos/enamelledcoil.jpg") {}

}  // namespace zeliro
