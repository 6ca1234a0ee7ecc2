#include "core/nec/installation.h"

#include <cmath>
#include <optional>

#include "core/numbers.h"

namespace zeliro::nec {
namespace {

bool blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

InstallationReading readInstallation(const InstallationTexts& typed, ModelOptions& options,
                                     Language language) {
    InstallationReading reading;
    // An empty field keeps what `into` holds.
    const auto read = [&](const std::string& text, double& into, InstallationField field) {
        if (blank(text)) return true;
        const std::optional<double> value = parseDouble(text, language);
        if (!value || !std::isfinite(*value)) {
            reading.field = field;
            reading.notANumber = true;
            return false;
        }
        into = *value;
        return true;
    };
    using F = InstallationField;
    const bool own = typed.cable == ownCableChoice;
    const bool cabled = !blank(typed.cable);
    double centre = 0, impedance = 50, velocity = 0.66, loss = 0;
    const bool sound =
        read(typed.insulationMm, options.insulationMm, F::insulation) &&
        read(typed.insulationPermittivity, options.insulationPermittivity, F::permittivity) &&
        (options.ground != Ground::custom ||
         (read(typed.soilPermittivity, options.customSoil.permittivity, F::soilPermittivity) &&
          read(typed.soilConductivity, options.customSoil.conductivitySm, F::soilConductivity))) &&
        read(typed.spanPercent, options.spanPercent, F::span) && read(typed.centreMhz, centre, F::centre) &&
        (!cabled || read(typed.cableLengthM, reading.feedline.lengthM, F::cableLength)) &&
        (!own || (read(typed.cableImpedanceOhm, impedance, F::cableImpedance) &&
                  read(typed.velocityFactor, velocity, F::velocityFactor) &&
                  read(typed.lossDbAt10Mhz, loss, F::loss)));
    if (!sound) return reading;
    options.centreMhz.reset();
    if (!blank(typed.centreMhz)) options.centreMhz = centre;
    if (own) {
        reading.feedline.cable = ownCable(impedance, velocity, loss);
    } else if (cabled) {
        const Cable* cable = findCable(typed.cable);
        if (!cable) {
            reading.field = F::cable;
            reading.unknownCable = true;
            return reading;
        }
        reading.feedline.cable = *cable;
    } else {
        reading.feedline = {};
    }
    if (std::string error = feedlineError(reading.feedline, language); !error.empty()) {
        // The figure at fault: each of the user's own tried beside sound ones.
        const auto sound = [language](double z0, double vf, double dbPer100m) {
            return feedlineError({ownCable(z0, vf, dbPer100m), 1}, language).empty();
        };
        const Cable usual = ownCable(50, 0.66, 1);
        reading.field = !feedlineError({usual, reading.feedline.lengthM}, language).empty() ? F::cableLength
                        : !sound(impedance, 0.66, 1) ? F::cableImpedance
                        : !sound(50, velocity, 1)    ? F::velocityFactor
                                                     : F::loss;
        reading.error = std::move(error);
    }
    return reading;
}

}  // namespace zeliro::nec
