#include "engine/NecEngine.h"

#include <QStandardPaths>

#include <sstream>

#include "engine/NecWorker.h"

namespace zeliro {
namespace {

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

quint64 lastRun = 0;

}  // namespace

NecEngine::NecEngine(QObject* parent) : QObject(parent) { host(); }

// The program's host of nec2c processes, heard from by this engine.
NecWorker* NecEngine::host() {
    NecWorker* host = NecWorker::host();
    if (!host || host == m_host) return host;
    m_host = host;
    connect(host, &NecWorker::progress, this, [this](quint64 run, int done, int total) {
        if (run == m_current) emit progress(done, total);
    });
    connect(host, &NecWorker::ended, this, &NecEngine::ended);
    connect(host, &NecWorker::gone, this, &NecEngine::gone);
    return host;
}

NecEngine::~NecEngine() { cancel(); }

QString NecEngine::program() { return QStandardPaths::findExecutable("nec2c"); }

void NecEngine::start(const std::vector<std::string>& decks, std::function<void(const Outcome&)> finished) {
    cancel();
    NecWorker* host = this->host();
    if (!host) return;  // the application is ending
    m_finished = std::move(finished);
    NecJob job{++lastRun, decks, 0, m_limitMs, m_language};
    for (const std::string& deck : decks) job.frequencies += frequenciesOf(deck);
    m_current = job.id;
    m_unreaped.insert(job.id);
    const int frequencies = job.frequencies;
    host->post(std::move(job));
    emit progress(0, frequencies);
}

void NecEngine::cancel() {
    m_finished = nullptr;
    if (!m_current) return;
    if (NecWorker* host = this->host()) host->postCancel(m_current);
    m_current = 0;
}

void NecEngine::ended(quint64 run, const Outcome& outcome) {
    if (run != m_current) return;
    m_current = 0;
    const auto finished = std::exchange(m_finished, nullptr);
    if (finished) finished(outcome);
}

void NecEngine::gone(quint64 run) {
    if (m_unreaped.erase(run) && reaping() == 0) emit reaped();
}

}  // namespace zeliro
