// CPU time the program uses while a 5-second warning label is shown: the
// program is started as a user starts it, the half-wave dipole window is
// opened, and a 5-second warning runs on it while nothing else happens.
// Prints the processor time used (user + system) against the wall time.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

#include "app/start.h"
#include "frame/CalculationWindow.h"
#include "frame/Registry.h"

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zeliro::start();
    zeliro::Registry& registry = zeliro::Registry::current();
    QWidget* dipole = registry.show("frmDIPOLOSTANDARD");
    auto& warnings = *dipole->findChild<zeliro::Warnings*>();

    // Let start-up settle before measuring.
    QTimer::singleShot(500, [&] {
        const double cpuBefore = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        warnings.run(
            {dipole->findChild<QLabel*>("Label8"), 5, {dipole->findChild<QLabel*>("Label7")}, {}, true});
        auto* poll = new QTimer(&app);
        QObject::connect(poll, &QTimer::timeout, [&, cpuBefore, wall, poll] {
            if (warnings.pending() > 0) return;
            poll->stop();
            const double cpu = cpuSeconds() - cpuBefore;
            const double seconds = static_cast<double>(wall.elapsed()) / 1000.0;
            std::printf("warning shown for %.3f s, cpu %.1f ms, %.3f %% of the wait\n", seconds, cpu * 1000.0,
                        100.0 * cpu / seconds);
            registry.closeAll();
            QApplication::quit();
        });
        poll->start(1000);
    });
    return app.exec();
}
