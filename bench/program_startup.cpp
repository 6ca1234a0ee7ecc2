// The program as a user starts it (zeliro::prepareStart() and zeliro::start(),
// as main.cpp does), with a probe: the time from the start of the process to
// the painted splash and the peak resident memory then. With "all" as second
// argument it then opens every window of the program, all of them open
// together, and reports the peak memory again; with "visit", it opens each
// window in turn and closes it before the next, as a user who looks at every
// window once.
#include <QTimer>

#include <cstring>

#include "app/start.h"
#include "frame/Registry.h"
#include "startup_probe.h"

int main(int argc, char** argv) {
    const long long started = zeliro::bench::startedAt(argc, argv);
    const bool openAll = argc > 2 && std::strcmp(argv[2], "all") == 0;
    const bool visit = argc > 2 && std::strcmp(argv[2], "visit") == 0;
    zeliro::prepareStart();
    QApplication app(argc, argv);
    zeliro::bench::FirstPaint probe([&] {
        const double ms = static_cast<double>(zeliro::bench::nowNanoseconds() - started) / 1e6;
        std::printf("first_paint_ms %.2f\npeak_kb %ld\n", ms, zeliro::bench::peakResidentKb());
        if (!openAll && !visit) {
            QApplication::quit();
            return;
        }
        zeliro::Registry& registry = zeliro::Registry::current();
        for (const QString& name : registry.names()) {
            if (name == "frmSplash") continue;
            QWidget* window = registry.show(name);
            if (!visit || !window) continue;
            QApplication::processEvents();  // laid out and painted
            window->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QTimer::singleShot(500, [visit] {
            std::printf("%s_peak_kb %ld\n", visit ? "visited" : "all_windows",
                        zeliro::bench::peakResidentKb());
            QApplication::quit();
        });
    });
    app.installEventFilter(&probe);
    zeliro::start();
    return app.exec();
}
