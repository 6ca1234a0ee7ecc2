// The verification session without a window: options as typed, the real
// nec2c and stand-ins for it, the states a check goes through, and a cancel
// that kills the engine at once and reaps it later, folder and all.
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/nec/analysis.h"
#include "core/nec/coax.h"
#include "core/nec/output.h"
#include "verify/VerificationSession.h"

using namespace zeliro;
using State = VerificationSession::State;
using Field = VerificationSession::Field;

Q_DECLARE_METATYPE(VerificationSession::Field)
Q_DECLARE_METATYPE(zeliro::Language)
Q_DECLARE_METATYPE(zeliro::nec::Ground)

namespace {

const nec::Design dipole = nec::HalfWaveDesign{20.21, 7.05};
const nec::Design twoBand = nec::TwoBandDesign{10.09, 7.89, 3.44, 142.86, 7.055, 3.650};

VerificationSession::Typed typed(const QString& points = "41", nec::Ground ground = nec::Ground::freeSpace) {
    return {"2", "10", "120", "", "50", points, ground, false, nec::Conductor::copper, {}};
}

// nec2c processes running in the folders of this test's temporary folder.
int enginesRunningIn(const QString& temp) {
    int count = 0;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs))
        if (QFileInfo(QString("/proc/%1/cwd").arg(pid)).symLinkTarget().startsWith(temp)) ++count;
    return count;
}

// A stand-in for nec2c on a PATH of its own.
void fakeEngine(const QTemporaryDir& bin, const QByteArray& body) {
    QFile script(bin.filePath("nec2c"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n" + body + "\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(bin.path()) + ":/usr/bin:/bin");
}

int runFolders(const QString& temp) { return QDir(temp).entryList({"ZELIRO-nec-*"}, QDir::Dirs).size(); }

}  // namespace

class Session : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void optionsAreReadAsTyped_data();
    void optionsAreReadAsTyped();
    void runsTheRealEngine();
    void engineFaultsEndInFailed_data();
    void engineFaultsEndInFailed();
    void cancelKillsAtOnceAndReapsLater();
    void aNewDesignEndsTheRun();
    void correctsWithTheRealEngine_data();
    void correctsWithTheRealEngine();
    void aRunCancelledOrFailedChangesNothing_data();
    void aRunCancelledOrFailedChangesNothing();
    void radiatesAndStudiesHeights_data();
    void radiatesAndStudiesHeights();
    void installationReachesTheDeck_data();
    void installationReachesTheDeck();
    void measurementTakenBackThroughTheCable_data();
    void measurementTakenBackThroughTheCable();

private:
    QTemporaryDir m_temp;
    QByteArray m_path;
};

void Session::init() {
    m_path = qgetenv("PATH");
    qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_temp.path()));  // where run folders go first
}

void Session::cleanup() { qputenv("PATH", m_path); }

void Session::optionsAreReadAsTyped_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Field>("refused");
    QTest::newRow("points as typed") << "points"
                                     << "41" << Field::none;
    QTest::newRow("points not whole") << "points"
                                      << "41,5" << Field::points;
    QTest::newRow("points beyond an int") << "points"
                                          << "1E10" << Field::points;
    QTest::newRow("one point") << "points"
                               << "1" << Field::points;
    QTest::newRow("reference zero") << "reference"
                                    << "0" << Field::reference;
    QTest::newRow("reference not a number") << "reference"
                                            << "5,0,0" << Field::reference;
    QTest::newRow("Q empty takes the trap's") << "q"
                                              << "" << Field::none;
    QTest::newRow("Q zero") << "q"
                            << "0" << Field::qualityFactor;
    QTest::newRow("height ignored in free space") << "height"
                                                  << "x" << Field::none;
}

void Session::optionsAreReadAsTyped() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(Field, refused);
    VerificationSession session(Language::italian);
    session.setDesign(twoBand);
    VerificationSession::Typed options = typed();
    QString* into = field == "points"      ? &options.pointsPerBand
                    : field == "reference" ? &options.referenceOhm
                    : field == "q"         ? &options.qualityFactor
                                           : &options.heightM;
    *into = text;
    const VerificationSession::OptionsReading reading = session.readOptions(options);
    QCOMPARE(reading.field, refused);
    QCOMPARE(reading.options.has_value(), refused == Field::none);
    QCOMPARE(reading.error.isEmpty(), refused == Field::none);
    if (field == "q" && reading.options) QCOMPARE(reading.options->qualityFactor, nec::defaultTrapQ);
}

void Session::runsTheRealEngine() {
    if (NecEngine::program().isEmpty()) QSKIP("nec2c is not installed");
    VerificationSession session(Language::italian);
    session.setDesign(dipole);
    QSignalSpy states(&session, &VerificationSession::stateChanged);
    QVERIFY(session.simulate(typed()));
    QCOMPARE(session.state(), State::running);
    QTRY_COMPARE_WITH_TIMEOUT(session.state(), State::done, 60000);
    QCOMPARE(states.size(), 2);
    const auto& results = session.results();
    QVERIFY(results);
    QCOMPARE(results->rows.size(), std::size_t(41));
    QCOMPARE(results->options.pointsPerBand, 41);
    QVERIFY(results->bandResults.at(0).resonant);
    QVERIFY(std::abs(results->bandResults[0].resonanceMhz - 7.2) < 0.05);
    QCOMPARE(runFolders(m_temp.path()), 0);
}

void Session::engineFaultsEndInFailed_data() {
    QTest::addColumn<QByteArray>("engine");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("message");
    const QByteArray complains = "echo 'nec2c: floating point exception' >&2; exit 1";
    QTest::newRow("exits with an error") << QByteArray("exit 255") << Language::italian << "codice 255";
    QTest::newRow("says why on its error output")
        << complains << Language::italian << "floating point exception";
    QTest::newRow("hangs past the time limit")
        << QByteArray("exec /bin/sleep 30") << Language::italian << "entro 0,3 s";
    QTest::newRow("hangs, English number rules")
        << QByteArray("exec /bin/sleep 30") << Language::english << "0.3 s";
}

void Session::engineFaultsEndInFailed() {
    QFETCH(QByteArray, engine);
    QFETCH(Language, language);
    QFETCH(QString, message);
    QTemporaryDir bin;
    QFile script(bin.filePath("nec2c"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n" + engine + "\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(bin.path()) + ":/usr/bin:/bin");
    VerificationSession session(language);
    session.setTimeLimitMs(300);
    session.setDesign(dipole);
    QSignalSpy faults(&session, &VerificationSession::fault);
    QVERIFY(session.simulate(typed()));
    QTRY_COMPARE_WITH_TIMEOUT(session.state(), State::failed, 10000);
    QCOMPARE(faults.size(), 1);
    QVERIFY2(faults[0][0].toString().contains(message), qPrintable(faults[0][0].toString()));
    QVERIFY(!session.results());
    // The engine that was killed is reaped from its own signal, its folder removed.
    QTRY_COMPARE(enginesRunningIn(m_temp.path()), 0);
    QTRY_COMPARE(runFolders(m_temp.path()), 0);
}

// A long run over real ground, cancelled while it runs: cancel returns with
// the process killed but not yet reaped (nothing waited for it), the state
// goes to idle once it has been, and nothing is left behind. The longest
// stall of the event loop is printed; bench_verify_run measures it.
void Session::cancelKillsAtOnceAndReapsLater() {
    if (NecEngine::program().isEmpty()) QSKIP("nec2c is not installed");
    VerificationSession session(Language::italian);
    session.setDesign(dipole);
    QSignalSpy progress(&session, &VerificationSession::progress);
    QVERIFY(session.simulate(typed("1000", nec::Ground::average)));
    QTRY_VERIFY_WITH_TIMEOUT(enginesRunningIn(m_temp.path()) > 0, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last()[0].toInt() > 0, 30000);
    QCOMPARE(progress.last()[1].toInt(), 1000);
    QElapsedTimer clock;
    clock.start();
    session.cancel();
    qInfo("cancel returned in %.2f ms", clock.nsecsElapsed() / 1e6);
    QCOMPARE(session.state(), State::cancelling);
    QTRY_COMPARE(session.state(), State::idle);
    QCOMPARE(enginesRunningIn(m_temp.path()), 0);
    QTRY_COMPARE(runFolders(m_temp.path()), 0);
    QVERIFY(!session.results());
}

void Session::aNewDesignEndsTheRun() {
    QTemporaryDir bin;
    QFile script(bin.filePath("nec2c"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexec /bin/sleep 30\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(bin.path()));
    VerificationSession session(Language::italian);
    session.setDesign(dipole);
    QVERIFY(session.simulate(typed()));
    QCOMPARE(session.state(), State::running);
    session.setDesign(twoBand);
    QCOMPARE(session.bands().size(), std::size_t(2));
    QTRY_COMPARE(session.state(), State::idle);
    QTRY_COMPARE(runFolders(m_temp.path()), 0);
}

Q_DECLARE_METATYPE(nec::Design)

// Each design corrected for its installation: every band's resonance within
// 2 kHz of its design frequency in the corrected design's full sweep, which
// is what the results then show.
void Session::correctsWithTheRealEngine_data() {
    QTest::addColumn<nec::Design>("design");
    QTest::addColumn<int>("ground");
    QTest::addColumn<QString>("label");  // how corretto1 starts
    QTest::newRow("half-wave, average ground at 10 m") << dipole << int(nec::Ground::average) << "TOTALE";
    QTest::newRow("inverted V, average ground")
        << nec::Design(nec::HalfWaveDesign{20.06, 7.05, nec::Shape::invertedV}) << int(nec::Ground::average)
        << "TOTALE";
    QTest::newRow("two-band example, free space") << twoBand << int(nec::Ground::freeSpace) << "FILO INTERNO";
    QTest::newRow("loading coil, free space") << nec::Design(nec::LoadingCoilDesign{10, 2, 16.26, 2, 7.05})
                                              << int(nec::Ground::freeSpace) << "BOBINA";
}

void Session::correctsWithTheRealEngine() {
    QFETCH(nec::Design, design);
    QFETCH(int, ground);
    QFETCH(QString, label);
    if (NecEngine::program().isEmpty()) QSKIP("nec2c is not installed");
    VerificationSession session(Language::italian);
    session.setDesign(design);
    VerificationSession::Typed options = typed("101", nec::Ground(ground));
    options.copperLoss = true;
    QSignalSpy steps(&session, &VerificationSession::correctionStepped);
    QVERIFY(session.correct(options));
    QTRY_VERIFY_WITH_TIMEOUT(session.state() != State::running, 120000);
    QCOMPARE(session.state(), State::done);
    QVERIFY(steps.size() <= nec::maxCorrectionSteps);
    QVERIFY(session.corrected());
    const nec::CorrectionLabels labels = session.correctionLabels();
    qInfo("%d steps: %s %s", int(steps.size()), labels.corretto1.c_str(), labels.corretto2.c_str());
    QVERIFY(QString::fromStdString(labels.corretto1).startsWith(label));
    QVERIFY2(session.correctionSummary().startsWith(QString("Corretto in %1 passi").arg(steps.size())),
             qPrintable(session.correctionSummary()));
    const auto& results = session.results();
    QVERIFY(results);
    for (const nec::BandResult& band : results->bandResults) {
        QVERIFY(band.resonant);
        QVERIFY2(std::abs(band.deviationKhz) <= 2, qPrintable(QString::number(band.deviationKhz)));
    }
    // The saved deck, run again through nec2c by itself.
    QString error;
    const std::optional<std::string> deck = session.deck(options, error);
    QVERIFY(deck && QString::fromStdString(*deck).contains("CM "));
    QTemporaryDir folder;
    QFile file(folder.filePath("deck.nec"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(deck->data(), qint64(deck->size()));
    file.close();
    QProcess engine;
    engine.setWorkingDirectory(folder.path());
    engine.start(NecEngine::program(), {"-i", "deck.nec", "-o", "out.txt"});
    QVERIFY(engine.waitForFinished(120000));
    QFile out(folder.filePath("out.txt"));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QByteArray report = out.readAll();
    const nec::OutputOutcome read = nec::readNecOutput(std::string_view(report.constData(), report.size()));
    const nec::AnalysisOutcome again = nec::analyse(read.rows, results->bands);
    QCOMPARE(again.bands.size(), results->bandResults.size());
    for (const nec::BandResult& band : again.bands) {
        qInfo("saved deck: resonance %.4f MHz, %+.2f kHz", band.resonanceMhz, band.deviationKhz);
        QVERIFY2(band.resonant && std::abs(band.deviationKhz) <= 2,
                 qPrintable(QString::number(band.deviationKhz)));
    }
}

// What a session shows, as the window draws and exports it.
struct OnDisplay {
    std::string csv, deck, labels;
    bool corrected = false, designResults = false;
    bool operator==(const OnDisplay&) const = default;
};

OnDisplay shown(const VerificationSession& session) {
    QString error;
    const nec::CorrectionLabels labels = session.correctionLabels();
    return {session.csv(), session.deck(typed(), error).value_or(error.toStdString()),
            labels.corretto1 + "|" + labels.corretto2, session.corrected().has_value(),
            session.designResults().has_value()};
}

// A correction cancelled or failing at any stage, the first or a second one,
// changes nothing shown: the sweeps, the corrected figures and the exports
// stay exactly as they were before it. The stand-in runs the real nec2c
// until its stage comes: the runs of a step (flagged as the step begins), or
// the final sweep (whose decks, unlike a step's narrow probes, are not "FR 0 5").
void Session::aRunCancelledOrFailedChangesNothing_data() {
    QTest::addColumn<bool>("correctedBefore");
    QTest::addColumn<int>("step");           // 0: the final sweep
    QTest::addColumn<QByteArray>("ending");  // what the stand-in does at that stage
    QTest::addColumn<QString>("message");    // empty: cancelled there
    const QByteArray hang = "touch \"$TMPDIR/hung\"; exec /bin/sleep 30";
    const std::pair<const char*, int> stages[] = {{"first step", 1}, {"second step", 2}, {"final sweep", 0}};
    for (bool before : {false, true})
        for (const auto& [stage, step] : stages) {
            const QByteArray which = before ? "second correction, " : "first correction, ";
            QTest::newRow(which + "cancelled in the " + stage) << before << step << hang << QString();
            QTest::newRow(which + "engine fails in the " + stage)
                << before << step << QByteArray("exit 3") << "codice 3";
        }
    QTest::newRow("answers that never move")
        << false << 1 << QByteArray("cp \"$TMPDIR/fixed.out\" out.txt; exit 0") << "TOTALE";
}

void Session::aRunCancelledOrFailedChangesNothing() {
    QFETCH(bool, correctedBefore);
    QFETCH(int, step);
    QFETCH(QByteArray, ending);
    QFETCH(QString, message);
    const QString real = NecEngine::program();
    if (real.isEmpty()) QSKIP("nec2c is not installed");
    VerificationSession session(Language::italian);
    session.setDesign(dipole);
    QVERIFY(session.simulate(typed()));
    QTRY_COMPARE_WITH_TIMEOUT(session.state(), State::done, 60000);
    if (correctedBefore) {
        QVERIFY(session.correct(typed()));
        QTRY_COMPARE_WITH_TIMEOUT(session.state(), State::done, 60000);
        // A correction holds for its own options: no deck of it for others.
        QString error;
        QVERIFY(!session.deck(typed("41", nec::Ground::perfect), error));
        QVERIFY(error.contains("SIMULA"));
    }
    const OnDisplay before = shown(session);
    QTemporaryDir bin;
    QFile::link(real, bin.filePath("nec2c.real"));
    QFile::copy(QFINDTESTDATA("data/nec/twoband.out"), m_temp.filePath("fixed.out"));
    const QString flag = m_temp.filePath("stage");
    fakeEngine(bin, "if [ -e \"$TMPDIR/stage\" ]" +
                        QByteArray(step == 0 ? " && ! grep -q '^FR 0 5 ' deck.nec" : "") + "; then " +
                        ending + "; fi\nexec \"$(dirname \"$0\")/nec2c.real\" \"$@\"");
    const auto raise = [&flag] { QFile(flag).open(QIODevice::WriteOnly); };
    if (step == 0) raise();
    QObject::connect(&session, &VerificationSession::correctionStepped, &session, [&](int begun) {
        if (begun == step) raise();
    });
    QSignalSpy faults(&session, &VerificationSession::fault);
    QVERIFY(session.correct(typed()));
    if (message.isEmpty()) {
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_temp.filePath("hung")), 60000);
        session.cancel();
        QTRY_COMPARE(session.state(), State::idle);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(session.state(), State::failed, 60000);
        QCOMPARE(faults.size(), 1);
        QVERIFY2(faults[0][0].toString().contains(message), qPrintable(faults[0][0].toString()));
    }
    QVERIFY(shown(session) == before);
    QTRY_COMPARE(runFolders(m_temp.path()), 0);
    for (const char* name : {"stage", "hung"}) QFile::remove(m_temp.filePath(name));
}

void Session::radiatesAndStudiesHeights_data() {
    QTest::addColumn<nec::Ground>("ground");
    QTest::addColumn<double>("peak");     // dBi, as nec2c gives it
    QTest::addColumn<double>("takeOff");  // -1: none
    QTest::addColumn<QString>("study");   // "cancel", a part of the refusal, or empty
    QTest::newRow("20 m over average ground") << nec::Ground::average << 7.2 << 30.0 << QString();
    QTest::newRow("height study cancelled") << nec::Ground::average << 7.2 << 30.0 << "cancel";
    QTest::newRow("free space: no study") << nec::Ground::freeSpace << 2.05 << -1.0 << "spazio libero";
}

void Session::radiatesAndStudiesHeights() {
    QFETCH(nec::Ground, ground);
    QFETCH(double, peak);
    QFETCH(double, takeOff);
    QFETCH(QString, study);
    if (NecEngine::program().isEmpty()) QSKIP("nec2c is not installed");
    VerificationSession session(Language::italian);
    session.setDesign(dipole);
    VerificationSession::Typed options = typed("5", ground);
    options.heightM = "20";
    options.copperLoss = true;
    QVERIFY(!session.radiate());  // nothing to draw before a simulation
    QVERIFY(session.simulate(options));
    QTRY_COMPARE_WITH_TIMEOUT(session.state(), State::done, 60000);
    QSignalSpy patterns(&session, &VerificationSession::patternReady);
    QVERIFY(session.radiate());
    QTRY_COMPARE_WITH_TIMEOUT(session.state(), State::done, 60000);
    QCOMPARE(patterns.size(), 1);
    const nec::PatternFigures& figures = session.pattern()->views.at(0).figures;
    QVERIFY(std::abs(figures.peakGainDbi - peak) <= 0.05);
    QCOMPARE(figures.takeOffDeg.value_or(-1), takeOff);
    QVERIFY(session.patternCsv().size() > 1000);

    QSignalSpy faults(&session, &VerificationSession::fault);
    const bool started = session.studyHeights();
    if (study == "cancel") {
        session.cancel();
        QTRY_COMPARE(session.state(), State::idle);
        QVERIFY(!session.heights());
    } else if (!study.isEmpty()) {
        QVERIFY(!started);
        QVERIFY(faults.at(0).at(0).toString().contains(study, Qt::CaseInsensitive));
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(session.state(), State::done, 60000);
        const auto& rows = session.heights()->rows;
        QCOMPARE(rows.size(), std::size_t(nec::heightStudySteps));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].wavelengths, double(i + 1) / nec::heightStudySteps);
            QVERIFY2(rows[i].figures, rows[i].error.c_str());
        }
        QVERIFY(rows.front().figures->nvis && !rows.back().figures->nvis);
    }
    // Whatever became of the study, the figures stay those of the results;
    // a new run forgets them once it has finished, not before.
    QVERIFY(session.results() && session.pattern());
    const bool studied = session.heights().has_value();
    QVERIFY(session.simulate(options));
    QVERIFY(session.pattern() && session.heights().has_value() == studied);
    QTRY_COMPARE_WITH_TIMEOUT(session.state(), State::done, 60000);
    QVERIFY(!session.pattern() && !session.heights());
    QTRY_COMPARE(runFolders(m_temp.path()), 0);
}

QTEST_GUILESS_MAIN(Session)
// Each option of the installation reaches the saved deck (its card and its
// comment) and marks results of other options stale; one that does not read
// is refused, naming its field.
void Session::installationReachesTheDeck_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<nec::Ground>("ground");
    QTest::addColumn<QStringList>("deckHolds");
    QTest::addColumn<Field>("refused");
    const nec::Ground free = nec::Ground::freeSpace, own = nec::Ground::custom;
    QTest::newRow("insulation") << "isolamento"
                                << "0,8" << free << QStringList{"\nLD 2 ", "CM Filo isolato 0.8 mm, er 3.5"}
                                << Field::none;
    QTest::newRow("aluminium") << "materiale"
                               << "1" << free << QStringList{"\nLD 5 ", "CM Conduttore Alluminio"}
                               << Field::none;
    QTest::newRow("own soil") << "sigma"
                              << "0,03" << own << QStringList{"\nGN 2 ", "CM Suolo a scelta, er 13, 0.03 S/m"}
                              << Field::none;
    QTest::newRow("RG-58") << "cavo"
                           << "RG-58" << free
                           << QStringList{"CM cavo tra analizzatore e antenna: 10 m di RG-58"} << Field::none;
    QTest::newRow("span") << "ampiezza"
                          << "3" << free << QStringList{} << Field::none;
    QTest::newRow("insulation no number") << "isolamento"
                                          << "0,8x" << free << QStringList{} << Field::insulation;
    QTest::newRow("sigma no number") << "sigma"
                                     << "," << own << QStringList{} << Field::soilConductivity;
    QTest::newRow("cable not listed") << "cavo"
                                      << "RG-999" << free << QStringList{} << Field::cable;
    QTest::newRow("own cable, no impedance") << "impedenzaCavo"
                                             << "x" << free << QStringList{} << Field::cableImpedance;
    QTest::newRow("own cable, velocity factor 2") << "velocita"
                                                  << "2" << free << QStringList{} << Field::velocityFactor;
    QTest::newRow("cable too long") << "lunghezzaCavo"
                                    << "1E9" << free << QStringList{} << Field::cableLength;
}

void Session::installationReachesTheDeck() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(nec::Ground, ground);
    QFETCH(QStringList, deckHolds);
    QFETCH(Field, refused);
    if (NecEngine::program().isEmpty()) QSKIP("nec2c is not installed");
    VerificationSession session(Language::italian);
    session.setDesign(dipole);
    VerificationSession::Typed options = typed();
    QVERIFY(session.simulate(options));
    QTRY_COMPARE_WITH_TIMEOUT(session.state(), State::done, 60000);
    QVERIFY(session.resultsMatch(options));
    options.ground = ground;
    nec::InstallationTexts& i = options.installation;
    i.cableLengthM = "10";
    const std::string typedText = text.toStdString();
    if (field == "materiale") {
        options.conductor = nec::Conductor(text.toInt());
        options.copperLoss = true;
    }
    if (field == "cavo") i.cable = typedText;
    if (field.contains("Cavo") || field == "velocita") i.cable = nec::ownCableChoice;
    for (auto [name, into] : {std::pair{"isolamento", &i.insulationMm},
                              {"sigma", &i.soilConductivity},
                              {"ampiezza", &i.spanPercent},
                              {"impedenzaCavo", &i.cableImpedanceOhm},
                              {"velocita", &i.velocityFactor},
                              {"lunghezzaCavo", &i.cableLengthM}})
        if (field == name) *into = typedText;
    QVERIFY(!session.resultsMatch(options));
    QCOMPARE(session.readOptions(options).field, refused);
    QString error;
    const std::optional<std::string> deck = session.deck(options, error);
    QCOMPARE(deck.has_value(), refused == Field::none);
    for (const QString& card : deckHolds)
        QVERIFY2(QString::fromStdString(*deck).contains(card), qPrintable(QString::fromStdString(*deck)));
}

// A sweep measured through 10 m of RG-58 is shown at the feed point: the
// antenna's own 50 ohm come back, and the summary says how; a sweep of SWR
// alone cannot be taken back and says so.
void Session::measurementTakenBackThroughTheCable_data() {
    QTest::addColumn<bool>("impedanceKnown");
    QTest::addColumn<QString>("says");
    QTest::newRow("R and X") << true
                             << "(riportata al punto di alimentazione attraverso 10 m di RG-58) SWR min";
    QTest::newRow("SWR only") << false
                              << QString::fromStdString(
                                     nec::toFeedPoint({}, {*nec::findCable("RG-58"), 10}).error);
}

void Session::measurementTakenBackThroughTheCable() {
    QFETCH(bool, impedanceKnown);
    QFETCH(QString, says);
    const nec::Feedline line{*nec::findCable("RG-58"), 10};
    MeasuredSweep measured;
    measured.impedanceKnown = impedanceKnown;
    for (double f = 6.9; f < 7.2; f += 0.005) {
        const std::complex<double> shack = nec::atShackEnd(line, f, {50, 800 * (f / 7.05 - 7.05 / f)});
        measured.points.push_back({f, nec::swrOn(shack, 50), shack.real(), shack.imag()});
    }
    VerificationSession session(Language::italian);
    session.setDesign(dipole);
    session.takeMeasurement(measured, "misura.s1p");
    QVERIFY(session.setFeedline(line));
    QVERIFY2(QString::fromStdString(session.measuredText(0)).startsWith(says),
             qPrintable(QString::fromStdString(session.measuredText(0))));
    if (impedanceKnown)
        for (const SweepPoint& point : session.measurement()->points)
            QVERIFY(std::abs(point.resistance - 50) < 1e-6);
}

#include "test_session.moc"
