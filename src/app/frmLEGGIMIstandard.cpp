#include "app/frmLEGGIMIstandard.h"

namespace zeliro {

frmLEGGIMIstandard::frmLEGGIMIstandard(Registry&) : TextWindow(halfWaveReadMe(), ScrollBar::none) {}

}  // namespace zeliro
