// Printing a data report through CUPS, with the event loop watched by a 1-ms
// timer: to a working queue (the click to the job written by the server) and
// to a hung server (SIGSTOP: the click to the message that nothing was
// printed, which the time limit brings). A private CUPS server of the tests
// takes the jobs. Median of RUNS rounds (argument 1, 3 by default).
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "app/start.h"
#include "cupsfixture.h"
#include "frame/Registry.h"
#include "frame/SystemPrinter.h"

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Round {
    double ms = 0;     // from the click until done() held
    double stall = 0;  // the longest the event loop went without a tick
    bool done = false;
};

// Prints the data report of the window and runs the event loop until done()
// holds (or 30 s pass).
Round print(QWidget* window, const std::function<bool()>& done) {
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    QElapsedTimer sinceTick;
    Round round;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        round.stall = std::max(round.stall, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    QElapsedTimer clock;
    clock.start();
    sinceTick.start();
    ticks.start(1);
    window->findChild<QAction*>("stampasolodati")->trigger();
    while (!(round.done = done()) && clock.elapsed() < 30000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    round.ms = clock.nsecsElapsed() / 1e6;
    return round;
}

void report(const char* what, const std::vector<Round>& rounds) {
    std::vector<double> ms, stall;
    for (const Round& r : rounds) {
        if (!r.done) {
            std::printf("  %s: did not finish within 30 s\n", what);
            return;
        }
        ms.push_back(r.ms);
        stall.push_back(r.stall);
    }
    std::printf("  %s: %.0f ms; longest event-loop stall %.1f ms (median; worst %.1f ms)\n", what, median(ms),
                median(stall), *std::max_element(stall.begin(), stall.end()));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    zeliro::test::CupsFixture cups;
    QString reason;
    if (!cups.start(&reason)) {
        std::fprintf(stderr, "no private CUPS server: %s\n", qPrintable(reason));
        return 1;
    }
    zeliro::start();
    QWidget* dipole = zeliro::Registry::current().show("frmDIPOLOSTANDARD");
    dipole->findChild<QAbstractButton*>("Option2")->click();
    dipole->findChild<QLineEdit*>("Text1")->setText("7,05");
    dipole->findChild<QAbstractButton*>("Command2")->click();

    std::vector<Round> working, hung;
    for (int i = 0; i < runs; ++i) {
        working.push_back(print(dipole, [&] { return cups.jobWaiting(); }));
        cups.takeJobText();
        cups.pause();
        hung.push_back(print(dipole, [] { return zeliro::test::printMessage() != nullptr; }));
        if (QMessageBox* box = zeliro::test::printMessage()) box->close();
        cups.resume();
    }
    std::printf("printing the half-wave dipole's data report, median of %d rounds (time limit %d ms):\n",
                runs, zeliro::SystemPrinter::timeLimit());
    report("to the queue, click to the job written", working);
    report("to a hung server, click to the message", hung);
    cups.stop();
    return 0;
}
