#include "app/frmINFO.h"

namespace zeliro {

frmINFO::frmINFO(Registry&) : TextWindow(informationTexts(), ScrollBar::none) {}

}  // namespace zeliro
