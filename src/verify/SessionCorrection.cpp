// The session's correction by simulation: the solver (core/nec/correction.h)
// asks for a few engine runs a step; they run at once, their resonances go
// back to it, and once it is done the corrected design is swept in full.

#include "core/nec/correction.h"
#include "core/nec/correctiontexts.h"
#include "verify/VerificationSession.h"

namespace zeliro {

bool VerificationSession::correct(const Typed& typed) {
    if (m_state == State::running) {
        m_engine.cancel();
        handle(Event::cancel);
    }
    const OptionsReading reading = readOptions(typed);
    if (!reading.options) {
        handle(Event::failedRun);
        emit fault(reading.error, reading.field);
        return false;
    }
    // The design's own sweep with these options, if it is on display, starts
    // the search and stays beside the corrected one.
    nec::CorrectionInput input{m_design, *reading.options, {}};
    const bool designShown = m_results && !m_corrected && resultsMatch(typed);
    m_designResults = designShown ? m_results : std::nullopt;
    if (designShown)
        for (const nec::BandResult& band : m_results->bandResults)
            input.resonanceMhz.push_back(band.resonant ? band.resonanceMhz : 0);
    m_correction = nec::startCorrection(input, m_language);
    m_pendingReference = reading.referenceOhm;
    handle(Event::simulate);
    correctionStep();
    return true;
}

// Runs the step's probes at once; each engine run is one probe.
void VerificationSession::correctionStep() {
    if (m_correction->status == nec::CorrectionStatus::done) return correctionEnded({});
    if (m_correction->status == nec::CorrectionStatus::failed)
        return correctionEnded(
            fromStd(nec::correctionFailureText(m_correction->reason, m_correction->modelError, m_language)));
    std::vector<std::string> decks;
    for (const nec::Probe& probe : m_correction->probes) {
        const nec::DeckOutcome deck = nec::probeDeck(probe, m_correction->state.options, m_language);
        if (!deck.error.empty()) return correctionEnded(fromStd(deck.error));
        decks.push_back(deck.deck);
    }
    emit progress(m_correction->state.step, nec::maxCorrectionSteps + 1);
    emit correctionStepped(m_correction->state.step + 1, nec::maxCorrectionSteps);
    m_engine.start(decks, [this](const NecEngine::Outcome& outcome) {
        if (!outcome.error.isEmpty()) return correctionEnded(outcome.error);
        std::vector<std::vector<nec::ResonanceEstimate>> estimates;
        for (std::size_t probe = 0; probe < outcome.decks.size() && probe < m_correction->probes.size();
             ++probe)
            estimates.push_back(
                nec::estimateResonances(outcome.decks[probe], m_correction->probes[probe].bands));
        m_correction = nec::continueCorrection(m_correction->state, estimates, m_language);
        correctionStep();
    });
}

// Done: the corrected design's full sweep. Failed: the reason and the best
// design found, and the results there were stay.
void VerificationSession::correctionEnded(const QString& failure) {
    const nec::CorrectionOutcome outcome = std::move(*m_correction);
    m_correction.reset();
    if (!failure.isEmpty()) {
        const nec::CorrectionLabels best = nec::correctionLabels(m_design, outcome.best, m_language);
        handle(Event::failedRun);
        emit fault(
            failure + "\n" + fromStd(best.corretto1 + (best.corretto2.empty() ? "" : "; ") + best.corretto2),
            Field::none);
        return;
    }
    const nec::ModelOptions& options = outcome.state.options;
    nec::ModelOutcome built = nec::buildModel(outcome.best, options, m_language);
    if (!built.error.empty()) {
        handle(Event::failedRun);
        emit fault(fromStd(built.error), Field::none);
        return;
    }
    m_corrected = outcome.best;
    emit progress(nec::maxCorrectionSteps, nec::maxCorrectionSteps + 1);
    runSweep(built.model, {outcome.best, options, m_pendingReference, built.model.bands, {}, {}});
}

nec::CorrectionLabels VerificationSession::correctionLabels() const {
    return m_corrected ? nec::correctionLabels(m_design, *m_corrected, m_language) : nec::CorrectionLabels{};
}

}  // namespace zeliro
