#include "core/nec/analysis.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <complex>
#include <limits>
#include <optional>
#include <variant>

#include "core/nec/ondisplay.h"
#include "core/numbers.h"

namespace zeliro::nec {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
// How far a report's frequency may lie from its sweep point. The report
// prints five significant digits, so a figure may be off by up to half a unit
// of its fifth digit; beyond that, never as far as half a step, so that a row
// of a neighbouring point is refused wherever the print tells them apart.
double frequencyTolerance(double frequencyMhz, double stepMhz) {
    const double printed = 5e-5 * frequencyMhz * (1 + 1e-9);
    return std::max(printed, std::min(1e-4 * frequencyMhz, stepMhz / 2));
}

// The samples of one band at its exact sweep frequencies.
struct Samples {
    std::vector<double> f, r, x, swr;
};

double along(double f0, double f1, double v0, double v1, double v) {
    return f0 + (v - v0) * (f1 - f0) / (v1 - v0);
}

double interpolate(const std::vector<double>& f, const std::vector<double>& v, double at) {
    if (at <= f.front()) return v.front();
    for (std::size_t i = 0; i + 1 < f.size(); ++i)
        if (at <= f[i + 1]) return v[i] + (v[i + 1] - v[i]) * (at - f[i]) / (f[i + 1] - f[i]);
    return v.back();
}

// The stretch around `best` where SWR stays <= limit.
Bandwidth bandwidth(const Samples& s, std::size_t best, double limit) {
    Bandwidth b;
    if (!(s.swr[best] <= limit)) return b;
    b.reached = true;
    std::size_t i = best;
    while (i > 0 && s.swr[i - 1] <= limit) --i;
    if (i == 0) {
        b.offLow = true;
        b.lowMhz = s.f.front();
    } else {
        b.lowMhz =
            std::isfinite(s.swr[i - 1]) ? along(s.f[i - 1], s.f[i], s.swr[i - 1], s.swr[i], limit) : s.f[i];
    }
    std::size_t j = best;
    while (j + 1 < s.f.size() && s.swr[j + 1] <= limit) ++j;
    if (j + 1 == s.f.size()) {
        b.offHigh = true;
        b.highMhz = s.f.back();
    } else {
        b.highMhz =
            std::isfinite(s.swr[j + 1]) ? along(s.f[j], s.f[j + 1], s.swr[j], s.swr[j + 1], limit) : s.f[j];
    }
    return b;
}

BandResult analyseBand(const Band& band, const Samples& s, double reference) {
    BandResult out;
    out.band = band;
    // Resonances: X crossing zero from below.
    for (std::size_t i = 0; i + 1 < s.f.size(); ++i) {
        if (!(s.x[i] < 0 && s.x[i + 1] >= 0)) continue;
        const double crossing = along(s.f[i], s.f[i + 1], s.x[i], s.x[i + 1], 0);
        if (!out.resonant ||
            std::abs(crossing - band.designMhz) < std::abs(out.resonanceMhz - band.designMhz)) {
            out.resonant = true;
            out.resonanceMhz = crossing;
        }
    }
    if (out.resonant) {
        out.deviationKhz = (out.resonanceMhz - band.designMhz) * 1000;
        out.deviationPercent = (out.resonanceMhz - band.designMhz) / band.designMhz * 100;
    }
    const auto best = static_cast<std::size_t>(std::min_element(s.swr.begin(), s.swr.end()) - s.swr.begin());
    out.minimumSwr = s.swr[best];
    out.minimumSwrMhz = s.f[best];
    out.resistanceAtDesignOhm = interpolate(s.f, s.r, band.designMhz);
    out.reactanceAtDesignOhm = interpolate(s.f, s.x, band.designMhz);
    out.swrAtDesign = standingWaveRatio(out.resistanceAtDesignOhm, out.reactanceAtDesignOhm, reference);
    out.swr2 = bandwidth(s, best, 2);
    out.swr15 = bandwidth(s, best, 1.5);
    return out;
}

std::string fixed(double v, int decimals, Language language = Language::italian) {
    std::array<char, 64> buf{};
    const auto end =
        std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed, decimals).ptr;
    std::string s(buf.data(), end);
    std::replace(s.begin(), s.end(), '.', decimalSeparator(language));
    if (s.find_first_not_of("-0,.") == std::string::npos && s.front() == '-') s.erase(0, 1);
    return s;
}

std::string signedFixed(double v, int decimals, Language language) {
    std::string s = fixed(v, decimals, language);
    if (s.front() != '-' && s.find_first_not_of("0,.") != std::string::npos) s.insert(0, "+");
    return s;
}

std::string swrText(double swr, Language language) {
    return std::isfinite(swr) && swr < 100 ? fixed(swr, 2, language) : "> 99";
}

std::string bandwidthText(const Bandwidth& b, Language language) {
    if (!b.reached) return std::string(text(Text::noBandwidth, language));
    if (b.offLow && b.offHigh) return std::string(text(Text::offBothEdges, language));
    if (b.offLow) return std::string(text(Text::offLowEdge, language));
    if (b.offHigh) return std::string(text(Text::offHighEdge, language));
    return fixed(b.widthKhz(), 0, language);
}

std::string advice(const BandResult& r, const Design& design, Language language) {
    if (!r.resonant) {
        // Inductive at the design frequency: the resonance lies below it.
        if (r.reactanceAtDesignOhm > 0) return std::string(text(Text::noResonanceTooLong, language));
        if (r.reactanceAtDesignOhm < 0) return std::string(text(Text::noResonanceTooShort, language));
        return std::string(text(Text::noResonanceInSweep, language));
    }
    std::string out = textWith(
        Text::deviation,
        {signedFixed(r.deviationKhz, 0, language), signedFixed(r.deviationPercent, 2, language)}, language);
    out += ' ';
    if (std::abs(r.deviationKhz) <= onFrequencyKhz)
        return out + textWith(Text::withinTolerance, {formatDouble(onFrequencyKhz, language)}, language);
    // A trap ties the bands, a coil and the wire share the resonance: a
    // figure scaled from one band's deviation would not put it on frequency.
    if (std::holds_alternative<TwoBandDesign>(design))
        return out + std::string(text(Text::correctTwoBand, language));
    if (std::holds_alternative<LoadingCoilDesign>(design))
        return out + std::string(text(Text::correctCoil, language));
    const auto* dipole = std::get_if<HalfWaveDesign>(&design);
    if (!dipole) return out;
    // Rounded to 12 digits first: the difference of two near frequencies
    // carries noise beyond the 15 digits that truncation rounds to, and
    // 21,5 cm must not come out 21,4.
    const double change =
        dipole->totalLengthM / 2 * (r.resonanceMhz - r.band.designMhz) / r.band.designMhz * 100;
    const double changeCm = truncateDecimals(roundSignificant(change, 12), 1);
    if (changeCm == 0) return out + std::string(text(Text::onFrequency, language));
    return out + textWith(changeCm > 0 ? Text::lengthenArm : Text::shortenArm,
                          {formatDouble(std::abs(changeCm), language)}, language);
}

AnalysisOutcome failure(Text which, Language language) {
    AnalysisOutcome out;
    out.error = text(which, language);
    return out;
}

std::string plain(double v) {
    std::array<char, 32> buf{};
    return std::string(buf.data(), std::to_chars(buf.data(), buf.data() + buf.size(), v).ptr);
}

}  // namespace

double standingWaveRatio(double resistanceOhm, double reactanceOhm, double referenceOhm) {
    if (!(resistanceOhm > 0) || !std::isfinite(reactanceOhm)) return infinity;
    const std::complex<double> z(resistanceOhm, reactanceOhm);
    const double gamma = std::abs((z - referenceOhm) / (z + referenceOhm));
    if (!(gamma < 1)) return infinity;
    return (1 + gamma) / (1 - gamma);
}

AnalysisOutcome analyse(const std::vector<Row>& rows, const std::vector<Band>& bands, double referenceOhm,
                        Language language) {
    AnalysisOutcome out;
    if (!(std::isfinite(referenceOhm) && referenceOhm > 0)) return failure(Text::badReference, language);
    std::size_t next = 0;
    for (const Band& band : bands) {
        const bool sweep = band.points >= 2 && std::isfinite(band.startMhz) && band.startMhz > 0 &&
                           std::isfinite(band.stepMhz) && band.stepMhz > 0;
        if (!sweep || rows.size() - next < static_cast<std::size_t>(band.points))
            return failure(Text::fewRows, language);
        Samples s;
        for (int i = 0; i < band.points; ++i, ++next) {
            const double f = band.startMhz + band.stepMhz * i;
            const Row& row = rows[next];
            const bool rising = s.f.empty() || f > s.f.back();
            if (!rising || !(std::abs(row.frequencyMhz - f) <= frequencyTolerance(f, band.stepMhz)))
                return failure(Text::fewRows, language);
            s.f.push_back(f);
            out.rows.push_back({f, row.resistanceOhm, row.reactanceOhm});
            s.r.push_back(row.resistanceOhm);
            s.x.push_back(row.reactanceOhm);
            s.swr.push_back(standingWaveRatio(row.resistanceOhm, row.reactanceOhm, referenceOhm));
        }
        out.bands.push_back(analyseBand(band, s, referenceOhm));
    }
    if (next != rows.size()) return failure(Text::fewRows, language);
    return out;
}

BandTexts bandTexts(const BandResult& r, const Design& design, Language language) {
    BandTexts t;
    t.resonance =
        r.resonant ? fixed(r.resonanceMhz, 3, language) : std::string(text(Text::noResonance, language));
    if (r.resonant) t.deviation = signedFixed(r.deviationKhz, 0, language);
    t.swr = swrText(r.swrAtDesign, language);
    const double x = r.reactanceAtDesignOhm;
    const bool negative = std::signbit(x) && fixed(x, 1).find_first_not_of("-0,") != std::string::npos;
    t.impedance = fixed(r.resistanceAtDesignOhm, 1, language) + (negative ? " - j" : " + j") +
                  fixed(std::abs(x), 1, language);
    t.bandwidth = bandwidthText(r.swr2, language);
    t.advice = advice(r, design, language);
    return t;
}

namespace {

// One line a row, after the given first column: the band, f, R, X, SWR.
std::string csvRows(const CsvSweep& sweep, double referenceOhm, const std::string& first) {
    std::string out;
    std::size_t band = 0;
    std::size_t left =
        sweep.bands.empty() ? sweep.rows.size() : std::size_t(std::max(0, sweep.bands[0].points));
    for (const Row& row : sweep.rows) {
        while (left == 0 && band + 1 < sweep.bands.size())
            left = std::size_t(std::max(0, sweep.bands[++band].points));
        if (left > 0) --left;
        const double swr = standingWaveRatio(row.resistanceOhm, row.reactanceOhm, referenceOhm);
        out += first + std::to_string(band + 1) + ',' + fixed(row.frequencyMhz, 6, Language::english) + ',' +
               fixed(row.resistanceOhm, 2, Language::english) + ',' +
               fixed(row.reactanceOhm, 2, Language::english) + ',' +
               (std::isfinite(swr) ? fixed(swr, 3, Language::english) : "inf") + '\n';
    }
    return out;
}

}  // namespace

std::vector<std::string> optionsText(const ModelOptions& o, double referenceOhm, Language language) {
    std::vector<std::string> lines = {
        textWith(Text::csvReference, {plain(referenceOhm)}, language),
        textWith(Text::csvOptions,
                 {plain(o.wireDiameterMm), std::string(groundName(o.ground, language)),
                  o.ground == Ground::freeSpace ? "-" : plain(o.heightM), plain(o.apexAngleDeg),
                  o.qualityFactor > 0 ? plain(o.qualityFactor) : "-",  // none without traps or coils
                  std::string(text(o.copperLoss && o.conductor == Conductor::copper ? Text::csvCopperLoss
                                                                                    : Text::csvNoCopperLoss,
                                   language)),
                  std::to_string(o.pointsPerBand), plain(o.spanPercent)},
                 language)};
    for (std::string& comment : installationComments(o, language)) lines.push_back(std::move(comment));
    return lines;
}

std::string csvText(const CsvInput& input) {
    const Language language = input.language;
    const std::vector<std::string> options = optionsText(input.options, input.referenceOhm, language);
    std::string out = "# ZELIRO: " + options.front() + '\n';
    for (std::size_t i = 1; i < options.size(); ++i) out += "# " + options[i] + '\n';
    const std::optional<CsvInput::Correction>& c = input.correction;
    if (c) {
        out += "# " +
               textWith(Text::csvDesign, {describeDesign(roundedDesign(c->design), language)}, language) +
               '\n';
        out +=
            "# " +
            textWith(Text::csvCorrected, {describeDesign(roundedDesign(c->corrected), language)}, language) +
            '\n';
        out += "sweep,";
    }
    out += "band,f_MHz,R_ohm,X_ohm,SWR\n";
    if (c) out += csvRows(c->designSweep, input.referenceOhm, "design,");
    out += csvRows({input.rows, input.bands}, input.referenceOhm, c ? "corrected," : "");
    return out;
}

std::string csvText(const std::vector<Row>& rows, double referenceOhm) {
    std::string out = "f_MHz,R_ohm,X_ohm,SWR\n";
    for (const Row& row : rows) {
        const double swr = standingWaveRatio(row.resistanceOhm, row.reactanceOhm, referenceOhm);
        out += plain(row.frequencyMhz) + ',' + plain(row.resistanceOhm) + ',' + plain(row.reactanceOhm) +
               ',' + (std::isfinite(swr) ? plain(swr) : "inf") + '\n';
    }
    return out;
}

}  // namespace zeliro::nec
