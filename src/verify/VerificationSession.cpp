#include "verify/VerificationSession.h"

#include <algorithm>
#include <iterator>

#include "core/nec/ondisplay.h"
#include "core/nec/texts.h"
#include "core/nec/verificationreport.h"
#include "verify/CorrectionJob.h"
#include "verify/PatternJobs.h"

namespace zeliro {
namespace {

using State = VerificationSession::State;
using Event = VerificationSession::Event;

struct Transition {
    State from;
    Event event;
    State to;
};

constexpr State anyStart[] = {State::idle, State::done, State::failed, State::cancelling};

// Every move of a check; an event that is not here changes nothing.
constexpr Transition otherMoves[] = {
    {State::running, Event::simulate, State::running},     {State::running, Event::correct, State::running},
    {State::running, Event::succeeded, State::done},       {State::running, Event::failedRun, State::failed},
    {State::idle, Event::failedRun, State::failed},        {State::done, Event::failedRun, State::failed},
    {State::running, Event::cancel, State::cancelling},    {State::cancelling, Event::reaped, State::idle},
    {State::running, Event::newDesign, State::cancelling}, {State::done, Event::newDesign, State::idle},
    {State::failed, Event::newDesign, State::idle},
};

bool startsRun(Event event) {
    return event == Event::simulate || event == Event::correct || event == Event::radiate ||
           event == Event::studyHeights;
}

std::vector<nec::Band> bandsOf(const nec::Design& design) {
    return nec::buildModel(design, nec::defaultOptions(design)).model.bands;
}

// The deck with a comment card on the cable between the radio and the
// antenna, after the deck's other comments: the model ends at the feed point.
std::string withCableComment(const std::string& deck, const nec::Feedline& line, Language language) {
    const std::string cable = nec::cableText(line, language);
    const std::size_t end = deck.find("\nCE");
    if (cable.empty() || end == std::string::npos) return deck;
    return deck.substr(0, end + 1) + "CM " + cable + deck.substr(end);
}

// The option a model's refusal is about, so that the window can bring it up.
VerificationSession::Field fieldOf(const std::string& error, Language language) {
    using F = VerificationSession::Field;
    using T = nec::Text;
    const std::pair<T, F> faults[] = {
        {T::badDiameter, F::wireDiameter},    {T::badHeight, F::height}, {T::badAngle, F::apexAngle},
        {T::badQuality, F::qualityFactor},    {T::badPoints, F::points}, {T::badSpan, F::span},
        {T::badInsulation, F::insulation},    {T::badCentre, F::centre}, {T::badSoil, F::soilConductivity},
        {T::badPermittivity, F::permittivity}};
    for (const auto& [text, field] : faults)
        if (error == nec::text(text, language)) return field;
    return F::none;
}

nec::Shape shapeOf(const nec::Design& design) {
    return std::visit([](const auto& d) { return d.shape; }, design);
}

}  // namespace

State VerificationSession::next(State state, Event event) {
    if (startsRun(event) && std::find(std::begin(anyStart), std::end(anyStart), state) != std::end(anyStart))
        return State::running;
    const auto* found = std::find_if(std::begin(otherMoves), std::end(otherMoves), [&](const Transition& t) {
        return t.from == state && t.event == event;
    });
    return found == std::end(otherMoves) ? state : found->to;
}

VerificationSession::VerificationSession(Language language, QObject* parent)
    : QObject(parent), m_language(language), m_engine(this) {
    m_engine.setLanguage(language);
    connect(&m_engine, &NecEngine::reaped, this, [this] { handle(Event::reaped); });
}

VerificationSession::~VerificationSession() = default;

void VerificationSession::handle(Event event) {
    const State to = next(m_state, event);
    if (to == m_state) return;
    m_state = to;
    emit stateChanged(to);
}

void VerificationSession::setDesign(const nec::Design& design) {
    endJob();
    m_design = design;
    m_bands = bandsOf(design);
    // Figures of another design never stay on display.
    m_shown = Shown{};
    handle(Event::newDesign);
    if (m_state == State::cancelling && m_engine.reaping() == 0) handle(Event::reaped);
}

bool VerificationSession::apexAngleApplies() const { return shapeOf(m_design) == nec::Shape::invertedV; }

bool VerificationSession::qualityFactorApplies() const {
    return !std::holds_alternative<nec::HalfWaveDesign>(m_design);
}

void VerificationSession::begin(std::unique_ptr<SessionJob> job, Event event) {
    if (m_state == State::running) {
        endJob();
        handle(Event::cancel);
    }
    m_job = std::move(job);
    SessionJob* started = m_job.get();
    connect(started, &SessionJob::progress, this, &VerificationSession::progress);
    connect(started, &SessionJob::finished, this, [this, started] { jobFinished(started); });
    connect(started, &SessionJob::failed, this,
            [this, started](const QString& message) { jobFailed(started, message); });
    if (auto* correction = qobject_cast<CorrectionJob*>(started))
        connect(correction, &CorrectionJob::stepped, this, &VerificationSession::correctionStepped);
    handle(event);
    started->start();
}

// The job is let go from the event loop: it may be the one reporting.
void VerificationSession::endJob() {
    if (!m_job) return;
    m_job->cancel();
    m_job->disconnect(this);
    m_job.release()->deleteLater();
}

void VerificationSession::jobFinished(SessionJob* job) {
    if (job != m_job.get()) return;
    const SessionJob::Commits what = job->commit(m_shown);
    // A correction's sweeps were made for the cable of its start.
    if (what == SessionJob::Commits::results && m_shown.corrected) {
        if (m_shown.results) m_shown.results->feedline = m_runFeedline;
        if (m_shown.designResults) m_shown.designResults->feedline = m_runFeedline;
    }
    endJob();
    handle(Event::succeeded);
    switch (what) {
        case SessionJob::Commits::results:
            emit resultsReady();
            break;
        case SessionJob::Commits::pattern:
            emit patternReady();
            break;
        case SessionJob::Commits::heights:
            emit heightsReady();
            break;
    }
}

void VerificationSession::jobFailed(SessionJob* job, const QString& message) {
    if (job != m_job.get()) return;
    endJob();
    handle(Event::failedRun);
    emit fault(message, Field::none);
}

bool VerificationSession::refuse(const QString& message, Field field) {
    handle(Event::failedRun);
    emit fault(message, field);
    return false;
}

bool VerificationSession::simulate(const Typed& typed) {
    const OptionsReading reading = readOptions(typed);
    if (!reading.options) return refuse(reading.error, reading.field);
    const nec::ModelOutcome built = nec::buildModel(m_design, *reading.options, m_language);
    if (!built.error.empty()) return refuse(fromStd(built.error), fieldOf(built.error, m_language));
    m_bands = built.model.bands;
    begin(std::make_unique<SweepJob>(
              m_engine, m_language, built.model,
              Results{m_design, *reading.options, reading.referenceOhm, reading.feedline, m_bands, {}, {}}),
          Event::simulate);
    return true;
}

bool VerificationSession::correct(const Typed& typed) {
    const OptionsReading reading = readOptions(typed);
    if (!reading.options) return refuse(reading.error, reading.field);
    // The design's own sweep with these options, if there is one, starts the
    // search and stays beside the corrected one (also when it is already
    // beside an earlier correction).
    const auto sameOptions = [&](const Results& results) {
        return results.options == *reading.options && results.referenceOhm == reading.referenceOhm &&
               results.feedline == reading.feedline;
    };
    std::optional<Results> designResults;
    if (m_shown.corrected) {
        if (m_shown.designResults && sameOptions(*m_shown.designResults))
            designResults = m_shown.designResults;
    } else if (m_shown.results && sameOptions(*m_shown.results)) {
        designResults = m_shown.results;
    }
    m_runFeedline = reading.feedline;
    begin(std::make_unique<CorrectionJob>(m_engine, m_language, m_design, *reading.options,
                                          reading.referenceOhm, std::move(designResults)),
          Event::correct);
    return true;
}

bool VerificationSession::radiate() {
    if (!m_shown.results || m_state == State::running) return false;
    begin(std::make_unique<PatternJob>(m_engine, m_language, *m_shown.results), Event::radiate);
    return true;
}

bool VerificationSession::studyHeights() {
    if (!m_shown.results || m_state == State::running) return false;
    auto job = std::make_unique<HeightJob>(m_engine, m_language, *m_shown.results);
    if (!job->refusal().empty()) return refuse(fromStd(job->refusal()));
    begin(std::move(job), Event::studyHeights);
    return true;
}

void VerificationSession::cancel() {
    if (m_state != State::running) return;
    endJob();
    handle(Event::cancel);
    if (m_engine.reaping() == 0) handle(Event::reaped);
}

std::optional<std::string> VerificationSession::deck(const Typed& typed, QString& error) const {
    const OptionsReading reading = readOptions(typed);
    if (!reading.options) {
        error = reading.error;
        return std::nullopt;
    }
    // A corrected design is saved as corrected, its cards say from what; it
    // was corrected for its options only.
    if (m_shown.corrected && !(m_shown.results && m_shown.results->options == *reading.options &&
                               m_shown.results->feedline == reading.feedline)) {
        error = tr("Le opzioni sono cambiate: i risultati non valgono più, premere SIMULA.");
        return std::nullopt;
    }
    const nec::DeckOutcome built =
        m_shown.corrected ? nec::correctedDeck(m_design, *m_shown.corrected, *reading.options, m_language)
                          : nec::buildDeck(m_design, *reading.options, m_language);
    if (!built.error.empty()) {
        error = fromStd(built.error);
        return std::nullopt;
    }
    return withCableComment(built.deck, reading.feedline, m_language);
}

// With a correction on display, both sweeps under one header: the design's,
// then the corrected one's.
std::string VerificationSession::csv() const {
    if (!m_shown.results) return {};
    const Results& results = *m_shown.results;
    nec::CsvInput input{results.rows, results.bands, results.options, results.referenceOhm, m_language, {}};
    if (m_shown.corrected && m_shown.designResults)
        input.correction = nec::CsvInput::Correction{
            m_design, *m_shown.corrected, {m_shown.designResults->rows, m_shown.designResults->bands}};
    std::string out = nec::csvText(input);
    const std::string cable = nec::cableText(results.feedline, m_language);
    if (cable.empty()) return out;
    // The cable's line goes with the other comments, above the header.
    std::size_t header = 0;
    while (out.compare(header, 1, "#") == 0) header = out.find('\n', header) + 1;
    return out.insert(header, "# " + cable + "\n");
}

std::vector<std::string> VerificationSession::report(const std::string& opener) const {
    nec::VerificationReport r;
    r.language = m_language;
    r.opener = opener;
    r.design = m_design;
    if (!m_shown.results) return nec::reportLines(r);
    const Results& results = *m_shown.results;
    r.corrected = m_shown.corrected;
    r.options = results.options;
    r.referenceOhm = results.referenceOhm;
    for (std::size_t band = 0; band < results.bandResults.size(); ++band) {
        r.designMhz.push_back(band < results.bands.size() ? results.bands[band].designMhz : 0);
        r.bands.push_back(*bandTexts(band));
        r.measured.push_back(measuredText(band));
    }
    if (m_shown.pattern) {
        r.patternMhz = m_shown.pattern->frequenciesMhz;
        for (const nec::PatternView& view : m_shown.pattern->views)
            r.pattern.push_back(nec::patternTexts(view.figures, m_language));
    }
    if (m_shown.heights) r.heights = nec::heightTable(m_shown.heights->rows, m_language);
    return nec::reportLines(r);
}

std::string VerificationSession::patternCsv() const {
    return m_shown.pattern ? nec::csvText(m_shown.pattern->frequenciesMhz, m_shown.pattern->views)
                           : std::string();
}

nec::CorrectionLabels VerificationSession::correctionLabels() const {
    return m_shown.corrected ? nec::correctionLabels(m_design, *m_shown.corrected, m_language)
                             : nec::CorrectionLabels{};
}

QString VerificationSession::correctionSummary() const {
    if (!m_shown.corrected || !m_shown.results) return {};
    std::vector<double> deviations;
    for (const nec::BandResult& band : m_shown.results->bandResults) deviations.push_back(band.deviationKhz);
    return fromStd(nec::correctionDoneText(m_shown.correctionSteps, deviations, m_language));
}

std::optional<nec::BandTexts> VerificationSession::bandTexts(std::size_t band) const {
    if (!m_shown.results || band >= m_shown.results->bandResults.size()) return std::nullopt;
    return nec::bandTexts(m_shown.results->bandResults[band], m_shown.results->design, m_language);
}

}  // namespace zeliro
