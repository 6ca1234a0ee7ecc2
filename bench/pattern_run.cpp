// The pattern page against nec2c alone: the 7,05 MHz half-wave dipole at
// 20 m over average ground, copper, as a user gets there (calculate,
// "Verifica", SIMULA). Each round the SWR page is shown, a new SIMULA run
// (not timed) gives fresh results, and the time from the click on the
// DIAGRAMMA tab to both plots drawn is compared with nec2c alone on the
// window's pattern deck, and on the smallest deck that holds the same two
// plots (the elevation cut and the azimuth cut at 30 degrees). Then "ALTEZZA
// IDEALE?" to its table, against the sum of its eight runs one after another.
// Median of RUNS rounds (argument 1, 5 by default); each stall is the worst
// of the rounds, with the share of it that the window's thread spent off the CPU.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

#include <cstdio>
#include <cstdlib>

#include "app/start.h"
#include "benchsupport.h"
#include "core/nec/pattern.h"

using namespace bench;
namespace nec = zeliro::nec;

namespace {

// Milliseconds from the click on the tab to the page's figures and plots drawn.
std::pair<double, Stall> showPattern(QWidget* window) {
    auto* pages = window->findChild<QTabWidget*>("pagine");
    auto* page = window->findChild<QWidget*>("diagramma");
    QElapsedTimer clock;
    clock.start();
    StallWatch stalls;
    pages->tabBar()->setCurrentIndex(pages->indexOf(page));
    QApplication::processEvents();
    waitWhileRunning(window);
    page->repaint();
    return {clock.nsecsElapsed() / 1e6, stallOf(stalls)};
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    zeliro::start();
    QWidget* window = openVerification("frmDIPOLOSTANDARD",
                                       {{"Option2", nullptr}, {"Text1", "7,05"}, {"Command2", nullptr}});
    if (!window) {
        std::fprintf(stderr, "no verification window\n");
        return 1;
    }
    window->findChild<QLineEdit*>("altezza")->setText("20");
    window->findChild<QLineEdit*>("punti")->setText("5");
    auto* pages = window->findChild<QTabWidget*>("pagine");

    // The decks the window runs, made as it makes them.
    const nec::HalfWaveDesign design{20.21, 7.05};
    nec::ModelOptions options = nec::defaultOptions(design);
    options.ground = nec::Ground::average;
    options.heightM = 20;
    options.pointsPerBand = 5;
    const nec::Model model = nec::buildModel(design, options).model;
    const std::string deck = nec::patternDeck(model, nec::viewRequest(options.ground, 7.05));
    const std::string smallest = nec::patternDeck(model, nec::patternRequest(options.ground, 7.05, {30}));
    const nec::HeightStudy study = nec::heightStudy(design, options);

    std::vector<double> patternMs, aloneMs, smallestMs, studyMs, sumMs;
    std::vector<Stall> stalls, studyStalls;
    for (int i = 0; i < runs; ++i) {
        pages->setCurrentIndex(0);
        window->findChild<QAbstractButton*>("simula")->click();
        waitWhileRunning(window);
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 200) QApplication::processEvents(QEventLoop::AllEvents, 20);
        aloneMs.push_back(runAlone(deck));
        smallestMs.push_back(runAlone(smallest));
        const auto [shown, stall] = showPattern(window);
        patternMs.push_back(shown);
        stalls.push_back(stall);

        double sum = 0;
        for (const nec::HeightRun& run : study.runs) sum += runAlone(run.deck);
        sumMs.push_back(sum);
        QElapsedTimer clock;
        clock.start();
        StallWatch watch;
        window->findChild<QAbstractButton*>("studioAltezza")->click();
        waitWhileRunning(window);
        window->findChild<QWidget*>("altezze")->repaint();
        studyMs.push_back(clock.nsecsElapsed() / 1e6);
        studyStalls.push_back(stallOf(watch));
    }
    const double p = median(patternMs), a = median(aloneMs), s = median(smallestMs);
    std::printf("pattern page, half-wave dipole at 20 m over average ground, median of %d runs:\n", runs);
    std::printf("  nec2c alone on the window's deck:   %.0f ms\n", a);
    std::printf("  nec2c alone on the smallest deck:   %.0f ms\n", s);
    std::printf("  DIAGRAMMA to the plots drawn:       %.0f ms, ratio %.2f (%.2f to the smallest deck)\n", p,
                p / a, p / s);
    std::printf("  longest event-loop stall:           %s (worst of %d)\n", worstStall(stalls).c_str(), runs);
    const double h = median(studyMs), sum = median(sumMs);
    std::printf("  height study, 8 runs one after another with nec2c alone: %.0f ms\n", sum);
    std::printf("  ALTEZZA IDEALE? to the table drawn: %.0f ms, ratio %.2f\n", h, h / sum);
    std::printf("  longest event-loop stall during the study: %s (worst of %d)\n",
                worstStall(studyStalls).c_str(), runs);
    const QString message = window->findChild<QWidget*>("messaggio")->property("text").toString();
    if (!message.isEmpty()) std::printf("  message: %s\n", qPrintable(message));
    return 0;
}
