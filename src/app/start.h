#pragma once

class QWidget;

namespace zeliro {

// Starts the program: makes the window registry of this run, shows the splash
// window and returns it. Needs a QApplication. A second call starts afresh,
// closing whatever the previous run left open.
QWidget* start();

}  // namespace zeliro
