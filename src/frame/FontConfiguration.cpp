#include "frame/FontConfiguration.h"

#include <fontconfig/fontconfig.h>
#include <pthread.h>
#include <sched.h>

#include <atomic>
#include <chrono>

namespace zeliro {
namespace {

struct Reading {
    pthread_t thread{};
    bool started = false;
    std::atomic<bool> done{false};

    // Waits by yielding rather than sleeping: the reading takes a few
    // milliseconds, and a thread that sleeps is woken late on an idle virtual
    // machine (a millisecond and more). A reading that takes much longer (fonts
    // on a slow disk) is waited for asleep.
    void wait() {
        if (!started) return;
        const auto asleepFrom = std::chrono::steady_clock::now() + std::chrono::milliseconds(20);
        while (!done.load(std::memory_order_acquire))
            if (std::chrono::steady_clock::now() < asleepFrom)
                sched_yield();
            else
                join();
        // A thread whose work is done is joined at the exit: joining it now
        // would sleep until it has ended.
    }
    void join() {
        if (started) pthread_join(thread, nullptr);
        started = false;
    }
    // A program that ends before asking for a font still waits for the
    // thread, never leaving it running into the exit.
    ~Reading() { join(); }
};

Reading& reading() {
    static Reading instance;
    return instance;
}

void* readConfiguration(void*) {
    // Loads the configuration and the font caches into fontconfig's one
    // process-wide configuration, which Qt's font database then finds ready.
    FcInit();
    reading().done.store(true, std::memory_order_release);
    return nullptr;
}

}  // namespace

void loadFontConfigurationAside() {
    Reading& current = reading();
    if (current.started) return;
    cpu_set_t cores;
    CPU_ZERO(&cores);
    if (sched_getaffinity(0, sizeof cores, &cores) != 0 || CPU_COUNT(&cores) < 2) return;
    // On another core than this one. A new thread is otherwise often queued
    // behind the thread that made it, on the same core, and starts only when
    // Qt's start pauses, by which time its work would have been done here.
    const int here = sched_getcpu();
    if (here >= 0 && here < CPU_SETSIZE) CPU_CLR(here, &cores);
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) return;
    pthread_attr_setaffinity_np(&attributes, sizeof cores, &cores);
    current.started = pthread_create(&current.thread, &attributes, readConfiguration, nullptr) == 0;
    pthread_attr_destroy(&attributes);
}

void waitForFontConfiguration() { reading().wait(); }

}  // namespace zeliro
