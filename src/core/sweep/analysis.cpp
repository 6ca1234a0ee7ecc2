// Minimum SWR, reactance zeros and SWR bandwidth of a measured sweep.
#include <algorithm>
#include <cmath>

#include "core/sweep/sweep.h"

namespace zeliro {

namespace {

double reflection(double swr) { return (swr - 1) / (swr + 1); }

// The vertex of the parabola through a lowest point and its two neighbours
// (in either order of frequency), kept between the neighbours.
double parabolaVertex(const SweepPoint& before, const SweepPoint& lowest, const SweepPoint& after) {
    const double u1 = before.frequencyMHz - lowest.frequencyMHz;
    const double u3 = after.frequencyMHz - lowest.frequencyMHz;
    const double d1 = (before.swr - lowest.swr) / u1;
    const double d3 = (after.swr - lowest.swr) / u3;
    const double curvature = (d3 - d1) / (u3 - u1);
    if (!(curvature > 0) || !std::isfinite(curvature)) return lowest.frequencyMHz;
    const double vertex = -(d1 - curvature * u1) / (2 * curvature);
    return lowest.frequencyMHz + std::clamp(vertex, std::min(u1, u3), std::max(u1, u3));
}

SwrMinimum minimumBetween(const std::vector<SweepPoint>& points, std::size_t first, std::size_t last,
                          bool isDip) {
    if (first == last && first > 0 && last + 1 < points.size())
        return {parabolaVertex(points[first - 1], points[first], points[first + 1]), points[first].swr,
                isDip};
    return {(points[first].frequencyMHz + points[last].frequencyMHz) / 2, points[first].swr, isDip};
}

// Falls and rises of at least dipDepth in |Γ|, walked once: seeking a fall
// from the highest point since the last dip, then following the dip down
// until the curve rises again by dipDepth. A dip still open at the end of
// the sweep does not count.
// openDip: the dip still open at the end, if any.
std::vector<SwrMinimum> dipsOf(const std::vector<SweepPoint>& points,
                               std::optional<SwrMinimum>* openDip = nullptr) {
    std::vector<SwrMinimum> dips;
    bool inDip = false;
    double high = reflection(points.front().swr);
    double low = high;
    std::size_t lowFirst = 0;
    std::size_t lowLast = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double g = reflection(points[i].swr);
        if (!inDip) {
            high = std::max(high, g);
            if (g <= high - dipDepth) inDip = true, low = g, lowFirst = lowLast = i;
        } else if (g < low) {
            low = g, lowFirst = lowLast = i;
        } else if (g == low) {
            lowLast = i;
        } else if (g >= low + dipDepth) {
            dips.push_back(minimumBetween(points, lowFirst, lowLast, true));
            inDip = false, high = g;
        }
    }
    if (openDip && inDip) *openDip = minimumBetween(points, lowFirst, lowLast, false);
    return dips;
}

}  // namespace

std::optional<SwrMinimum> minimumSwr(const MeasuredSweep& sweep, std::optional<double> wantedMHz) {
    const auto& points = sweep.points;
    if (points.empty()) return std::nullopt;
    const std::vector<SwrMinimum> dips = dipsOf(points);
    if (dips.empty()) {
        const auto lowest =
            std::min_element(points.begin(), points.end(),
                             [](const SweepPoint& a, const SweepPoint& b) { return a.swr < b.swr; });
        auto last = lowest;
        while (last + 1 != points.end() && (last + 1)->swr == lowest->swr) ++last;
        return minimumBetween(points, std::size_t(lowest - points.begin()),
                              std::size_t(last - points.begin()), false);
    }
    const auto better = [&wantedMHz](const SwrMinimum& a, const SwrMinimum& b) {
        if (wantedMHz) {
            const double da = std::abs(a.frequencyMHz - *wantedMHz);
            const double db = std::abs(b.frequencyMHz - *wantedMHz);
            if (da != db) return da < db;
        }
        return a.swr < b.swr;
    };
    return *std::min_element(dips.begin(), dips.end(), better);
}

SwrMinima swrMinima(const MeasuredSweep& sweep) {
    SwrMinima minima;
    if (sweep.points.empty()) return minima;
    minima.dips = dipsOf(sweep.points, &minima.highEdge);
    // The same walk from the end backward: a dip it leaves open is one that
    // never rises again toward the start.
    const std::vector<SweepPoint> reversed(sweep.points.rbegin(), sweep.points.rend());
    dipsOf(reversed, &minima.lowEdge);
    for (SwrMinimum& dip : minima.dips) dip.isDip = true;
    return minima;
}

std::vector<ReactanceZero> reactanceZeros(const MeasuredSweep& sweep) {
    std::vector<ReactanceZero> zeros;
    if (!sweep.impedanceKnown) return zeros;
    const auto& p = sweep.points;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const double x = p[i].reactance;
        if (x == 0) {
            std::size_t end = i;
            while (end + 1 < p.size() && p[end + 1].reactance == 0) ++end;
            const bool fromBelow = i > 0 && p[i - 1].reactance < 0;
            const bool toAbove = end + 1 < p.size() && p[end + 1].reactance > 0;
            const bool fromAbove = i > 0 && p[i - 1].reactance > 0;
            zeros.push_back({p[i].frequencyMHz, fromBelow || (toAbove && !fromAbove)});
            i = end;
        } else if (i + 1 < p.size() && p[i + 1].reactance != 0 && (x < 0) != (p[i + 1].reactance < 0)) {
            const double next = p[i + 1].reactance;
            const double f =
                p[i].frequencyMHz + (p[i + 1].frequencyMHz - p[i].frequencyMHz) * (x / (x - next));
            zeros.push_back({std::min(f, p[i + 1].frequencyMHz), x < 0});
        }
    }
    return zeros;
}

std::optional<SwrBand> swrBandwidth(const MeasuredSweep& sweep, double aroundMHz, double limit) {
    const auto& p = sweep.points;
    if (p.empty()) return std::nullopt;
    auto it = std::lower_bound(p.begin(), p.end(), aroundMHz,
                               [](const SweepPoint& point, double f) { return point.frequencyMHz < f; });
    if (it == p.end() ||
        (it != p.begin() && aroundMHz - (it - 1)->frequencyMHz < it->frequencyMHz - aroundMHz))
        --it;
    const std::size_t k = std::size_t(it - p.begin());
    if (!(p[k].swr < limit)) return std::nullopt;
    // Between the two points, even where rounding would put it a hair beyond.
    const auto crossing = [&p, limit](std::size_t inside, std::size_t outside) {
        const double share = (limit - p[inside].swr) / (p[outside].swr - p[inside].swr);
        const double from = p[inside].frequencyMHz, to = p[outside].frequencyMHz;
        return std::clamp(from + (to - from) * share, std::min(from, to), std::max(from, to));
    };
    SwrBand band;
    std::size_t i = k;
    while (i > 0 && p[i - 1].swr < limit) --i;
    if (i > 0) band.lowMHz = crossing(i, i - 1);
    std::size_t j = k;
    while (j + 1 < p.size() && p[j + 1].swr < limit) ++j;
    if (j + 1 < p.size()) band.highMHz = crossing(j, j + 1);
    return band;
}

}  // namespace zeliro
