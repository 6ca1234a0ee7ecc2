#include "verify/SessionJob.h"

#include <QThread>

#include <algorithm>

#include "core/nec/correction.h"
#include "core/nec/pieces.h"

namespace zeliro {

void SessionJob::cancel() {
    if (m_ended) return;
    m_ended = true;
    m_engine.cancel();
}

void SessionJob::run(const std::vector<std::string>& decks,
                     std::function<void(const NecEngine::Outcome&)> then) {
    m_engine.start(decks, [this, then = std::move(then)](const NecEngine::Outcome& outcome) {
        if (!m_ended) then(outcome);
    });
}

void SessionJob::succeed() {
    if (m_ended) return;
    m_ended = true;
    QMetaObject::invokeMethod(this, &SessionJob::finished, Qt::QueuedConnection);
}

void SessionJob::fail(const QString& message) {
    if (m_ended) return;
    m_ended = true;
    QMetaObject::invokeMethod(
        this, [this, message] { emit failed(message); }, Qt::QueuedConnection);
}

SweepJob::SweepJob(NecEngine& engine, Language language, const nec::Model& model, SweepResults pending)
    : SessionJob(engine, language), m_bands(model.bands), m_pending(std::move(pending)) {
    connect(&engine, &NecEngine::progress, this, &SessionJob::progress);
}

// Each band's sweep cut into one piece per core, every piece a deck of its
// own (the engine is single-threaded), the pieces' rows joined back in order.
void SweepJob::start() {
    const int cores = std::max(1, QThread::idealThreadCount());
    std::vector<std::string> decks;
    for (const nec::Band& band : m_bands) {
        m_pieces.push_back(nec::splitBand(band, band.points >= 2 * cores ? cores : 1));
        for (const nec::Band& piece : m_pieces.back()) {
            const nec::DeckOutcome deck =
                nec::deckWithBands(m_pending.design, m_pending.options, {piece}, m_language);
            if (!deck.error.empty()) return fail(fromStd(deck.error));
            decks.push_back(deck.deck);
        }
    }
    run(decks, [this](const NecEngine::Outcome& outcome) { analyse(outcome); });
}

void SweepJob::analyse(const NecEngine::Outcome& outcome) {
    if (!outcome.error.isEmpty()) return fail(outcome.error);
    std::vector<nec::Row> rows;
    std::size_t deck = 0;
    for (const std::vector<nec::Band>& band : m_pieces) {
        const std::vector<std::vector<nec::Row>> pieces(outcome.decks.begin() + deck,
                                                        outcome.decks.begin() + deck + band.size());
        deck += band.size();
        const nec::JoinOutcome joined = nec::joinPieces(pieces, band, m_language);
        if (!joined.error.empty()) return fail(fromStd(joined.error));
        rows.insert(rows.end(), joined.rows.begin(), joined.rows.end());
    }
    nec::AnalysisOutcome analysis = nec::analyse(rows, m_pending.bands, m_pending.referenceOhm, m_language);
    if (!analysis.error.empty()) return fail(fromStd(analysis.error));
    m_pending.rows = std::move(analysis.rows);
    m_pending.bandResults = std::move(analysis.bands);
    succeed();
}

// New results: the pattern and the heights of the old ones go, and so does a
// correction (its design is not the one these results are of).
SessionJob::Commits SweepJob::commit(Shown& shown) {
    shown = Shown{};
    shown.results = std::move(m_pending);
    return Commits::results;
}

}  // namespace zeliro
