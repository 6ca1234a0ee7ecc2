// How the design on display radiates: its pattern at each band's design
// frequency, and the study of the height to hang it at. Both take the
// results' design and options, so what they show belongs to the results; a
// run of either is one engine run a frequency (or a height), one process a
// core, like the sweeps.

#include "core/nec/pattern.h"
#include "verify/VerificationSession.h"

namespace zeliro {

bool VerificationSession::endedWell(const QString& error) {
    if (error.isEmpty()) {
        handle(Event::succeeded);
        return true;
    }
    handle(Event::failedRun);
    emit fault(error, Field::none);
    return false;
}

bool VerificationSession::radiate() {
    if (!m_results || m_state == State::running) return false;
    const Results& results = *m_results;
    const nec::ModelOutcome built = nec::buildModel(results.design, results.options, m_language);
    handle(Event::simulate);
    if (!built.error.empty()) return endedWell(fromStd(built.error));
    std::vector<std::string> decks;
    std::vector<double> frequencies;
    for (const nec::Band& band : built.model.bands) {
        frequencies.push_back(band.designMhz);
        decks.push_back(
            nec::patternDeck(built.model, nec::viewRequest(results.options.ground, band.designMhz)));
    }
    Pattern pending{results.design, results.options, frequencies, {}};
    m_engine.start(decks, [this, pending = std::move(pending)](const NecEngine::Outcome& outcome) mutable {
        QString error = outcome.error;
        for (std::size_t band = 0; error.isEmpty() && band < outcome.reports.size(); ++band) {
            const nec::PatternRequest request =
                nec::viewRequest(pending.options.ground, pending.frequenciesMhz[band]);
            const nec::ViewOutcome view =
                nec::patternView(nec::readNecPattern(outcome.reports[band], request, m_language),
                                 pending.options.ground, m_language);
            if (view.view)
                pending.views.push_back(std::move(*view.view));
            else
                error = fromStd(view.error);
        }
        if (!endedWell(error)) return;
        m_pattern = std::move(pending);
        emit patternReady();
    });
    return true;
}

std::string VerificationSession::patternCsv() const {
    return m_pattern ? nec::csvText(m_pattern->frequenciesMhz, m_pattern->views) : std::string();
}

bool VerificationSession::studyHeights() {
    if (!m_results || m_state == State::running) return false;
    const Results& results = *m_results;
    const nec::HeightStudy study = nec::heightStudy(results.design, results.options, 0, m_language);
    handle(Event::simulate);
    if (!study.error.empty()) return endedWell(fromStd(study.error));
    // Heights without a model (an end in the ground) keep their reason and run nothing.
    std::vector<std::string> decks;
    for (const nec::HeightRun& run : study.runs)
        if (!run.deck.empty()) decks.push_back(run.deck);
    Heights pending{results.design, results.options, {}};
    auto ended = [this, study, pending = std::move(pending)](const NecEngine::Outcome& outcome) mutable {
        if (!endedWell(outcome.error)) return;
        std::vector<std::string> reports;
        std::size_t next = 0;
        for (const nec::HeightRun& run : study.runs)
            reports.push_back(run.deck.empty() || next >= outcome.reports.size() ? std::string()
                                                                                 : outcome.reports[next++]);
        pending.rows = nec::heightResults(study, reports, pending.options.ground, m_language);
        m_heights = std::move(pending);
        emit heightsReady();
    };
    if (decks.empty())
        ended({});  // no height gives a model: every row says why
    else
        m_engine.start(decks, std::move(ended));
    return true;
}

}  // namespace zeliro
