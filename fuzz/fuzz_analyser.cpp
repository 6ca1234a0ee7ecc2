// What an analyser sends, as any bytes: the shell's replies (and the
// RigExpert's lines, the NanoVNA V2's records) taken off it one by one and
// read every way the link reads them; the same bytes as a kept calibration. Never a crash; a reply taken
// always consumes what it came from; what reads holds what the link relies on.
#include <cmath>
#include <complex>
#include <cstdint>
#include <string>
#include <vector>

#include "core/sweep/analyser.h"
#include "core/sweep/vnav2.h"
#include "fuzzcheck.h"

using namespace zeliro::analyser;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const char* const commands[] = {
        "", "info", "bandwidth", "sweep", "scan 7000000 7200000 5 3", "frequencies", "data 0"};
    const std::string command = commands[data[0] % std::size(commands)];
    std::string received(reinterpret_cast<const char*>(data + 1), size - 1);
    const Segment segment{7'000'000, 7'200'000, 5};
    // The V2's records: whole ones taken until one does not belong.
    std::string records = received;
    zeliro::vnav2::RecordSweep sweep(segment);
    const std::size_t before = records.size();
    if (const auto taken = sweep.take(records))
        FUZZ_CHECK(records.size() < zeliro::vnav2::recordBytes &&
                   before - records.size() == std::size_t(*taken) * zeliro::vnav2::recordBytes);
    FUZZ_CHECK(sweep.missing() >= 0 && sweep.missing() <= segment.points);
    if (const auto points = sweep.points()) {
        FUZZ_CHECK(int(points->size()) == segment.points);
        for (const S11Point& point : *points) FUZZ_CHECK(std::isfinite(std::abs(point.s11)));
    }
    if (const auto calibration = zeliro::vnav2::readCalibrationText(received, 2)) {
        const auto& f = calibration->frequenciesHz;
        FUZZ_CHECK(f.size() >= 2 && calibration->load.size() == f.size());
        for (std::size_t i = 1; i < f.size(); ++i) FUZZ_CHECK(f[i] > f[i - 1]);
        const auto again =
            zeliro::vnav2::readCalibrationText(zeliro::vnav2::calibrationText(*calibration), 2);
        FUZZ_CHECK(again && again->frequenciesHz == f && again->open == calibration->open);
        // Corrected points may be anything; reading them as a sweep refuses
        // what is no reflection.
        if (const auto points = zeliro::vnav2::corrected(*calibration, {{f.front(), 0.5}, {f.back(), 0.5}}))
            (void)sweepFromPoints(*points, 50);
    }
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
