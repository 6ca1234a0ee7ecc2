// The verification window against nec2c alone: the program is started as a
// user starts it, the 7,05 MHz half-wave dipole is calculated, "Verifica"
// opens its window, and "SIMULA" runs over average ground (101 points). The
// time from the click to the plot drawn is compared with nec2c run by itself
// on the same deck, and a 1-ms timer measures the longest the event loop
// stalled during the run. Then "CORREGGI" after it, to the corrected plot
// drawn, and "ANNULLA" one second into a 1000-point run, with the longest
// stall from the click on. Median of RUNS rounds (argument 1, 5 by default).
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
#include <cstdlib>
#include <vector>

#include "app/start.h"
#include "frame/FileDialogs.h"
#include "frame/Registry.h"

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QWidget* verificationWindow() {
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

// One run through the window: milliseconds to the plot drawn, and the
// longest stall of the event loop meanwhile.
std::pair<double, double> runWindow(QWidget* window, const char* button = "simula") {
    QElapsedTimer clock;
    clock.start();
    StallWatch stalls;
    window->findChild<QAbstractButton*>(button)->click();
    while (window->property("running").toBool()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window->findChild<QWidget*>("grafico")->repaint();
    return {clock.nsecsElapsed() / 1e6, stalls.longest};
}

// ANNULLA one second into a run of 1000 points: the longest stall of the
// event loop from the click until the run's processes are gone.
double cancelStall(QWidget* window) {
    auto* points = window->findChild<QLineEdit*>("punti");
    points->setText("1000");
    window->findChild<QAbstractButton*>("simula")->click();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1000) QApplication::processEvents(QEventLoop::AllEvents, 10);
    StallWatch stalls;
    window->findChild<QAbstractButton*>("annulla")->click();
    clock.restart();
    while (clock.elapsed() < 500) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    points->setText("101");
    return stalls.longest;
}

double runAlone(const std::string& deck) {
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
    engine.waitForFinished(-1);
    return clock.nsecsElapsed() / 1e6;
}

// "Salva .nec" writes the window's deck here, for nec2c alone to run.
class DeckFile : public zeliro::FileDialogs {
public:
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return name; }
    QString name;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    zeliro::start();
    QTemporaryDir folder;
    DeckFile deckFile;
    deckFile.name = folder.filePath("window.nec");
    zeliro::Registry::current().setFileDialogs(&deckFile);
    QWidget* dipole = zeliro::Registry::current().show("frmDIPOLOSTANDARD");
    dipole->findChild<QAbstractButton*>("Option2")->click();
    dipole->findChild<QLineEdit*>("Text1")->setText("7,05");
    dipole->findChild<QAbstractButton*>("Command2")->click();
    QMetaObject::invokeMethod(dipole, "verifica_Click");
    QWidget* window = verificationWindow();
    if (!window) {
        std::fprintf(stderr, "no verification window\n");
        return 1;
    }
    window->findChild<QComboBox*>("suolo")->setCurrentIndex(1);

    // The very deck the window runs.
    window->findChild<QAbstractButton*>("salvaNec")->click();
    QFile saved(deckFile.name);
    saved.open(QIODevice::ReadOnly);
    const std::string deck = saved.readAll().toStdString();

    // The window's own first paint is not part of a run.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500) QApplication::processEvents(QEventLoop::AllEvents, 50);

    std::vector<double> windowMs, aloneMs, stallMs, correctMs, correctStallMs, cancelMs;
    for (int i = 0; i < runs; ++i) {
        aloneMs.push_back(runAlone(deck));
        const auto [total, stall] = runWindow(window);
        windowMs.push_back(total);
        stallMs.push_back(stall);
        const auto [correct, correctStall] = runWindow(window, "correggi");
        correctMs.push_back(correct);
        correctStallMs.push_back(correctStall);
        cancelMs.push_back(cancelStall(window));
    }
    const double w = median(windowMs), a = median(aloneMs);
    std::printf("verification, half-wave dipole over average ground, 101 points, median of %d runs:\n", runs);
    std::printf("  nec2c alone:              %.0f ms\n", a);
    std::printf("  SIMULA to the plot drawn: %.0f ms, ratio %.2f\n", w, w / a);
    std::printf("  longest event-loop stall: %.1f ms (median; worst %.1f ms; first run %.1f ms)\n",
                median(stallMs), *std::max_element(stallMs.begin(), stallMs.end()), stallMs.front());
    const double c = median(correctMs);
    std::printf("  CORREGGI to the corrected plot drawn: %.0f ms, ratio %.2f (longest stall %.1f ms)\n", c,
                c / a, *std::max_element(correctStallMs.begin(), correctStallMs.end()));
    std::printf("  ANNULLA during a 1000-point run: longest stall %.1f ms (worst of %d)\n",
                *std::max_element(cancelMs.begin(), cancelMs.end()), runs);
    const QString message = window->findChild<QWidget*>("messaggio")->property("text").toString();
    if (!message.isEmpty()) std::printf("  message: %s\n", qPrintable(message));
    return 0;
}
