#include "verify/NecEngine.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "core/numbers.h"

namespace zeliro {

struct NecEngine::Job {
    QTemporaryDir folder;
    QProcess process;
    QTimer limit;
    bool ended = false;
    QString error;
};

namespace {

QString tr(const char* text) { return QObject::tr(text); }

bool writeDeck(const QTemporaryDir& folder, const std::string& deck) {
    QFile file(folder.filePath("deck.nec"));
    if (!file.open(QIODevice::WriteOnly)) return false;
    return file.write(deck.data(), static_cast<qint64>(deck.size())) == static_cast<qint64>(deck.size());
}

// The rows of a finished run, or why there are none.
NecEngine::Outcome readOutput(const QTemporaryDir& folder, Language language) {
    QFile file(folder.filePath("out.txt"));
    if (!file.open(QIODevice::ReadOnly)) return {{}, tr("nec2c non ha scritto alcun risultato.")};
    const QByteArray report = file.readAll();
    nec::OutputOutcome outcome =
        nec::readNecOutput(std::string_view(report.constData(), report.size()), language);
    if (!outcome.error.empty()) return {{}, QString::fromStdString(outcome.error)};
    return {std::move(outcome.rows), {}};
}

}  // namespace

NecEngine::NecEngine(QObject* parent) : QObject(parent) {}

NecEngine::~NecEngine() { cancel(); }

QString NecEngine::program() { return QStandardPaths::findExecutable("nec2c"); }

void NecEngine::start(const std::vector<std::string>& decks, std::function<void(const Outcome&)> finished) {
    cancel();
    m_finished = std::move(finished);
    const QString engine = program();
    if (engine.isEmpty()) {
        // Reported from the event loop, like every other ending.
        QTimer::singleShot(0, this, [this] {
            finish({{},
                    tr("Il programma di simulazione nec2c non è installato: installare il pacchetto "
                       "Debian nec2c (sudo apt install nec2c).")});
        });
        m_jobs.push_back(std::make_shared<Job>());
        m_jobs.back()->ended = true;
        return;
    }
    for (const std::string& deck : decks) {
        auto job = std::make_shared<Job>();
        Job* self = job.get();
        m_jobs.push_back(std::move(job));
        if (!self->folder.isValid() || !writeDeck(self->folder, deck)) {
            self->ended = true;
            self->error = tr("Impossibile scrivere il modello in una cartella temporanea.");
            continue;
        }
        self->process.setWorkingDirectory(self->folder.path());
        self->process.setProcessChannelMode(QProcess::MergedChannels);
        self->process.setStandardOutputFile(QProcess::nullDevice());
        connect(&self->process, &QProcess::finished, this,
                [this, self](int code, QProcess::ExitStatus status) {
                    self->limit.stop();
                    if (self->ended) return;
                    self->ended = true;
                    if (status == QProcess::CrashExit)
                        self->error = tr("nec2c si è interrotto in modo anomalo.");
                    else if (code != 0)
                        self->error = tr("nec2c è terminato con un errore (codice %1).").arg(code);
                    jobEnded();
                });
        connect(&self->process, &QProcess::errorOccurred, this, [this, self](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart || self->ended) return;
            self->ended = true;
            self->error = tr("nec2c non si avvia: %1").arg(self->process.errorString());
            jobEnded();
        });
        self->limit.setSingleShot(true);
        connect(&self->limit, &QTimer::timeout, this, [this, self] {
            if (self->ended) return;
            self->ended = true;
            self->error = tr("nec2c non ha finito entro %1 s: simulazione interrotta.")
                              .arg(QString::fromStdString(formatDouble(m_limitMs / 1000.0)));
            self->process.kill();
            jobEnded();
        });
        self->limit.start(m_limitMs);
        self->process.start(engine, {"-i", "deck.nec", "-o", "out.txt"});
    }
    // Every deck may have failed before its engine started.
    QTimer::singleShot(0, this, [this] {
        if (!m_jobs.empty()) jobEnded();
    });
}

void NecEngine::jobEnded() {
    for (const auto& job : m_jobs)
        if (!job->ended) return;
    Outcome outcome;
    for (const auto& job : m_jobs) {
        const Outcome read =
            job->error.isEmpty() ? readOutput(job->folder, m_language) : Outcome{{}, job->error};
        if (!read.error.isEmpty()) {
            outcome = read;
            break;
        }
        outcome.rows.insert(outcome.rows.end(), read.rows.begin(), read.rows.end());
    }
    finish(outcome);
}

void NecEngine::finish(const Outcome& outcome) {
    if (m_jobs.empty()) return;
    auto finished = std::move(m_finished);
    m_finished = nullptr;
    cancel();
    if (finished) finished(outcome);
}

void NecEngine::cancel() {
    for (const auto& job : m_jobs) {
        job->ended = true;
        job->limit.stop();
        job->process.disconnect(this);
        if (job->process.state() != QProcess::NotRunning) {
            job->process.kill();
            job->process.waitForFinished(1000);
        }
    }
    // A job may end from inside its own process's signal: delete it later.
    if (!m_jobs.empty()) QTimer::singleShot(0, this, [old = std::move(m_jobs)] {});
    m_jobs.clear();
    m_finished = nullptr;
}

}  // namespace zeliro
