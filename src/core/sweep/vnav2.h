#pragma once
// The binary register protocol of the NanoVNA V2, S-A-A-2 and LiteVNA, and
// the one-port calibration the program does for them itself.
//
// The device answers 0x0d ("indicate") with '2'. Registers are read with
// 0x10/0x11/0x12 (1, 2, 4 bytes back, little-endian) and written with
// 0x20-0x23 (1, 2, 4, 8 bytes); 0x18 reads records off the FIFO at 0x30.
// The sweep is set by its start (0x00, u64 Hz), step (0x10, u64 Hz) and
// points (0x20, u16); writing 0x30 empties the FIFO. Each record is 32
// bytes: forward, reflected and a second reflected wave as int32 real and
// imaginary pairs, the point's index (u16) and 6 bytes unused. Its USB data
// are not calibrated: S11 as it comes is reflected / forward, and the
// program corrects it with its own OPEN/SHORT/LOAD measurements (the
// three-term error model).
//
// The pieces here are pure: the link that speaks to the device lives with
// the windows.

#include <complex>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/sweep/analyser.h"

namespace zeliro::vnav2 {

inline constexpr std::uint8_t opNop = 0x00;
inline constexpr std::uint8_t opIndicate = 0x0d;
inline constexpr std::uint8_t opRead1 = 0x10;
inline constexpr std::uint8_t opReadFifo = 0x18;
inline constexpr char indicateReply = '2';

inline constexpr std::uint8_t regStart = 0x00;
inline constexpr std::uint8_t regStep = 0x10;
inline constexpr std::uint8_t regPoints = 0x20;
inline constexpr std::uint8_t regValuesPerFrequency = 0x22;
inline constexpr std::uint8_t regFifo = 0x30;
inline constexpr std::uint8_t regVariant = 0xf0;
inline constexpr std::uint8_t regFirmwareMajor = 0xf3;
inline constexpr std::uint8_t regFirmwareMinor = 0xf4;

inline constexpr std::size_t recordBytes = 32;
// One FIFO read asks at most this many records.
inline constexpr int maxRecordsPerRead = 255;

// ---- commands ----
// Eight no-ops (a device in the middle of a command finishes it on
// nothing) and "indicate".
std::string probeCommand();
// Reads of the one-byte registers naming the device: variant, firmware
// major, firmware minor; three bytes come back.
std::string identityCommand();
// The register `address` written with the low `bytes` (1, 2, 4 or 8) bytes
// of `value`, little-endian.
std::string writeCommand(std::uint8_t address, std::uint64_t value, int bytes);
// `count` (1 to 255) records off the FIFO.
std::string readFifoCommand(int count);
// The step the device takes for a segment: whole hertz.
std::int64_t stepOf(const analyser::Segment& segment);
// Start, step, points and one value a frequency, then the FIFO emptied.
std::string sweepCommand(const analyser::Segment& segment);

// "NanoVNA V2 1.3" from the variant and firmware registers (the variant
// shown where it is not the V2's own 2).
std::string deviceName(int variant, int major, int minor);

// ---- records ----
struct Record {
    std::complex<double> forward;
    std::complex<double> reflected;
    int index = 0;
};
// A 32-byte record; nothing when fewer bytes.
std::optional<Record> readRecord(std::string_view bytes);

// The raw S11 of a segment, gathered point by point from its records in
// whatever order they come; a point measured again keeps its newest value.
class RecordSweep {
public:
    explicit RecordSweep(const analyser::Segment& segment);
    // Takes whole records off the front of `received`, and says how many; a
    // record whose index is past the segment (one of a sweep before) is
    // passed over. Nothing (and nothing more taken) at a record whose
    // forward wave is nil: no device's.
    std::optional<int> take(std::string& received);
    int missing() const { return m_missing; }
    // The points once none is missing, at the frequencies the device
    // measured.
    std::optional<std::vector<analyser::S11Point>> points() const;

private:
    analyser::Segment m_segment;
    std::int64_t m_step = 0;
    std::vector<std::optional<std::complex<double>>> m_raw;
    int m_missing = 0;
};

// ---- calibration ----
// Γm = e00 + e10e01 Γ / (1 - e11 Γ): directivity, source match, tracking.
struct ErrorTerms {
    std::complex<double> e00;
    std::complex<double> e11;
    std::complex<double> e10e01;
};
// The terms from what the device read on an ideal open (Γ = 1), short
// (Γ = -1) and load (Γ = 0); nothing when open and short read alike.
std::optional<ErrorTerms> solveTerms(std::complex<double> open, std::complex<double> shortCircuit,
                                     std::complex<double> load);
// The reflection of what is connected, from what the device read of it.
std::complex<double> correct(const ErrorTerms& terms, std::complex<double> measured);

// The three standards as one device read them, point by point.
struct Calibration {
    int variant = 0;
    std::vector<double> frequenciesHz;  // rising
    std::vector<std::complex<double>> open;
    std::vector<std::complex<double>> shortCircuit;
    std::vector<std::complex<double>> load;
};
// Whether the calibration's points span [startHz, stopHz].
bool covers(const Calibration& calibration, double startHz, double stopHz);
// The terms at `hertz`, each standard interpolated between the two points
// around it; nothing outside the calibration's range.
std::optional<ErrorTerms> termsAt(const Calibration& calibration, double hertz);
// The raw points corrected; nothing if one lies outside the calibration.
std::optional<std::vector<analyser::S11Point>> corrected(const Calibration& calibration,
                                                         const std::vector<analyser::S11Point>& raw);
// A calibration from its three measured sweeps (the same frequencies).
std::optional<Calibration> calibrationOf(int variant, const std::vector<analyser::S11Point>& open,
                                         const std::vector<analyser::S11Point>& shortCircuit,
                                         const std::vector<analyser::S11Point>& load);
// The points as text, one line a frequency ("Hz oRe oIm sRe sIm lRe lIm"),
// to be kept; and read back, nothing unless every line reads, the
// frequencies rise and there are at least two.
std::string calibrationText(const Calibration& calibration);
std::optional<Calibration> readCalibrationText(std::string_view text, int variant);

}  // namespace zeliro::vnav2
