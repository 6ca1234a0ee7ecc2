#pragma once
// The RigExpert AA analysers' text protocol (over their FTDI chip, 38400
// baud): "VER" names the device ("AA-55 ZOOM 140"), "ON" starts its RF board,
// then each segment is "FQ<centre>", "SW<span>" and "FRX<points - 1>", which
// gives a line "MHz,R,X" a point and "OK". "OFF" at the end, or when given
// up. The device echoes nothing: the first line of a reply stands for it.

#include <string>
#include <vector>

#include "analyser/AnalyserDevice.h"
#include "core/sweep/analyser.h"

namespace zeliro {

class RigExpertAa : public AnalyserDevice {
public:
    using AnalyserDevice::AnalyserDevice;

    void begin() override;
    void take(std::string& received) override;
    void timedOut(bool echoed, bool heard) override;
    std::string farewell() const override;

private:
    enum class Step { version, on, centre, span, measure };

    void send(Step step, const std::string& command, int deadlineMs = 0);
    void handle(const std::string& line);
    void nextSegment();

    Step m_step = Step::version;
    bool m_on = false;
    std::vector<analyser::Segment> m_segments;
    std::size_t m_segment = 0;
    std::vector<analyser::S11Point> m_measured;  // of the segment under way
    std::vector<analyser::S11Point> m_points;
};

}  // namespace zeliro
