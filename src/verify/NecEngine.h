#pragma once
// Runs nec2c as a separate program, off the event loop: each deck in a
// private temporary folder of its own (deck.nec in, out.txt out), all decks
// at once (the engine is single-threaded, so two bands use two cores), each
// killed when it runs past the time limit. When the last one ends, the
// outputs are read and the finished callback gets the rows of every deck
// together, or one message naming what went wrong and no rows.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/language.h"
#include "core/nec/output.h"

namespace zeliro {

class NecEngine : public QObject {
    Q_OBJECT
public:
    struct Outcome {
        std::vector<nec::Row> rows;
        QString error;  // empty when the rows are good
    };

    explicit NecEngine(QObject* parent = nullptr);
    ~NecEngine() override;

    // The engine on PATH, or an empty name.
    static QString program();

    void setTimeLimitMs(int ms) { m_limitMs = ms; }
    // The language of the messages about an output that does not read.
    void setLanguage(Language language) { m_language = language; }
    int timeLimitMs() const { return m_limitMs; }

    // Starts a run of the decks, ending any run still going (whose callback
    // never comes). finished is called once, from the event loop.
    void start(const std::vector<std::string>& decks, std::function<void(const Outcome&)> finished);
    // Ends the run at once; its callback never comes.
    void cancel();
    bool running() const { return !m_jobs.empty(); }

private:
    struct Job;
    void jobEnded();
    void finish(const Outcome& outcome);

    int m_limitMs = 60000;
    Language m_language = Language::italian;
    std::vector<std::shared_ptr<Job>> m_jobs;
    std::function<void(const Outcome&)> m_finished;
};

}  // namespace zeliro
