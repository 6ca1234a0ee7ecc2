// Saves a picture of every window of the program, as it looks when opened:
//   zeliro_screenshots OUTPUT_FOLDER [WINDOW...]
// With no window named, every window the program knows is shown in turn.
#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

#include "app/start.h"
#include "frame/Registry.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: zeliro_screenshots OUTPUT_FOLDER [WINDOW...]\n");
        return 2;
    }
    const QDir folder(arguments.first());
    folder.mkpath(".");
    QStringList names = arguments.mid(1);
    zeliro::start();
    zeliro::Registry& registry = zeliro::Registry::current();
    if (names.isEmpty()) names = registry.names();

    int saved = 0;
    for (const QString& name : names) {
        QWidget* window = registry.show(name);
        if (!window) continue;
        QEventLoop settle;
        QTimer::singleShot(300, &settle, &QEventLoop::quit);
        settle.exec();
        const QString file = folder.filePath(name + ".png");
        if (window->grab().save(file)) ++saved;
        std::printf("%s\n", qPrintable(file));
    }
    registry.closeAll();
    return saved > 0 ? 0 : 1;
}
