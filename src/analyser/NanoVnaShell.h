#pragma once
// The text shell of the NanoVNA family (NanoVNA, -H, -H4, the "D" firmware
// and the others that keep it): finds the prompt, asks "info" (else
// "version") who the device is and refuses a tinySA, asks its IF bandwidth
// ("bandwidth") to know how long a scan may take and its range ("sweep") to
// put it back, then measures segment by segment: "scan START STOP POINTS 3";
// a firmware whose "scan" takes no output mask answers that with its usage,
// and is asked "scan START STOP POINTS", "frequencies" and "data 0"; one
// without "scan" is set with "sweep", left a whole sweep's time, and asked
// the same; where "sweep" keeps its own number of points, a segment is
// asked as the start of a sweep of that many. Every point must be at a
// frequency asked for. At the end, or
// when given up, the device gets its range back and "resume".

#include <optional>
#include <string>
#include <vector>

#include "analyser/AnalyserDevice.h"
#include "core/sweep/analyser.h"

namespace zeliro {

class NanoVnaShell : public AnalyserDevice {
public:
    using AnalyserDevice::AnalyserDevice;

    void begin() override;
    void take(std::string& received) override;
    void timedOut(bool echoed, bool heard) override;
    void waited() override;
    std::string farewell() const override;

private:
    enum class Step {
        prompt,
        info,
        version,
        bandwidth,
        range,
        scan,
        silentScan,
        sweep,
        settle,
        frequencies,
        data
    };
    enum class Scan { unknown, withOutmask, silent, missing };

    void send(Step step, const std::string& command, int deadlineMs = 0);
    void handle(const std::vector<std::string>& reply);
    void identified(const std::vector<std::string>& reply);
    void nextSegment();
    void takeScan(const std::vector<std::string>& reply);
    void takeData(const std::vector<std::string>& reply);
    void takePoints(const std::vector<analyser::S11Point>& points);
    int scanDeadlineMs(int points) const;
    analyser::Segment sweepOf(const analyser::Segment& segment) const;

    Step m_step = Step::prompt;
    Scan m_scan = Scan::unknown;
    std::string m_command;  // the one awaiting its reply
    bool m_echoSeen = false;
    std::optional<double> m_bandwidthHz;
    std::optional<analyser::Segment> m_found;  // the range the device was set to
    bool m_measured = false;                   // a scan or sweep was sent
    std::vector<analyser::Segment> m_segments;
    std::size_t m_segment = 0;
    std::vector<std::string> m_frequencies;  // the reply to "frequencies"
    // The points a "sweep" measures whatever it is asked (the original and
    // the NanoVNA-F always take 101), once seen; 0 before.
    int m_sweepPoints = 0;
    std::vector<analyser::S11Point> m_points;
};

}  // namespace zeliro
