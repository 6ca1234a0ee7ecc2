#pragma once
// What the window benchmarks share: medians, the event loop's longest stall,
// and nec2c run by itself on a deck.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

namespace bench {

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline QWidget* verificationWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "frmVERIFICA" && window->isVisible()) return window;
    return nullptr;
}

// The longest the event loop went without running a 1-ms timer, from its start.
class StallWatch {
public:
    StallWatch() {
        m_ticks.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_ticks, &QTimer::timeout, [this] {
            longest = std::max(longest, m_sinceTick.nsecsElapsed() / 1e6);
            m_sinceTick.restart();
        });
        m_sinceTick.start();
        m_ticks.start(1);
    }
    double longest = 0;

private:
    QTimer m_ticks;
    QElapsedTimer m_sinceTick;
};

// Milliseconds nec2c takes on the deck by itself, from its start to its end.
inline double runAlone(const std::string& deck) {
    QTemporaryDir folder;
    QFile file(folder.filePath("deck.nec"));
    if (!file.open(QIODevice::WriteOnly)) return 0;
    file.write(deck.data(), static_cast<qint64>(deck.size()));
    file.close();
    QElapsedTimer clock;
    clock.start();
    QProcess engine;
    engine.setWorkingDirectory(folder.path());
    engine.start("nec2c", {"-i", "deck.nec", "-o", "out.txt"});
    engine.waitForFinished(-1);
    return clock.nsecsElapsed() / 1e6;
}

inline void waitWhileRunning(QWidget* window) {
    while (window->property("running").toBool()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace bench
