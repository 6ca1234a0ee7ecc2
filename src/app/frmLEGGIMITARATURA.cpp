#include "app/frmLEGGIMITARATURA.h"

namespace zeliro {

frmLEGGIMITARATURA::frmLEGGIMITARATURA(Registry&) : TextWindow(trimmingReadMe(), ScrollBar::none) {}

}  // namespace zeliro
