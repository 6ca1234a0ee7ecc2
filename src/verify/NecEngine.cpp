#include "verify/NecEngine.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <sstream>

#include <sys/prctl.h>
#include <unistd.h>

#include "core/numbers.h"
#include "frame/EngineFolders.h"

namespace zeliro {

// One deck run by one nec2c process in a folder of its own. It outlives a
// cancel until its killed process has been reaped, and removes its folder
// when it goes; when the application quits it ends its process at once.
class NecRun : public QObject {
public:
    explicit NecRun(QObject* parent) : QObject(parent), folder(engineFolderTemplate()) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &NecRun::endNow);
    }
    ~NecRun() override { endNow(); }

    // Kills the process and waits for it: only when the program ends, where
    // the wait is for a process that SIGKILL has already ended.
    void endNow() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(2000);
        }
        folder.remove();
    }

    // Frequencies whose impedance the report has written so far.
    int frequenciesWritten() {
        QFile out(folder.filePath("out.txt"));
        if (!out.open(QIODevice::ReadOnly) || !out.seek(readUpTo)) return written;
        static const QByteArray heading = "ANTENNA INPUT PARAMETERS";
        const QByteArray fresh = carry + out.readAll();
        readUpTo = out.pos();
        for (qsizetype at = fresh.indexOf(heading); at >= 0; at = fresh.indexOf(heading, at + heading.size()))
            ++written;
        carry = fresh.right(heading.size() - 1);
        return written;
    }

    QTemporaryDir folder;
    QProcess process;
    QTimer limit;
    std::string deck;      // until it is started
    bool started = false;  // its process has been asked to start (or could not be)
    bool ended = false;
    QString error;

private:
    qint64 readUpTo = 0;
    QByteArray carry;
    int written = 0;
};

namespace {

bool writeDeck(const QTemporaryDir& folder, const std::string& deck) {
    QFile file(folder.filePath("deck.nec"));
    if (!file.open(QIODevice::WriteOnly)) return false;
    return file.write(deck.data(), static_cast<qint64>(deck.size())) == static_cast<qint64>(deck.size()) &&
           file.flush();
}

// The frequencies a deck asks for: the counts of its FR cards.
int frequenciesOf(const std::string& deck) {
    std::istringstream lines(deck);
    std::string card;
    int count = 0;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        int type = 0, points = 0;
        if (fields >> card && card == "FR" && fields >> type >> points && points > 0) count += points;
    }
    return count;
}

QByteArray reportOf(const NecRun& run) {
    QFile file(run.folder.filePath("out.txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The program's sentence, and under it nec2c's own words on what went wrong:
// the fault its report names, else the last lines it wrote on its error output.
QString withEngineWords(NecRun& run, const QString& sentence) {
    const QByteArray report = reportOf(run);
    const QByteArray errors = run.process.readAllStandardError();
    const std::string words = nec::engineMessage(std::string_view(report.constData(), report.size()),
                                                 std::string_view(errors.constData(), errors.size()));
    return words.empty() ? sentence : sentence + "\n" + QString::fromStdString(words);
}

// nec2c dies with the program: the kernel kills it when the thread that
// started it ends, even when the program is killed outright. It also runs a
// little below the program's priority, so that with every core computing the
// windows still get one at once when they have something to draw.
void dieWithParent(QProcess& process) {
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) ::_exit(127);
        (void)::nice(5);
    });
}

}  // namespace

NecEngine::NecEngine(QObject* parent) : QObject(parent) {
    connect(&m_poll, &QTimer::timeout, this, &NecEngine::reportProgress);
}

NecEngine::~NecEngine() { cancel(); }

QString NecEngine::program() { return QStandardPaths::findExecutable("nec2c"); }

void NecEngine::start(const std::vector<std::string>& decks, std::function<void(const Outcome&)> finished) {
    cancel();
    m_finished = std::move(finished);
    m_frequencies = 0;
    m_program = program();
    if (m_program.isEmpty()) {
        // Reported from the event loop, like every other ending.
        auto* run = new NecRun(this);
        run->started = run->ended = true;
        run->error =
            tr("Il programma di simulazione nec2c non è installato: installare il pacchetto "
               "Debian nec2c (sudo apt install nec2c).");
        m_runs.push_back(run);
        QTimer::singleShot(0, this, &NecEngine::runEnded);
        return;
    }
    for (const std::string& deck : decks) {
        auto* run = new NecRun(this);
        run->deck = deck;
        m_runs.push_back(run);
        m_frequencies += frequenciesOf(deck);
    }
    launchNext();
    // Every deck may have failed before its engine started.
    QTimer::singleShot(0, this, &NecEngine::runEnded);
    m_poll.start(200);
    emit progress(0, m_frequencies);
}

// One process a core: more would only share the cores and slow the interface.
void NecEngine::launchNext() {
    const int cores = std::max(1, QThread::idealThreadCount());
    int going = 0;
    for (const NecRun* run : m_runs)
        if (run->started && !run->ended) ++going;
    // A process that fails to start may say so at once: its ending waits for
    // the event loop, and the list stays as it is meanwhile.
    m_launching = true;
    for (NecRun* run : m_runs) {
        if (going >= cores) break;
        if (run->started) continue;
        launch(*run);
        if (!run->ended) ++going;
    }
    m_launching = false;
}

void NecEngine::launch(NecRun& run) {
    run.started = true;
    const std::string deck = std::exchange(run.deck, {});
    if (!run.folder.isValid() || !writeDeck(run.folder, deck)) {
        run.ended = true;
        run.error = tr("Impossibile scrivere il modello in una cartella temporanea.");
        return;
    }
    NecRun* r = &run;
    run.process.setWorkingDirectory(run.folder.path());
    run.process.setStandardOutputFile(QProcess::nullDevice());
    dieWithParent(run.process);
    connect(&run.process, &QProcess::finished, this, [this, r](int code, QProcess::ExitStatus status) {
        r->limit.stop();
        if (r->ended) return;
        r->ended = true;
        if (status == QProcess::CrashExit)
            r->error = withEngineWords(*r, tr("nec2c si è interrotto in modo anomalo."));
        else if (code != 0)
            r->error = withEngineWords(*r, tr("nec2c è terminato con un errore (codice %1).").arg(code));
        runEnded();
    });
    connect(&run.process, &QProcess::errorOccurred, this, [this, r](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart || r->ended) return;
        r->ended = true;
        r->error = tr("nec2c non si avvia: %1").arg(r->process.errorString());
        runEnded();
    });
    run.limit.setSingleShot(true);
    connect(&run.limit, &QTimer::timeout, this, [this, r] {
        if (r->ended) return;
        r->ended = true;
        r->error = tr("nec2c non ha finito entro %1 s: simulazione interrotta.")
                       .arg(QString::fromStdString(formatDouble(m_limitMs / 1000.0, m_language)));
        runEnded();
    });
    run.limit.start(m_limitMs);
    run.process.start(m_program, {"-i", "deck.nec", "-o", "out.txt"});
}

void NecEngine::reportProgress() {
    int done = 0;
    for (NecRun* run : m_runs) done += run->frequenciesWritten();
    emit progress(std::min(done, m_frequencies), m_frequencies);
}

void NecEngine::runEnded() {
    if (m_launching) {
        QTimer::singleShot(0, this, &NecEngine::runEnded);
        return;
    }
    launchNext();
    for (const NecRun* run : m_runs)
        if (!run->ended) return;
    if (m_runs.empty()) return;
    Outcome outcome;
    for (NecRun* run : m_runs) {
        if (!run->error.isEmpty()) {
            outcome = {{}, {}, {}, run->error};
            break;
        }
        if (!QFile::exists(run->folder.filePath("out.txt"))) {
            outcome = {{}, {}, {}, withEngineWords(*run, tr("nec2c non ha scritto alcun risultato."))};
            break;
        }
        const QByteArray report = reportOf(*run);
        nec::OutputOutcome read =
            nec::readNecOutput(std::string_view(report.constData(), report.size()), m_language);
        if (!read.error.empty()) {
            outcome = {{}, {}, {}, withEngineWords(*run, QString::fromStdString(read.error))};
            break;
        }
        outcome.rows.insert(outcome.rows.end(), read.rows.begin(), read.rows.end());
        outcome.decks.push_back(std::move(read.rows));
        outcome.reports.emplace_back(report.constData(), report.size());
    }
    finish(outcome);
}

void NecEngine::finish(const Outcome& outcome) {
    auto finished = std::move(m_finished);
    m_finished = nullptr;
    cancel();
    if (finished) finished(outcome);
}

void NecEngine::cancel() {
    m_poll.stop();
    for (NecRun* run : std::exchange(m_runs, {})) {
        run->ended = true;
        run->limit.stop();
        run->process.disconnect(this);
        if (run->process.state() == QProcess::NotRunning) {
            run->deleteLater();
            continue;
        }
        // Killed here, reaped from its own signal, whatever becomes of the engine.
        run->setParent(QCoreApplication::instance());
        ++m_reaping;
        connect(&run->process, &QProcess::finished, run, &QObject::deleteLater);
        connect(&run->process, &QProcess::finished, this, [this] {
            if (--m_reaping == 0) emit reaped();
        });
        run->process.kill();
    }
    m_finished = nullptr;
}

}  // namespace zeliro
