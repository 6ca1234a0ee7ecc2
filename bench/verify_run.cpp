// The verification window against nec2c alone: the program is started as a
// user starts it, the 7,05 MHz half-wave dipole is calculated, "Verifica"
// opens its window, and "SIMULA" runs over average ground (101 points). The
// time from the click to the plot drawn is compared with nec2c run by itself
// on the same deck, and a 1-ms timer measures the longest the event loop
// stalled during the run. Then "CORREGGI" after it, to the corrected plot
// drawn, and "ANNULLA" one second into a 1000-point run, with the longest
// stall from the click on. Then the two-band dipole's worked example the same
// way: "CORREGGI" over average ground (101 points a band) against nec2c alone
// on the window's deck for it. Median of RUNS rounds (argument 1, 5 by
// default); each stall is the worst of the rounds, with the share of it that
// the window's thread spent off the CPU (the wall time less the thread's CPU
// clock): waiting for a core or blocked in the kernel, not working.
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
#include <ctime>
#include <vector>

#include "app/start.h"
#include "benchsupport.h"
#include "frame/FileDialogs.h"
#include "frame/Registry.h"

using namespace bench;

namespace {

// One run through the window: milliseconds to the plot drawn, and the
// longest stall of the event loop meanwhile with the thread's work in it.
struct WindowRun {
    double totalMs = 0;
    Stall stall;
};

WindowRun runWindow(QWidget* window, const char* button = "simula") {
    QElapsedTimer clock;
    clock.start();
    StallWatch stalls;
    window->findChild<QAbstractButton*>(button)->click();
    while (window->property("running").toBool()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window->findChild<QWidget*>("grafico")->repaint();
    return {clock.nsecsElapsed() / 1e6, stallOf(stalls)};
}

// ANNULLA one second into a run of 1000 points: the longest stall of the
// event loop from the click until the run's processes are gone.
Stall cancelStall(QWidget* window) {
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
    return stallOf(stalls);
}

// "Salva .nec" writes the window's deck here, for nec2c alone to run.
class DeckFile : public zeliro::FileDialogs {
public:
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return name; }
    QString name;
};

// The very deck the window runs, through its "Salva .nec".
std::string savedDeck(QWidget* window, const DeckFile& deckFile) {
    window->findChild<QAbstractButton*>("salvaNec")->click();
    QFile saved(deckFile.name);
    saved.open(QIODevice::ReadOnly);
    return saved.readAll().toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    zeliro::start();
    QTemporaryDir folder;
    DeckFile deckFile;
    deckFile.name = folder.filePath("window.nec");
    zeliro::Registry::current().setFileDialogs(&deckFile);
    QWidget* window = openVerification("frmDIPOLOSTANDARD",
                                       {{"Option2", nullptr}, {"Text1", "7,05"}, {"Command2", nullptr}});
    QWidget* twoBand = openVerification("frmDIPOLOMULTIBANDA", {{"Option1", nullptr},
                                                                {"Option5", nullptr},
                                                                {"Text1", "35"},
                                                                {"Text2", "2,5"},
                                                                {"Text3", "6,4"},
                                                                {"Text4", "0,935"},
                                                                {"Text5", "7,055"},
                                                                {"Text6", "3,650"},
                                                                {"Command2", nullptr}});
    if (!window || !twoBand) {
        std::fprintf(stderr, "no verification window\n");
        return 1;
    }
    const std::string deck = savedDeck(window, deckFile);
    const std::string twoBandDeck = savedDeck(twoBand, deckFile);

    // The window's own first paint is not part of a run.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500) QApplication::processEvents(QEventLoop::AllEvents, 50);

    std::vector<double> windowMs, aloneMs, correctMs, twoBandAloneMs, twoBandCorrectMs;
    std::vector<Stall> stalls, correctStalls, cancelStalls, twoBandStalls;
    for (int i = 0; i < runs; ++i) {
        aloneMs.push_back(runAlone(deck));
        const WindowRun simulated = runWindow(window);
        windowMs.push_back(simulated.totalMs);
        stalls.push_back(simulated.stall);
        const WindowRun corrected = runWindow(window, "correggi");
        correctMs.push_back(corrected.totalMs);
        correctStalls.push_back(corrected.stall);
        cancelStalls.push_back(cancelStall(window));
        twoBandAloneMs.push_back(runAlone(twoBandDeck));
        runWindow(twoBand);  // a correction starts from the design's own sweep
        const WindowRun twoBandCorrected = runWindow(twoBand, "correggi");
        twoBandCorrectMs.push_back(twoBandCorrected.totalMs);
        twoBandStalls.push_back(twoBandCorrected.stall);
    }
    const double w = median(windowMs), a = median(aloneMs);
    std::printf("verification, half-wave dipole over average ground, 101 points, median of %d runs:\n", runs);
    std::printf("  nec2c alone:              %.0f ms\n", a);
    std::printf("  SIMULA to the plot drawn: %.0f ms, ratio %.2f\n", w, w / a);
    std::printf("  longest event-loop stall during SIMULA: %s (worst of %d)\n", worstStall(stalls).c_str(),
                runs);
    const double c = median(correctMs);
    std::printf("  CORREGGI to the corrected plot drawn: %.0f ms, ratio %.2f\n", c, c / a);
    std::printf("  longest event-loop stall during CORREGGI: %s (worst of %d)\n",
                worstStall(correctStalls).c_str(), runs);
    std::printf("  ANNULLA during a 1000-point run: longest stall %s (worst of %d)\n",
                worstStall(cancelStalls).c_str(), runs);
    const double ta = median(twoBandAloneMs), tc = median(twoBandCorrectMs);
    std::printf("two-band dipole's example over average ground, 101 points a band:\n");
    std::printf("  nec2c alone:              %.0f ms\n", ta);
    std::printf(
        "  CORREGGI to the corrected plot drawn: %.0f ms, ratio %.2f (longest stall %s, worst of %d)\n", tc,
        tc / ta, worstStall(twoBandStalls).c_str(), runs);
    std::printf("QProcess::start (fork and exec) on the calling thread: %.1f ms median, %.1f ms worst\n",
                median(startCostsMs()), *std::max_element(startCostsMs().begin(), startCostsMs().end()));
    for (QWidget* shown : {window, twoBand}) {
        const QString message = shown->findChild<QWidget*>("messaggio")->property("text").toString();
        if (!message.isEmpty()) std::printf("  message: %s\n", qPrintable(message));
        const QString corrected = shown->findChild<QWidget*>("corretto1")->property("text").toString();
        const QString second = shown->findChild<QWidget*>("corretto2")->property("text").toString();
        std::printf("  corrected: %s %s\n", qPrintable(corrected), qPrintable(second));
    }
    return 0;
}
