#include "verify/CorrectionJob.h"

#include "core/nec/correctiontexts.h"

namespace zeliro {

CorrectionJob::CorrectionJob(NecEngine& engine, Language language, const nec::Design& design,
                             const nec::ModelOptions& options, double referenceOhm,
                             std::optional<SweepResults> designResults)
    : SessionJob(engine, language),
      m_design(design),
      m_referenceOhm(referenceOhm),
      m_designResults(std::move(designResults)) {
    nec::CorrectionInput input{design, options, {}};
    if (m_designResults)
        for (const nec::BandResult& band : m_designResults->bandResults)
            input.resonanceMhz.push_back(band.resonant ? band.resonanceMhz : 0);
    m_solver = nec::startCorrection(input, language);
}

void CorrectionJob::start() { step(); }

// Runs the step's probes at once; each engine run is one probe.
void CorrectionJob::step() {
    if (m_solver.status == nec::CorrectionStatus::done) return sweepCorrected();
    if (m_solver.status == nec::CorrectionStatus::failed)
        return failWithBest(
            fromStd(nec::correctionFailureText(m_solver.reason, m_solver.modelError, m_language)));
    std::vector<std::string> decks;
    for (const nec::Probe& probe : m_solver.probes) {
        const nec::DeckOutcome deck = nec::probeDeck(probe, m_solver.state.options, m_language);
        if (!deck.error.empty()) return failWithBest(fromStd(deck.error));
        decks.push_back(deck.deck);
    }
    emit progress(m_solver.state.step, nec::maxCorrectionSteps + 1);
    emit stepped(m_solver.state.step + 1, nec::maxCorrectionSteps);
    run(decks, [this](const NecEngine::Outcome& outcome) { stepRan(outcome); });
}

void CorrectionJob::stepRan(const NecEngine::Outcome& outcome) {
    if (!outcome.error.isEmpty()) return failWithBest(outcome.error);
    std::vector<std::vector<nec::ResonanceEstimate>> estimates;
    for (std::size_t probe = 0; probe < outcome.decks.size() && probe < m_solver.probes.size(); ++probe)
        estimates.push_back(nec::estimateResonances(outcome.decks[probe], m_solver.probes[probe].bands));
    m_solver = nec::continueCorrection(m_solver.state, estimates, m_language);
    step();
}

// Solved: the corrected design's full sweep, whose ending is the job's.
void CorrectionJob::sweepCorrected() {
    const nec::ModelOptions& options = m_solver.state.options;
    const nec::ModelOutcome built = nec::buildModel(m_solver.best, options, m_language);
    if (!built.error.empty()) return fail(fromStd(built.error));
    emit progress(nec::maxCorrectionSteps, nec::maxCorrectionSteps + 1);
    m_sweep = std::make_unique<SweepJob>(
        m_engine, m_language, built.model,
        SweepResults{m_solver.best, options, m_referenceOhm, {}, built.model.bands, {}, {}});
    // Its progress is not forwarded: the correction counts its steps.
    connect(m_sweep.get(), &SessionJob::finished, this, [this] { succeed(); });
    connect(m_sweep.get(), &SessionJob::failed, this, [this](const QString& message) { fail(message); });
    m_sweep->start();
}

void CorrectionJob::failWithBest(const QString& failure) {
    const nec::CorrectionLabels best = nec::correctionLabels(m_design, m_solver.best, m_language);
    fail(failure + "\n" + fromStd(best.corretto1 + (best.corretto2.empty() ? "" : "; ") + best.corretto2));
}

SessionJob::Commits CorrectionJob::commit(Shown& shown) {
    shown = Shown{};
    shown.results = std::move(m_sweep->results());
    shown.corrected = m_solver.best;
    shown.designResults = std::move(m_designResults);
    shown.correctionSteps = m_solver.state.step;
    return Commits::results;
}

}  // namespace zeliro
