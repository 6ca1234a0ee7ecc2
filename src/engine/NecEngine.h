#pragma once
// Runs nec2c as a separate program, off the event loop: each deck in a
// private temporary folder of its own (deck.nec in, out.txt out; see
// engine/EngineFolders.h), as many processes at once as there are cores (the
// engine is single-threaded), the next deck started as one ends, each process
// killed when it runs past the time limit (counted from its start). When every
// deck has ended, `finished` gets the rows of every deck in order; at the
// first failure it gets that one message at once, and the run's other
// processes are killed.
//
// The processes, their folders and their reports are handled on a worker
// thread of the program's (engine/NecWorker.h): this object only posts runs
// and hears their ends, and calls `finished` from its own thread's event
// loop, never from inside start(). Cancelling returns at once; the killed
// processes are reaped and their folders removed on the worker thread
// (`reaped` tells when the last run has gone). A run's process dies with the
// program, even when the program itself is killed (the kernel sends it
// SIGKILL then); when the application quits, the runs still going are ended
// and their folders removed.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/language.h"
#include "core/nec/output.h"

namespace zeliro {

class NecWorker;

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
    bool running() const { return m_current != 0; }
    // Ended runs whose processes have not all been reaped yet.
    int reaping() const { return static_cast<int>(m_unreaped.size()) - (running() ? 1 : 0); }

signals:
    // Frequencies written so far, of all the decks' frequencies.
    void progress(int done, int total);
    // The last process of the runs ended has been reaped.
    void reaped();

private:
    NecWorker* host();
    void ended(quint64 run, const Outcome& outcome);
    void gone(quint64 run);

    int m_limitMs = 60000;
    Language m_language = Language::italian;
    QPointer<NecWorker> m_host;    // connected to
    quint64 m_current = 0;         // the run going, or 0
    std::set<quint64> m_unreaped;  // runs started whose processes have not all been reaped
    std::function<void(const Outcome&)> m_finished;
};

}  // namespace zeliro

Q_DECLARE_METATYPE(zeliro::NecEngine::Outcome)
