#pragma once
// What the two coil calculations share: how a step that cannot be formed is
// skipped, and how the plausibility tests compare two lengths.

#include <algorithm>
#include <cmath>

namespace zeliro {

// Two values that differ by no more than one part in 100,000 of the larger
// count as equal, so that the rounding of the single-precision field values
// never decides an equality that the typed numbers make exact (25 turns of
// 1,2 mm wire fill a 30 mm winding exactly).
inline bool nearlyEqual(double a, double b) {
    return std::fabs(a - b) <= 1e-5 * std::max(std::fabs(a), std::fabs(b));
}

// Whether a step's quantity could be formed: a division by zero, the logarithm
// of zero or of a negative number, an overflow all leave no value.
inline bool formed(double value) { return std::isfinite(value); }

// The quantities of one click. A step that cannot be formed is skipped: its
// quantity counts as 0 in the steps after it, a window-level variable keeps
// its previous value, and the result then means nothing and is not shown.
class Steps {
public:
    double take(double value) {
        if (formed(value)) return value;
        m_failed = true;
        return 0;
    }
    template <typename T>
    void keep(T& variable, T value) {
        if (formed(value))
            variable = value;
        else
            m_failed = true;
    }
    bool failed() const { return m_failed; }

private:
    bool m_failed = false;
};

}  // namespace zeliro
