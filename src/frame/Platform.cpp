#include "frame/Platform.h"

#include <QApplication>

namespace zeliro {

void SystemBeep::beep() { QApplication::beep(); }

}  // namespace zeliro
