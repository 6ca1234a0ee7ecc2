#include "app/WindowList.h"

#include "app/frmMENU.h"
#include "app/frmSplash.h"
#include "coils/frmCALCOLOBOBINA.h"
#include "coils/frmCOSTRUZIONEBOBINA.h"
#include "dipoles/frmDIPOLOSTANDARD.h"
#include "frame/Registry.h"

namespace zeliro {

void registerWindows(Registry& registry) {
    registry.add<frmSplash>("frmSplash");
    registry.add<frmMENU>("frmMENU");
    registry.add<frmDIPOLOSTANDARD>("frmDIPOLOSTANDARD");
    registry.add<frmCALCOLOBOBINA>("frmCALCOLOBOBINA");
    registry.add<frmCOSTRUZIONEBOBINA>("frmCOSTRUZIONEBOBINA");
}

}  // namespace zeliro
