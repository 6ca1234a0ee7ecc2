#pragma once

#include "app/TextWindow.h"

namespace zeliro {

class Registry;

// The read-me of the coil construction window.
class frmLEGGIMIcostruzione : public TextWindow {
    Q_OBJECT
public:
    explicit frmLEGGIMIcostruzione(Registry& registry);
};

}  // namespace zeliro
