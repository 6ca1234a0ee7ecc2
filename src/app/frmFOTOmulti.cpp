#include "app/frmFOTOmulti.h"

#include "core/texts.h"

namespace zeliro {

frmFOTOmulti::frmFOTOmulti(Registry&) : PhotoWindow(coaxTrapPhotoCaption, ":/photos/coaxtrap.jpg") {}

}  // namespace zeliro
