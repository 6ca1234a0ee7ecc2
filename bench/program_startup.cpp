// The program as a user starts it (zeliro::start(), as main.cpp does), with a
// probe: the time from the start of the process to the painted splash and the
// peak resident memory then; with "all" as second argument it then opens
// every window of the program once and reports the peak memory again.
#include <QTimer>

#include <cstring>

#include "app/start.h"
#include "frame/Registry.h"
#include "startup_probe.h"

int main(int argc, char** argv) {
    const long long started = zeliro::bench::startedAt(argc, argv);
    const bool openAll = argc > 2 && std::strcmp(argv[2], "all") == 0;
    QApplication app(argc, argv);
    zeliro::bench::FirstPaint probe([&] {
        const double ms = static_cast<double>(zeliro::bench::nowNanoseconds() - started) / 1e6;
        std::printf("first_paint_ms %.2f\npeak_kb %ld\n", ms, zeliro::bench::peakResidentKb());
        if (!openAll) {
            QApplication::quit();
            return;
        }
        zeliro::Registry& registry = zeliro::Registry::current();
        for (const QString& name : registry.names()) registry.show(name);
        QTimer::singleShot(500, [] {
            std::printf("all_windows_peak_kb %ld\n", zeliro::bench::peakResidentKb());
            QApplication::quit();
        });
    });
    app.installEventFilter(&probe);
    zeliro::start();
    return app.exec();
}
