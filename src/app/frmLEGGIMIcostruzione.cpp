#include "app/frmLEGGIMIcostruzione.h"

namespace zeliro {

frmLEGGIMIcostruzione::frmLEGGIMIcostruzione(Registry&)
    : TextWindow(coilConstructionReadMe(), ScrollBar::none) {}

}  // namespace zeliro
