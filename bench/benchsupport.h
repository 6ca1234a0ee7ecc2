#pragma once
// What the window benchmarks share: medians, the event loop's longest stall,
// nec2c run by itself on a deck, and a verification window opened on a
// calculation window's worked example.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "frame/Registry.h"

namespace bench {

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The verification window opened from that calculation window.
inline QWidget* verificationWindow(const QString& opener) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "frmVERIFICA" && window->isVisible() &&
            window->property("opener").toString() == opener)
            return window;
    return nullptr;
}

// The CPU time this thread has used, in milliseconds.
inline double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The longest the event loop went without running a 1-ms timer, from its
// start, and how much of it the thread spent working: on a machine whose
// cores are busy with other work, the rest is time the thread waited for one.
class StallWatch {
public:
    StallWatch() {
        m_ticks.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_ticks, &QTimer::timeout, [this] {
            const double gap = m_sinceTick.nsecsElapsed() / 1e6;
            const double cpu = threadCpuMs();
            if (gap > longest) {
                longest = gap;
                busy = cpu - m_cpuAtTick;
            }
            m_sinceTick.restart();
            m_cpuAtTick = cpu;
        });
        m_sinceTick.start();
        m_cpuAtTick = threadCpuMs();
        m_ticks.start(1);
    }
    double longest = 0;
    double busy = 0;

private:
    QTimer m_ticks;
    QElapsedTimer m_sinceTick;
    double m_cpuAtTick = 0;
};

// A stall: its wall time and the thread's CPU time in it.
struct Stall {
    double ms = 0, busyMs = 0;
};

inline Stall stallOf(const StallWatch& watch) { return {watch.longest, watch.busy}; }

// The worst of the stalls, and the share of it the thread spent off the CPU
// (waiting for a core, or blocked in the kernel), as "41.0 ms, 92 % off CPU".
inline std::string worstStall(const std::vector<Stall>& stalls) {
    Stall worst;
    for (const Stall& stall : stalls)
        if (stall.ms > worst.ms) worst = stall;
    const double off = worst.ms > 0 ? 100.0 * std::max(0.0, worst.ms - worst.busyMs) / worst.ms : 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.1f ms, %.0f %% off CPU", worst.ms, off);
    return text;
}

// What QProcess::start (the fork and exec) cost the thread that called it,
// run after run: the engine pays it on its own thread, not on the windows'.
inline std::vector<double>& startCostsMs() {
    static std::vector<double> costs;
    return costs;
}

// Milliseconds nec2c takes on the deck by itself, from its start to its end.
inline double runAlone(const std::string& deck) {
    QTemporaryDir folder;
    QFile file(folder.filePath("deck.nec"));
    file.open(QIODevice::WriteOnly);
    file.write(deck.data(), static_cast<qint64>(deck.size()));
    file.close();
    QElapsedTimer clock;
    clock.start();
    QProcess engine;
    engine.setWorkingDirectory(folder.path());
    engine.start("nec2c", {"-i", "deck.nec", "-o", "out.txt"});
    startCostsMs().push_back(clock.nsecsElapsed() / 1e6);
    engine.waitForFinished(-1);
    return clock.nsecsElapsed() / 1e6;
}

// The calculation window's worked example calculated, and its verification
// window opened over average ground.
inline QWidget* openVerification(const QString& opener,
                                 const std::vector<std::pair<const char*, const char*>>& steps) {
    QWidget* calculation = zeliro::Registry::current().show(opener);
    for (const auto& [name, text] : steps) {
        if (text)
            calculation->findChild<QLineEdit*>(name)->setText(text);
        else
            calculation->findChild<QAbstractButton*>(name)->click();
    }
    QMetaObject::invokeMethod(calculation, "verifica_Click");
    QWidget* window = verificationWindow(opener);
    if (window) window->findChild<QComboBox*>("suolo")->setCurrentIndex(1);
    return window;
}

inline void waitWhileRunning(QWidget* window) {
    while (window->property("running").toBool()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace bench
