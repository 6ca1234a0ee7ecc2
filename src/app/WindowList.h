#pragma once

namespace zeliro {

class Registry;

// Makes every window of the program known to the registry by its name.
void registerWindows(Registry& registry);

}  // namespace zeliro
