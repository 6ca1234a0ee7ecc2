#pragma once
// A sweep read from an analyser of the NanoVNA family through its text shell,
// and a measured sweep written back as a Touchstone file.
//
// The shell: the device prints the prompt "ch> ", echoes each command (sent
// ending in "\r") and ends its lines in "\r\n". "scan START STOP POINTS 3"
// answers one line a point, "frequency S11-real S11-imaginary"; a firmware
// whose "scan" takes no output mask answers that with its usage line, and
// then "scan START STOP POINTS" measures silently; where the firmware lacks
// "scan", "sweep START STOP POINTS" sets the sweep (some ignore the points).
// Either way "frequencies" and "data 0" then give one frequency, and one
// "real imaginary" pair, a line. Figures are written with a full stop, or a
// decimal comma where the firmware is set so; fields are blank-separated. An
// unknown command is answered "command?". The device takes a limited number
// of points a scan (101 on the original, its "p:" in the "info" of firmwares
// that say so), so a longer sweep is measured as consecutive segments and
// joined.
//
// The pieces here are pure: the serial link that speaks the shell lives with
// the windows.

#include <complex>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/language.h"
#include "core/sweep/sweep.h"

namespace zeliro::analyser {

inline constexpr std::string_view prompt = "ch> ";
inline constexpr int pointsPerScan = 101;  // what the original device takes in one scan
inline constexpr int maxPoints = 10000;
inline constexpr std::int64_t maxFrequencyHz = 100'000'000'000;
// The shell's frequencies are 32-bit hertz: above this the firmware wraps.
inline constexpr std::int64_t maxShellFrequencyHz = 4'294'967'295;
// More than this without a prompt is no shell's answer.
inline constexpr std::size_t maxReplyBytes = std::size_t{1} << 20;

struct S11Point {
    double frequencyHz = 0;
    std::complex<double> s11;
};

// A sweep as the user asks for it, whole hertz, both ends measured.
struct SweepPlan {
    std::int64_t startHz = 0;
    std::int64_t stopHz = 0;
    int points = 0;
};

enum class PlanProblem { none, noRange, stopNotAboveStart, tooFewPoints, tooManyPoints };

// The range in MHz and the points as typed (in the window's number rules)
// turned into a plan, or what is wrong with them.
struct PlanReading {
    SweepPlan plan;
    PlanProblem problem = PlanProblem::none;
};
struct PlanTexts {
    std::string_view startMHz;
    std::string_view stopMHz;
    std::string_view points;
    Language language = Language::italian;
};
PlanReading readPlan(const PlanTexts& texts);

// One scan of the device: at most pointsPerScan points.
struct Segment {
    std::int64_t startHz = 0;
    std::int64_t stopHz = 0;
    int points = 0;
};

// The plan's points (start + i (stop - start) / (points - 1), to the nearest
// hertz) cut into as few consecutive segments of at most maxPerScan points as
// will do, of nearly equal size; each segment starts and stops on one of
// the plan's points and none is shared, so that joined they give the plan.
std::vector<Segment> segmentsOf(const SweepPlan& plan, int maxPerScan = pointsPerScan);

// The shell's command lines, without their "\r".
std::string scanCommand(const Segment& segment);        // "scan 7000000 7200000 101 3"
std::string silentScanCommand(const Segment& segment);  // "scan 7000000 7200000 101"
std::string sweepCommand(const Segment& segment);       // "sweep 7000000 7200000 101"

// Takes the reply to `command` off the front of what the device has sent so
// far: the lines between the command's echo and the next prompt, blank lines
// left out. Nothing while no prompt has come yet. A prompt that comes before
// the echo (a greeting, a stray Enter) is passed over with what precedes it.
// The empty command takes whatever comes before the first prompt.
std::optional<std::vector<std::string>> takeReply(std::string& received, std::string_view command);

// The firmware's answer to a command it does not have: "scan?".
bool isUnknownCommand(const std::vector<std::string>& reply, std::string_view command);
// The firmware's answer to arguments it does not take: "usage: scan ...".
bool isUsage(const std::vector<std::string>& reply);

// What the device's "info" (or "version") says of it.
struct DeviceInfo {
    std::string name;               // as deviceName gives it
    bool spectrumAnalyser = false;  // a tinySA: the same shell, but no VNA
    int pointsPerScan = 0;          // its "p:401", 0 where it does not say
};
DeviceInfo readInfo(const std::vector<std::string>& reply);

// The IF bandwidth in hertz from the reply to "bandwidth": "bandwidth 3
// (1000Hz)", or the original's bare setting n, which stands for
// 4000 / (n + 1) Hz. Nothing where the reply says neither.
std::optional<double> readBandwidthHz(const std::vector<std::string>& reply);
// The sweep the device is set to, from the reply to "sweep" without
// arguments: "50000 900000000 101".
std::optional<Segment> readSweepRange(const std::vector<std::string>& reply);
// How long a scan of `points` may take at the IF bandwidth (1 kHz when not
// known): twice each point's integration time and a little for each point.
int scanTimeMs(int points, std::optional<double> bandwidthHz);

// The points the segment asked for, taken out of what the device measured:
// for each frequency of the segment the point within a fraction of a step of
// it (a device that always measures its own number of points may hold them
// among others). Nothing when one is missing.
std::optional<std::vector<S11Point>> pointsOfSegment(const std::vector<S11Point>& measured,
                                                     const Segment& segment);

// The reply of "scan ... 3": three numbers a line. Nothing if a line does not
// read.
std::optional<std::vector<S11Point>> readScan(const std::vector<std::string>& reply);
// The replies of "frequencies" and "data 0", joined point by point. Nothing
// if a line does not read or the two do not hold as many points.
std::optional<std::vector<S11Point>> readFrequenciesAndData(const std::vector<std::string>& frequencies,
                                                            const std::vector<std::string>& data);

// The points measured on r0 ohms as a sweep with R, X and SWR, as a file with
// the same values would read: frequencies must rise and |S11| stay below 1.
// The error names the point (counted from 1) as a file names its line.
SweepReading sweepFromPoints(const std::vector<S11Point>& points, double referenceOhms,
                             Language language = Language::italian);

// What the device says of itself in its reply to "info" (or "version"): its
// board (its "Board:" line, or a bare first line such as the original's
// "NanoVNA") and its version where the reply names them ("NanoVNA-H 1.2.00"),
// else its first line; at most 60 characters.
std::string deviceName(const std::vector<std::string>& reply);

// "analizzatore /dev/ttyACM0, 101 punti", with the device's name after it in
// brackets when known.
std::string sourceText(std::string_view port, std::size_t points, std::string_view device,
                       Language language = Language::italian);

// ---- RigExpert AA ----
// Its text protocol: commands end in "\r", lines come back ending in "\r" or
// "\n"; "VER" answers "AA-55 ZOOM 140", "ON", "OFF", "FQ<centre Hz>" and
// "SW<span Hz>" answer "OK", "FRX<n>" answers n + 1 lines "MHz,R,X" and "OK".

// Takes one line, blank lines passed over, off the front of what came.
std::optional<std::string> takeLine(std::string& received);
// A line of "FRX": its point, S11 on r0 ohms. Nothing if it does not read
// ("nan" where the device could not measure) or R is negative.
std::optional<S11Point> readFrxLine(std::string_view line, double referenceOhms);

// ---- Touchstone ----

struct TouchstoneWriting {
    const MeasuredSweep* sweep = nullptr;
    std::vector<std::string> comments;  // written as "! " lines at the top
};
struct TouchstoneText {
    std::string text;  // empty when nothing can be written
    bool written = false;
};
// A one-port Touchstone 1.x text: "# MHz S RI R <reference>" and one line a
// point, frequency and S11 as real and imaginary parts, every figure in the
// shortest form that reads back to the same double. A sweep that knows only
// its SWR has no phase to write, and an empty sweep nothing: both give no
// text.
TouchstoneText touchstoneText(const TouchstoneWriting& writing);

}  // namespace zeliro::analyser
