#pragma once
// The NanoVNA V2, S-A-A-2 and LiteVNA in their binary register protocol:
// no-ops and "indicate", which must come back '2'; the variant and firmware
// registers name the device; then segment by segment the sweep registers
// are written, the FIFO emptied and as many records read as the segment has
// points (again for any still missing). What comes is raw: it is corrected
// with the program's own calibration of this device, which must span the
// sweep; a calibration's own standards are handed over raw.

#include <optional>
#include <string>
#include <vector>

#include "analyser/AnalyserDevice.h"
#include "core/sweep/vnav2.h"

namespace zeliro {

class NanoVnaV2 : public AnalyserDevice {
public:
    using AnalyserDevice::AnalyserDevice;

    void begin() override;
    void take(std::string& received) override;
    void timedOut(bool echoed, bool heard) override;
    std::string farewell() const override { return {}; }

private:
    enum class Step { probe, identity, records };

    void takeRecords(std::string& received);
    void identified(int variant, int major, int minor);
    void nextSegment();
    void askRecords(const std::string& before = {});

    Step m_step = Step::probe;
    std::vector<analyser::Segment> m_segments;
    std::size_t m_segment = 0;
    std::optional<vnav2::RecordSweep> m_records;
    int m_reads = 0;     // FIFO reads of the segment under way
    int m_awaiting = 0;  // records the last read has still to bring
    int m_variant = 0;
    std::optional<vnav2::Calibration> m_calibration;
    std::vector<analyser::S11Point> m_points;
};

}  // namespace zeliro
