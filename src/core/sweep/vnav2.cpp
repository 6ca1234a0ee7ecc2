#include "core/sweep/vnav2.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace zeliro::vnav2 {
namespace {

constexpr std::uint8_t opWrite1 = 0x20;

std::int32_t int32At(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return static_cast<std::int32_t>(value);
}

std::complex<double> pairAt(std::string_view bytes, std::size_t at) {
    return {static_cast<double>(int32At(bytes, at)), static_cast<double>(int32At(bytes, at + 4))};
}

std::string shortest(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string("0");
}

std::complex<double> between(std::complex<double> a, std::complex<double> b, double t) {
    return a + (b - a) * t;
}

}  // namespace

std::string probeCommand() {
    std::string bytes(8, static_cast<char>(opNop));
    bytes += static_cast<char>(opIndicate);
    return bytes;
}

std::string identityCommand() {
    std::string bytes;
    for (std::uint8_t address : {regVariant, regFirmwareMajor, regFirmwareMinor}) {
        bytes += static_cast<char>(opRead1);
        bytes += static_cast<char>(address);
    }
    return bytes;
}

std::string writeCommand(std::uint8_t address, std::uint64_t value, int bytes) {
    const int op = bytes >= 8 ? 3 : bytes >= 4 ? 2 : bytes >= 2 ? 1 : 0;
    std::string command{static_cast<char>(opWrite1 + op), static_cast<char>(address)};
    for (int i = 0; i < (1 << op); ++i) command += static_cast<char>((value >> (8 * i)) & 0xff);
    return command;
}

std::string readFifoCommand(int count) {
    return {static_cast<char>(opReadFifo), static_cast<char>(regFifo),
            static_cast<char>(std::clamp(count, 1, maxRecordsPerRead))};
}

std::int64_t stepOf(const analyser::Segment& segment) {
    if (segment.points < 2) return 0;
    return std::llround(static_cast<double>(segment.stopHz - segment.startHz) / (segment.points - 1));
}

std::string sweepCommand(const analyser::Segment& segment) {
    return writeCommand(regStart, static_cast<std::uint64_t>(segment.startHz), 8) +
           writeCommand(regStep, static_cast<std::uint64_t>(stepOf(segment)), 8) +
           writeCommand(regPoints, static_cast<std::uint64_t>(segment.points), 2) +
           writeCommand(regValuesPerFrequency, 1, 2) + writeCommand(regFifo, 0, 1);
}

std::string deviceName(int variant, int major, int minor) {
    std::string name = "NanoVNA V2";
    if (variant != 2) name += " (" + std::to_string(variant) + ")";
    return name + " " + std::to_string(major) + "." + std::to_string(minor);
}

std::optional<Record> readRecord(std::string_view bytes) {
    if (bytes.size() < recordBytes) return std::nullopt;
    Record record;
    record.forward = pairAt(bytes, 0);
    record.reflected = pairAt(bytes, 8);
    record.index = static_cast<std::uint8_t>(bytes[24]) | (static_cast<std::uint8_t>(bytes[25]) << 8);
    return record;
}

RecordSweep::RecordSweep(const analyser::Segment& segment)
    : m_segment(segment),
      m_step(stepOf(segment)),
      m_raw(static_cast<std::size_t>(std::max(0, segment.points))),
      m_missing(std::max(0, segment.points)) {}

std::optional<int> RecordSweep::take(std::string& received) {
    int taken = 0;
    for (; received.size() >= recordBytes; ++taken) {
        const Record record = *readRecord(received);
        if (record.forward == 0.0) return std::nullopt;
        received.erase(0, recordBytes);
        if (record.index >= static_cast<int>(m_raw.size())) continue;
        auto& point = m_raw[static_cast<std::size_t>(record.index)];
        if (!point) --m_missing;
        point = record.reflected / record.forward;
    }
    return taken;
}

std::optional<std::vector<analyser::S11Point>> RecordSweep::points() const {
    if (m_missing != 0) return std::nullopt;
    std::vector<analyser::S11Point> points;
    for (std::size_t i = 0; i < m_raw.size(); ++i)
        points.push_back(
            {static_cast<double>(m_segment.startHz + m_step * static_cast<std::int64_t>(i)), *m_raw[i]});
    return points;
}

std::optional<ErrorTerms> solveTerms(std::complex<double> open, std::complex<double> shortCircuit,
                                     std::complex<double> load) {
    const std::complex<double> a = open - load, b = shortCircuit - load;
    if (!(std::abs(a - b) > 1e-12)) return std::nullopt;
    ErrorTerms terms;
    terms.e00 = load;
    terms.e11 = (a + b) / (a - b);
    terms.e10e01 = a * (1.0 - terms.e11);
    if (!(std::abs(terms.e10e01) > 1e-12)) return std::nullopt;
    return terms;
}

std::complex<double> correct(const ErrorTerms& terms, std::complex<double> measured) {
    const std::complex<double> d = measured - terms.e00;
    return d / (terms.e10e01 + terms.e11 * d);
}

bool covers(const Calibration& calibration, double startHz, double stopHz) {
    const auto& f = calibration.frequenciesHz;
    // A hertz either way: the device's whole-hertz steps.
    return f.size() >= 2 && startHz >= f.front() - 1 && stopHz <= f.back() + 1;
}

std::optional<ErrorTerms> termsAt(const Calibration& c, double hertz) {
    const auto& f = c.frequenciesHz;
    if (!covers(c, hertz, hertz) || c.open.size() != f.size() || c.shortCircuit.size() != f.size() ||
        c.load.size() != f.size())
        return std::nullopt;
    const double at = std::clamp(hertz, f.front(), f.back());
    const std::size_t upper = std::clamp<std::size_t>(
        static_cast<std::size_t>(std::lower_bound(f.begin(), f.end(), at) - f.begin()), 1, f.size() - 1);
    const std::size_t lower = upper - 1;
    const double t = (at - f[lower]) / (f[upper] - f[lower]);
    return solveTerms(between(c.open[lower], c.open[upper], t),
                      between(c.shortCircuit[lower], c.shortCircuit[upper], t),
                      between(c.load[lower], c.load[upper], t));
}

std::optional<std::vector<analyser::S11Point>> corrected(const Calibration& calibration,
                                                         const std::vector<analyser::S11Point>& raw) {
    std::vector<analyser::S11Point> points;
    for (const analyser::S11Point& point : raw) {
        const auto terms = termsAt(calibration, point.frequencyHz);
        if (!terms) return std::nullopt;
        points.push_back({point.frequencyHz, correct(*terms, point.s11)});
    }
    return points;
}

std::optional<Calibration> calibrationOf(int variant, const std::vector<analyser::S11Point>& open,
                                         const std::vector<analyser::S11Point>& shortCircuit,
                                         const std::vector<analyser::S11Point>& load) {
    if (open.size() < 2 || shortCircuit.size() != open.size() || load.size() != open.size())
        return std::nullopt;
    Calibration calibration;
    calibration.variant = variant;
    for (std::size_t i = 0; i < open.size(); ++i) {
        const double f = open[i].frequencyHz;
        if (shortCircuit[i].frequencyHz != f || load[i].frequencyHz != f ||
            (i > 0 && !(f > open[i - 1].frequencyHz)))
            return std::nullopt;
        calibration.frequenciesHz.push_back(f);
        calibration.open.push_back(open[i].s11);
        calibration.shortCircuit.push_back(shortCircuit[i].s11);
        calibration.load.push_back(load[i].s11);
    }
    return calibration;
}

std::string calibrationText(const Calibration& calibration) {
    std::string text;
    for (std::size_t i = 0; i < calibration.frequenciesHz.size(); ++i) {
        text += shortest(calibration.frequenciesHz[i]);
        for (const auto* standard : {&calibration.open, &calibration.shortCircuit, &calibration.load})
            text += " " + shortest((*standard)[i].real()) + " " + shortest((*standard)[i].imag());
        text += "\n";
    }
    return text;
}

std::optional<Calibration> readCalibrationText(std::string_view text, int variant) {
    Calibration calibration;
    calibration.variant = variant;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty()) continue;
        std::array<double, 7> values{};
        for (double& value : values) {
            while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
            const auto [next, error] = std::from_chars(line.data(), line.data() + line.size(), value);
            if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
            line.remove_prefix(static_cast<std::size_t>(next - line.data()));
        }
        if (!line.empty()) return std::nullopt;
        if (!calibration.frequenciesHz.empty() && !(values[0] > calibration.frequenciesHz.back()))
            return std::nullopt;
        calibration.frequenciesHz.push_back(values[0]);
        calibration.open.emplace_back(values[1], values[2]);
        calibration.shortCircuit.emplace_back(values[3], values[4]);
        calibration.load.emplace_back(values[5], values[6]);
    }
    if (calibration.frequenciesHz.size() < 2) return std::nullopt;
    return calibration;
}

}  // namespace zeliro::vnav2
