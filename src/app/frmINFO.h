#pragma once

#include "app/TextWindow.h"

namespace zeliro {

class Registry;

// The general information window, opened by the main menu's "INFO".
class frmINFO : public TextWindow {
    Q_OBJECT
public:
    explicit frmINFO(Registry& registry);
};

}  // namespace zeliro
