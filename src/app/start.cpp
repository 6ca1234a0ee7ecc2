#include "app/start.h"

#include <QApplication>

#include "app/WindowList.h"
#include "core/version.h"
#include "frame/Look.h"
#include "frame/Registry.h"

// The photographs live in the static library's resources; the program has
// to pull them in by name, or the linker leaves them out.
static void initResources() { Q_INIT_RESOURCE(photos); }

namespace zeliro {

QWidget* start() {
    initResources();
    installFontSubstitutes();
    installLookStyle();
    QApplication::setApplicationName(applicationTitle);
    QApplication::setDesktopFileName(desktopId);
    delete QApplication::instance()->findChild<Registry*>(QString(), Qt::FindDirectChildrenOnly);
    auto* registry = new Registry(QApplication::instance());
    registerWindows(*registry);
    return registry->show("frmSplash");
}

}  // namespace zeliro
