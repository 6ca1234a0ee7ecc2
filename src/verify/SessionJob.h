#pragma once
// The engine runs of a check, each one job: a sweep (SIMULA), a correction
// (its steps and then the corrected design's sweep), a pattern, a height
// study. A job keeps what it computes to itself until it ends, and ends once:
// `finished` (its results ready to commit) or `failed` (a message). A job
// cancelled says nothing more. What is shown changes only when the session
// commits a finished job, so that ANNULLA or a failure leaves the screen as
// it was.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/language.h"
#include "core/nec/analysis.h"
#include "core/nec/coax.h"
#include "core/nec/model.h"
#include "core/nec/pattern.h"
#include "verify/NecEngine.h"

namespace zeliro {

// A text of the core (UTF-8) as the verification shows it.
inline QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// A finished sweep with everything it was computed from.
struct SweepResults {
    nec::Design design;
    nec::ModelOptions options;
    double referenceOhm = nec::defaultReferenceOhm;
    nec::Feedline feedline;  // between the radio and the antenna; length 0 for none
    std::vector<nec::Band> bands;
    std::vector<nec::Row> rows;
    std::vector<nec::BandResult> bandResults;
};

// How a design radiates at each band's design frequency.
struct PatternResults {
    nec::Design design;
    nec::ModelOptions options;
    std::vector<double> frequenciesMhz;  // a band each
    std::vector<nec::PatternView> views;
};

// The peak gain and take-off angle at heights from low to high.
struct HeightResults {
    nec::Design design;
    nec::ModelOptions options;
    std::vector<nec::HeightResult> rows;
};

// What the window shows: changed only by a finished job, as a whole.
struct Shown {
    std::optional<SweepResults> results;        // the corrected design's, after a correction
    std::optional<nec::Design> corrected;       // the corrected design, after a correction
    std::optional<SweepResults> designResults;  // the design's own, beside the corrected ones
    int correctionSteps = 0;                    // the steps the correction took
    std::optional<PatternResults> pattern;
    std::optional<HeightResults> heights;
};

class SessionJob : public QObject {
    Q_OBJECT
public:
    // What a committed job changed.
    enum class Commits { results, pattern, heights };

    SessionJob(NecEngine& engine, Language language) : m_engine(engine), m_language(language) {}

    // Starts the job; it reports from the event loop, never from here.
    virtual void start() = 0;
    // Ends the job at once; it reports nothing more.
    void cancel();
    // Writes the results of a finished job into what is shown.
    virtual Commits commit(Shown& shown) = 0;

signals:
    void finished();
    void failed(const QString& message);
    void progress(int done, int total);

protected:
    // Runs the decks; `then` gets the outcome of a run that was not cancelled.
    void run(const std::vector<std::string>& decks, std::function<void(const NecEngine::Outcome&)> then);
    // The job's one ending: these report it, from the event loop.
    void succeed();
    void fail(const QString& message);
    bool ended() const { return m_ended; }

    NecEngine& m_engine;
    Language m_language;

private:
    bool m_ended = false;
};

// One sweep of a model's bands; its results, once finished.
class SweepJob : public SessionJob {
    Q_OBJECT
public:
    SweepJob(NecEngine& engine, Language language, const nec::Model& model, SweepResults pending);
    void start() override;
    Commits commit(Shown& shown) override;
    SweepResults& results() { return m_pending; }

private:
    void analyse(const NecEngine::Outcome& outcome);

    std::vector<nec::Band> m_bands;
    std::vector<std::vector<nec::Band>> m_pieces;  // each band cut into one piece a core
    SweepResults m_pending;
};

}  // namespace zeliro
