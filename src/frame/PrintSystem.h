#pragma once
// Where the program meets the print system. The CUPS library, and the
// twenty-odd libraries it brings (TLS, Kerberos, Avahi), live in a module of
// their own (libzeliro_print.so, in lib/zeliro beside the verification
// module), loaded on a print worker's thread the first time the user prints,
// so that the program starts without them. The module's one entry hands out
// the two trips a job makes; SystemPrinter (SystemPrinter.h) runs them.

#include <atomic>
#include <memory>
#include <string>

#include "frame/Platform.h"

namespace zeliro {

// Who decides a job's fate: the worker until the time limit gives it up, or
// the server once the worker has sent the job's release. Each side moves the
// state from `working` once; whichever comes first wins.
enum class PrintFate { working, givenUp, releasing };

// What a worker found out. The worker writes it, then sets `finished`; the
// program reads it only after seeing `finished`.
struct PrintTrip {
    std::atomic<bool> finished{false};
    std::atomic<PrintFate> fate{PrintFate::working};
    PrintResult result;
    bool paperKnown = false;
    double paperMm[2] = {0, 0};          // width, length
    double marginsMm[4] = {0, 0, 0, 0};  // left, top, right, bottom
};

struct PrintSystem {
    // First trip: the default queue, whether it takes jobs, its paper.
    void (*lookUp)(std::shared_ptr<PrintTrip> trip, int timeoutMs);
    // Second trip: the PDF to the queue, as one job; `jobCreated` is called
    // once the job exists on the queue, on hold.
    void (*handOver)(std::shared_ptr<PrintTrip> trip, std::string printer, std::string document,
                     int timeoutMs, void (*jobCreated)());
    // Points the library, on the calling thread only, at a server (a socket
    // path or host name; nullptr: the one it would find by itself).
    void (*useServer)(const char* server);
};

// The module's entry: its trips, for the whole run.
using PrintSystemEntry = const PrintSystem* (*)();
inline constexpr const char* printSystemSymbol = "zeliroPrintSystem";

}  // namespace zeliro
