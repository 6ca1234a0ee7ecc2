#include "core/nec/measured.h"

#include <cmath>
#include <fstream>
#include <limits>

#include "core/numbers.h"

namespace zeliro::nec {
namespace {

// MHz to three decimals, rounded: a measured 7,09999 MHz is 7,1 MHz.
std::string mhz(double value, Language language) {
    return formatDouble(std::round(value * 1000) / 1000, language);
}

// Whole kHz, "+" before a positive figure.
std::string signedKhz(double value, Language language) {
    const double rounded = std::round(value);
    return (rounded > 0 ? "+" : "") + formatDouble(rounded, language);
}

// SWR truncated to two decimals.
std::string swr(double value, Language language) {
    return formatDouble(truncateDecimals(value, 2), language);
}

// The dip nearest a frequency, the lower SWR where two are as near.
std::optional<SwrMinimum> nearestDip(const std::vector<SwrMinimum>& dips, double frequencyMhz) {
    std::optional<SwrMinimum> best;
    for (const SwrMinimum& dip : dips) {
        const double distance = std::abs(dip.frequencyMHz - frequencyMhz);
        if (!best) {
            best = dip;
            continue;
        }
        const double bestDistance = std::abs(best->frequencyMHz - frequencyMhz);
        if (distance < bestDistance || (distance == bestDistance && dip.swr < best->swr)) best = dip;
    }
    return best;
}

}  // namespace

std::optional<double> MeasuredBand::resonanceMhz() const {
    if (reactanceZeroMhz) return reactanceZeroMhz;
    if (minimum) return minimum->frequencyMHz;
    return std::nullopt;
}

namespace {

// The sweep's dips, reactance zero and bandwidth around a design frequency.
MeasuredBand measureAround(const MeasuredSweep& inside, double designMhz) {
    MeasuredBand measured;
    if (!inside.impedanceKnown) measured.swrOnlyReferenceOhms = inside.referenceOhms;
    measured.hasPoints = !inside.points.empty();
    if (!measured.hasPoints) return measured;
    measured.minima = swrMinima(inside);
    measured.minimum = nearestDip(measured.minima.dips, designMhz);
    for (const ReactanceZero& zero : reactanceZeros(inside))
        if (zero.rising &&
            (!measured.reactanceZeroMhz ||
             std::abs(zero.frequencyMHz - designMhz) < std::abs(*measured.reactanceZeroMhz - designMhz)))
            measured.reactanceZeroMhz = zero.frequencyMHz;
    if (measured.minimum) measured.swr2 = swrBandwidth(inside, measured.minimum->frequencyMHz, 2.0);
    return measured;
}

// The dips other than the one nearest the resonance taken, for the note.
std::string otherDips(const MeasuredBand& measured, double wanted, double resonance, Language language) {
    std::string others;
    std::size_t count = 0;
    for (const SwrMinimum& dip : measured.minima.dips) {
        if (measured.minimum && dip.frequencyMHz == measured.minimum->frequencyMHz) continue;
        others += (others.empty() ? "" : "; ") + mhz(dip.frequencyMHz, language);
        ++count;
    }
    if (count == 0) return {};
    return textWith(count == 1 ? Text::trimOtherMinimum : Text::trimOtherMinima,
                    {mhz(resonance, language), formatDouble(wanted, language), others}, language);
}

}  // namespace

MeasuredBand measureBand(const MeasuredSweep& sweep, const Band& band) {
    MeasuredSweep inside{{}, sweep.referenceOhms, sweep.impedanceKnown};
    for (const SweepPoint& point : sweep.points)
        if (point.frequencyMHz >= band.startMhz && point.frequencyMHz <= band.endMhz())
            inside.points.push_back(point);
    return measureAround(inside, band.designMhz);
}

std::string measuredText(const MeasuredBand& measured, const BandResult* model, Language language) {
    if (!measured.hasPoints) return std::string(text(Text::noMeasuredPoints, language));
    std::string out;
    const SwrMinima& minima = measured.minima;
    for (const SwrMinimum& dip : minima.dips)
        out += (out.empty() ? "" : ", ") + textWith(Text::measuredMinimum,
                                                    {swr(dip.swr, language), mhz(dip.frequencyMHz, language)},
                                                    language);
    if (minima.dips.empty()) {
        if (minima.lowEdge)
            out = textWith(Text::measuredLowEdge,
                           {swr(minima.lowEdge->swr, language), mhz(minima.lowEdge->frequencyMHz, language)},
                           language);
        if (minima.highEdge)
            out += (out.empty() ? "" : ", ") + textWith(Text::measuredHighEdge,
                                                        {swr(minima.highEdge->swr, language),
                                                         mhz(minima.highEdge->frequencyMHz, language)},
                                                        language);
        if (minima.none()) out = text(Text::measuredNoMinimum, language);
    }
    if (measured.reactanceZeroMhz)
        out += textWith(Text::measuredZero, {mhz(*measured.reactanceZeroMhz, language)}, language);
    if (measured.minimum) {
        if (measured.swr2 && measured.swr2->lowMHz && measured.swr2->highMHz)
            out +=
                textWith(Text::measuredBandwidth,
                         {formatDouble(std::round((*measured.swr2->highMHz - *measured.swr2->lowMHz) * 1000),
                                       language)},
                         language);
        else
            out += text(Text::measuredNoBandwidth, language);
    }
    const std::optional<double> resonance = measured.resonanceMhz();
    if (model && model->resonant && resonance)
        out += textWith(Text::modelMinusMeasured,
                        {signedKhz((model->resonanceMhz - *resonance) * 1000, language)}, language);
    if (measured.swrOnlyReferenceOhms)
        out += textWith(Text::measuredAtReference, {formatDouble(*measured.swrOnlyReferenceOhms, language)},
                        language);
    return out;
}

MeasuredSweep atReference(const MeasuredSweep& sweep, double referenceOhms) {
    if (!sweep.impedanceKnown || !(std::isfinite(referenceOhms) && referenceOhms > 0)) return sweep;
    MeasuredSweep out = sweep;
    out.referenceOhms = referenceOhms;
    for (SweepPoint& point : out.points) {
        const double ratio = standingWaveRatio(point.resistance, point.reactance, referenceOhms);
        // A load with no resistance reflects everything: the highest SWR a double holds.
        point.swr = std::isfinite(ratio) ? ratio : std::numeric_limits<double>::max();
    }
    return out;
}

SweepReading readSweepFile(const std::string& path, Language language) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {std::nullopt, {0, SweepProblem::empty, textWith(Text::cannotOpen, {path}, language)}};
    return readSweep(in, path, language);
}

TrimmingMinimum trimmingMinimum(const MeasuredSweep& sweep, std::string_view wantedMhzText,
                                Language language) {
    const std::optional<double> wanted = parseDouble(wantedMhzText, language);
    if (!wanted || !(*wanted > 0) || !std::isfinite(*wanted))
        return {{}, std::string(text(Text::trimNoWanted, language)), {}};
    // The resonance as the verification takes it: X = 0 where the sweep
    // gives X, else the dip nearest the wanted frequency.
    const MeasuredBand measured = measureAround(sweep, *wanted);
    const std::optional<double> resonance = measured.resonanceMhz();
    if (resonance && std::abs(*resonance - *wanted) <= maximumTrimmingShare * *wanted)
        return {mhz(*resonance, language), {}, otherDips(measured, *wanted, *resonance, language)};
    const SwrMinima& minima = measured.minima;
    const std::string within = formatDouble(maximumTrimmingShare * 100, language);
    const std::string wantedText = formatDouble(*wanted, language);
    if (resonance)
        return {{},
                textWith(Text::trimFarMinimum, {within, wantedText, mhz(*resonance, language)}, language),
                {}};
    if (minima.highEdge && (!minima.lowEdge || minima.highEdge->swr <= minima.lowEdge->swr))
        return {
            {}, textWith(Text::trimHighEdge, {mhz(minima.highEdge->frequencyMHz, language)}, language), {}};
    if (minima.lowEdge)
        return {{}, textWith(Text::trimLowEdge, {mhz(minima.lowEdge->frequencyMHz, language)}, language), {}};
    return {{}, std::string(text(Text::trimNoMinimum, language)), {}};
}

std::string minimumSwrText(const MeasuredSweep& sweep, std::string_view wantedMhzText, Language language) {
    return trimmingMinimum(sweep, wantedMhzText, language).figure;
}

}  // namespace zeliro::nec
