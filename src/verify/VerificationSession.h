#pragma once
// A check of one design by simulation, from the options the user typed to
// the results, without a widget: the verification window hands it what is
// typed and shows what it reports; tests drive it without a window.
//
// Flow: typed options -> readOptions (the number rules of the language) ->
// nec::buildModel -> one deck per band -> NecEngine (nec2c off the event
// loop) -> nec::analyse -> Results, which keep the options, the reference and
// the bands they were computed with. A measured sweep read from a file sits
// beside them.
//
// The states and what moves between them are one table (see the .cpp):
//
//   idle, done, failed, cancelling --simulate, correct--> running
//   idle, done, failed, cancelling --radiate, studyHeights--> running
//   running --simulate, correct--> running (the run going is cancelled)
//   running --succeeded--> done        idle, done, running --failedRun--> failed
//   running --cancel--> cancelling     cancelling --reaped--> idle
//   running --newDesign--> cancelling  done, failed --newDesign--> idle
//
// Any other event in a state changes nothing.
//
// Every run is a job (verify/SessionJob.h) that keeps its results to itself
// until it has finished; the session then commits them, the corrected design
// and both sweeps together, into what is shown. A run cancelled or failed
// changes nothing that is shown.

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/language.h"
#include "core/nec/correctiontexts.h"
#include "core/nec/installation.h"
#include "core/sweep/sweep.h"
#include "verify/NecEngine.h"
#include "verify/SessionJob.h"

namespace zeliro {

class VerificationSession : public QObject {
    Q_OBJECT
public:
    enum class State { idle, running, cancelling, done, failed };
    Q_ENUM(State)
    enum class Event {
        simulate,
        correct,
        radiate,
        studyHeights,
        succeeded,
        failedRun,
        cancel,
        reaped,
        newDesign
    };

    // The options as typed, in the session's language.
    struct Typed {
        QString wireDiameterMm, heightM, apexAngleDeg, qualityFactor, referenceOhm, pointsPerBand;
        nec::Ground ground = nec::Ground::freeSpace;  // "suolo"
        bool copperLoss = true;
        nec::Conductor conductor = nec::Conductor::copper;  // "materiale"
        // The installation: insulation, the soil's own figures, the coax
        // (nec::ownCableChoice for the user's own), the span and centre.
        nec::InstallationTexts installation;
    };
    // Which typed option a fault is about; the installation's fields follow
    // nec::InstallationField's order.
    enum class Field {
        none,
        wireDiameter,
        height,
        apexAngle,
        qualityFactor,
        reference,
        points,
        insulation,
        permittivity,
        soilPermittivity,
        soilConductivity,
        cable,
        cableLength,
        cableImpedance,
        velocityFactor,
        loss,
        span,
        centre,
    };

    struct OptionsReading {
        std::optional<nec::ModelOptions> options;
        nec::Feedline feedline;  // length 0: no cable
        double referenceOhm = nec::defaultReferenceOhm;
        Field field = Field::none;  // the option that does not read
        QString error;              // empty when the options read
    };

    using Results = SweepResults;
    using Pattern = PatternResults;
    using Heights = HeightResults;

    explicit VerificationSession(Language language, QObject* parent = nullptr);
    ~VerificationSession() override;

    Language language() const { return m_language; }
    State state() const { return m_state; }
    static State next(State state, Event event);

    // The design to check; ends a run going and forgets the results.
    void setDesign(const nec::Design& design);
    const nec::Design& design() const { return m_design; }
    // The bands on display: those of the results, else of the last model
    // built (or of the default options).
    const std::vector<nec::Band>& bands() const { return m_shown.results ? m_shown.results->bands : m_bands; }

    // The options that apply to the design: height over ground, apex angle of
    // an inverted V, Q of traps and coils.
    static bool heightApplies(nec::Ground ground) { return ground != nec::Ground::freeSpace; }
    bool apexAngleApplies() const;
    bool qualityFactorApplies() const;

    OptionsReading readOptions(const Typed& typed) const;
    // A point count as typed (2 to 1000, whole), and the rule a refusal says.
    static std::optional<int> pointCount(double typed);
    static QString pointsRule();
    // The caption of a typed option, as the window shows it and messages name it.
    static QString caption(Field field);

    // Starts a run with the typed options; false (and `fault`) when they do
    // not read or give no model.
    bool simulate(const Typed& typed);
    void cancel();
    const std::optional<Results>& results() const { return m_shown.results; }

    // Corrects the design by simulation with the typed options: the lengths
    // (or the coil) that put the model's resonances on the design
    // frequencies, for this installation; then a full sweep of the corrected
    // design, whose results replace the results on display. The sweep of the
    // design as it came (with the same options) stays beside it. A
    // correction that fails or is cancelled changes nothing shown.
    bool correct(const Typed& typed);
    const std::optional<nec::Design>& corrected() const { return m_shown.corrected; }
    // The design's own results beside the corrected ones, when there are both.
    const std::optional<Results>& designResults() const { return m_shown.designResults; }
    nec::CorrectionLabels correctionLabels() const;
    // How the correction on display went (its steps, how close it came); empty without one.
    QString correctionSummary() const;
    // Whether the results came from these options (a run with them would
    // give the same); false without results.
    bool resultsMatch(const Typed& typed) const;
    // What the window shows of a band's results; nothing without results.
    std::optional<nec::BandTexts> bandTexts(std::size_t band) const;
    // The measured sweep beside a band (and its model resonance); empty without one.
    std::string measuredText(std::size_t band) const;

    // The deck of the design with the typed options (the corrected design's,
    // after a correction with these options), or the reason in `error`.
    std::optional<std::string> deck(const Typed& typed, QString& error) const;
    // The results as CSV; empty without results.
    std::string csv() const;
    // What is shown as the printed report's lines, naming the window the
    // design came from; the design alone without results.
    std::vector<std::string> report(const std::string& opener) const;

    // A measured sweep read from a file; false (and `fault`) when it does not read.
    bool loadMeasurement(const QString& path);
    // The measured sweep on display: re-referenced to the reference
    // impedance set where it holds R and X, as read where it holds SWR only.
    const std::optional<MeasuredSweep>& measurement() const { return m_shownMeasured; }
    const std::optional<MeasuredSweep>& measurementAsRead() const { return m_measured; }
    // A sweep read elsewhere (an analyser), named by where it came from.
    void takeMeasurement(const MeasuredSweep& sweep, const QString& name);
    // The reference impedance the plot and the measurement are shown at;
    // whether it changed.
    bool setReferenceOhm(double referenceOhm);
    // The coax between the analyser and the antenna: a measurement is shown
    // taken back through it to the feed point; whether it changed.
    bool setFeedline(const nec::Feedline& line);
    const nec::Feedline& feedline() const { return m_feedline; }
    // Why the measurement could not be taken back through the cable (it is
    // then shown as measured); empty when it was, or without a cable.
    const QString& deembedFault() const { return m_deembedFault; }
    // The model's SWR at the shack end through the results' cable; empty without one.
    std::vector<nec::ShackEndRow> shackEnd(bool designResults = false) const;
    double referenceOhm() const { return m_referenceOhm; }
    // The file's name, or where the sweep came from.
    const QString& measurementName() const { return m_measuredName; }

    // How the results' design radiates, at each band's design frequency,
    // with the results' options (the corrected design once there is one).
    // Starts the pattern run of the results on display; false (and `fault`)
    // without results or when the design gives no deck.
    bool radiate();
    const std::optional<Pattern>& pattern() const { return m_shown.pattern; }
    // The pattern as CSV; empty without one.
    std::string patternCsv() const;

    // The peak gain and take-off angle of the results' design at heights
    // from 1/8 to 1 wavelength of the first band, one engine run a height,
    // all at once; false (and `fault`) without results, or in free space.
    bool studyHeights();
    const std::optional<Heights>& heights() const { return m_shown.heights; }

    // Writes a text file whole or not at all; the reason, or empty.
    static QString saveText(const QString& path, const std::string& text);

    int timeLimitMs() const { return m_engine.timeLimitMs(); }
    void setTimeLimitMs(int ms) { m_engine.setTimeLimitMs(ms); }

signals:
    // Also when a run was cancelled or failed: what is shown is then as it was.
    void stateChanged(zeliro::VerificationSession::State state);
    // Frequencies computed so far, of all the run's frequencies.
    void progress(int done, int total);
    // A run's results are ready (state done).
    void resultsReady();
    // Why a step did not go: options, model, engine, analysis, file.
    void fault(const QString& message, zeliro::VerificationSession::Field field);
    void measurementChanged();
    // A correction has begun its step (from 1), of at most `steps`.
    void correctionStepped(int step, int steps);
    // The pattern, or the height study, is ready (state done).
    void patternReady();
    void heightsReady();

private:
    void handle(Event event);
    // Starts a job as the run going (cancelling any other) with `event`.
    void begin(std::unique_ptr<SessionJob> job, Event event);
    void jobFinished(SessionJob* job);
    void jobFailed(SessionJob* job, const QString& message);
    // A step that cannot start: its message, and the state failed.
    bool refuse(const QString& message, Field field = Field::none);
    void endJob();
    // The measurement as shown: through the cable, at the reference.
    void showMeasured();

    Language m_language;
    State m_state = State::idle;
    NecEngine m_engine;
    nec::Design m_design;
    std::vector<nec::Band> m_bands;
    Shown m_shown;
    std::unique_ptr<SessionJob> m_job;        // the run going, if any
    std::optional<MeasuredSweep> m_measured;  // as read
    std::optional<MeasuredSweep> m_shownMeasured;
    double m_referenceOhm = nec::defaultReferenceOhm;
    nec::Feedline m_feedline;
    nec::Feedline m_runFeedline;  // the cable of the correction going
    QString m_deembedFault;
    QString m_measuredName;
};

}  // namespace zeliro
