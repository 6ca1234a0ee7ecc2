#pragma once
// The system's font configuration (fontconfig) read on another core while Qt
// starts. Reading it (some fifty XML files and the font caches) is the
// longest single step before the splash can draw its first letter, and none
// of Qt's own start needs it.

namespace zeliro {

// Starts the reading, once, before the QApplication is made. With a single
// usable core, or a thread that cannot be made, it does nothing, and Qt reads
// the configuration itself when it first needs a font.
void loadFontConfigurationAside();

// Waits until the reading started above is over (at once if none was started).
// Call it before the first use of Qt's font database.
void waitForFontConfiguration();

}  // namespace zeliro
