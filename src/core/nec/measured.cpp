#include "core/nec/measured.h"

#include <cmath>
#include <fstream>

#include "core/numbers.h"

namespace zeliro::nec {
namespace {

std::string mhz(double value) { return formatDouble(truncateDecimals(value, 3)) + " MHz"; }

std::string signedKhz(double value) {
    const double rounded = std::round(value);
    return (rounded > 0 ? "+" : "") + formatDouble(rounded) + " kHz";
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

std::string measuredText(const MeasuredBand& measured, const BandResult* model) {
    if (!measured.hasPoints) return "nessun punto misurato in questa banda";
    std::string text;
    if (measured.minimum)
        text = "SWR min " + formatDouble(truncateDecimals(measured.minimum->swr, 2)) + " a " +
               mhz(measured.minimum->frequencyMHz);
    if (measured.reactanceZeroMhz) text += ", X = 0 a " + mhz(*measured.reactanceZeroMhz);
    if (measured.swr2 && measured.swr2->lowMHz && measured.swr2->highMHz)
        text += ", banda 2:1 " +
                formatDouble(std::round((*measured.swr2->highMHz - *measured.swr2->lowMHz) * 1000)) + " kHz";
    else
        text += ", banda 2:1 non misurabile";
    const std::optional<double> resonance = measured.resonanceMhz();
    if (model && model->resonant && resonance)
        text += ", modello - misura " + signedKhz((model->resonanceMhz - *resonance) * 1000);
    return text;
}

SweepReading readSweepFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {std::nullopt, {0, SweepProblem::empty, "Impossibile aprire il file " + path + "."}};
    return readSweep(in, path);
}

std::string minimumSwrText(const MeasuredSweep& sweep, std::string_view wantedMhzText, Language language) {
    const std::optional<double> wanted = parseDouble(wantedMhzText, language);
    const std::optional<SwrMinimum> minimum =
        minimumSwr(sweep, wanted && *wanted > 0 ? wanted : std::optional<double>());
    if (!minimum) return {};
    return formatDouble(truncateDecimals(minimum->frequencyMHz, 3), language);
}

}  // namespace zeliro::nec
