#pragma once
// A measured sweep of a 40 m dipole as an analyser would save it, made up
// here so that no instrument's file is needed: a series resonant circuit
// (radiation resistance rising with the square of the frequency, a Q of 14)
// seen on 50 ohm, with a little deterministic noise on the reflection.
// Written as CSV (Hz, SWR, R, X) and as Touchstone (.s1p, Hz, S, RI).

#include <array>
#include <charconv>
#include <cmath>
#include <complex>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>

namespace zeliro::test {

struct DipoleModel {
    double resonanceMHz = 7.1;
    double resistanceOhms = 62;  // at resonance
    double q = 14;
    double referenceOhms = 50;
    double noise = 0.002;  // largest error of each part of the reflection
};

inline std::complex<double> dipoleImpedance(const DipoleModel& m, double fMHz) {
    const double ratio = fMHz / m.resonanceMHz;
    const double r = m.resistanceOhms * ratio * ratio;
    return {r, m.resistanceOhms * m.q * (ratio - 1 / ratio)};
}

// The same noise on every run and every machine.
class NoiseSource {
public:
    explicit NoiseSource(std::uint64_t seed = 0x2545f4914f6cdd1dULL) : m_state(seed) {}
    double next(double amplitude) {  // uniform in [-amplitude, amplitude)
        m_state ^= m_state << 13, m_state ^= m_state >> 7, m_state ^= m_state << 17;
        return amplitude * (double(m_state >> 11) / double(std::uint64_t{1} << 53) * 2 - 1);
    }

private:
    std::uint64_t m_state;
};

inline std::string numberText(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

struct MeasuredValues {
    double frequencyHz;
    std::complex<double> reflection;
    std::complex<double> impedance;
    double swr;
};

// Calls write(values) for each of `points` frequencies from fromMHz to toMHz.
template <typename Write>
void measureDipole(const DipoleModel& m, double fromMHz, double toMHz, std::size_t points, Write write) {
    NoiseSource noise;
    for (std::size_t i = 0; i < points; ++i) {
        const double fHz = std::round((fromMHz + (toMHz - fromMHz) * double(i) / double(points - 1)) * 1e6);
        const std::complex<double> z = dipoleImpedance(m, fHz / 1e6);
        std::complex<double> gamma = (z - m.referenceOhms) / (z + m.referenceOhms);
        gamma += std::complex<double>(noise.next(m.noise), noise.next(m.noise));
        if (std::abs(gamma) > 0.999) gamma *= 0.999 / std::abs(gamma);  // far off resonance
        const double g = std::abs(gamma);
        write(MeasuredValues{fHz, gamma, m.referenceOhms * (1.0 + gamma) / (1.0 - gamma), (1 + g) / (1 - g)});
    }
}

inline void writeDipoleCsv(std::ostream& out, const DipoleModel& m, double fromMHz, double toMHz,
                           std::size_t points) {
    out << "Frequency (Hz),SWR,R,X\n";
    measureDipole(m, fromMHz, toMHz, points, [&out](const MeasuredValues& v) {
        out << numberText(v.frequencyHz) << ',' << numberText(v.swr) << ',' << numberText(v.impedance.real())
            << ',' << numberText(v.impedance.imag()) << '\n';
    });
}

inline void writeDipoleTouchstone(std::ostream& out, const DipoleModel& m, double fromMHz, double toMHz,
                                  std::size_t points) {
    out << "! Dipolo per i 40 m, misura di esempio\n! S11 su 50 ohm\n# Hz S RI R "
        << numberText(m.referenceOhms) << '\n';
    measureDipole(m, fromMHz, toMHz, points, [&out](const MeasuredValues& v) {
        out << numberText(v.frequencyHz) << ' ' << numberText(v.reflection.real()) << ' '
            << numberText(v.reflection.imag()) << '\n';
    });
}

}  // namespace zeliro::test
