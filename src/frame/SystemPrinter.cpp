#include "frame/SystemPrinter.h"

#include <cups/cups.h>

#include <QPageLayout>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>

namespace zeliro {

namespace {
std::atomic<int> timeLimitMs{5000};
std::atomic<void (*)()> jobCreatedHook{nullptr};

// Who decides a job's fate: the worker until the time limit gives it up, or
// the server once the worker has sent the job's release. Each side moves the
// state from `working` once; whichever comes first wins.
enum class Fate { working, givenUp, releasing };
}  // namespace

// What a worker found out. The worker writes it, then sets `finished`; this
// side reads it only after seeing `finished`.
struct SystemPrinter::Trip {
    std::atomic<bool> finished{false};
    std::atomic<Fate> fate{Fate::working};
    PrintResult result;
    bool paperKnown = false;
    double paperMm[2] = {0, 0};          // width, length
    double marginsMm[4] = {0, 0, 0, 0};  // left, top, right, bottom
};

namespace {

using Trip = SystemPrinter::Trip;
using Status = PrintResult::Status;

// Owners of the library's objects, freed on every way out of a trip.
struct Http {
    http_t* http = nullptr;
    ~Http() {
        if (http) httpClose(http);
    }
};
struct Dest {
    cups_dest_t* dest = nullptr;
    cups_dinfo_t* info = nullptr;
    ~Dest() {
        if (info) cupsFreeDestInfo(info);
        if (dest) cupsFreeDests(1, dest);
    }
};

void connect(Http& connection, int timeoutMs) {
    int cancel = 0;
    connection.http =
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, timeoutMs, &cancel);
    if (connection.http) httpSetTimeout(connection.http, timeoutMs / 1000.0, nullptr, nullptr);
}

bool isFailure(ipp_status_t status) { return status > IPP_STATUS_OK_EVENTS_COMPLETE; }

// Why no default queue came back: none is chosen, or the server failed.
Status missingDefault(ipp_status_t status) {
    const bool noneChosen = status == IPP_STATUS_ERROR_NOT_FOUND || !isFailure(status);
    return noneChosen ? Status::noDefaultPrinter : Status::noAnswer;
}

void fail(Trip& trip, Status status) {
    trip.result.status = status;
    trip.result.detail = QString::fromUtf8(cupsLastErrorString());
}

bool takesJobs(const cups_dest_t& dest) {
    const char* state = cupsGetOption("printer-state", dest.num_options, dest.options);
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest.num_options, dest.options);
    const bool stopped = state && std::strcmp(state, "5") == 0;
    const bool rejecting = accepting && std::strcmp(accepting, "false") == 0;
    return !stopped && !rejecting;
}

void readPaper(Trip& trip, http_t* http, Dest& dest) {
    dest.info = cupsCopyDestInfo(http, dest.dest);
    cups_size_t size;
    if (!dest.info || !cupsGetDestMediaDefault(http, dest.dest, dest.info, CUPS_MEDIA_FLAGS_DEFAULT, &size))
        return;
    if (size.width <= 0 || size.length <= 0) return;
    trip.paperKnown = true;
    trip.paperMm[0] = size.width / 100.0;
    trip.paperMm[1] = size.length / 100.0;
    const int margins[4] = {size.left, size.top, size.right, size.bottom};
    for (int i = 0; i < 4; ++i) trip.marginsMm[i] = margins[i] / 100.0;
}

// First trip: the default queue, whether it takes jobs, its paper.
void lookUp(std::shared_ptr<Trip> trip, int timeoutMs) {
    Http connection;
    connect(connection, timeoutMs);
    Dest dest;
    if (!connection.http) {
        fail(*trip, Status::noAnswer);
    } else if (!(dest.dest = cupsGetNamedDest(connection.http, nullptr, nullptr))) {
        fail(*trip, missingDefault(cupsLastError()));
    } else {
        trip->result.printer = QString::fromUtf8(dest.dest->name);
        if (!takesJobs(*dest.dest)) {
            trip->result.status = Status::refused;
        } else {
            readPaper(*trip, connection.http, dest);
        }
    }
    trip->finished.store(true, std::memory_order_release);
}

// Lets a job on hold print.
bool release(http_t* http, int job) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/jobs/%d",
                     job);
    ipp_t* request = ippNewRequest(IPP_OP_RELEASE_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippDelete(cupsDoRequest(http, request, "/jobs/"));
    return !isFailure(cupsLastError());
}

// Takes a job off the queue, on a connection of its own: the job's own one
// may be the one that broke. The job is on hold, so it never prints even
// where this does not reach the server.
void cancel(const Dest& dest, int job, int timeoutMs) {
    Http connection;
    connect(connection, timeoutMs);
    if (connection.http) cupsCancelDestJob(connection.http, dest.dest, job);
}

// Creates the job on the queue, on hold, sends the document into it, then
// releases it, unless the job was given up by then.
void sendJob(Trip& trip, http_t* http, Dest& dest, const std::string& document, int timeoutMs) {
    int job = 0;
    dest.info = cupsCopyDestInfo(http, dest.dest);
    cups_option_t* options = nullptr;
    const int optionCount = cupsAddOption("job-hold-until", "indefinite", 0, &options);
    const ipp_status_t created =
        cupsCreateDestJob(http, dest.dest, dest.info, &job, "ZELIRO", optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (isFailure(created) || job == 0) {
        fail(trip,
             cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE ? Status::noAnswer : Status::refused);
        return;
    }
    if (const auto hook = jobCreatedHook.load()) hook();
    const bool sent = cupsStartDestDocument(http, dest.dest, dest.info, job, "ZELIRO", CUPS_FORMAT_PDF, 0,
                                            nullptr, 1) == HTTP_STATUS_CONTINUE &&
                      cupsWriteRequestData(http, document.data(), document.size()) == HTTP_STATUS_CONTINUE &&
                      !isFailure(cupsFinishDestDocument(http, dest.dest, dest.info));
    Fate working = Fate::working;
    if (!sent || !trip.fate.compare_exchange_strong(working, Fate::releasing)) {
        fail(trip, Status::notFinished);
        cancel(dest, job, timeoutMs);
        return;
    }
    if (release(http, job)) return;
    fail(trip, Status::notFinished);
    cancel(dest, job, timeoutMs);
}

// Second trip: the PDF to the queue, as one job.
void handOver(std::shared_ptr<Trip> trip, std::string printer, std::string document, int timeoutMs) {
    Http connection;
    connect(connection, timeoutMs);
    Dest dest;
    trip->result.printer = QString::fromStdString(printer);
    if (!connection.http || !(dest.dest = cupsGetNamedDest(connection.http, printer.c_str(), nullptr))) {
        fail(*trip, Status::noAnswer);
    } else {
        sendJob(*trip, connection.http, dest, document, timeoutMs);
    }
    trip->finished.store(true, std::memory_order_release);
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

void SystemPrinter::printLines(const std::vector<std::string>& lines, Done done) {
    enqueue({PrintContent{lines, {}}, std::move(done)});
}

void SystemPrinter::printImage(const QImage& image, Done done) {
    enqueue({PrintContent{{}, image}, std::move(done)});
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
    std::thread(lookUp, m_trip, timeLimit()).detach();
    m_poll.start();
}

void SystemPrinter::poll() {
    if (!m_trip) return;
    if (!m_trip->finished.load(std::memory_order_acquire)) {
        Fate working = Fate::working;
        if (m_clock.elapsed() >= timeLimit() && m_trip->fate.compare_exchange_strong(working, Fate::givenUp))
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
    m_trip = std::make_shared<Trip>();
    m_sending = true;
    const int remaining = std::max(500, timeLimit() - static_cast<int>(m_clock.elapsed()));
    std::thread(handOver, m_trip, m_printerName.toStdString(), document.toStdString(), remaining).detach();
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
