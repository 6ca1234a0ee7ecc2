#include "app/frmLEGGIMIcalcolo.h"

namespace zeliro {

frmLEGGIMIcalcolo::frmLEGGIMIcalcolo(Registry&) : TextWindow(loadingCoilReadMe(), ScrollBar::none) {}

}  // namespace zeliro
