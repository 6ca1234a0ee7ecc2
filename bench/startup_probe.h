#pragma once
// What the start-up probes share: the moment the first window is painted,
// taken on the wall clock that the runner also reads before it starts the
// process, and the peak resident memory of the process.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <time.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

namespace zeliro::bench {

inline long long nowNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Peak resident set size of this process in kB (VmHWM).
inline long peakResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// Calls `painted` once, right after the first paint of a top-level window.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(std::function<void()> painted) : m_painted(std::move(painted)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_done && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_done = true;
            // Report when this paint is over and on screen.
            QMetaObject::invokeMethod(this, m_painted, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_painted;
    bool m_done = false;
};

// The runner passes its clock reading (ns) just before starting the process.
inline long long startedAt(int argc, char** argv) {
    return argc > 1 ? std::stoll(argv[1]) : nowNanoseconds();
}

}  // namespace zeliro::bench
