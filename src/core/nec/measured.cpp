#include "core/nec/measured.h"

#include <cmath>
#include <fstream>

#include "core/numbers.h"

namespace zeliro::nec {
namespace {

// MHz truncated to three decimals.
std::string mhz(double value, Language language) {
    return formatDouble(truncateDecimals(value, 3), language);
}

// Whole kHz, "+" before a positive figure.
std::string signedKhz(double value, Language language) {
    const double rounded = std::round(value);
    return (rounded > 0 ? "+" : "") + formatDouble(rounded, language);
}

}  // namespace

std::optional<double> MeasuredBand::resonanceMhz() const {
    if (reactanceZeroMhz) return reactanceZeroMhz;
    if (minimum) return minimum->frequencyMHz;
    return std::nullopt;
}

MeasuredBand measureBand(const MeasuredSweep& sweep, const Band& band) {
    MeasuredSweep inside{{}, sweep.referenceOhms, sweep.impedanceKnown};
    for (const SweepPoint& point : sweep.points)
        if (point.frequencyMHz >= band.startMhz && point.frequencyMHz <= band.endMhz())
            inside.points.push_back(point);
    MeasuredBand measured;
    measured.hasPoints = !inside.points.empty();
    if (!measured.hasPoints) return measured;
    measured.minimum = minimumSwr(inside, band.designMhz);
    for (const ReactanceZero& zero : reactanceZeros(inside))
        if (zero.rising &&
            (!measured.reactanceZeroMhz || std::abs(zero.frequencyMHz - band.designMhz) <
                                               std::abs(*measured.reactanceZeroMhz - band.designMhz)))
            measured.reactanceZeroMhz = zero.frequencyMHz;
    if (measured.minimum) measured.swr2 = swrBandwidth(inside, measured.minimum->frequencyMHz, 2.0);
    return measured;
}

std::string measuredText(const MeasuredBand& measured, const BandResult* model, Language language) {
    if (!measured.hasPoints) return std::string(text(Text::noMeasuredPoints, language));
    std::string out;
    if (measured.minimum)
        out = textWith(Text::measuredMinimum,
                       {formatDouble(truncateDecimals(measured.minimum->swr, 2), language),
                        mhz(measured.minimum->frequencyMHz, language)},
                       language);
    if (measured.reactanceZeroMhz)
        out += textWith(Text::measuredZero, {mhz(*measured.reactanceZeroMhz, language)}, language);
    if (measured.swr2 && measured.swr2->lowMHz && measured.swr2->highMHz)
        out += textWith(
            Text::measuredBandwidth,
            {formatDouble(std::round((*measured.swr2->highMHz - *measured.swr2->lowMHz) * 1000), language)},
            language);
    else
        out += text(Text::measuredNoBandwidth, language);
    const std::optional<double> resonance = measured.resonanceMhz();
    if (model && model->resonant && resonance)
        out += textWith(Text::modelMinusMeasured,
                        {signedKhz((model->resonanceMhz - *resonance) * 1000, language)}, language);
    return out;
}

SweepReading readSweepFile(const std::string& path, Language language) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {std::nullopt, {0, SweepProblem::empty, textWith(Text::cannotOpen, {path}, language)}};
    return readSweep(in, path, language);
}

std::string minimumSwrText(const MeasuredSweep& sweep, std::string_view wantedMhzText, Language language) {
    const std::optional<double> wanted = parseDouble(wantedMhzText, language);
    const std::optional<SwrMinimum> minimum =
        minimumSwr(sweep, wanted && *wanted > 0 ? wanted : std::optional<double>());
    if (!minimum) return {};
    return formatDouble(truncateDecimals(minimum->frequencyMHz, 3), language);
}

}  // namespace zeliro::nec
