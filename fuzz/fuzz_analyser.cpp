// What an analyser sends, as any bytes: the shell's replies (and the
// RigExpert's lines) taken off it one by one and read every way the link
// reads them. Never a crash; a reply taken
// always consumes what it came from; what reads holds what the link relies on.
#include <cmath>
#include <complex>
#include <cstdint>
#include <string>
#include <vector>

#include "core/sweep/analyser.h"
#include "fuzzcheck.h"

using namespace zeliro::analyser;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const char* const commands[] = {
        "", "info", "bandwidth", "sweep", "scan 7000000 7200000 5 3", "frequencies", "data 0"};
    const std::string command = commands[data[0] % std::size(commands)];
    std::string received(reinterpret_cast<const char*>(data + 1), size - 1);
    const Segment segment{7'000'000, 7'200'000, 5};
    // The RigExpert's lines.
    std::string lines = received;
    for (std::size_t before = lines.size(); const auto line = takeLine(lines); before = lines.size()) {
        FUZZ_CHECK(lines.size() < before && !line->empty());
        if (const auto point = readFrxLine(*line, 50)) FUZZ_CHECK(std::abs(point->s11) <= 1 + 1e-9);
    }
    while (true) {
        const std::size_t before = received.size();
        const auto reply = takeReply(received, command);
        if (!reply) break;
        FUZZ_CHECK(received.size() < before);
        if (const auto points = readScan(*reply)) {
            FUZZ_CHECK(points->size() == reply->size());
            if (const auto taken = pointsOfSegment(*points, segment)) {
                FUZZ_CHECK(int(taken->size()) == segment.points);
                for (std::size_t i = 1; i < taken->size(); ++i)
                    FUZZ_CHECK((*taken)[i].frequencyHz > (*taken)[i - 1].frequencyHz);
            }
        }
        if (const auto points = readFrequenciesAndData(*reply, *reply))
            FUZZ_CHECK(points->size() == reply->size());
        const DeviceInfo info = readInfo(*reply);
        FUZZ_CHECK(info.name.size() <= 60);
        for (char c : info.name) FUZZ_CHECK(c >= 0x20 && c <= 0x7e);
        FUZZ_CHECK(info.pointsPerScan == 0 || (info.pointsPerScan >= 2 && info.pointsPerScan <= maxPoints));
        if (const auto hertz = readBandwidthHz(*reply)) {
            FUZZ_CHECK(std::isfinite(*hertz) && *hertz > 0);
            FUZZ_CHECK(scanTimeMs(maxPoints, hertz) >= 0);
        }
        if (const auto range = readSweepRange(*reply))
            FUZZ_CHECK(range->startHz <= range->stopHz && range->stopHz <= maxShellFrequencyHz);
    }
    return 0;
}
