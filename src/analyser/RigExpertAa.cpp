#include "analyser/RigExpertAa.h"

#include "analyser/AnalyserLink.h"

namespace zeliro {

using Fault = AnalyserLink::Fault;

namespace {

// The device measures a few points a second at most.
constexpr int msPerPoint = 50;

}  // namespace

void RigExpertAa::begin() { send(Step::version, "VER"); }

void RigExpertAa::send(Step step, const std::string& command, int deadlineMs) {
    m_step = step;
    link().send(command + "\r", deadlineMs);
}

void RigExpertAa::take(std::string& received) {
    while (link().isCurrent(this)) {
        const auto line = analyser::takeLine(received);
        if (!line) return;
        link().echoed();
        handle(*line);
    }
}

void RigExpertAa::handle(const std::string& line) {
    const bool ok = line == "OK";
    switch (m_step) {
        case Step::version: {
            if (!line.starts_with("AA-")) return link().fail(Fault::garbage);
            link().setDevice(QString::fromStdString(analyser::deviceName({"RigExpert " + line})));
            m_segments = analyser::segmentsOf(link().request().plan, link().pointsPerScan());
            return send(Step::on, "ON");
        }
        case Step::on:
            if (!ok) return link().fail(Fault::garbage);
            m_on = true;
            return nextSegment();
        case Step::centre:
        case Step::span: {
            if (!ok) return link().fail(Fault::garbage);
            const analyser::Segment& segment = m_segments[m_segment];
            if (m_step == Step::centre)
                return send(Step::span, "SW" + std::to_string(segment.stopHz - segment.startHz));
            m_measured.clear();
            return send(Step::measure, "FRX" + std::to_string(segment.points - 1),
                        link().replyTimeoutMs() + segment.points * msPerPoint);
        }
        case Step::measure: {
            if (!ok) {
                const auto point = analyser::readFrxLine(line, link().request().referenceOhms);
                if (!point) return link().fail(Fault::garbage);
                m_measured.push_back(*point);
                return;
            }
            const analyser::Segment& segment = m_segments[m_segment];
            const auto taken = analyser::pointsOfSegment(m_measured, segment);
            if (!taken) {
                const bool fewer = m_measured.size() < static_cast<std::size_t>(segment.points);
                return link().fail(fewer ? Fault::fewerPoints : Fault::otherFrequencies);
            }
            m_points.insert(m_points.end(), taken->begin(), taken->end());
            ++m_segment;
            link().setProgress(static_cast<int>(m_points.size()));
            return nextSegment();
        }
    }
}

void RigExpertAa::nextSegment() {
    if (m_segment == m_segments.size()) return link().succeed(m_points);
    const analyser::Segment& segment = m_segments[m_segment];
    // The centre to the nearest hertz: the frequencies' check allows for it.
    send(Step::centre, "FQ" + std::to_string((segment.startHz + segment.stopHz + 1) / 2));
}

void RigExpertAa::timedOut(bool echoed, bool heard) {
    if (echoed && m_step == Step::measure) return link().fail(Fault::slow);
    link().fail(heard ? Fault::garbage : Fault::noAnswer);
}

std::string RigExpertAa::farewell() const { return m_on ? "OFF\r" : std::string(); }

}  // namespace zeliro
