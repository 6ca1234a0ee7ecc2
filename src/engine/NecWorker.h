#pragma once
// The host of the program's nec2c processes: one worker thread, made on first
// use and ended when the application quits, where every process is started,
// limited, killed and reaped, every deck written, every report read and
// parsed, and every run folder removed. NecEngine, on the caller's thread,
// only posts runs and cancels to it and hears back through queued signals, so
// the thread of the windows never waits on the disk or on a fork.
//
// At most one live process a core, over every run of every engine: a killed
// process counts until it has been reaped. A process past its run's time
// limit is killed; the first failure of a run ends it at once (`ended` with
// that failure) and kills its other processes; `gone` follows once the last
// process of the run has been reaped and its folder removed.
//
// The thread lives as long as the application: the kernel kills nec2c when
// the thread that started it ends (PR_SET_PDEATHSIG), so a thread that ended
// earlier would take running processes with it. When the application quits,
// every process is killed, reaped and its folder removed before the thread ends.

#include <QObject>
#include <QTimer>

#include <list>
#include <memory>
#include <string>
#include <vector>

#include "engine/NecEngine.h"

namespace zeliro {

class NecProcess;

// One run: decks run in order, one process each.
struct NecJob {
    quint64 id = 0;
    std::vector<std::string> decks;
    int frequencies = 0;  // of every deck
    int limitMs = 60000;  // of each process, from its start
    Language language = Language::italian;
};

class NecWorker : public QObject {
    Q_OBJECT
public:
    // The host, made on first use (on the application's thread, with an
    // application); none once the application has quit.
    static NecWorker* host();

    // From any thread: queued to the host's thread.
    void post(NecJob job);
    void postCancel(quint64 id);

signals:
    void progress(quint64 id, int done, int total);
    void ended(quint64 id, const zeliro::NecEngine::Outcome& outcome);
    void gone(quint64 id);

private:
    struct Job;

    NecWorker();
    ~NecWorker() override;
    void run(NecJob job);
    void cancel(quint64 id);
    void shutdown();
    void schedule();
    void launch(Job& job);
    void processEnded(NecProcess* process, int code, bool crashed);
    void failedToStart(NecProcess* process);
    void pastLimit(NecProcess* process);
    void fail(Job& job, const QString& error);
    void succeed(Job& job);
    void kill(NecProcess& process);
    void release(NecProcess* process);
    void goneIfReaped(quint64 id);
    void reportProgress();
    Job* find(quint64 id);

    int m_cores;
    std::list<Job> m_jobs;                 // of runs not gone yet, in order
    std::vector<NecProcess*> m_processes;  // live: started and not reaped
    bool m_scheduling = false;
    QTimer m_poll{this};  // looks at the reports' progress

    friend void closeNecHost();
};

}  // namespace zeliro
