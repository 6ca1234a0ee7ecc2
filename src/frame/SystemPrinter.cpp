#include "frame/SystemPrinter.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QPageLayout>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include "frame/PrintSystem.h"

namespace zeliro {

namespace {
std::atomic<int> timeLimitMs{5000};
std::atomic<void (*)()> jobCreatedHook{nullptr};
QString moduleFileSet;  // set on the event loop's thread only

using Trip = PrintTrip;
using Status = PrintResult::Status;

// The module once loaded: its trips, for the rest of the run.
std::atomic<const PrintSystem*> loadedSystem{nullptr};

// Loads the print module on the calling thread (a print's worker, or the
// preview's printer on the event loop); nullptr, and the loader's words, when
// it cannot be loaded. A module that failed is tried again the next time.
// (dlopen rather than QLibrary: a worker given up may still be loading when
// the program ends, and must touch nothing of Qt's that goes away with it.)
const PrintSystem* printSystem(const std::string& file, std::string& error) {
    if (const PrintSystem* system = loadedSystem.load()) return system;
    static std::mutex loading;
    const std::lock_guard<std::mutex> hold(loading);
    if (const PrintSystem* system = loadedSystem.load()) return system;
    void* module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        error = dlerror();
        return nullptr;
    }
    const auto entry = reinterpret_cast<PrintSystemEntry>(dlsym(module, printSystemSymbol));
    if (!entry) {
        error = file + ": " + printSystemSymbol + " not found";
        dlclose(module);
        return nullptr;
    }
    loadedSystem.store(entry());
    return loadedSystem.load();
}

// First trip, through the module, which it loads first if need be.
void lookUp(std::string moduleFile, std::shared_ptr<Trip> trip, int timeoutMs) {
    std::string error;
    if (const PrintSystem* system = printSystem(moduleFile, error))
        return system->lookUp(std::move(trip), timeoutMs);
    trip->result = {Status::noAnswer, {}, QString::fromStdString(error)};
    trip->finished.store(true, std::memory_order_release);
}

// The module's file, in lib/zeliro beside the program's folder as the
// verification module's. Read on the event loop's thread.
QString moduleFile() {
    return moduleFileSet.isEmpty()
               ? QCoreApplication::applicationDirPath() + "/../lib/zeliro/libzeliro_print.so"
               : moduleFileSet;
}

void jobCreated() {
    if (const auto hook = jobCreatedHook.load()) hook();
}

QPageLayout layoutOf(const Trip& trip) {
    if (!trip.paperKnown) return standardPageLayout();
    const QPageSize paper(QSizeF(trip.paperMm[0], trip.paperMm[1]), QPageSize::Millimeter);
    const QMarginsF margins(trip.marginsMm[0], trip.marginsMm[1], trip.marginsMm[2], trip.marginsMm[3]);
    return QPageLayout(paper, QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

}  // namespace

SystemPrinter::SystemPrinter(QObject* parent) : QObject(parent) {
    m_poll.setInterval(10);
    QObject::connect(&m_poll, &QTimer::timeout, this, &SystemPrinter::poll);
}

SystemPrinter::~SystemPrinter() = default;

void SystemPrinter::setTimeLimit(int milliseconds) { timeLimitMs = milliseconds; }
void SystemPrinter::setJobCreatedHook(void (*hook)()) { jobCreatedHook = hook; }
int SystemPrinter::timeLimit() { return timeLimitMs; }
void SystemPrinter::setModuleFile(const QString& file) { moduleFileSet = file; }

const PrintSystem* SystemPrinter::printSystem(QString* error) {
    std::string why;
    const PrintSystem* system = zeliro::printSystem(moduleFile().toStdString(), why);
    if (error) *error = QString::fromStdString(why);
    return system;
}

void SystemPrinter::printLines(const std::vector<std::string>& lines, Done done) {
    enqueue({PrintContent{lines, {}}, std::move(done)});
}

void SystemPrinter::printImage(const QImage& image, Done done) {
    enqueue({PrintContent{{}, image}, std::move(done)});
}

void SystemPrinter::printReport(const std::vector<std::string>& lines, const QImage& picture, Done done) {
    enqueue({PrintContent{lines, picture}, std::move(done)});
}

void SystemPrinter::enqueue(Pending pending) {
    m_queue.push_back(std::move(pending));
    startNext();
}

void SystemPrinter::startNext() {
    if (m_trip || m_queue.empty()) return;
    m_trip = std::make_shared<Trip>();
    m_sending = false;
    m_printerName.clear();
    m_clock.start();
    std::thread(lookUp, moduleFile().toStdString(), m_trip, timeLimit()).detach();
    m_poll.start();
}

void SystemPrinter::poll() {
    if (!m_trip) return;
    if (!m_trip->finished.load(std::memory_order_acquire)) {
        PrintFate working = PrintFate::working;
        if (m_clock.elapsed() >= timeLimit() &&
            m_trip->fate.compare_exchange_strong(working, PrintFate::givenUp))
            finish({Status::noAnswer, m_printerName, {}});
        return;
    }
    if (m_sending || m_trip->result.status != Status::handedOver) {
        finish(m_trip->result);
    } else {
        send();
    }
}

void SystemPrinter::send() {
    m_printerName = m_trip->result.printer;
    const QByteArray document = pdfDocument(m_queue.front().content, layoutOf(*m_trip));
    if (document.isEmpty()) {
        finish({Status::notFinished, m_printerName, {}});
        return;
    }
    // The first trip came back through the module, so it is loaded.
    const PrintSystem* system = loadedSystem.load();
    m_trip = std::make_shared<Trip>();
    m_sending = true;
    const int remaining = std::max(500, timeLimit() - static_cast<int>(m_clock.elapsed()));
    std::thread(system->handOver, m_trip, m_printerName.toStdString(), document.toStdString(), remaining,
                &jobCreated)
        .detach();
}

void SystemPrinter::finish(PrintResult result) {
    m_poll.stop();
    m_trip.reset();
    Pending done = std::move(m_queue.front());
    m_queue.pop_front();
    startNext();
    if (done.done) done.done(result);
}

}  // namespace zeliro
