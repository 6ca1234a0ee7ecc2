#include "app/WindowList.h"

#include "app/frmMENU.h"
#include "app/frmSplash.h"
#include "dipoles/frmDIPOLOSTANDARD.h"
#include "dipoles/frmTARATURA.h"
#include "frame/Registry.h"

namespace zeliro {

void registerWindows(Registry& registry) {
    registry.add<frmSplash>("frmSplash");
    registry.add<frmMENU>("frmMENU");
    registry.add<frmDIPOLOSTANDARD>("frmDIPOLOSTANDARD");
    registry.add<frmTARATURA>("frmTARATURA");
}

}  // namespace zeliro
