#include "verify/PatternJobs.h"

namespace zeliro {

PatternJob::PatternJob(NecEngine& engine, Language language, const SweepResults& results)
    : SessionJob(engine, language), m_pending{results.design, results.options, {}, {}} {
    connect(&engine, &NecEngine::progress, this, &SessionJob::progress);
}

void PatternJob::start() {
    const nec::ModelOutcome built = nec::buildModel(m_pending.design, m_pending.options, m_language);
    if (!built.error.empty()) return fail(fromStd(built.error));
    std::vector<std::string> decks;
    for (const nec::Band& band : built.model.bands) {
        m_pending.frequenciesMhz.push_back(band.designMhz);
        decks.push_back(
            nec::patternDeck(built.model, nec::viewRequest(m_pending.options.ground, band.designMhz)));
    }
    run(decks, [this](const NecEngine::Outcome& outcome) { read(outcome); });
}

void PatternJob::read(const NecEngine::Outcome& outcome) {
    if (!outcome.error.isEmpty()) return fail(outcome.error);
    for (std::size_t band = 0; band < outcome.reports.size(); ++band) {
        const nec::PatternRequest request =
            nec::viewRequest(m_pending.options.ground, m_pending.frequenciesMhz.at(band));
        nec::ViewOutcome view =
            nec::patternView(nec::readNecPattern(outcome.reports[band], request, m_language),
                             m_pending.options.ground, m_language);
        if (!view.view) return fail(fromStd(view.error));
        m_pending.views.push_back(std::move(*view.view));
    }
    succeed();
}

SessionJob::Commits PatternJob::commit(Shown& shown) {
    shown.pattern = std::move(m_pending);
    return Commits::pattern;
}

HeightJob::HeightJob(NecEngine& engine, Language language, const SweepResults& results)
    : SessionJob(engine, language),
      m_study(nec::heightStudy(results.design, results.options, 0, language)),
      m_pending{results.design, results.options, {}} {
    connect(&engine, &NecEngine::progress, this, &SessionJob::progress);
}

void HeightJob::start() {
    if (!m_study.error.empty()) return fail(fromStd(m_study.error));
    // Heights without a model (an end in the ground) keep their reason and run nothing.
    std::vector<std::string> decks;
    for (const nec::HeightRun& run : m_study.runs)
        if (!run.deck.empty()) decks.push_back(run.deck);
    if (decks.empty()) return read({});  // no height gives a model: every row says why
    run(decks, [this](const NecEngine::Outcome& outcome) { read(outcome); });
}

void HeightJob::read(const NecEngine::Outcome& outcome) {
    if (!outcome.error.isEmpty()) return fail(outcome.error);
    std::vector<std::string> reports;
    std::size_t next = 0;
    for (const nec::HeightRun& run : m_study.runs)
        reports.push_back(run.deck.empty() || next >= outcome.reports.size() ? std::string()
                                                                             : outcome.reports[next++]);
    m_pending.rows = nec::heightResults(m_study, reports, m_pending.options.ground, m_language);
    succeed();
}

SessionJob::Commits HeightJob::commit(Shown& shown) {
    shown.heights = std::move(m_pending);
    return Commits::heights;
}

}  // namespace zeliro
