#include "analyser/NanoVnaV2.h"

#include <algorithm>

#include "analyser/AnalyserLink.h"

namespace zeliro {

using Fault = AnalyserLink::Fault;

namespace {

// A segment's records are asked at most this many times.
constexpr int maxReads = 4;
// The device measures some thousand points a second; a margin for USB.
constexpr int msPerPoint = 5;

}  // namespace

void NanoVnaV2::begin() {
    m_step = Step::probe;
    link().send(vnav2::probeCommand());
}

void NanoVnaV2::take(std::string& received) {
    if (!link().isCurrent(this)) return;
    // Nothing is echoed: an answer stands for it.
    if (!received.empty() && m_step != Step::probe) link().echoed();
    switch (m_step) {
        case Step::probe:
            if (received.empty()) return;
            if (received.front() != vnav2::indicateReply) return link().fail(Fault::garbage);
            received.erase(0, 1);
            link().echoed();
            m_step = Step::identity;
            return link().send(vnav2::identityCommand());
        case Step::identity: {
            if (received.size() < 3) return;
            const auto byte = [&received](std::size_t at) {
                return static_cast<unsigned char>(received[at]);
            };
            const int variant = byte(0), major = byte(1), minor = byte(2);
            received.erase(0, 3);
            return identified(variant, major, minor);
        }
        case Step::records:
            return takeRecords(received);
    }
}

void NanoVnaV2::takeRecords(std::string& received) {
    const auto taken = m_records->take(received);
    if (!taken) return link().fail(Fault::garbage);
    m_awaiting -= *taken;
    if (m_records->missing() > 0) {
        // The read is over and some points have not come: once more.
        if (m_awaiting > 0) return;
        if (m_reads >= maxReads) return link().fail(Fault::fewerPoints);
        return askRecords();
    }
    const auto points = analyser::pointsOfSegment(*m_records->points(), m_segments[m_segment]);
    if (!points) return link().fail(Fault::otherFrequencies);
    m_points.insert(m_points.end(), points->begin(), points->end());
    ++m_segment;
    received.clear();  // records beyond those asked: the next sweep's
    link().setProgress(static_cast<int>(m_points.size()));
    nextSegment();
}

void NanoVnaV2::identified(int variant, int major, int minor) {
    m_variant = variant;
    link().setDevice(QString::fromStdString(vnav2::deviceName(variant, major, minor)));
    const AnalyserLink::Request& request = link().request();
    const analyser::SweepPlan& plan = request.plan;
    if (!link().rawWanted()) {
        for (const vnav2::Calibration& calibration : link().calibrations())
            if (calibration.variant == variant &&
                vnav2::covers(calibration, static_cast<double>(plan.startHz),
                              static_cast<double>(plan.stopHz)))
                m_calibration = calibration;
        if (!m_calibration) return link().fail(Fault::notCalibrated);
    }
    m_segments = analyser::segmentsOf(plan, std::min(link().pointsPerScan(), vnav2::maxRecordsPerRead));
    nextSegment();
}

void NanoVnaV2::nextSegment() {
    if (m_segment == m_segments.size()) {
        if (link().rawWanted()) return link().succeedRaw(m_points, m_variant);
        const auto points = vnav2::corrected(*m_calibration, m_points);
        if (!points) return link().fail(Fault::notCalibrated);
        return link().succeed(*points);
    }
    m_records.emplace(m_segments[m_segment]);
    m_reads = 0;
    m_step = Step::records;
    askRecords(vnav2::sweepCommand(m_segments[m_segment]));
}

void NanoVnaV2::askRecords(const std::string& before) {
    ++m_reads;
    const int count = m_records->missing();
    m_awaiting = count;
    link().send(before + vnav2::readFifoCommand(count), link().replyTimeoutMs() + count * msPerPoint);
}

void NanoVnaV2::timedOut(bool echoed, bool heard) {
    // Records came, or "indicate" was answered: a V2 slower than promised.
    if (m_step == Step::records && (heard || echoed)) return link().fail(Fault::slow);
    link().fail(heard ? Fault::garbage : Fault::noAnswer);
}

}  // namespace zeliro
