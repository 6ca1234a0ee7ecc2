#include "analyser/NanoVnaShell.h"

#include <algorithm>
#include <cmath>

#include "analyser/AnalyserLink.h"
#include "core/sweep/vnav2.h"

namespace zeliro {

using analyser::isUnknownCommand;
using Fault = AnalyserLink::Fault;

void NanoVnaShell::begin() {
    // An Enter first: whatever the device had on its line ends in a prompt.
    send(Step::prompt, {});
}

void NanoVnaShell::send(Step step, const std::string& command, int deadlineMs) {
    m_step = step;
    m_command = command;
    m_echoSeen = false;
    link().send(command + "\r", deadlineMs);
}

int NanoVnaShell::scanDeadlineMs(int points) const {
    return link().replyTimeoutMs() + analyser::scanTimeMs(points, m_bandwidthHz);
}

analyser::Segment NanoVnaShell::sweepOf(const analyser::Segment& segment) const {
    if (m_sweepPoints <= segment.points || segment.points < 2) return segment;
    // The same steps, carried on to the device's number of points: the
    // segment's are its first ones.
    const double step = static_cast<double>(segment.stopHz - segment.startHz) / (segment.points - 1);
    return {segment.startHz, segment.startHz + std::llround(step * (m_sweepPoints - 1)), m_sweepPoints};
}

void NanoVnaShell::take(std::string& received) {
    // A NanoVNA V2 takes the Enter for its "indicate" and answers '2', never
    // a prompt: it is told at once.
    if (m_step == Step::prompt && received == std::string(1, vnav2::indicateReply))
        return link().fail(AnalyserLink::Fault::garbage);
    // Each reply handled may send the next command and so change m_command.
    while (link().isCurrent(this) && m_step != Step::settle) {
        if (!m_echoSeen) {
            const std::string echo = m_command.empty() ? std::string(analyser::prompt) : m_command + "\r";
            if (received.find(echo) != std::string::npos) {
                m_echoSeen = true;
                link().echoed();
            }
        }
        const auto reply = analyser::takeReply(received, m_command);
        if (!reply) return;
        handle(*reply);
    }
}

void NanoVnaShell::handle(const std::vector<std::string>& reply) {
    const bool unknown = isUnknownCommand(reply, m_command);
    switch (m_step) {
        case Step::prompt:
            return send(Step::info, "info");
        case Step::info:
            if (unknown) return send(Step::version, "version");
            return identified(reply);
        case Step::version:
            return identified(unknown ? std::vector<std::string>{} : reply);
        case Step::bandwidth:
            if (!unknown) m_bandwidthHz = analyser::readBandwidthHz(reply);
            return send(Step::range, "sweep");
        case Step::range:
            m_found = analyser::readSweepRange(reply);
            return nextSegment();
        case Step::scan:
            return takeScan(reply);
        case Step::silentScan:
            if (unknown || analyser::isUsage(reply)) return link().fail(Fault::garbage);
            return send(Step::frequencies, "frequencies");
        case Step::sweep: {
            if (unknown || analyser::isUsage(reply)) return link().fail(Fault::garbage);
            // The sweep under way may have begun before the new range: wait
            // for one that is all new (the device may take its own 101 points).
            const int points =
                std::max({m_segments[m_segment].points, m_sweepPoints, analyser::pointsPerScan});
            m_step = Step::settle;
            return link().pause(2 * analyser::scanTimeMs(points, m_bandwidthHz));
        }
        case Step::frequencies:
            m_frequencies = reply;
            return send(Step::data, "data 0",
                        link().replyTimeoutMs() + static_cast<int>(m_frequencies.size()));
        case Step::data:
            return takeData(reply);
        case Step::settle:
            return;
    }
}

void NanoVnaShell::waited() { send(Step::frequencies, "frequencies"); }

void NanoVnaShell::identified(const std::vector<std::string>& reply) {
    const analyser::DeviceInfo info = analyser::readInfo(reply);
    const QString name = QString::fromStdString(info.name);
    if (info.spectrumAnalyser) return link().fail(Fault::notVna, name);
    link().setDevice(name);
    m_segments = analyser::segmentsOf(link().request().plan,
                                      info.pointsPerScan > 0 ? info.pointsPerScan : link().pointsPerScan());
    send(Step::bandwidth, "bandwidth");
}

void NanoVnaShell::nextSegment() {
    if (m_segment == m_segments.size()) return link().succeed(m_points);
    const analyser::Segment& segment = m_segments[m_segment];
    m_measured = true;
    switch (m_scan) {
        case Scan::unknown:
        case Scan::withOutmask:
            return send(Step::scan, analyser::scanCommand(segment), scanDeadlineMs(segment.points));
        case Scan::silent:
            return send(Step::silentScan, analyser::silentScanCommand(segment),
                        scanDeadlineMs(segment.points));
        case Scan::missing:
            return send(Step::sweep, analyser::sweepCommand(sweepOf(segment)));
    }
}

void NanoVnaShell::takeScan(const std::vector<std::string>& reply) {
    if (m_scan == Scan::unknown) {
        // No "scan" at all: the older way, with "sweep".
        if (isUnknownCommand(reply, m_command)) {
            m_scan = Scan::missing;
            return nextSegment();
        }
        // A "scan" without the output mask: it says how it is used, and
        // measures silently when asked that way.
        if (analyser::isUsage(reply)) {
            m_scan = Scan::silent;
            return nextSegment();
        }
        // One that took the mask but printed nothing has measured all the
        // same: its points are there to be asked.
        if (reply.empty()) {
            m_scan = Scan::silent;
            return send(Step::frequencies, "frequencies");
        }
    }
    const auto points = analyser::readScan(reply);
    if (!points) return link().fail(Fault::garbage);
    m_scan = Scan::withOutmask;
    takePoints(*points);
}

void NanoVnaShell::takeData(const std::vector<std::string>& reply) {
    if (reply.size() < m_frequencies.size()) return link().fail(Fault::fewerPoints);
    const auto points = analyser::readFrequenciesAndData(m_frequencies, reply);
    if (!points) return link().fail(Fault::garbage);
    takePoints(*points);
}

void NanoVnaShell::takePoints(const std::vector<analyser::S11Point>& points) {
    const analyser::Segment& segment = m_segments[m_segment];
    const auto taken = analyser::pointsOfSegment(points, segment);
    const int measured = static_cast<int>(points.size());
    if (!taken && m_scan == Scan::missing && measured != segment.points && measured != m_sweepPoints &&
        measured >= 2) {
        // A "sweep" that keeps its own number of points: the segment again,
        // as the start of a sweep of that many.
        m_sweepPoints = measured;
        return nextSegment();
    }
    if (!taken) {
        const bool fewer = points.size() < static_cast<std::size_t>(segment.points);
        return link().fail(fewer ? Fault::fewerPoints : Fault::otherFrequencies);
    }
    m_points.insert(m_points.end(), taken->begin(), taken->end());
    ++m_segment;
    link().setProgress(static_cast<int>(m_points.size()));
    nextSegment();
}

void NanoVnaShell::timedOut(bool echoed, bool heard) {
    // A device that took a measuring command is a NanoVNA, only slower than
    // its bandwidth promised.
    const bool measuring = m_step == Step::scan || m_step == Step::silentScan ||
                           m_step == Step::frequencies || m_step == Step::data;
    if (echoed && measuring) return link().fail(Fault::slow);
    link().fail(heard ? Fault::garbage : Fault::noAnswer);
}

std::string NanoVnaShell::farewell() const {
    std::string bytes;
    if (m_found) bytes += analyser::sweepCommand(*m_found) + "\r";
    if (m_measured) bytes += "resume\r";
    return bytes;
}

}  // namespace zeliro
