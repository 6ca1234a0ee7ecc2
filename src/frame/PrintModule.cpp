// The print module (libzeliro_print.so): the default printer reached through
// the CUPS library. The program loads it on a print worker's thread the
// first time the user prints (see PrintSystem.h); every function here runs on
// such a worker, never on the event loop.

#include <cups/cups.h>

#include <cstring>

#include "frame/PrintSystem.h"

namespace zeliro {

namespace {

using Trip = PrintTrip;
using Fate = PrintFate;
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
void sendJob(Trip& trip, http_t* http, Dest& dest, const std::string& document, int timeoutMs,
             void (*jobCreated)()) {
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
    if (jobCreated) jobCreated();
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
void handOver(std::shared_ptr<Trip> trip, std::string printer, std::string document, int timeoutMs,
              void (*jobCreated)()) {
    Http connection;
    connect(connection, timeoutMs);
    Dest dest;
    trip->result.printer = QString::fromStdString(printer);
    if (!connection.http || !(dest.dest = cupsGetNamedDest(connection.http, printer.c_str(), nullptr))) {
        fail(*trip, Status::noAnswer);
    } else {
        sendJob(*trip, connection.http, dest, document, timeoutMs, jobCreated);
    }
    trip->finished.store(true, std::memory_order_release);
}

void useServer(const char* server) { cupsSetServer(server); }

constexpr PrintSystem trips{lookUp, handOver, useServer};

}  // namespace
}  // namespace zeliro

extern "C" __attribute__((visibility("default"))) const zeliro::PrintSystem* zeliroPrintSystem() {
    return &zeliro::trips;
}
