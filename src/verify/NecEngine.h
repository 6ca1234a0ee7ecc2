#pragma once
// Runs nec2c as a separate program, off the event loop: each deck in a
// private temporary folder of its own (deck.nec in, out.txt out; see
// frame/EngineFolders.h for its name), as many decks at once as there are
// cores (the engine is single-threaded), the next one started as one ends,
// each killed when it runs past the time limit (counted from its start).
// When the last one ends, the outputs are read and `finished`
// gets the rows of every deck in order, or one message naming what went wrong.
//
// The engine never waits for a process on the caller's thread. Cancelling
// kills the runs and returns at once; each killed process is reaped from its
// own `finished` signal, and its folder removed then (`reaped` tells when the
// last has gone). A run's process dies with the program, even when the
// program itself is killed (the kernel sends it SIGKILL then); when the
// application quits, the runs still going are ended and their folders removed.

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "core/language.h"
#include "core/nec/output.h"

namespace zeliro {

class NecRun;

class NecEngine : public QObject {
    Q_OBJECT
public:
    struct Outcome {
        std::vector<nec::Row> rows;                // of every deck, in order
        std::vector<std::vector<nec::Row>> decks;  // the same, deck by deck
        std::vector<std::string> reports;          // nec2c's report of each deck
        QString error;                             // empty when the rows are good
    };

    explicit NecEngine(QObject* parent = nullptr);
    ~NecEngine() override;

    // The engine on PATH, or an empty name.
    static QString program();

    void setTimeLimitMs(int ms) { m_limitMs = ms; }
    int timeLimitMs() const { return m_limitMs; }
    // The language of the engine's messages.
    void setLanguage(Language language) { m_language = language; }

    // Starts a run of the decks, cancelling any run still going (whose
    // callback never comes). `finished` is called once, from the event loop.
    void start(const std::vector<std::string>& decks, std::function<void(const Outcome&)> finished);
    // Ends the run at once; its callback never comes.
    void cancel();
    bool running() const { return !m_runs.empty(); }
    // Killed runs whose processes have not been reaped yet.
    int reaping() const { return m_reaping; }

signals:
    // Frequencies written so far, of all the decks' frequencies.
    void progress(int done, int total);
    // The last killed process of a cancelled run has been reaped.
    void reaped();

private:
    void launchNext();
    void launch(NecRun& run);
    void runEnded();
    void finish(const Outcome& outcome);
    void reapLater(NecRun* run);
    void reportProgress();

    int m_limitMs = 60000;
    Language m_language = Language::italian;
    QString m_program;  // of the run going
    bool m_launching = false;
    std::vector<NecRun*> m_runs;  // owned; of the run going
    int m_reaping = 0;
    int m_frequencies = 0;  // of every deck of the run going
    QTimer m_poll;          // looks at the reports' progress
    std::function<void(const Outcome&)> m_finished;
};

}  // namespace zeliro
