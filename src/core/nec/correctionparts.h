#pragma once
// What the files of the correction share (correction.h is their public face).

#include "core/nec/model.h"

namespace zeliro::nec::correctionparts {

inline constexpr double kHz = 1e-3;  // in MHz

inline double centreOf(const Band& band) { return band.startMhz + band.stepMhz * (band.points - 1) / 2; }

}  // namespace zeliro::nec::correctionparts
