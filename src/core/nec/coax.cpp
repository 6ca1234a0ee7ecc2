#include "core/nec/coax.h"

#include <algorithm>
#include <cmath>

#include "core/nec/modelparts.h"
#include "core/nec/texts.h"
#include "core/numbers.h"

namespace zeliro::nec {
namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double speedOfLight = 299.792458;  // m·MHz
constexpr double dbPerNeper = 8.685889638065036;

bool within(double v, double low, double high) { return std::isfinite(v) && v >= low && v <= high; }

}  // namespace

const std::vector<Cable>& cableCatalogue() {
    // Z0, velocity factor, matched loss in dB/100 m: typical figures of the
    // makers' datasheets, rounded (see the README for each source).
    static const std::vector<Cable> cables = {
        {"RG-58",
         50,
         0.66,
         {{1, 1.3}, {10, 4.6}, {50, 10.8}, {100, 16.1}, {200, 24.0}, {400, 36.7}, {1000, 65.6}}},
        {"RG-8X",
         50,
         0.82,
         {{1, 1.0}, {10, 3.3}, {50, 8.2}, {100, 12.1}, {200, 17.7}, {400, 26.2}, {1000, 44.3}}},
        {"RG-213",
         50,
         0.66,
         {{1, 0.7}, {10, 2.0}, {50, 4.6}, {100, 6.6}, {200, 9.5}, {400, 14.1}, {1000, 25.6}}},
        {"LMR-400",
         50,
         0.85,
         {{30, 2.2}, {50, 2.9}, {150, 5.0}, {220, 6.1}, {450, 8.9}, {900, 12.8}, {1500, 16.8}}},
        {"H155", 50, 0.79, {{10, 3.0}, {100, 8.9}, {145, 10.8}, {435, 19.3}, {1000, 30.6}}},
        {"H2000 Flex", 50, 0.83, {{10, 1.3}, {28, 2.1}, {144, 4.8}, {432, 8.5}, {1296, 15.5}}},
        {"Aircell 7", 50, 0.83, {{10, 2.1}, {100, 6.6}, {144, 7.9}, {432, 14.1}, {1296, 26.1}}},
    };
    return cables;
}

const Cable* findCable(std::string_view name) {
    for (const Cable& cable : cableCatalogue())
        if (cable.name == name) return &cable;
    return nullptr;
}

Cable ownCable(double impedanceOhm, double velocityFactor, double dbPer100mAt10Mhz) {
    return {{}, impedanceOhm, velocityFactor, {{10, dbPer100mAt10Mhz}}};
}

double matchedLoss(const Cable& cable, double frequencyMhz) {
    const std::vector<CableLoss>& loss = cable.loss;
    if (loss.empty() || !(frequencyMhz > 0)) return 0;
    if (frequencyMhz <= loss.front().frequencyMhz)
        return loss.front().dbPer100m * std::sqrt(frequencyMhz / loss.front().frequencyMhz);
    if (frequencyMhz >= loss.back().frequencyMhz)
        return loss.back().dbPer100m * std::sqrt(frequencyMhz / loss.back().frequencyMhz);
    const auto above = std::find_if(loss.begin(), loss.end(),
                                    [&](const CableLoss& p) { return p.frequencyMhz > frequencyMhz; });
    const CableLoss& lo = *(above - 1);
    const CableLoss& hi = *above;
    const double t = std::log(frequencyMhz / lo.frequencyMhz) / std::log(hi.frequencyMhz / lo.frequencyMhz);
    return lo.dbPer100m * std::pow(hi.dbPer100m / lo.dbPer100m, t);
}

std::string feedlineError(const Feedline& line, Language language) {
    if (!within(line.lengthM, 0, 10000)) return std::string(text(Text::badCableLength, language));
    if (line.lengthM == 0) return {};
    const Cable& c = line.cable;
    bool sound = within(c.impedanceOhm, 1e-3, 1e4) && within(c.velocityFactor, 0.1, 1) && !c.loss.empty();
    double previous = 0;
    for (const CableLoss& p : c.loss) {
        sound = sound && within(p.frequencyMhz, 1e-6, 1e6) && p.frequencyMhz > previous &&
                within(p.dbPer100m, 0, 100);
        previous = p.frequencyMhz;
    }
    return sound ? std::string() : std::string(text(Text::badCable, language));
}

Abcd lineMatrix(const Feedline& line, double frequencyMhz) {
    const Cable& c = line.cable;
    const double alpha = matchedLoss(c, frequencyMhz) / 100 / dbPerNeper;
    const double beta = 2 * pi * frequencyMhz / (c.velocityFactor * speedOfLight);
    const std::complex<double> gl = std::complex<double>(alpha, beta) * line.lengthM;
    const std::complex<double> ch = std::cosh(gl), sh = std::sinh(gl);
    return {ch, c.impedanceOhm * sh, sh / c.impedanceOhm, ch};
}

std::complex<double> atShackEnd(const Feedline& line, double frequencyMhz, std::complex<double> feedPoint) {
    const Abcd m = lineMatrix(line, frequencyMhz);
    return (m.a * feedPoint + m.b) / (m.c * feedPoint + m.d);
}

std::complex<double> atFeedPoint(const Feedline& line, double frequencyMhz, std::complex<double> shackEnd) {
    const Abcd m = lineMatrix(line, frequencyMhz);
    return (m.d * shackEnd - m.b) / (m.a - m.c * shackEnd);
}

double swrOn(std::complex<double> impedance, double referenceOhm) {
    if (!(impedance.real() > 0) || !std::isfinite(impedance.imag())) return INFINITY;
    const double gamma = std::abs((impedance - referenceOhm) / (impedance + referenceOhm));
    return gamma < 1 ? (1 + gamma) / (1 - gamma) : INFINITY;
}

FeedPointSweep toFeedPoint(const MeasuredSweep& measured, const Feedline& line, Language language) {
    if (std::string error = feedlineError(line, language); !error.empty()) return {{}, error};
    if (line.lengthM == 0) return {measured, {}};
    if (!measured.impedanceKnown) return {{}, std::string(text(Text::deembedNoImpedance, language))};
    MeasuredSweep out = measured;
    for (SweepPoint& p : out.points) {
        const std::complex<double> z = atFeedPoint(line, p.frequencyMHz, {p.resistance, p.reactance});
        p.swr = swrOn(z, measured.referenceOhms);
        if (!std::isfinite(p.swr))
            return {{}, textWith(Text::deembedNegative, {formatDouble(p.frequencyMHz, language)}, language)};
        p.resistance = z.real();
        p.reactance = z.imag();
    }
    return {std::move(out), {}};
}

std::string throughCableText(const Feedline& line, Language language) {
    if (!(line.lengthM > 0)) return {};
    const Cable& c = line.cable;
    const std::string name =
        c.name.empty()
            ? textWith(Text::cableOwnName,
                       {formatDouble(c.impedanceOhm, language), formatDouble(c.velocityFactor, language)},
                       language)
            : c.name;
    return textWith(Text::deembedded, {formatDouble(line.lengthM, language), name}, language);
}

std::string cableText(const Feedline& line, Language language) {
    if (!(line.lengthM > 0)) return {};
    // Written as the deck's and the CSV's other figures are, with a full stop.
    const Cable& c = line.cable;
    return textWith(
        Text::cableComment,
        {parts::number(line.lengthM), c.name.empty() ? std::string(text(Text::cableUser, language)) : c.name,
         parts::number(c.impedanceOhm), parts::number(c.velocityFactor)},
        language);
}

std::vector<ShackEndRow> atShackEnd(const std::vector<Row>& rows, const Feedline& line, double referenceOhm) {
    std::vector<ShackEndRow> out;
    out.reserve(rows.size());
    for (const Row& r : rows) {
        const std::complex<double> z =
            line.lengthM > 0 ? atShackEnd(line, r.frequencyMhz, {r.resistanceOhm, r.reactanceOhm})
                             : std::complex<double>(r.resistanceOhm, r.reactanceOhm);
        out.push_back({r.frequencyMhz, z.real(), z.imag(), swrOn(z, referenceOhm)});
    }
    return out;
}

}  // namespace zeliro::nec
