#include "core/nec/measured.h"

#include <cmath>
#include <fstream>

#include "core/numbers.h"

namespace zeliro::nec {
namespace {

std::string mhz(double value, Language language) {
    return formatDouble(truncateDecimals(value, 3), language) + " MHz";
}

std::string signedKhz(double value, Language language) {
    const double rounded = std::round(value);
    return (rounded > 0 ? "+" : "") + formatDouble(rounded, language) + " kHz";
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
    const bool en = language == Language::english;
    if (!measured.hasPoints)
        return en ? "no measured points in this band" : "nessun punto misurato in questa banda";
    const std::string at = en ? " at " : " a ";
    std::string text;
    if (measured.minimum)
        text = "SWR min " + formatDouble(truncateDecimals(measured.minimum->swr, 2), language) + at +
               mhz(measured.minimum->frequencyMHz, language);
    if (measured.reactanceZeroMhz) text += ", X = 0" + at + mhz(*measured.reactanceZeroMhz, language);
    if (measured.swr2 && measured.swr2->lowMHz && measured.swr2->highMHz)
        text +=
            (en ? ", 2:1 bandwidth " : ", banda 2:1 ") +
            formatDouble(std::round((*measured.swr2->highMHz - *measured.swr2->lowMHz) * 1000), language) +
            " kHz";
    else
        text += en ? ", 2:1 bandwidth not measurable" : ", banda 2:1 non misurabile";
    const std::optional<double> resonance = measured.resonanceMhz();
    if (model && model->resonant && resonance)
        text += (en ? ", model - measured " : ", modello - misura ") +
                signedKhz((model->resonanceMhz - *resonance) * 1000, language);
    return text;
}

SweepReading readSweepFile(const std::string& path, Language language) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const char* cannot =
            language == Language::english ? "Cannot open the file " : "Impossibile aprire il file ";
        return {std::nullopt, {0, SweepProblem::empty, cannot + path + "."}};
    }
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
