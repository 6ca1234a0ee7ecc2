// The materials of the model: the conductors' conductivities, the soils'
// figures, and the inductance that stands for a wire's insulation.
#include <cmath>

#include "core/nec/model.h"

namespace zeliro::nec {

std::optional<Soil> soilOf(Ground ground, const Soil& custom) {
    // Relative permittivity and conductivity (S/m) of the usual soil classes,
    // as the ARRL Antenna Book tabulates them; the salt marsh lies between the
    // marshy ground of radio planning tables (25, 0,02 S/m) and sea water.
    switch (ground) {
        case Ground::freeSpace:
        case Ground::perfect:
            return {};
        case Ground::veryPoor:
            return Soil{5, 0.001};
        case Ground::poor:
            return Soil{13, 0.002};
        case Ground::average:
            return Soil{13, 0.005};
        case Ground::good:
            return Soil{14, 0.01};
        case Ground::saltMarsh:
            return Soil{30, 0.1};
        case Ground::seaWater:
            return Soil{81, 5};
        case Ground::custom:
            return custom;
    }
    return {};
}

double conductivityOf(Conductor conductor) {
    switch (conductor) {
        case Conductor::copper:
            return 5.8e7;
        case Conductor::aluminium:
            return 3.5e7;  // hard-drawn aluminium wire (the pure metal: 3,77E7)
        case Conductor::copperCladSteel:
            // The skin depth in copper is 0,049 mm at 1,8 MHz and 0,021 mm at
            // 10 MHz: the HF current stays in the cladding, so the wire loses
            // what a copper wire loses.
            return 5.8e7;
        case Conductor::steel:
            // Plain steel: 6E6 S/m with a relative permeability of about 100
            // at HF. The skin's resistance grows with sqrt(µ/σ), so the wire
            // loses what a non-magnetic wire of σ/µr = 6E4 S/m loses.
            return 6e4;
        case Conductor::stainlessSteel:
            return 1.4e6;  // austenitic (AISI 304), not magnetic
        case Conductor::perfect:
            return 0;
    }
    return 0;
}

double insulationInductance(double wireDiameterMm, double insulationMm, double permittivity) {
    if (!(insulationMm > 0) || !(permittivity > 1) || !(wireDiameterMm > 0)) return 0;
    constexpr double muOver2Pi = 2e-7;  // µ0 / 2π, H/m
    const double a = wireDiameterMm / 2;
    const double b = a + insulationMm;
    return muOver2Pi * (1 - 1 / permittivity) * std::log(b / a);
}

}  // namespace zeliro::nec
