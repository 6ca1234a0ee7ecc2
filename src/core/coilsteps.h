#pragma once
// What the two coil calculations share: how a step that cannot be formed is
// skipped.

#include <cmath>

namespace zeliro {

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
