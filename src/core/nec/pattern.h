#pragma once
// How a model radiates: the far-field cuts nec2c is asked for, the reader of
// its RADIATION PATTERNS blocks, the figures drawn from them, and the study of
// the height to hang the antenna at.
//
// Flow: a Model -> patternRequest() (which cuts, at one frequency)
// -> patternDeck() -> nec2c -> readNecPattern() (angles and total gain in dBi,
// or an error naming the fault and no cuts) -> patternFigures() and
// patternTexts() for the labels, csvText() for the export.
//
// The antenna lies along the y axis, so the plane broadside to it is the x-z
// plane (phi = 0) and the wire's own plane through the zenith is phi = 90.
// Angles of a cut, as read back:
// - elevation cut (over ground, broadside): 0 at the horizon on one side,
//   90 at the zenith, 180 at the horizon on the other side;
// - azimuth cut (over ground, at a given elevation): 0 broadside, 90 along the
//   wire, 0..359;
// - E plane (free space, the plane of the wire and of the broadside
//   direction): 0 broadside, 90 along the wire, 0..359;
// - H plane (free space, broadside to the wire, through the zenith): 0
//   broadside on the horizon, 90 at the zenith, 0..359.
//
// Over ground the azimuth cut is wanted at the take-off angle, which the
// elevation cut gives: the elevation run comes first (its figures can be shown
// at once), the azimuth run second. nec2c solves the currents again for it; on
// the 41-segment dipole over average ground that is about 0,1 s more. A request
// may also ask for azimuth cuts at several elevations in one run.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/language.h"
#include "core/nec/model.h"

namespace zeliro::nec {

// A quadrant is a quarter of the sky over ground: theta 0..90 by 1 degree,
// phi 0..90 by 5 degrees. The antenna is symmetric about both vertical planes
// through its centre, so the quadrant holds the elevation cut broadside and
// the azimuth cut at every whole degree of elevation: one run gives both,
// whatever the take-off angle turns out to be.
enum class CutKind { elevation, azimuth, ePlane, hPlane, quadrant };

struct Cut {
    CutKind kind = CutKind::elevation;
    double elevationDeg = 0;  // of an azimuth cut, 0..90
};

// The cuts of one run at one frequency, one RP card each, in order.
struct PatternRequest {
    double frequencyMhz = 0;
    std::vector<Cut> cuts;
};

// The cuts a verification shows: over ground the elevation cut broadside to
// the wire, and an azimuth cut at each elevation given; in free space the E
// and H planes (the elevations are not used).
PatternRequest patternRequest(Ground ground, double frequencyMhz,
                              const std::vector<double>& azimuthElevationsDeg = {});

// The cuts the pattern page shows: over ground a quadrant, in free space the
// E and H planes.
PatternRequest viewRequest(Ground ground, double frequencyMhz);

// The points an RP card of the cut asks for (181 for the elevation cut, 91 x
// 19 for a quadrant, 360 for the others).
int cutPoints(CutKind kind);

// The deck of the model at the request's frequency with its RP cards.
std::string patternDeck(const Model& model, const PatternRequest& request);

struct PatternPoint {
    double angleDeg = 0;  // as the cut's kind measures it (see above)
    double gainDbi = 0;   // total power gain; nec2c writes -999,99 where there is no field
    // |E theta|² + |E phi|² (V²/m²): five figures where the gain has 0,01 dB,
    // so it tells the peak among points of equal gain.
    double field = 0;
    // The direction as nec2c gives it, for a quadrant's points.
    double thetaDeg = 0, phiDeg = 0;
};

struct CutResult {
    Cut cut;
    std::vector<PatternPoint> points;
};

struct PatternOutcome {
    std::vector<CutResult> cuts;  // one per cut asked for, in order; empty on error
    std::string error;            // in the language asked for; empty when the cuts were read
};

// Reads nec2c's report of patternDeck(model, request): one RADIATION PATTERNS
// block per cut, with the directions asked for. An error written by the
// engine, a missing or short block, a direction other than asked, a figure
// that is not a finite number or a report cut short gives an error naming it.
PatternOutcome readNecPattern(std::string_view report, const PatternRequest& request,
                              Language language = Language::italian);

// The figures of a cut's main lobe.
struct LobeFigures {
    double peakGainDbi = 0;
    double peakAngleDeg = 0;  // the cut's angle of the peak
    double beamwidthDeg = 0;  // between the -3 dB points either side of the peak
};

// The peak of a cut (of the points with the highest gain, the one with the
// strongest field; the first one, where two are equal) and its -3 dB width,
// found by straight-line interpolation between points; a half-plane cut (the
// elevation cut) ends at its edges, a full circle wraps round. Empty for a cut
// without points.
std::optional<LobeFigures> lobeFigures(const CutResult& cut);

struct PatternFigures {
    double peakGainDbi = 0;
    // Over ground: the elevation of the peak (0..90) and the -3 dB width of
    // the elevation cut; in free space no take-off angle, and the -3 dB width
    // of the E plane.
    std::optional<double> takeOffDeg;
    double beamwidthDeg = 0;
    bool nvis = false;  // over ground, the peak is above 60 degrees
};

struct FiguresOutcome {
    std::optional<PatternFigures> figures;
    std::string error;  // empty when the figures were drawn
};

// A quadrant's elevation cut (0..180, mirrored about the zenith) and its
// azimuth cut at a whole degree of elevation (0..355, mirrored into the four
// quadrants); empty when the quadrant has no such points.
CutResult elevationOf(const CutResult& quadrant);
CutResult azimuthOf(const CutResult& quadrant, double elevationDeg);

// The figures of a pattern read back: over ground from its elevation cut (or
// its quadrant's), in free space from its E plane (the peak gain from every cut).
FiguresOutcome patternFigures(const PatternOutcome& pattern, Ground ground,
                              Language language = Language::italian);

inline constexpr double nvisAboveDeg = 60;
// Where the lobe is above nvisAboveDeg, the azimuth cut at the take-off angle
// is nearly a circle and says nothing: the view shows the cut at this elevation.
inline constexpr double highLobeAzimuthDeg = 30;

// What the pattern page's labels show.
struct PatternTexts {
    std::string gain;       // guadagno1/2: "7,98 dBi" (two decimals, truncated)
    std::string angle;      // angolo1/2: "30°" (whole degrees, truncated); empty in free space
    std::string beamwidth;  // "47°"
    std::string note;       // over ground with the peak above 60 degrees: short range, NVIS; else empty
};

PatternTexts patternTexts(const PatternFigures& figures, Language language = Language::italian);

// What the pattern page draws of one frequency: over ground the elevation cut
// and the azimuth cut at the take-off angle (at highLobeAzimuthDeg for a lobe
// above nvisAboveDeg, read from a quadrant); in free space the E and H planes.
struct PatternView {
    CutResult main;
    CutResult second;
    PatternFigures figures;
};

struct ViewOutcome {
    std::optional<PatternView> view;
    std::string error;  // empty when the view was drawn
};

// The view of a report of viewRequest(ground, ...), read back.
ViewOutcome patternView(const PatternOutcome& pattern, Ground ground, Language language = Language::italian);

// A cut as CSV: a header, then angle in degrees and gain in dBi a line, a full
// stop as the decimal sign and a comma between fields, as other programs read it.
std::string csvText(const CutResult& cut);

// The views of a check as CSV, one line a point: frequency, plane
// (elevation, azimuth, E, H), angle in degrees and gain in dBi.
std::string csvText(const std::vector<double>& frequenciesMhz, const std::vector<PatternView>& views);

// ---- The height to hang it at ----

// One run of the height study: the deck at the height, or why it has none.
struct HeightRun {
    double heightM = 0;
    double wavelengths = 0;  // the height in wavelengths at the design frequency
    std::string deck;        // empty on error
    std::string error;       // e.g. the ends touch the ground at this height
};

struct HeightStudy {
    PatternRequest request;  // the same for every run: the elevation cut
    std::vector<HeightRun> runs;
    std::string error;  // free space, or a design that builds no model; no runs then
};

inline constexpr int heightStudySteps = 8;

// Heights from 1/8 to 1 wavelength at the band's design frequency (band 0 is
// the first, higher band), in steps of 1/8 wavelength from low to high; each
// run's deck is the design at that height with the other options as given,
// so that the runs can go in parallel.
HeightStudy heightStudy(const Design& design, const ModelOptions& options, int band = 0,
                        Language language = Language::italian);

// A height's result: the figures of its run, or why there are none.
struct HeightResult {
    double heightM = 0;
    double wavelengths = 0;
    std::optional<PatternFigures> figures;
    std::string error;
};

// Reads the report of each run (reports[i] for runs[i]; a run without a deck
// or whose report is missing gets its error).
std::vector<HeightResult> heightResults(const HeightStudy& study, const std::vector<std::string>& reports,
                                        Ground ground, Language language = Language::italian);

// The study as a table of texts: a heading and one row a height.
struct HeightTable {
    std::vector<std::string> heading;            // height, wavelengths, peak gain, take-off angle
    std::vector<std::vector<std::string>> rows;  // "5,31 m", "0,125 λ", "2,91 dBi", "90°" (or the error)
};

HeightTable heightTable(const std::vector<HeightResult>& results, Language language = Language::italian);

}  // namespace zeliro::nec
