#include "app/frmINFO.h"

#include "core/texts.h"
#include "frame/Registry.h"

namespace zeliro {

frmINFO::frmINFO(Registry& registry) : TextWindow(informationTexts(registry.language()), ScrollBar::none) {}

}  // namespace zeliro
