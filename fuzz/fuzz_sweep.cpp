// Both sweep readers over any bytes: never a crash, exactly one of a sweep or
// an error, an error names a line of the input, and a sweep holds what the
// analysis may rely on (rising finite frequencies, SWR of at least 1, finite
// impedances); the analysis of it stays inside the sweep, and its minima are
// true dips or edges. A stream that hands out a few bytes at a time, read in
// English, reads the same and fails at the same line for the same reason.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <streambuf>
#include <string>

#include "core/nec/coax.h"
#include "core/nec/measured.h"
#include "core/numbers.h"
#include "core/sweep/sweep.h"
#include "fuzzcheck.h"

using namespace zeliro;

namespace {

// The text a few bytes a read, as a pipe or a slow device gives it.
class Dribble : public std::streambuf {
public:
    Dribble(const std::string& text, std::size_t step) : m_text(text), m_step(step) {}

protected:
    std::streamsize xsgetn(char* out, std::streamsize wanted) override {
        const std::size_t n = std::min({std::size_t(wanted), m_step, m_text.size() - m_at});
        std::copy_n(m_text.data() + m_at, n, out);
        m_at += n;
        return std::streamsize(n);
    }
    int_type underflow() override {
        return m_at < m_text.size() ? traits_type::to_int_type(m_text[m_at]) : traits_type::eof();
    }

private:
    const std::string& m_text;
    std::size_t m_step;
    std::size_t m_at = 0;
};

// The mode byte: the format or file name in its low bits; with its top bit,
// an expected frequency (7,05 or, with the next bit, 145 MHz).
SweepReading readAs(std::uint8_t mode, std::istream& in, Language language) {
    SweepHints hints;
    if (mode & 0x80) hints.expectedMHz = mode & 0x40 ? 145.0 : 7.05;
    switch (mode % 5) {
        case 0:
            return readSweep(in, "misura.s1p", language, hints);
        case 1:
            return readSweep(in, "misura.csv", language, hints);
        case 2:
            return readSweep(in, SweepFormat::touchstone, language, hints);
        case 3:
            return readSweep(in, SweepFormat::csv, language, hints);
        default:
            return readSweep(in, "misura.s2p", language, hints);
    }
}

bool startsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

double reflection(double swr) { return (swr - 1) / (swr + 1); }

// Every dip rises by the margin on both sides within the sweep; an edge never
// rises by it on its outer side; a sweep that never moves by the margin has
// no minimum at all. The trimming window gets a figure or a reason, never
// both; a sweep moved to another reference keeps its points.
void checkMinima(const MeasuredSweep& sweep, double wanted) {
    const auto& p = sweep.points;
    const SwrMinima minima = swrMinima(sweep);
    const auto riseBeyond = [&p](const SwrMinimum& m, bool before) {
        double highest = 0;
        for (const SweepPoint& point : p)
            if (before ? point.frequencyMHz < m.frequencyMHz : point.frequencyMHz > m.frequencyMHz)
                highest = std::max(highest, reflection(point.swr));
        return highest - reflection(m.swr);
    };
    for (std::size_t i = 0; i < minima.dips.size(); ++i) {
        const SwrMinimum& dip = minima.dips[i];
        FUZZ_CHECK(dip.isDip && dip.swr >= 1);
        if (i > 0) FUZZ_CHECK(dip.frequencyMHz > minima.dips[i - 1].frequencyMHz);
        FUZZ_CHECK(riseBeyond(dip, true) >= dipDepth - 1e-12 && riseBeyond(dip, false) >= dipDepth - 1e-12);
    }
    if (minima.highEdge) FUZZ_CHECK(riseBeyond(*minima.highEdge, false) < dipDepth);
    if (minima.lowEdge) FUZZ_CHECK(riseBeyond(*minima.lowEdge, true) < dipDepth);
    const auto [lowest, highest] = std::minmax_element(
        p.begin(), p.end(), [](const SweepPoint& a, const SweepPoint& b) { return a.swr < b.swr; });
    if (reflection(highest->swr) - reflection(lowest->swr) < dipDepth) FUZZ_CHECK(minima.none());
    const std::string typed = formatDouble(wanted);
    const nec::TrimmingMinimum filled = nec::trimmingMinimum(sweep, typed);
    FUZZ_CHECK(filled.figure.empty() != filled.message.empty());
    // A figure comes from a dip, or from X = 0 where the sweep holds R and X.
    if (!filled.figure.empty()) FUZZ_CHECK(!minima.dips.empty() || !reactanceZeros(sweep).empty());
    const nec::Band band{wanted, p.front().frequencyMHz, p.back().frequencyMHz - p.front().frequencyMHz, 2};
    FUZZ_CHECK(!nec::measuredText(nec::measureBand(sweep, band), nullptr).empty());
    const MeasuredSweep moved = nec::atReference(sweep, 75);
    FUZZ_CHECK(moved.points.size() == p.size());
    for (const SweepPoint& point : moved.points) FUZZ_CHECK(point.swr >= 1 && !std::isnan(point.swr));
    // Taken back through 10 m of RG-58: a whole sweep on positive resistances, or a reason.
    const nec::FeedPointSweep back = nec::toFeedPoint(sweep, {*nec::findCable("RG-58"), 10});
    FUZZ_CHECK(back.sweep.has_value() == back.error.empty());
    if (back.sweep) FUZZ_CHECK(back.sweep->points.size() == p.size());
    if (back.sweep)
        for (const SweepPoint& point : back.sweep->points) FUZZ_CHECK(point.swr >= 1 && point.resistance > 0);
}

void checkAnalysis(const MeasuredSweep& sweep, double wanted) {
    const double lowest = sweep.points.front().frequencyMHz;
    const double highest = sweep.points.back().frequencyMHz;
    const auto minimum = minimumSwr(sweep, wanted);
    FUZZ_CHECK(minimum && minimum->frequencyMHz >= lowest && minimum->frequencyMHz <= highest);
    FUZZ_CHECK(minimum->swr >= 1);
    for (const ReactanceZero& zero : reactanceZeros(sweep))
        FUZZ_CHECK(zero.frequencyMHz >= lowest && zero.frequencyMHz <= highest);
    // The dip's frequency is a parabola's vertex and the edges are linear
    // crossings: the two may disagree by a step, never by more.
    double step = 0;
    for (std::size_t i = 1; i < sweep.points.size(); ++i)
        step = std::max(step, sweep.points[i].frequencyMHz - sweep.points[i - 1].frequencyMHz);
    if (const auto band = swrBandwidth(sweep, minimum->frequencyMHz)) {
        if (band->lowMHz)
            FUZZ_CHECK(*band->lowMHz >= lowest &&
                       *band->lowMHz <= minimum->frequencyMHz + step + 1e-9 * highest);
        if (band->highMHz) FUZZ_CHECK(*band->highMHz <= highest && *band->highMHz >= lowest);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::istringstream whole(text);
    const SweepReading reading = readAs(data[0], whole, Language::italian);
    Dribble dribble(text, 1 + size % 7);
    std::istream dribbled(&dribble);
    const SweepReading same = readAs(data[0], dribbled, Language::english);
    FUZZ_CHECK(same.ok() == reading.ok() && same.error.line == reading.error.line &&
               same.error.problem == reading.error.problem);
    if (reading.ok()) {
        const auto& a = reading.sweep->points;
        const auto& b = same.sweep->points;
        FUZZ_CHECK(a.size() == b.size());
        for (std::size_t i = 0; i < a.size(); ++i)
            FUZZ_CHECK(a[i].frequencyMHz == b[i].frequencyMHz && a[i].swr == b[i].swr &&
                       a[i].resistance == b[i].resistance && a[i].reactance == b[i].reactance);
    }
    if (!reading.ok()) {
        FUZZ_CHECK(reading.error.problem != SweepProblem::none && !reading.error.message.empty());
        std::size_t lines = 1;
        for (const char c : text) lines += c == '\n' || c == '\r';
        FUZZ_CHECK(reading.error.line <= lines);
        if (reading.error.line > 0) {
            const std::string line = std::to_string(reading.error.line) + ": ";
            FUZZ_CHECK(startsWith(reading.error.message, "Riga " + line));
            FUZZ_CHECK(startsWith(same.error.message, "Line " + line));
        }
        return 0;
    }
    const MeasuredSweep& sweep = *reading.sweep;
    FUZZ_CHECK(!sweep.points.empty() && sweep.referenceOhms > 0);
    for (std::size_t i = 0; i < sweep.points.size(); ++i) {
        const SweepPoint& p = sweep.points[i];
        FUZZ_CHECK(std::isfinite(p.frequencyMHz) && p.frequencyMHz >= 0);
        if (i > 0) FUZZ_CHECK(p.frequencyMHz >= sweep.points[i - 1].frequencyMHz);
        FUZZ_CHECK(std::isfinite(p.swr) && p.swr >= 1);
        FUZZ_CHECK(std::isfinite(p.resistance) && std::isfinite(p.reactance));
        if (sweep.impedanceKnown) FUZZ_CHECK(p.resistance >= 0);
    }
    const double wanted = sweep.points[sweep.points.size() / 2].frequencyMHz + 0.01 * (data[0] >> 4);
    checkAnalysis(sweep, wanted);
    checkMinima(sweep, wanted);
    return 0;
}
