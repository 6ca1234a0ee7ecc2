#include "core/nec/pattern.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "core/nec/reportlines.h"
#include "core/nec/texts.h"
#include "core/numbers.h"

namespace zeliro::nec {
namespace {

using report::fields;
using report::finite;
using report::Lines;
using report::tidy;

constexpr double speedOfLight = 299.792458;  // m·MHz

// The texts of the pattern page and of the height study.
enum class PatternText {
    noPattern,
    patternNotANumber,
    wrongDirections,
    noCut,
    freeSpaceStudy,
    gain,
    degrees,
    nvis,
    metres,
    wavelengths,
    headingHeight,
    headingWavelengths,
    headingGain,
    headingTakeOff,
};

// One row per PatternText, in the enum's order; one column per language.
constexpr std::array italian = {
    std::pair{PatternText::noPattern, "Nel risultato del simulatore manca il diagramma di radiazione."},
    std::pair{PatternText::patternNotANumber,
              "Il simulatore ha dato un valore non numerico nel diagramma: %1"},
    std::pair{PatternText::wrongDirections, "Il diagramma del simulatore non ha le direzioni richieste: %1"},
    std::pair{PatternText::noCut, "Il diagramma non contiene il piano che serve."},
    std::pair{PatternText::freeSpaceStudy, "Nello spazio libero l'altezza non conta: nessuno studio."},
    std::pair{PatternText::gain, "%1 dBi"},
    std::pair{PatternText::degrees, "%1°"},
    std::pair{PatternText::nvis, "Irradia soprattutto verso l'alto: collegamenti a breve distanza (NVIS)."},
    std::pair{PatternText::metres, "%1 m"},
    std::pair{PatternText::wavelengths, "%1 λ"},
    std::pair{PatternText::headingHeight, "Altezza"},
    std::pair{PatternText::headingWavelengths, "Lunghezze d'onda"},
    std::pair{PatternText::headingGain, "Guadagno massimo"},
    std::pair{PatternText::headingTakeOff, "Angolo di partenza"},
};

constexpr std::array english = {
    std::pair{PatternText::noPattern, "The simulator's result has no radiation pattern."},
    std::pair{PatternText::patternNotANumber,
              "The simulator gave a value that is not a number in the pattern: %1"},
    std::pair{PatternText::wrongDirections,
              "The simulator's pattern does not have the directions asked for: %1"},
    std::pair{PatternText::noCut, "The pattern does not hold the plane needed."},
    std::pair{PatternText::freeSpaceStudy, "In free space the height does not count: no study."},
    std::pair{PatternText::gain, "%1 dBi"},
    std::pair{PatternText::degrees, "%1°"},
    std::pair{PatternText::nvis, "Radiates mostly upwards: short-range contacts (NVIS)."},
    std::pair{PatternText::metres, "%1 m"},
    std::pair{PatternText::wavelengths, "%1 λ"},
    std::pair{PatternText::headingHeight, "Height"},
    std::pair{PatternText::headingWavelengths, "Wavelengths"},
    std::pair{PatternText::headingGain, "Peak gain"},
    std::pair{PatternText::headingTakeOff, "Take-off angle"},
};

static_assert(completeColumns(italian, english, PatternText::headingTakeOff));

std::string textOf(PatternText which, Language language, const std::vector<std::string>& arguments = {}) {
    return fillIn(textIn(italian, english, which, language), arguments);
}

// Lines in which nec2c reports a fault of the deck or of the computation.
constexpr std::array faultMarks = {"ERROR", "FAULT", "NO SEGMENT HAS AN ITAG", "CHECK DATA"};
constexpr std::string_view blockMark = "RADIATION PATTERNS";
// The last of the block's three heading lines.
constexpr std::string_view unitsMark = "DEGREES";
// The last line of a report that ran to its end.
constexpr std::string_view endMark = "TOTAL RUN TIME";
// The report writes angles with two decimals.
constexpr double angleTolerance = 0.006;

// The shortest text that reads back as v rounded to 15 significant digits.
std::string number(double v) {
    v = roundSignificant(v, 15);
    std::array<char, 32> buf{};
    return std::string(buf.data(), std::to_chars(buf.data(), buf.data() + buf.size(), v).ptr);
}

// The RP card of a cut, and the direction (theta, phi) of its i-th point:
// theta moves fastest, as nec2c writes a block.
struct Sweep {
    double theta0 = 0, phi0 = 0;
    double thetaStep = 0, phiStep = 0;
    int thetas = 1, phis = 1;

    double theta(int i) const { return theta0 + (i % thetas) * thetaStep; }
    double phi(int i) const { return phi0 + (i / thetas) * phiStep; }
};

constexpr int quadrantThetas = 91;
constexpr int quadrantPhis = 19;
constexpr double quadrantPhiStep = 5;

Sweep sweepOf(const Cut& cut) {
    switch (cut.kind) {
        case CutKind::elevation:
            return {-90, 0, 1, 0, 181, 1};
        case CutKind::azimuth:
            return {90 - cut.elevationDeg, 0, 0, 1, 1, 360};
        case CutKind::ePlane:
            return {90, 0, 0, 1, 1, 360};
        case CutKind::quadrant:
            return {0, 0, 1, quadrantPhiStep, quadrantThetas, quadrantPhis};
        case CutKind::hPlane:
            break;
    }
    return {0, 0, 1, 0, 360, 1};
}

std::string rpCard(const Cut& cut) {
    const Sweep s = sweepOf(cut);
    // Mode 0, power gain in dB, vertical and horizontal parts, no averaging.
    return "RP 0 " + std::to_string(s.thetas) + ' ' + std::to_string(s.phis) + " 1000 " + number(s.theta0) +
           ' ' + number(s.phi0) + ' ' + number(s.thetaStep) + ' ' + number(s.phiStep) + '\n';
}

// The cut's own angle of a direction (a quadrant's points keep their order).
double angleOf(CutKind kind, double theta, double phi) {
    switch (kind) {
        case CutKind::elevation:
            return 90 - theta;
        case CutKind::azimuth:
        case CutKind::ePlane:
            return phi;
        case CutKind::quadrant:
            return 0;
        case CutKind::hPlane:
            break;
    }
    const double a = std::fmod(450 - theta, 360);
    return a < 0 ? a + 360 : a;
}

// How far from the peak, walking one way, the gain falls below the threshold;
// the walk stops at the edge of a half-plane cut and goes round a circle.
double halfWidth(const std::vector<PatternPoint>& points, std::size_t peak, int direction, bool circular,
                 double threshold) {
    const std::size_t n = points.size();
    double along = 0;
    std::size_t at = peak;
    for (std::size_t steps = 1; steps < n; ++steps) {
        if (!circular && ((direction < 0 && at == 0) || (direction > 0 && at + 1 == n))) break;
        const std::size_t next = direction > 0 ? (at + 1) % n : (at + n - 1) % n;
        double step = std::abs(points[next].angleDeg - points[at].angleDeg);
        if (circular) step = std::min(step, 360 - step);
        if (points[next].gainDbi < threshold) {
            const double share =
                (points[at].gainDbi - threshold) / (points[at].gainDbi - points[next].gainDbi);
            return along + share * step;
        }
        along += step;
        at = next;
    }
    return along;
}

const CutResult* findCut(const PatternOutcome& pattern, CutKind kind) {
    for (const CutResult& c : pattern.cuts)
        if (c.cut.kind == kind && !c.points.empty()) return &c;
    return nullptr;
}

std::string truncated(double v, int decimals, Language language) {
    return formatDouble(truncateDecimals(v, decimals), language);
}

}  // namespace

PatternRequest patternRequest(Ground ground, double frequencyMhz,
                              const std::vector<double>& azimuthElevationsDeg) {
    PatternRequest r;
    r.frequencyMhz = frequencyMhz;
    if (ground == Ground::freeSpace) {
        r.cuts = {{CutKind::ePlane, 0}, {CutKind::hPlane, 0}};
        return r;
    }
    r.cuts = {{CutKind::elevation, 0}};
    for (double e : azimuthElevationsDeg)
        if (std::isfinite(e) && e >= 0 && e <= 90) r.cuts.push_back({CutKind::azimuth, e});
    return r;
}

PatternRequest viewRequest(Ground ground, double frequencyMhz) {
    PatternRequest r = patternRequest(ground, frequencyMhz);
    if (ground != Ground::freeSpace) r.cuts = {{CutKind::quadrant, 0}};
    return r;
}

int cutPoints(CutKind kind) {
    const Sweep s = sweepOf({kind, 0});
    return s.thetas * s.phis;
}

std::string patternDeck(const Model& model, const PatternRequest& request) {
    std::string run = "FR 0 1 0 0 " + number(request.frequencyMhz) + " 0\n";
    for (const Cut& cut : request.cuts) run += rpCard(cut);
    return deckTextWith(model, run);
}

PatternOutcome readNecPattern(std::string_view report, const PatternRequest& request, Language language) {
    auto failure = [](std::string error) { return PatternOutcome{{}, std::move(error)}; };
    auto nec = [language](Text which, const std::vector<std::string>& arguments = {}) {
        return PatternOutcome{{}, textWith(which, arguments, language)};
    };
    if (fields(report).empty()) return nec(Text::emptyReport);
    if (request.cuts.empty()) return failure(textOf(PatternText::noPattern, language));
    PatternOutcome out;
    bool ended = false;
    Lines lines(report);
    std::string_view line;
    while (lines.next(line)) {
        for (const char* mark : faultMarks)
            if (line.find(mark) != std::string_view::npos) return nec(Text::engineError, {tidy(line)});
        if (line.find(endMark) != std::string_view::npos) ended = true;
        if (line.find(blockMark) == std::string_view::npos) continue;
        if (out.cuts.size() == request.cuts.size())
            return failure(textOf(PatternText::wrongDirections, language, {tidy(line)}));
        bool headed = false;
        for (int i = 0; i < 5 && !headed && lines.next(line); ++i) {
            const auto f = fields(line);
            headed = !f.empty() && f[0] == unitsMark;
        }
        if (!headed) return nec(Text::truncated);
        CutResult cut{request.cuts[out.cuts.size()], {}};
        const Sweep sweep = sweepOf(cut.cut);
        const int count = cutPoints(cut.cut.kind);
        for (int i = 0; i < count; ++i) {
            if (!lines.next(line) || fields(line).empty()) return nec(Text::truncated);
            const auto f = fields(line);
            // The polarization's sense may be blank: the fields are counted from the end.
            if (f.size() < 11) return nec(Text::truncated);
            const auto theta = finite(f[0]);
            const auto phi = finite(f[1]);
            const auto gain = finite(f[4]);
            const auto eTheta = finite(f[f.size() - 4]);
            const auto ePhi = finite(f[f.size() - 2]);
            if (!theta || !phi || !gain || !eTheta || !ePhi)
                return failure(textOf(PatternText::patternNotANumber, language, {tidy(line)}));
            if (std::abs(*theta - sweep.theta(i)) > angleTolerance ||
                std::abs(*phi - sweep.phi(i)) > angleTolerance)
                return failure(textOf(PatternText::wrongDirections, language, {tidy(line)}));
            cut.points.push_back({angleOf(cut.cut.kind, *theta, *phi), *gain,
                                  *eTheta * *eTheta + *ePhi * *ePhi, *theta, *phi});
        }
        if (cut.cut.kind != CutKind::quadrant)
            std::stable_sort(
                cut.points.begin(), cut.points.end(),
                [](const PatternPoint& a, const PatternPoint& b) { return a.angleDeg < b.angleDeg; });
        out.cuts.push_back(std::move(cut));
    }
    if (!ended) return nec(Text::truncated);
    if (out.cuts.size() != request.cuts.size())
        return failure(textOf(out.cuts.empty() ? PatternText::noPattern : PatternText::wrongDirections,
                              language,
                              {std::to_string(out.cuts.size()) + "/" + std::to_string(request.cuts.size())}));
    return out;
}

std::optional<LobeFigures> lobeFigures(const CutResult& cut) {
    const auto& points = cut.points;
    if (points.empty()) return std::nullopt;
    const auto peak = static_cast<std::size_t>(
        std::max_element(points.begin(), points.end(),
                         [](const PatternPoint& a, const PatternPoint& b) {
                             return a.gainDbi < b.gainDbi || (a.gainDbi == b.gainDbi && a.field < b.field);
                         }) -
        points.begin());
    const bool circular = cut.cut.kind != CutKind::elevation;
    const double gain = points[peak].gainDbi;
    const double width =
        halfWidth(points, peak, -1, circular, gain - 3) + halfWidth(points, peak, +1, circular, gain - 3);
    return LobeFigures{gain, points[peak].angleDeg, std::min(width, circular ? 360.0 : 180.0)};
}

FiguresOutcome patternFigures(const PatternOutcome& pattern, Ground ground, Language language) {
    if (!pattern.error.empty()) return {std::nullopt, pattern.error};
    const bool overGround = ground != Ground::freeSpace;
    const CutResult* main = findCut(pattern, overGround ? CutKind::elevation : CutKind::ePlane);
    CutResult derived;
    if (!main && overGround)
        if (const CutResult* quadrant = findCut(pattern, CutKind::quadrant)) {
            derived = elevationOf(*quadrant);
            if (!derived.points.empty()) main = &derived;
        }
    if (!main) return {std::nullopt, textOf(PatternText::noCut, language)};
    const LobeFigures lobe = *lobeFigures(*main);
    PatternFigures f;
    f.peakGainDbi = lobe.peakGainDbi;
    f.beamwidthDeg = lobe.beamwidthDeg;
    if (overGround) {
        f.takeOffDeg = std::min(lobe.peakAngleDeg, 180 - lobe.peakAngleDeg);
        f.nvis = *f.takeOffDeg > nvisAboveDeg;
    } else {
        for (const CutResult& c : pattern.cuts)
            for (const PatternPoint& p : c.points) f.peakGainDbi = std::max(f.peakGainDbi, p.gainDbi);
    }
    return {f, {}};
}

PatternTexts patternTexts(const PatternFigures& figures, Language language) {
    PatternTexts t;
    t.gain = textOf(PatternText::gain, language, {truncated(figures.peakGainDbi, 2, language)});
    if (figures.takeOffDeg)
        t.angle = textOf(PatternText::degrees, language, {truncated(*figures.takeOffDeg, 0, language)});
    t.beamwidth = textOf(PatternText::degrees, language, {truncated(figures.beamwidthDeg, 0, language)});
    if (figures.nvis) t.note = textOf(PatternText::nvis, language);
    return t;
}

namespace {

// The points of a quadrant at one theta, by phi.
std::vector<PatternPoint> atTheta(const CutResult& quadrant, double thetaDeg) {
    std::vector<PatternPoint> points;
    for (const PatternPoint& p : quadrant.points)
        if (std::abs(p.thetaDeg - thetaDeg) < angleTolerance) points.push_back(p);
    return points;
}

void sortAndMerge(std::vector<PatternPoint>& points) {
    std::stable_sort(points.begin(), points.end(),
                     [](const PatternPoint& a, const PatternPoint& b) { return a.angleDeg < b.angleDeg; });
    points.erase(std::unique(points.begin(), points.end(),
                             [](const PatternPoint& a, const PatternPoint& b) {
                                 return std::abs(a.angleDeg - b.angleDeg) < angleTolerance;
                             }),
                 points.end());
}

}  // namespace

CutResult elevationOf(const CutResult& quadrant) {
    CutResult cut{{CutKind::elevation, 0}, {}};
    for (const PatternPoint& p : quadrant.points) {
        if (std::abs(p.phiDeg) >= angleTolerance) continue;
        const double elevation = 90 - p.thetaDeg;
        for (double angle : {elevation, 180 - elevation}) {
            PatternPoint q = p;
            q.angleDeg = angle;
            cut.points.push_back(q);
        }
    }
    sortAndMerge(cut.points);
    return cut;
}

CutResult azimuthOf(const CutResult& quadrant, double elevationDeg) {
    CutResult cut{{CutKind::azimuth, elevationDeg}, {}};
    for (const PatternPoint& p : atTheta(quadrant, 90 - elevationDeg))
        for (double angle : {p.phiDeg, 180 - p.phiDeg, 180 + p.phiDeg, 360 - p.phiDeg}) {
            PatternPoint q = p;
            q.angleDeg = angle >= 360 - angleTolerance ? angle - 360 : angle;
            cut.points.push_back(q);
        }
    sortAndMerge(cut.points);
    return cut;
}

ViewOutcome patternView(const PatternOutcome& pattern, Ground ground, Language language) {
    const FiguresOutcome figures = patternFigures(pattern, ground, language);
    if (!figures.figures) return {std::nullopt, figures.error};
    PatternView view;
    view.figures = *figures.figures;
    if (ground == Ground::freeSpace) {
        view.main = *findCut(pattern, CutKind::ePlane);
        if (const CutResult* h = findCut(pattern, CutKind::hPlane)) view.second = *h;
        return {view, {}};
    }
    if (const CutResult* quadrant = findCut(pattern, CutKind::quadrant)) {
        view.main = elevationOf(*quadrant);
        view.second = azimuthOf(*quadrant, *view.figures.takeOffDeg);
    } else {
        view.main = *findCut(pattern, CutKind::elevation);
        for (const CutResult& c : pattern.cuts)
            if (c.cut.kind == CutKind::azimuth &&
                std::abs(c.cut.elevationDeg - *view.figures.takeOffDeg) < 0.5)
                view.second = c;
    }
    return {view, {}};
}

std::string csvText(const CutResult& cut) {
    std::string out = "angle_deg,gain_dBi\n";
    for (const PatternPoint& p : cut.points) out += number(p.angleDeg) + ',' + number(p.gainDbi) + '\n';
    return out;
}

std::string csvText(const std::vector<double>& frequenciesMhz, const std::vector<PatternView>& views) {
    std::string out = "frequency_MHz,plane,angle_deg,gain_dBi\n";
    const auto plane = [](const Cut& cut) {
        switch (cut.kind) {
            case CutKind::elevation:
                return "elevation";
            case CutKind::azimuth:
                return "azimuth";
            case CutKind::ePlane:
                return "E";
            case CutKind::hPlane:
                return "H";
            case CutKind::quadrant:
                break;
        }
        return "quadrant";
    };
    for (std::size_t i = 0; i < views.size() && i < frequenciesMhz.size(); ++i)
        for (const CutResult* cut : {&views[i].main, &views[i].second})
            for (const PatternPoint& p : cut->points)
                out += number(frequenciesMhz[i]) + ',' + plane(cut->cut) + ',' + number(p.angleDeg) + ',' +
                       number(p.gainDbi) + '\n';
    return out;
}

HeightStudy heightStudy(const Design& design, const ModelOptions& options, int band, Language language) {
    HeightStudy study;
    if (options.ground == Ground::freeSpace) {
        study.error = textOf(PatternText::freeSpaceStudy, language);
        return study;
    }
    const ModelOutcome built = buildModel(design, options, language);
    if (!built.error.empty()) {
        study.error = built.error;
        return study;
    }
    if (band < 0 || static_cast<std::size_t>(band) >= built.model.bands.size()) {
        study.error = text(Text::badFrequency, language);
        return study;
    }
    const double frequency = built.model.bands[static_cast<std::size_t>(band)].designMhz;
    const double wavelength = speedOfLight / frequency;
    study.request = patternRequest(options.ground, frequency);
    for (int step = 1; step <= heightStudySteps; ++step) {
        HeightRun run;
        run.wavelengths = static_cast<double>(step) / heightStudySteps;
        run.heightM = wavelength * run.wavelengths;
        ModelOptions atHeight = options;
        atHeight.heightM = run.heightM;
        const ModelOutcome model = buildModel(design, atHeight, language);
        if (model.error.empty())
            run.deck = patternDeck(model.model, study.request);
        else
            run.error = model.error;
        study.runs.push_back(std::move(run));
    }
    return study;
}

std::vector<HeightResult> heightResults(const HeightStudy& study, const std::vector<std::string>& reports,
                                        Ground ground, Language language) {
    std::vector<HeightResult> results;
    for (std::size_t i = 0; i < study.runs.size(); ++i) {
        const HeightRun& run = study.runs[i];
        HeightResult r{run.heightM, run.wavelengths, std::nullopt, run.error};
        if (r.error.empty()) {
            const std::string_view report =
                i < reports.size() ? std::string_view(reports[i]) : std::string_view();
            const FiguresOutcome figures =
                patternFigures(readNecPattern(report, study.request, language), ground, language);
            r.figures = figures.figures;
            r.error = figures.error;
        }
        results.push_back(std::move(r));
    }
    return results;
}

HeightTable heightTable(const std::vector<HeightResult>& results, Language language) {
    HeightTable table;
    table.heading = {
        textOf(PatternText::headingHeight, language), textOf(PatternText::headingWavelengths, language),
        textOf(PatternText::headingGain, language), textOf(PatternText::headingTakeOff, language)};
    for (const HeightResult& r : results) {
        std::vector<std::string> row = {
            textOf(PatternText::metres, language, {truncated(r.heightM, 2, language)}),
            textOf(PatternText::wavelengths, language, {truncated(r.wavelengths, 3, language)})};
        if (r.figures) {
            const PatternTexts t = patternTexts(*r.figures, language);
            row.push_back(t.gain);
            row.push_back(t.angle);
        } else {
            row.push_back(r.error);
            row.emplace_back();
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace zeliro::nec
