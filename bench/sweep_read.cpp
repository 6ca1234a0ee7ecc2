// Reading a measured sweep: a sample dipole sweep of N points (100000 unless
// given) is written as CSV and as Touchstone to a temporary folder, then each
// is read back RUNS times (5). Prints the median read time of each (wall and
// processor time: on a busy machine the second is the one to trust), the file
// sizes, and the peak memory of the process before and after reading, so that
// the memory per point shows. One size per process: the peak is the
// process's own.
//   bench_sweep_read [points] [runs]
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/dipolesweep.h"
#include "core/sweep/sweep.h"

namespace {

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double cpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct ReadTimes {
    double wallMs;
    double cpuMs;  // the honest figure on a busy machine
};

// Median times of reading the file `runs` times; stops the program if the
// file does not read.
ReadTimes medianRead(const std::filesystem::path& path, int runs, std::size_t points) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        std::ifstream in(path, std::ios::binary);
        const double cpuStart = cpuMs();
        const auto start = std::chrono::steady_clock::now();
        const zeliro::SweepReading reading = zeliro::readSweep(in, path.string());
        const auto end = std::chrono::steady_clock::now();
        cpu.push_back(cpuMs() - cpuStart);
        if (!reading.ok() || reading.sweep->points.size() != points) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), reading.error.message.c_str());
            std::exit(1);
        }
        wall.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    return {median(wall), median(cpu)};
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t points = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    const auto folder = std::filesystem::temp_directory_path() / ("zeliro-sweep-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const auto csv = folder / "sweep.csv";
    const auto touchstone = folder / "sweep.s1p";
    const zeliro::test::DipoleModel model;
    {
        std::ofstream out(csv, std::ios::binary);
        zeliro::test::writeDipoleCsv(out, model, 1, 30, points);
    }
    {
        std::ofstream out(touchstone, std::ios::binary);
        zeliro::test::writeDipoleTouchstone(out, model, 1, 30, points);
    }
    const long before = peakKilobytes();
    const ReadTimes csvTimes = medianRead(csv, runs, points);
    const ReadTimes touchstoneTimes = medianRead(touchstone, runs, points);
    const long after = peakKilobytes();
    std::printf("points %zu\n", points);
    std::printf("csv_bytes %ju\n", std::uintmax_t(std::filesystem::file_size(csv)));
    std::printf("s1p_bytes %ju\n", std::uintmax_t(std::filesystem::file_size(touchstone)));
    std::printf("csv_read_ms %.1f\n", csvTimes.wallMs);
    std::printf("csv_read_cpu_ms %.1f\n", csvTimes.cpuMs);
    std::printf("s1p_read_ms %.1f\n", touchstoneTimes.wallMs);
    std::printf("s1p_read_cpu_ms %.1f\n", touchstoneTimes.cpuMs);
    std::printf("peak_kb_before_reading %ld\n", before);
    std::printf("peak_kb_after_reading %ld\n", after);
    std::printf("bytes_per_point %.1f\n", double(after - before) * 1024 / double(points));
    std::filesystem::remove_all(folder);
    return 0;
}
