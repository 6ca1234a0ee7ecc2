#include "core/nec/model.h"

#include <algorithm>
#include <cmath>

#include "core/nec/modelparts.h"
#include "core/numbers.h"

namespace zeliro::nec {
namespace {

using parts::Fault;
using parts::number;
using parts::pi;
using parts::Plan;

bool positive(double v) { return std::isfinite(v) && v > 0; }

// The sweep around one design frequency: centred on it (or on the centre
// asked for) and spanning exactly ± spanPercent of the design frequency
// whatever the point count, so the step is whatever fraction of a kHz that
// takes. With the span below 50 % the start of a sweep centred on its design
// frequency stays above half of it; another centre is checked by the caller.
Band bandAround(double designMhz, double centreMhz, const ModelOptions& options) {
    Band band;
    band.designMhz = designMhz;
    band.points = options.pointsPerBand;
    const double half = designMhz * options.spanPercent / 100;
    band.stepMhz = 2 * half / (band.points - 1);
    band.startMhz = centreMhz - half;
    return band;
}

// The bands of the plan's design frequencies; a centre asked for moves the
// band whose design frequency is nearest to it.
Fault bandsFor(const std::vector<double>& designMhz, const ModelOptions& o, std::vector<Band>& bands) {
    std::size_t moved = designMhz.size();
    if (o.centreMhz) {
        const double centre = *o.centreMhz;
        if (!positive(centre)) return Text::badCentre;
        auto distance = [&](double f) { return std::abs(f - centre); };
        moved = static_cast<std::size_t>(
            std::min_element(designMhz.begin(), designMhz.end(),
                             [&](double a, double b) { return distance(a) < distance(b); }) -
            designMhz.begin());
    }
    for (std::size_t i = 0; i < designMhz.size(); ++i) {
        bands.push_back(bandAround(designMhz[i], i == moved ? *o.centreMhz : designMhz[i], o));
        if (!(bands.back().startMhz > 0)) return Text::badCentre;
    }
    return {};
}

Fault checkOptions(const ModelOptions& o, bool hasLoads) {
    if (!(o.pointsPerBand >= 2 && o.pointsPerBand <= 1000)) return Text::badPoints;
    if (!(std::isfinite(o.spanPercent) && o.spanPercent > 0 && o.spanPercent < 50)) return Text::badSpan;
    if (o.ground != Ground::freeSpace && !positive(o.heightM)) return Text::badHeight;
    if (!(std::isfinite(o.apexAngleDeg) && o.apexAngleDeg > 0 && o.apexAngleDeg <= 180))
        return Text::badAngle;
    if (hasLoads && !(o.qualityFactor == 0 || positive(o.qualityFactor))) return Text::badQuality;
    if (!(o.insulationMm == 0 || (positive(o.insulationMm) && o.insulationMm <= 100)))
        return Text::badInsulation;
    if (o.insulationMm > 0 && !(std::isfinite(o.insulationPermittivity) && o.insulationPermittivity >= 1 &&
                                o.insulationPermittivity <= 100))
        return Text::badPermittivity;
    if (o.ground == Ground::custom &&
        !(std::isfinite(o.customSoil.permittivity) && o.customSoil.permittivity >= 1 &&
          o.customSoil.permittivity <= 100 && positive(o.customSoil.conductivitySm) &&
          o.customSoil.conductivitySm <= 100))
        return Text::badSoil;
    return {};
}

// Each design to its plan (its deck's comments in the language asked for), or an error.
Fault plan(const HalfWaveDesign& d, const ModelOptions& o, Language language, Plan& p) {
    if (!positive(d.totalLengthM)) return Text::badLength;
    if (!positive(d.frequencyMhz)) return Text::badFrequency;
    if (!positive(o.wireDiameterMm)) return Text::badDiameter;
    p.arm = {{d.totalLengthM / 2, false}};
    p.designMhz = {d.frequencyMhz};
    p.radiusM = o.wireDiameterMm / 2000;
    p.shape = d.shape;
    p.comments = {textWith(Text::deckHalfWave, {number(d.totalLengthM), number(d.frequencyMhz)}, language)};
    return {};
}

Fault plan(const TwoBandDesign& d, const ModelOptions& o, Language language, Plan& p) {
    if (!positive(d.innerWireM) || !positive(d.outerWireM)) return Text::badLength;
    if (!positive(d.firstFrequencyMhz) || !positive(d.secondFrequencyMhz)) return Text::badFrequency;
    if (!positive(o.wireDiameterMm)) return Text::badDiameter;
    if (!positive(d.trapInductanceUh) || !positive(d.trapCapacitancePf)) return Text::badTrap;
    const double l = d.trapInductanceUh * 1e-6;
    const double c = d.trapCapacitancePf * 1e-12;
    const double q = o.qualityFactor > 0 ? o.qualityFactor : defaultTrapQ;
    // A parallel RLC whose Q at the trap's own resonance is q.
    p.load = {1, 0, 0, q * std::sqrt(l / c), l, c};
    p.arm = {{d.innerWireM, false}, {0, true}, {d.outerWireM, false}};
    p.designMhz = {d.firstFrequencyMhz, d.secondFrequencyMhz};
    p.radiusM = o.wireDiameterMm / 2000;
    p.shape = d.shape;
    p.comments = {textWith(Text::deckTwoBand, {number(d.innerWireM), number(d.outerWireM)}, language),
                  textWith(Text::deckTrap,
                           {number(d.trapInductanceUh), number(d.trapCapacitancePf), number(q)}, language)};
    return {};
}

Fault plan(const LoadingCoilDesign& d, const ModelOptions& o, Language language, Plan& p) {
    if (!positive(d.totalLengthM)) return Text::badLength;
    if (!positive(d.frequencyMhz)) return Text::badFrequency;
    if (!positive(o.wireDiameterMm)) return Text::badDiameter;
    if (!positive(d.coilInductanceUh)) return Text::badCoil;
    const double arm = d.totalLengthM / 2;
    if (!(std::isfinite(d.coilDistanceM) && d.coilDistanceM >= 0 && d.coilDistanceM < arm))
        return Text::coilPosition;
    const double l = d.coilInductanceUh * 1e-6;
    const double q = o.qualityFactor > 0 ? o.qualityFactor : defaultCoilQ;
    // A series RL whose Q at the design frequency is q.
    p.load = {0, 0, 0, 2 * pi * d.frequencyMhz * 1e6 * l / q, l, 0};
    p.arm = {{d.coilDistanceM, false}, {0, true}, {arm - d.coilDistanceM, false}};
    p.designMhz = {d.frequencyMhz};
    p.radiusM = o.wireDiameterMm / 2000;
    p.shape = d.shape;
    p.comments = {
        textWith(Text::deckShortened, {number(d.totalLengthM), number(d.frequencyMhz)}, language),
        textWith(Text::deckCoil, {number(d.coilInductanceUh), number(d.coilDistanceM), number(q)}, language)};
    return {};
}

}  // namespace

std::vector<std::string> installationComments(const ModelOptions& o, Language language) {
    std::vector<std::string> comments;
    const Conductor conductor = o.copperLoss ? o.conductor : Conductor::perfect;
    const double inductance =
        insulationInductance(o.wireDiameterMm, o.insulationMm, o.insulationPermittivity);
    const Soil soil = soilOf(o.ground, o.customSoil).value_or(Soil{});
    if (conductor != Conductor::copper && conductor != Conductor::perfect)
        comments.push_back(textWith(
            Text::deckConductor,
            {std::string(conductorName(conductor, language)), parts::scientific(conductivityOf(conductor))},
            language));
    if (inductance > 0)
        comments.push_back(textWith(Text::deckInsulation,
                                    {number(o.insulationMm), number(o.insulationPermittivity),
                                     number(roundSignificant(inductance, 4))},
                                    language));
    if (o.ground != Ground::freeSpace && o.ground != Ground::perfect && o.ground != Ground::average)
        comments.push_back(textWith(Text::deckSoil,
                                    {std::string(groundName(o.ground, language)), number(soil.permittivity),
                                     number(soil.conductivitySm)},
                                    language));
    if (o.centreMhz) comments.push_back(textWith(Text::deckCentre, {number(*o.centreMhz)}, language));
    return comments;
}

double Wire::length() const { return std::hypot(x2 - x1, y2 - y1, z2 - z1); }

ModelSize modelSize(const Model& model) {
    ModelSize size;
    for (const Wire& w : model.wires) size.segments += w.segments;
    // The engine holds the interaction matrix whole: one complex double for
    // each pair of segments.
    const double n = size.segments;
    size.memoryMb = n * n * 16 / 1e6;
    return size;
}

ModelOptions defaultOptions(const Design& design) {
    ModelOptions o;
    if (const auto* coil = std::get_if<LoadingCoilDesign>(&design)) {
        o.wireDiameterMm = coil->wireDiameterMm;
        o.qualityFactor = defaultCoilQ;
    }
    if (std::holds_alternative<TwoBandDesign>(design)) o.qualityFactor = defaultTrapQ;
    return o;
}

ModelOutcome buildModel(const Design& design, const ModelOptions& options, Language language) {
    ModelOutcome out;
    auto failed = [&](const Fault& fault) {
        if (fault) {
            out.model = Model{};
            out.error = textWith(fault->text, fault->arguments, language);
        }
        return fault.has_value();
    };
    const bool loaded = !std::holds_alternative<HalfWaveDesign>(design);
    if (failed(checkOptions(options, loaded))) return out;
    Plan p;
    if (failed(std::visit([&](const auto& d) { return plan(d, options, language, p); }, design))) return out;
    Model& m = out.model;
    m.conductivitySm = options.copperLoss ? conductivityOf(options.conductor) : 0;
    m.insulationHPerM =
        insulationInductance(options.wireDiameterMm, options.insulationMm, options.insulationPermittivity);
    m.ground = options.ground;
    m.soil = soilOf(options.ground, options.customSoil).value_or(Soil{});
    m.comments = p.comments;
    for (std::string& c : installationComments(options, language)) m.comments.push_back(std::move(c));
    if (failed(bandsFor(p.designMhz, options, m.bands))) return out;
    if (failed(parts::layOut(p, options, language, m))) return out;
    const ModelSize size = modelSize(m);
    if (size.segments > maximumSegments) {
        out.model = Model{};
        out.error = textWith(Text::modelTooLarge,
                             {std::to_string(size.segments), std::to_string(maximumSegments),
                              formatDouble(std::round(size.memoryMb), language)},
                             language);
    }
    return out;
}

}  // namespace zeliro::nec
