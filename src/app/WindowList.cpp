#include "app/WindowList.h"

#include "app/frmMENU.h"
#include "app/frmSplash.h"
#include "dipoles/frmDIPOLOMULTIBANDA.h"
#include "dipoles/frmDIPOLOSTANDARD.h"
#include "frame/Registry.h"

namespace zeliro {

void registerWindows(Registry& registry) {
    registry.add<frmSplash>("frmSplash");
    registry.add<frmMENU>("frmMENU");
    registry.add<frmDIPOLOSTANDARD>("frmDIPOLOSTANDARD");
    registry.add<frmDIPOLOMULTIBANDA>("frmDIPOLOMULTIBANDA");
}

}  // namespace zeliro
