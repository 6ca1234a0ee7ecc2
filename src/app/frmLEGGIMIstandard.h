#pragma once

#include "app/TextWindow.h"

namespace zeliro {

class Registry;

// The read-me of the half-wave dipole window.
class frmLEGGIMIstandard : public TextWindow {
    Q_OBJECT
public:
    explicit frmLEGGIMIstandard(Registry& registry);
};

}  // namespace zeliro
