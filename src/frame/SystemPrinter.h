#pragma once
// The system's default printer, reached through the CUPS library and never
// from the event loop. The library is in the print module (PrintSystem.h),
// loaded by the first job's worker: a module that cannot be loaded ends the
// job as a print system that is not there, with the loader's words.
//
// A job makes two trips to a worker thread. The first finds the default queue,
// whether it takes jobs, and its paper; back here, the pages are drawn as a PDF
// for that paper; the second trip hands the PDF to the queue as one job. The
// whole job has a time limit: when it passes, the job is given up as
// unanswered and its worker is left to end on its own (the library's own
// time-outs end it). A job is made on hold and released only once its whole
// document is in; a worker given up before the release cancels its job, and
// a job on hold never prints, even where the cancel is lost. So a job the user
// was told did not print never prints later. Once the release is on its way,
// the job is not given up: its fate is the server's answer, which the
// library's time-out bounds. A worker holds only its own copies and a record shared
// with this object, so a worker given up, or still running when the program
// ends, never touches a window, this object or the application. Jobs wait
// their turn in the order given.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <memory>

#include "frame/Platform.h"
#include "frame/PrintPages.h"

namespace zeliro {

struct PrintSystem;
struct PrintTrip;

class SystemPrinter : public QObject, public Printer {
    Q_OBJECT
public:
    explicit SystemPrinter(QObject* parent = nullptr);
    ~SystemPrinter() override;

    void printLines(const std::vector<std::string>& lines, Done done) override;
    void printImage(const QImage& image, Done done) override;
    void printReport(const std::vector<std::string>& lines, const QImage& picture, Done done) override;

    // How long a job may take before the user is told (5 s); tests shorten it.
    static void setTimeLimit(int milliseconds);
    static int timeLimit();
    // Called on the worker's thread once the job exists on the queue; for
    // tests that break the print system at that moment.
    static void setJobCreatedHook(void (*hook)());
    // The print module's file, for tests that take it away (until the module
    // has once been loaded: it then stays for the run); empty (the default)
    // is lib/zeliro/libzeliro_print.so beside the program's folder.
    static void setModuleFile(const QString& file);
    // The print module's functions, the module loaded first if need be (on
    // this thread); nullptr, and the loader's words, when it cannot be.
    static const PrintSystem* printSystem(QString* error = nullptr);

private:
    struct Pending {
        PrintContent content;
        Done done;
    };
    void enqueue(Pending pending);
    void startNext();
    void poll();
    void send();
    void finish(PrintResult result);  // a copy: the record it may come from goes first

    std::deque<Pending> m_queue;
    std::shared_ptr<PrintTrip> m_trip;  // the running worker's record
    bool m_sending = false;             // second trip
    QString m_printerName;
    QTimer m_poll;
    QElapsedTimer m_clock;
};

}  // namespace zeliro
