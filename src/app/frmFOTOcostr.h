#pragma once

#include "app/PhotoWindow.h"

namespace zeliro {

class Registry;

// A photograph of a coil wound with enamelled wire, from the coil
// construction window's "Foto".
class frmFOTOcostr : public PhotoWindow {
    Q_OBJECT
public:
    explicit frmFOTOcostr(Registry& registry);
};

}  // namespace zeliro
