#pragma once
// The Smith chart's geometry. An impedance stands on the chart at its
// reflection coefficient against the reference, Γ = (Z - Z0) / (Z + Z0): the
// chart is the plane of Γ, its rim the unit circle (a pure reactance), its
// centre the reference itself. The chart's grid is made of circles of that
// plane: constant resistance, constant reactance (arcs inside the rim) and
// constant SWR, all with the impedance normalised to the reference (z = Z / Z0).

#include <complex>
#include <optional>
#include <vector>

#include "core/nec/output.h"

namespace zeliro::nec {

using Reflection = std::complex<double>;

// Γ of R + jX against the reference; none where Γ is not a finite number
// (Z = -Z0, a figure that is not finite) or the reference is not positive.
// A passive load (R >= 0) stands on the rim or inside it; inductive
// reactance above the horizontal axis, capacitive below.
std::optional<Reflection> reflection(double resistanceOhm, double reactanceOhm, double referenceOhm);

struct Circle {
    Reflection centre;
    double radius = 0;
};

// Where the normalised resistance r (>= 0) is constant: through Γ = 1, touching
// the rim from inside; r = 0 is the rim, r = 1 passes through the centre.
Circle resistanceCircle(double normalisedResistance);
// Where the normalised reactance x (not zero) is constant: through Γ = 1,
// centred on the vertical line Re Γ = 1; only its arc inside the rim is drawn.
Circle reactanceCircle(double normalisedReactance);
// Where the SWR (>= 1) is constant: around the centre, |Γ| = (s - 1) / (s + 1).
Circle swrCircle(double swr);

// R and X at a frequency of a sweep (rows by rising frequency), linearly
// interpolated between its two neighbours; none outside the sweep.
std::optional<Row> impedanceAt(const std::vector<Row>& rows, double frequencyMhz);

}  // namespace zeliro::nec
