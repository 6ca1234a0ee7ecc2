#include "engine/NecWorker.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <csignal>

#include <sys/prctl.h>
#include <unistd.h>

#include "core/nec/texts.h"
#include "core/numbers.h"
#include "engine/EngineFolders.h"

namespace zeliro {

// One deck run by one nec2c process in a folder of its own, from its start
// until it has been reaped.
class NecProcess : public QObject {
public:
    NecProcess(quint64 job, std::size_t deck) : job(job), deck(deck) {}

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

    QByteArray report() const {
        QFile file(folder.filePath("out.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    const quint64 job;
    const std::size_t deck;
    EngineFolder folder;
    QProcess process;
    QTimer limit;
    bool killed = false;

private:
    qint64 readUpTo = 0;
    QByteArray carry;
    int written = 0;
};

struct NecWorker::Job {
    NecJob run;
    QString program;
    std::size_t next = 0;  // the first deck not started
    std::size_t done = 0;
    std::vector<std::vector<nec::Row>> rows;  // deck by deck
    std::vector<std::string> reports;
    bool over = false;  // ended or cancelled: nothing more is started or told
};

namespace {

NecWorker* hostWorker = nullptr;
QThread* hostThread = nullptr;

QString engineText(nec::Text text, Language language, const std::vector<std::string>& arguments = {}) {
    return QString::fromStdString(nec::textWith(text, arguments, language));
}

bool writeDeck(const EngineFolder& folder, const std::string& deck) {
    QFile file(folder.filePath("deck.nec"));
    if (!file.open(QIODevice::WriteOnly)) return false;
    return file.write(deck.data(), static_cast<qint64>(deck.size())) == static_cast<qint64>(deck.size()) &&
           file.flush();
}

// The program's sentence, and under it nec2c's own words on what went wrong:
// the fault its report names, else the last lines it wrote on its error output.
QString withEngineWords(NecProcess& run, const QString& sentence) {
    const QByteArray report = run.report();
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

// Kills every process, waits for each (SIGKILL has already ended it) and
// removes its folder, then ends the thread: when the application quits.
void closeNecHost() {
    if (!hostWorker) return;
    QMetaObject::invokeMethod(hostWorker, &NecWorker::shutdown, Qt::BlockingQueuedConnection);
    hostThread->quit();
    hostThread->wait();
    delete std::exchange(hostWorker, nullptr);
    delete std::exchange(hostThread, nullptr);
}

NecWorker* NecWorker::host() {
    // Once the application is being destroyed, no host is made again.
    static bool closed = false;
    QCoreApplication* application = QCoreApplication::instance();
    if (hostWorker || closed || !application) return hostWorker;
    qRegisterMetaType<zeliro::NecEngine::Outcome>();
    hostThread = new QThread;
    hostThread->setObjectName(QStringLiteral("nec2c"));
    hostWorker = new NecWorker;
    hostWorker->moveToThread(hostThread);
    // A run started after the event loop has quit gets a host of its own again.
    QObject::connect(application, &QCoreApplication::aboutToQuit, hostWorker, &closeNecHost,
                     Qt::DirectConnection);
    static const bool routineAdded = [] {
        qAddPostRoutine([] {
            closed = true;
            closeNecHost();
        });
        return true;
    }();
    (void)routineAdded;
    hostThread->start();
    return hostWorker;
}

NecWorker::NecWorker() : m_cores(std::max(1, QThread::idealThreadCount())) {
    connect(&m_poll, &QTimer::timeout, this, &NecWorker::reportProgress);
}

NecWorker::~NecWorker() = default;

void NecWorker::post(NecJob job) {
    QMetaObject::invokeMethod(
        this, [this, job = std::move(job)]() mutable { run(std::move(job)); }, Qt::QueuedConnection);
}

void NecWorker::postCancel(quint64 id) {
    QMetaObject::invokeMethod(
        this, [this, id] { cancel(id); }, Qt::QueuedConnection);
}

NecWorker::Job* NecWorker::find(quint64 id) {
    const auto found =
        std::find_if(m_jobs.begin(), m_jobs.end(), [id](const Job& job) { return job.run.id == id; });
    return found == m_jobs.end() ? nullptr : &*found;
}

void NecWorker::run(NecJob run) {
    Job& job = m_jobs.emplace_back();
    job.run = std::move(run);
    job.rows.resize(job.run.decks.size());
    job.reports.resize(job.run.decks.size());
    job.program = QStandardPaths::findExecutable(QStringLiteral("nec2c"));
    if (job.program.isEmpty()) {
        fail(job, engineText(nec::Text::engineMissing, job.run.language));
        return;
    }
    if (job.run.decks.empty()) {
        succeed(job);
        return;
    }
    if (!m_poll.isActive()) m_poll.start(200);
    schedule();
}

void NecWorker::cancel(quint64 id) {
    Job* job = find(id);
    if (!job) return;
    job->over = true;
    for (NecProcess* process : m_processes)
        if (process->job == id) kill(*process);
    goneIfReaped(id);
}

// One process a core: more would only share the cores and slow the windows.
void NecWorker::schedule() {
    if (m_scheduling) return;  // a process that failed to start, told from inside its start
    m_scheduling = true;
    while (static_cast<int>(m_processes.size()) < m_cores) {
        const auto waiting = std::find_if(m_jobs.begin(), m_jobs.end(), [](const Job& job) {
            return !job.over && job.next < job.run.decks.size();
        });
        if (waiting == m_jobs.end()) break;
        launch(*waiting);
    }
    m_scheduling = false;
}

void NecWorker::launch(Job& job) {
    const std::size_t deck = job.next++;
    auto* process = new NecProcess(job.run.id, deck);
    if (!process->folder.isValid() || !writeDeck(process->folder, job.run.decks[deck])) {
        delete process;
        fail(job, engineText(nec::Text::engineCannotWrite, job.run.language));
        return;
    }
    std::string().swap(job.run.decks[deck]);
    m_processes.push_back(process);
    process->process.setWorkingDirectory(process->folder.path());
    process->process.setStandardOutputFile(QProcess::nullDevice());
    dieWithParent(process->process);
    connect(&process->process, &QProcess::finished, this,
            [this, process](int code, QProcess::ExitStatus status) {
                processEnded(process, code, status == QProcess::CrashExit);
            });
    connect(&process->process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) failedToStart(process);
    });
    process->limit.setSingleShot(true);
    connect(&process->limit, &QTimer::timeout, this, [this, process] { pastLimit(process); });
    process->limit.start(job.run.limitMs);
    process->process.start(job.program, {"-i", "deck.nec", "-o", "out.txt"});
}

void NecWorker::processEnded(NecProcess* process, int code, bool crashed) {
    process->limit.stop();
    Job* job = find(process->job);
    if (job && !job->over && !process->killed) {
        const Language language = job->run.language;
        QString error;
        const QByteArray report = process->report();
        if (crashed)
            error = withEngineWords(*process, engineText(nec::Text::engineCrashed, language));
        else if (code != 0)
            error = withEngineWords(*process,
                                    engineText(nec::Text::engineExitCode, language, {std::to_string(code)}));
        else if (!QFile::exists(process->folder.filePath("out.txt")))
            error = withEngineWords(*process, engineText(nec::Text::engineNoReport, language));
        if (error.isEmpty()) {
            nec::OutputOutcome read =
                nec::readNecOutput(std::string_view(report.constData(), report.size()), language);
            if (!read.error.empty()) error = withEngineWords(*process, QString::fromStdString(read.error));
            job->rows[process->deck] = std::move(read.rows);
            job->reports[process->deck].assign(report.constData(), report.size());
        }
        if (!error.isEmpty())
            fail(*job, error);
        else if (++job->done == job->run.decks.size())
            succeed(*job);
    }
    release(process);
}

void NecWorker::failedToStart(NecProcess* process) {
    process->limit.stop();
    Job* job = find(process->job);
    if (job && !job->over && !process->killed)
        fail(*job, engineText(nec::Text::engineNotStarting, job->run.language,
                              {process->process.errorString().toStdString()}));
    release(process);
}

void NecWorker::pastLimit(NecProcess* process) {
    Job* job = find(process->job);
    kill(*process);
    if (!job || job->over) return;
    const std::string seconds = formatDouble(job->run.limitMs / 1000.0, job->run.language);
    fail(*job, engineText(nec::Text::engineTimeLimit, job->run.language, {seconds}));
}

// The first failure ends the run: told at once, its other processes killed.
void NecWorker::fail(Job& job, const QString& error) {
    job.over = true;
    NecEngine::Outcome outcome;
    outcome.error = error;
    emit ended(job.run.id, outcome);
    for (NecProcess* process : m_processes)
        if (process->job == job.run.id) kill(*process);
    goneIfReaped(job.run.id);
}

void NecWorker::succeed(Job& job) {
    job.over = true;
    NecEngine::Outcome outcome;
    for (const std::vector<nec::Row>& rows : job.rows)
        outcome.rows.insert(outcome.rows.end(), rows.begin(), rows.end());
    outcome.decks = std::move(job.rows);
    outcome.reports = std::move(job.reports);
    emit ended(job.run.id, outcome);
    goneIfReaped(job.run.id);
}

// Killed here, reaped from its own `finished` (a killed process still holds
// its core until then).
void NecWorker::kill(NecProcess& process) {
    if (process.killed) return;
    process.killed = true;
    process.limit.stop();
    process.process.kill();
}

// The process has been reaped (or never ran): its folder goes, its core is free.
void NecWorker::release(NecProcess* process) {
    const auto found = std::find(m_processes.begin(), m_processes.end(), process);
    if (found == m_processes.end()) return;
    m_processes.erase(found);
    process->folder.remove();
    process->deleteLater();
    goneIfReaped(process->job);
    schedule();
}

void NecWorker::goneIfReaped(quint64 id) {
    const auto job =
        std::find_if(m_jobs.begin(), m_jobs.end(), [id](const Job& j) { return j.run.id == id; });
    if (job == m_jobs.end() || !job->over) return;
    if (std::any_of(m_processes.begin(), m_processes.end(),
                    [id](const NecProcess* p) { return p->job == id; }))
        return;
    m_jobs.erase(job);
    if (m_jobs.empty()) m_poll.stop();
    emit gone(id);
}

void NecWorker::reportProgress() {
    for (const Job& job : m_jobs) {
        if (job.over) continue;
        int done = 0;
        for (const std::vector<nec::Row>& rows : job.rows) done += static_cast<int>(rows.size());
        for (NecProcess* process : m_processes)
            if (process->job == job.run.id) done += process->frequenciesWritten();
        emit progress(job.run.id, std::min(done, job.run.frequencies), job.run.frequencies);
    }
}

void NecWorker::shutdown() {
    m_poll.stop();
    for (NecProcess* process : std::exchange(m_processes, {})) {
        process->process.disconnect(this);
        process->limit.stop();
        if (process->process.state() != QProcess::NotRunning) {
            process->process.kill();
            process->process.waitForFinished(2000);
        }
        delete process;  // its folder with it
    }
    for (const Job& job : std::exchange(m_jobs, {})) emit gone(job.run.id);
}

}  // namespace zeliro
