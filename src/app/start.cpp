#include "app/start.h"

#include <QApplication>

#include "app/WindowList.h"
#include "app/version.h"
#include "frame/Look.h"
#include "frame/Registry.h"

namespace zeliro {

QWidget* start() {
    installFontSubstitutes();
    QApplication::setApplicationName(applicationTitle);
    delete QApplication::instance()->findChild<Registry*>("registry", Qt::FindDirectChildrenOnly);
    auto* registry = new Registry(QApplication::instance());
    registerWindows(*registry);
    return registry->show("frmSplash");
}

}  // namespace zeliro
