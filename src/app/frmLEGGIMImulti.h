#pragma once

#include "app/TextWindow.h"

namespace zeliro {

class Registry;

// The read-me of the two-band trap dipole window; its text is longer than
// the box, which scrolls.
class frmLEGGIMImulti : public TextWindow {
    Q_OBJECT
public:
    explicit frmLEGGIMImulti(Registry& registry);
};

}  // namespace zeliro
