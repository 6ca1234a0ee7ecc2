// The yardstick: a bare Qt Widgets program, one window with one label.
// Prints the time from the start of the process to the first painted window
// and the peak resident memory then.
#include <QLabel>

#include "startup_probe.h"

int main(int argc, char** argv) {
    const long long started = zeliro::bench::startedAt(argc, argv);
    QApplication app(argc, argv);
    zeliro::bench::FirstPaint probe([&] {
        const double ms = static_cast<double>(zeliro::bench::nowNanoseconds() - started) / 1e6;
        std::printf("first_paint_ms %.2f\npeak_kb %ld\n", ms, zeliro::bench::peakResidentKb());
        QApplication::quit();
    });
    app.installEventFilter(&probe);
    QLabel label("ZELIRO");
    label.show();
    return app.exec();
}
