#pragma once

#include "app/PhotoWindow.h"

namespace zeliro {

class Registry;

// A photograph of a trap wound with coaxial cable, from the two-band trap
// dipole window's "Foto".
class frmFOTOmulti : public PhotoWindow {
    Q_OBJECT
public:
    explicit frmFOTOmulti(Registry& registry);
};

}  // namespace zeliro
