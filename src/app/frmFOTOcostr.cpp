#include "app/frmFOTOcostr.h"

#include "app/texts.h"

namespace zeliro {

frmFOTOcostr::frmFOTOcostr(Registry&)
    : PhotoWindow(enamelledCoilPhotoCaption, ":/photos/enamelledcoil.jpg") {}

}  // namespace zeliro
