#include "app/frmLEGGIMImulti.h"

namespace zeliro {

frmLEGGIMImulti::frmLEGGIMImulti(Registry&) : TextWindow(twoBandReadMe(), ScrollBar::vertical) {}

}  // namespace zeliro
