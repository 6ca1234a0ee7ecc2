#pragma once

#include "app/TextWindow.h"

namespace zeliro {

class Registry;

// The read-me of the verification window, opened from its "LEGGIMI".
class frmLEGGIMIverifica : public TextWindow {
    Q_OBJECT
public:
    explicit frmLEGGIMIverifica(Registry& registry);
};

}  // namespace zeliro
