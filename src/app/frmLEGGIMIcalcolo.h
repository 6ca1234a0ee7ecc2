#pragma once

#include "app/TextWindow.h"

namespace zeliro {

class Registry;

// The read-me of the loading-coil window.
class frmLEGGIMIcalcolo : public TextWindow {
    Q_OBJECT
public:
    explicit frmLEGGIMIcalcolo(Registry& registry);
};

}  // namespace zeliro
