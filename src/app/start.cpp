#include "app/start.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/WindowList.h"
#include "core/version.h"
#include "frame/Look.h"
#include "frame/Registry.h"

// The photographs live in the static library's resources; the program has
// to pull them in by name, or the linker leaves them out.
static void initResources() { Q_INIT_RESOURCE(photos); }

namespace zeliro {
namespace {

// Qt's own texts (message box and dialog buttons, the fields' context menu) in
// the language given ("it"), from Qt's translations folder; a language Qt has
// no texts for leaves them in English. Replaces what an earlier start loaded.
void useQtTexts(const QString& language) {
    const QString name = "qttexts";
    delete QApplication::instance()->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
    auto* texts = new QTranslator(QApplication::instance());
    texts->setObjectName(name);
    if (texts->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(texts);
    } else {
        delete texts;
    }
}

}  // namespace

QWidget* start() {
    initResources();
    useQtTexts("it");
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
