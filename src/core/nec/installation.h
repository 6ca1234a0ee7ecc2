#pragma once
// The installation's options as typed in the verification window: the wire's
// insulation, the soil's own figures, the sweep's span and centre, and the
// coax between the analyser and the antenna. Read by the number rules of the
// language; an empty field keeps the default (a bare wire, the class's soil,
// no cable, ±6 % around the design frequency). The ranges are the model's
// and the line's to check (buildModel, feedlineError).

#include <string>

#include "core/language.h"
#include "core/nec/coax.h"
#include "core/nec/model.h"

namespace zeliro::nec {

// The cable choice that stands for the user's own cable.
inline constexpr const char* ownCableChoice = "*";

struct InstallationTexts {
    std::string insulationMm, insulationPermittivity;
    std::string soilPermittivity, soilConductivity;  // read for Ground::custom only
    std::string cable;                               // empty for none, a catalogue name, or ownCableChoice
    std::string cableLengthM, cableImpedanceOhm, velocityFactor,
        lossDbAt10Mhz;  // the last three for ownCableChoice
    std::string spanPercent, centreMhz;
};

// The field a fault is about, in the window's order.
enum class InstallationField {
    none,
    insulation,
    permittivity,
    soilPermittivity,
    soilConductivity,
    cable,
    cableLength,
    cableImpedance,
    velocityFactor,
    loss,
    span,
    centre,
};

struct InstallationReading {
    InstallationField field = InstallationField::none;  // none when everything read
    bool notANumber = false;                            // the field's text is no number
    bool unknownCable = false;
    std::string error;  // the line's fault, in the language asked for
    Feedline feedline;  // length 0: no cable
};

// Reads the texts into `options` (ground and conductor already set there);
// on a fault `options` may be partly written.
InstallationReading readInstallation(const InstallationTexts& typed, ModelOptions& options,
                                     Language language = Language::italian);

}  // namespace zeliro::nec
