#include "verify/VerificationSession.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/nec/measured.h"
#include "core/nec/ondisplay.h"
#include "core/nec/pieces.h"
#include "core/numbers.h"

namespace zeliro {
namespace {

using State = VerificationSession::State;
using Event = VerificationSession::Event;

struct Transition {
    State from;
    Event event;
    State to;
};

// Every move of a check; an event that is not here changes nothing.
constexpr Transition transitions[] = {
    {State::idle, Event::simulate, State::running},    {State::done, Event::simulate, State::running},
    {State::failed, Event::simulate, State::running},  {State::cancelling, Event::simulate, State::running},
    {State::running, Event::simulate, State::running}, {State::running, Event::succeeded, State::done},
    {State::running, Event::failedRun, State::failed}, {State::idle, Event::failedRun, State::failed},
    {State::done, Event::failedRun, State::failed},    {State::running, Event::cancel, State::cancelling},
    {State::cancelling, Event::reaped, State::idle},   {State::running, Event::newDesign, State::cancelling},
    {State::done, Event::newDesign, State::idle},      {State::failed, Event::newDesign, State::idle},
};

std::vector<nec::Band> bandsOf(const nec::Design& design) {
    return nec::buildModel(design, nec::defaultOptions(design)).model.bands;
}

nec::Shape shapeOf(const nec::Design& design) {
    return std::visit([](const auto& d) { return d.shape; }, design);
}

}  // namespace

State VerificationSession::next(State state, Event event) {
    const auto* found =
        std::find_if(std::begin(transitions), std::end(transitions),
                     [&](const Transition& t) { return t.from == state && t.event == event; });
    return found == std::end(transitions) ? state : found->to;
}

VerificationSession::VerificationSession(Language language, QObject* parent)
    : QObject(parent), m_language(language), m_engine(this) {
    m_engine.setLanguage(language);
    connect(&m_engine, &NecEngine::progress, this, [this](int done, int total) {
        if (!m_correction) emit progress(done, total);  // a correction counts its steps
    });
    connect(&m_engine, &NecEngine::reaped, this, [this] { handle(Event::reaped); });
}

void VerificationSession::handle(Event event) {
    const State to = next(m_state, event);
    if (to == m_state) return;
    m_state = to;
    emit stateChanged(to);
}

void VerificationSession::setDesign(const nec::Design& design) {
    m_engine.cancel();
    m_design = design;
    m_bands = bandsOf(design);
    forgetResults();
    handle(Event::newDesign);
    if (m_state == State::cancelling && m_engine.reaping() == 0) handle(Event::reaped);
}

void VerificationSession::forgetResults() {
    m_results.reset();
    m_correction.reset();
    m_corrected.reset();
    m_designResults.reset();
    m_pattern.reset();
    m_heights.reset();
}

bool VerificationSession::apexAngleApplies() const { return shapeOf(m_design) == nec::Shape::invertedV; }

bool VerificationSession::qualityFactorApplies() const {
    return !std::holds_alternative<nec::HalfWaveDesign>(m_design);
}

VerificationSession::OptionsReading VerificationSession::readOptions(const Typed& typed) const {
    OptionsReading reading;
    nec::ModelOptions options = nec::defaultOptions(m_design);
    double points = 0;
    struct Input {
        const QString& text;
        double* into;
        Field field;
    };
    const Input inputs[] = {
        {typed.wireDiameterMm, &options.wireDiameterMm, Field::wireDiameter},
        {typed.heightM, &options.heightM, Field::height},
        {typed.apexAngleDeg, &options.apexAngleDeg, Field::apexAngle},
        {typed.referenceOhm, &reading.referenceOhm, Field::reference},
        {typed.pointsPerBand, &points, Field::points},
    };
    const auto refuse = [&reading](Field field, const QString& message) {
        reading.field = field;
        reading.error = message;
        return reading;
    };
    for (const Input& input : inputs) {
        // An option that does not apply keeps its default, whatever it holds.
        if (input.field == Field::height && !heightApplies(typed.ground)) continue;
        if (input.field == Field::apexAngle && !apexAngleApplies()) continue;
        const std::optional<double> value = parseDouble(input.text.toStdString(), m_language);
        if (!value || !std::isfinite(*value))
            return refuse(input.field, tr("Il valore di \"%1\" non è un numero.").arg(caption(input.field)));
        *input.into = *value;
    }
    if (qualityFactorApplies() && !typed.qualityFactor.trimmed().isEmpty()) {
        const std::optional<double> q = parseDouble(typed.qualityFactor.toStdString(), m_language);
        if (!q || !std::isfinite(*q))
            return refuse(Field::qualityFactor,
                          tr("Il valore di \"%1\" non è un numero.").arg(caption(Field::qualityFactor)));
        if (*q <= 0)
            return refuse(Field::qualityFactor,
                          tr("Il fattore Q deve essere maggiore di zero (vuoto vale %1).")
                              .arg(fromStd(formatDouble(options.qualityFactor, m_language))));
        options.qualityFactor = *q;
    }
    // The count is checked as typed, before it becomes a whole number.
    if (!(points >= 2 && points <= 1000) || points != std::floor(points))
        return refuse(Field::points, tr("I punti per banda devono essere un numero intero da 2 a 1000."));
    if (!(reading.referenceOhm > 0))
        return refuse(Field::reference, tr("L'impedenza di riferimento deve essere maggiore di zero."));
    options.pointsPerBand = static_cast<int>(points);
    options.ground = typed.ground;
    options.copperLoss = typed.copperLoss;
    reading.options = options;
    return reading;
}

QString VerificationSession::caption(Field field) {
    switch (field) {
        case Field::wireDiameter:
            return tr("DIAMETRO  FILO  mm").simplified();
        case Field::height:
            return tr("ALTEZZA  mt").simplified();
        case Field::apexAngle:
            return tr("ANGOLO  APICE  gradi").simplified();
        case Field::qualityFactor:
            return tr("FATTORE  Q").simplified();
        case Field::reference:
            return tr("IMPEDENZA  RIF.  ohm").simplified();
        case Field::points:
            return tr("PUNTI  PER  BANDA").simplified();
        case Field::none:
            break;
    }
    return {};
}

bool VerificationSession::simulate(const Typed& typed) {
    if (m_state == State::running) {
        m_engine.cancel();
        handle(Event::cancel);
    }
    forgetResults();
    const OptionsReading reading = readOptions(typed);
    nec::ModelOutcome built;
    if (reading.options) built = nec::buildModel(m_design, *reading.options, m_language);
    const QString error = reading.options ? fromStd(built.error) : reading.error;
    if (!error.isEmpty()) {
        handle(Event::failedRun);
        emit fault(error, reading.field);
        return false;
    }
    m_bands = built.model.bands;
    handle(Event::simulate);
    runSweep(built.model, {m_design, *reading.options, reading.referenceOhm, m_bands, {}, {}});
    return true;
}

// Each band's sweep cut into one piece per core, every piece a deck of its
// own run at once (the engine is single-threaded), the pieces' rows joined
// back in order.
void VerificationSession::runSweep(const nec::Model& model, Results pending) {
    const int cores = std::max(1, QThread::idealThreadCount());
    std::vector<std::vector<nec::Band>> pieces;
    std::vector<std::string> decks;
    for (const nec::Band& band : model.bands) {
        pieces.push_back(nec::splitBand(band, band.points >= 2 * cores ? cores : 1));
        for (const nec::Band& piece : pieces.back()) {
            const nec::DeckOutcome deck =
                nec::deckWithBands(pending.design, pending.options, {piece}, m_language);
            if (!deck.error.empty()) {
                handle(Event::failedRun);
                emit fault(fromStd(deck.error), Field::none);
                return;
            }
            decks.push_back(deck.deck);
        }
    }
    m_engine.start(decks, [this, pieces, pending = std::move(pending)](NecEngine::Outcome outcome) mutable {
        if (outcome.error.isEmpty()) {
            outcome.rows.clear();
            std::size_t deck = 0;
            for (const std::vector<nec::Band>& band : pieces) {
                const std::vector<std::vector<nec::Row>> rows(outcome.decks.begin() + deck,
                                                              outcome.decks.begin() + deck + band.size());
                deck += band.size();
                const nec::JoinOutcome joined = nec::joinPieces(rows, band, m_language);
                if (!joined.error.empty()) {
                    outcome.error = fromStd(joined.error);
                    break;
                }
                outcome.rows.insert(outcome.rows.end(), joined.rows.begin(), joined.rows.end());
            }
        }
        runEnded(outcome, std::move(pending));
    });
}

void VerificationSession::runEnded(const NecEngine::Outcome& outcome, Results pending) {
    QString error = outcome.error;
    nec::AnalysisOutcome analysis;
    if (error.isEmpty()) {
        analysis = nec::analyse(outcome.rows, pending.bands, pending.referenceOhm, m_language);
        error = fromStd(analysis.error);
    }
    if (!error.isEmpty()) {
        m_corrected.reset();
        handle(Event::failedRun);
        emit fault(error, Field::none);
        return;
    }
    pending.rows = std::move(analysis.rows);
    pending.bandResults = std::move(analysis.bands);
    m_results = std::move(pending);
    m_pattern.reset();
    m_heights.reset();
    handle(Event::succeeded);
    emit resultsReady();
}

void VerificationSession::cancel() {
    if (m_state != State::running) return;
    m_correction.reset();
    m_engine.cancel();
    handle(Event::cancel);
    if (m_engine.reaping() == 0) handle(Event::reaped);
}

std::optional<std::string> VerificationSession::deck(const Typed& typed, QString& error) const {
    const OptionsReading reading = readOptions(typed);
    if (!reading.options) {
        error = reading.error;
        return std::nullopt;
    }
    // A corrected design is saved as corrected, its cards say from what.
    const nec::DeckOutcome built =
        m_corrected ? nec::correctedDeck(m_design, *m_corrected, *reading.options, m_language)
                    : nec::buildDeck(m_design, *reading.options, m_language);
    if (!built.error.empty()) {
        error = fromStd(built.error);
        return std::nullopt;
    }
    return built.deck;
}

std::string VerificationSession::csvOf(const Results& results) const {
    return nec::csvText({results.rows, results.bands, results.options, results.referenceOhm, m_language});
}

// With a correction on display, both sweeps: the design's, then the corrected one's.
std::string VerificationSession::csv() const {
    if (!m_results) return {};
    if (!m_corrected || !m_designResults) return csvOf(*m_results);
    return "# " + nec::describeDesign(m_design, m_language) + "\n" + csvOf(*m_designResults) + "# " +
           nec::describeDesign(*m_corrected, m_language) + "\n" + csvOf(*m_results);
}

bool VerificationSession::resultsMatch(const Typed& typed) const {
    if (!m_results) return false;
    const OptionsReading reading = readOptions(typed);
    return reading.options && *reading.options == m_results->options &&
           reading.referenceOhm == m_results->referenceOhm;
}

bool VerificationSession::setReferenceOhm(double referenceOhm) {
    if (!(referenceOhm > 0) || referenceOhm == m_referenceOhm) return false;
    m_referenceOhm = referenceOhm;
    if (m_measured) m_shownMeasured = nec::atReference(*m_measured, m_referenceOhm);
    return true;
}

std::optional<nec::BandTexts> VerificationSession::bandTexts(std::size_t band) const {
    if (!m_results || band >= m_results->bandResults.size()) return std::nullopt;
    return nec::bandTexts(m_results->bandResults[band], m_results->design, static_cast<int>(band),
                          m_language);
}

std::string VerificationSession::measuredText(std::size_t band) const {
    if (!m_shownMeasured || band >= bands().size()) return {};
    const nec::BandResult* model =
        m_results && band < m_results->bandResults.size() ? &m_results->bandResults[band] : nullptr;
    return nec::measuredText(nec::measureBand(*m_shownMeasured, bands()[band]), model, m_language);
}

bool VerificationSession::loadMeasurement(const QString& path) {
    // A CSV that names no unit is read in the unit that puts it around the design.
    SweepHints hints;
    if (!m_bands.empty()) hints.expectedMHz = m_bands.front().designMhz;
    SweepReading reading = readSweepFile(QFile::encodeName(path).toStdString(), hints, m_language);
    if (!reading.ok()) {
        emit fault(fromStd(reading.error.message), Field::none);
        return false;
    }
    const std::string unit = assumedUnitText(*reading.sweep, m_language);
    takeMeasurement(*reading.sweep,
                    QFileInfo(path).fileName() + (unit.empty() ? "" : " (" + fromStd(unit) + ")"));
    return true;
}

void VerificationSession::takeMeasurement(const MeasuredSweep& sweep, const QString& name) {
    m_measured = sweep;
    m_shownMeasured = nec::atReference(sweep, m_referenceOhm);
    m_measuredName = name;
    emit measurementChanged();
}

QString VerificationSession::saveText(const QString& path, const std::string& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !file.commit())
        return file.errorString().isEmpty() ? tr("errore di scrittura") : file.errorString();
    return {};
}

}  // namespace zeliro
