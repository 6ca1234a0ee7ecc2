#include "app/WindowList.h"

#include "app/frmFOTOcostr.h"
#include "app/frmFOTOmulti.h"
#include "app/frmINFO.h"
#include "app/frmLEGGIMITARATURA.h"
#include "app/frmLEGGIMIcalcolo.h"
#include "app/frmLEGGIMIcostruzione.h"
#include "app/frmLEGGIMImulti.h"
#include "app/frmLEGGIMIstandard.h"
#include "app/frmLEGGIMIverifica.h"
#include "app/frmMENU.h"
#include "app/frmSplash.h"
#include "calculator/Calculator.h"
#include "coils/frmCALCOLOBOBINA.h"
#include "coils/frmCOSTRUZIONEBOBINA.h"
#include "dipoles/frmDIPOLOMULTIBANDA.h"
#include "dipoles/frmDIPOLOSTANDARD.h"
#include "dipoles/frmTARATURA.h"
#include "frame/Registry.h"

namespace zeliro {

void registerWindows(Registry& registry) {
    registry.add<frmSplash>("frmSplash");
    registry.add<frmMENU>("frmMENU");
    registry.add<frmINFO>("frmINFO");
    registry.add<frmLEGGIMIstandard>("frmLEGGIMIstandard");
    registry.add<frmLEGGIMITARATURA>("frmLEGGIMITARATURA");
    registry.add<frmLEGGIMIcalcolo>("frmLEGGIMIcalcolo");
    registry.add<frmLEGGIMIcostruzione>("frmLEGGIMIcostruzione");
    registry.add<frmLEGGIMImulti>("frmLEGGIMImulti");
    registry.add<frmLEGGIMIverifica>("frmLEGGIMIverifica");
    registry.add<frmFOTOcostr>("frmFOTOcostr");
    registry.add<frmFOTOmulti>("frmFOTOmulti");
    registry.add<frmDIPOLOSTANDARD>("frmDIPOLOSTANDARD");
    registry.add<frmDIPOLOMULTIBANDA>("frmDIPOLOMULTIBANDA");
    registry.add<frmTARATURA>("frmTARATURA");
    registry.add<Calculator>("Calculator");
    registry.add<frmCALCOLOBOBINA>("frmCALCOLOBOBINA");
    registry.add<frmCOSTRUZIONEBOBINA>("frmCOSTRUZIONEBOBINA");
}

}  // namespace zeliro
