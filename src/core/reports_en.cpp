// The data reports in English. Each keeps the layout of its Italian original:
// the same lines in the same order, the same header, and every value starting
// in the same column, so that the figures line up on paper as they do there.

#include "core/english.h"
#include "core/version.h"

namespace zeliro::english {
namespace {

// A label placed so that it ends in the given column (counted from 0): the
// value written after it starts there.
std::string endingAt(std::size_t column, std::string_view label) {
    const std::size_t indent = column > label.size() ? column - label.size() : 0;
    return std::string(indent, ' ') + std::string(label);
}

std::string blanks(std::size_t count) { return std::string(count, ' '); }

}  // namespace

std::vector<std::string> halfWaveReport(const HalfWaveReportInput& input) {
    return {
        "",
        "",
        blanks(22) + std::string("ZELIRO  ") + revisionCaption + "    by TAVRON",
        "",
        "",
        blanks(15) + "TOTAL PHYSICAL LENGTH OF A HALF-WAVE DIPOLE  ",
        "",
        "",
        "",
        blanks(23) + "CONFIGURATION   " + input.dipoleConfiguration,
        "",
        "",
        "",
        endingAt(21, " FREQUENCY    MHz =  ") + input.frequencyText,
        "",
        endingAt(21, " TOTAL LENGTH   m =  ") + input.lengthText,
        "",
        blanks(7) + std::string(65, '-'),
    };
}

std::vector<std::string> trimmingReport(const TrimmingReportInput& input) {
    std::string verdict;
    for (const VerdictLabel& label : input.verdicts)
        if (label.visible) verdict = label.caption;

    return {
        "",
        "",
        blanks(25) + std::string("ZELIRO  ") + spacedRevisionCaption + "    by TAVRON",
        "",
        "",
        blanks(31) + "DIPOLE  TRIMMING",
        "",
        "",
        "",
        blanks(25) + "CONFIGURATION  " + input.dipoleConfiguration,
        "",
        "",
        "",
        endingAt(58, "TRANSMIT FREQUENCY  MHz = ") + input.wantedText,
        "",
        "",
        endingAt(58, "MEASURED FREQUENCY (minimum SWR) MHz = ") + input.measuredText,
        "",
        "",
        "     TO MOVE THE RESONANCE YOU MUST " + verdict + "  " + input.correctionText,
        "",
        "",
        blanks(8) + std::string(64, '-'),
    };
}

std::vector<std::string> trapDipoleReport(const TrapDipoleScreen& s, const std::string& designation) {
    constexpr std::size_t inputs = 39;   // where the typed values start
    constexpr std::size_t results = 49;  // where the results start
    return {
        "",
        "",
        blanks(19) + std::string("ZELIRO  ") + revisionCaption + "    by TAVRON",
        "",
        "",
        blanks(18) + "TWO-BAND DIPOLE WITH COAX TRAPS ",
        "",
        "",
        "",
        blanks(21) + "CONFIGURATION   " + s.label41,
        "",
        "",
        "",
        endingAt(inputs, "COAX CAPACITANCE PER cm  pF =  ") + s.text4 + blanks(5) + "RG " + designation,
        "",
        endingAt(inputs, "COAX RADIUS  mm =  ") + s.text2,
        "",
        endingAt(inputs, "FORMER RADIUS  mm =  ") + s.text1,
        "",
        endingAt(inputs, "NUMBER OF TURNS =  ") + s.text3,
        "",
        endingAt(inputs, "FIRST BAND, CENTRE FREQUENCY  MHz =  ") + s.text5,
        "",
        endingAt(inputs, "SECOND BAND, CENTRE FREQUENCY  MHz =  ") + s.text6,
        "",
        "",
        "",
        endingAt(results, "COAX LENGTH FOR THE TURNS ONLY  cm =  ") + s.label23,
        "",
        endingAt(results, "TRAP RESONANCE  MHz =  ") + s.label26,
        "",
        endingAt(results, "TRAP INDUCTANCE IN MICROHENRY =  ") + s.label32,
        "",
        endingAt(results, "TRAP CAPACITANCE IN PICOFARAD =  ") + s.label31,
        "",
        endingAt(results, "WIRE FROM CENTRE INSULATOR TO TRAP  m =  ") + s.label24,
        "",
        endingAt(results, "WIRE FROM TRAP TO END INSULATOR  m =  ") + s.label25,
        "",
        blanks(6) + std::string(66, '-'),
    };
}

std::vector<std::string> loadingCoilReport(const LoadingCoilReportInput& input) {
    constexpr std::size_t values = 32;
    return {
        "",
        "",
        blanks(24) + std::string("ZELIRO  ") + versionCaption + "    by  TAVRON  ",
        "",
        "",
        blanks(33) + "LOADING COIL",
        blanks(29) + "( SHORTENED DIPOLES )",
        "",
        "",
        "",
        endingAt(values, "WIRE DIAMETER  mm = ") + input.wireDiameterMm,
        "",
        endingAt(values, "FREQUENCY  MHz = ") + input.frequencyMhz,
        "",
        endingAt(values, "TOTAL LENGTH  m = ") + input.totalLengthM,
        "",
        endingAt(values, "COIL DISTANCE FROM CENTRE  m = ") + input.coilDistanceM,
        "",
        endingAt(values, "INDUCTANCE IN MICROHENRY = ") + input.inductance,
        "",
        blanks(27) + std::string(26, '-'),
    };
}

std::vector<std::string> coilConstructionReport(const CoilConstructionReportInput& input) {
    constexpr std::size_t values = 29;
    return {
        "",
        "",
        blanks(25) + std::string("ZELIRO  ") + revisionCaption + "  by  TAVRON",
        "",
        "",
        blanks(30) + "COIL  CONSTRUCTION",
        blanks(29) + "( SHORTENED DIPOLES )",
        "",
        "",
        "",
        endingAt(values, "MEAN RADIUS mm = ") + input.meanRadiusMm,
        "",
        endingAt(values, "WINDING LENGTH mm = ") + input.windingLengthMm,
        "",
        endingAt(values, "WIRE DIAMETER mm = ") + input.wireDiameterMm,
        "",
        endingAt(values, "NUMBER OF TURNS = ") + input.turns,
        "",
        endingAt(values, "INDUCTANCE IN MICROHENRY = ") + input.inductance,
        "",
        blanks(22) + std::string(34, '-'),
    };
}

}  // namespace zeliro::english
