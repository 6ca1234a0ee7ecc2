#pragma once

#include "app/TextWindow.h"

namespace zeliro {

class Registry;

// The read-me of the dipole trimming window.
class frmLEGGIMITARATURA : public TextWindow {
    Q_OBJECT
public:
    explicit frmLEGGIMITARATURA(Registry& registry);
};

}  // namespace zeliro
