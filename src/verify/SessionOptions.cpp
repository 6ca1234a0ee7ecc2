// The options of a check as typed, read by the number rules of the language.

#include <cmath>

#include "core/numbers.h"
#include "verify/VerificationSession.h"

namespace zeliro {

// The count is checked as typed, before it becomes a whole number.
std::optional<int> VerificationSession::pointCount(double typed) {
    if (!(typed >= 2 && typed <= 1000) || typed != std::floor(typed)) return std::nullopt;
    return static_cast<int>(typed);
}

QString VerificationSession::pointsRule() {
    return tr("I punti per banda devono essere un numero intero da 2 a 1000.");
}

VerificationSession::OptionsReading VerificationSession::readOptions(const Typed& typed) const {
    OptionsReading reading;
    nec::ModelOptions options = nec::defaultOptions(m_design);
    double points = 0;
    struct Input {
        const QString& text;
        double* into;
        Field field;
    };
    const Input inputs[] = {
        {typed.wireDiameterMm, &options.wireDiameterMm, Field::wireDiameter},
        {typed.heightM, &options.heightM, Field::height},
        {typed.apexAngleDeg, &options.apexAngleDeg, Field::apexAngle},
        {typed.referenceOhm, &reading.referenceOhm, Field::reference},
        {typed.pointsPerBand, &points, Field::points},
    };
    const auto refuse = [&reading](Field field, const QString& message) {
        reading.field = field;
        reading.error = message;
        return reading;
    };
    for (const Input& input : inputs) {
        // An option that does not apply keeps its default, whatever it holds.
        if (input.field == Field::height && !heightApplies(typed.ground)) continue;
        if (input.field == Field::apexAngle && !apexAngleApplies()) continue;
        const std::optional<double> value = parseDouble(input.text.toStdString(), m_language);
        if (!value || !std::isfinite(*value))
            return refuse(input.field, tr("Il valore di \"%1\" non è un numero.").arg(caption(input.field)));
        *input.into = *value;
    }
    if (qualityFactorApplies() && !typed.qualityFactor.trimmed().isEmpty()) {
        const std::optional<double> q = parseDouble(typed.qualityFactor.toStdString(), m_language);
        if (!q || !std::isfinite(*q))
            return refuse(Field::qualityFactor,
                          tr("Il valore di \"%1\" non è un numero.").arg(caption(Field::qualityFactor)));
        if (*q <= 0)
            return refuse(Field::qualityFactor,
                          tr("Il fattore Q deve essere maggiore di zero (vuoto vale %1).")
                              .arg(fromStd(formatDouble(options.qualityFactor, m_language))));
        options.qualityFactor = *q;
    }
    if (!pointCount(points)) return refuse(Field::points, pointsRule());
    if (!(reading.referenceOhm > 0))
        return refuse(Field::reference, tr("L'impedenza di riferimento deve essere maggiore di zero."));
    options.pointsPerBand = static_cast<int>(points);
    options.ground = typed.ground;
    options.copperLoss = typed.copperLoss;
    options.conductor = typed.conductor;
    const nec::InstallationReading installation =
        nec::readInstallation(typed.installation, options, m_language);
    // The installation's fields follow the points in Field, in the core's order.
    static_assert(static_cast<int>(Field::points) + static_cast<int>(nec::InstallationField::insulation) ==
                  static_cast<int>(Field::insulation));
    static_assert(static_cast<int>(Field::points) + static_cast<int>(nec::InstallationField::centre) ==
                  static_cast<int>(Field::centre));
    if (installation.field != nec::InstallationField::none) {
        const auto field =
            static_cast<Field>(static_cast<int>(Field::points) + static_cast<int>(installation.field));
        if (installation.notANumber)
            return refuse(field, tr("Il valore di \"%1\" non è un numero.").arg(caption(field)));
        if (installation.unknownCable)
            return refuse(field, tr("Il cavo \"%1\" non è nell'elenco.")
                                     .arg(QString::fromStdString(typed.installation.cable)));
        return refuse(field, fromStd(installation.error));
    }
    reading.feedline = installation.feedline;
    reading.options = options;
    return reading;
}

QString VerificationSession::caption(Field field) {
    switch (field) {
        case Field::wireDiameter:
            return tr("DIAMETRO  FILO  mm").simplified();
        case Field::height:
            return tr("ALTEZZA  mt").simplified();
        case Field::apexAngle:
            return tr("ANGOLO  APICE  gradi").simplified();
        case Field::qualityFactor:
            return tr("FATTORE  Q").simplified();
        case Field::reference:
            return tr("IMPEDENZA  RIF.  ohm").simplified();
        case Field::points:
            return tr("PUNTI  PER  BANDA").simplified();
        case Field::insulation:
            return tr("ISOLAMENTO mm");
        case Field::permittivity:
            return tr("PERMITTIVITÀ");
        case Field::soilPermittivity:
            return tr("EPSILON SUOLO");
        case Field::soilConductivity:
            return tr("SIGMA SUOLO S/m");
        case Field::cable:
            return tr("CAVO");
        case Field::cableLength:
            return tr("LUNGHEZZA CAVO m");
        case Field::cableImpedance:
            return tr("IMPEDENZA CAVO ohm");
        case Field::velocityFactor:
            return tr("FATTORE VELOCITÀ");
        case Field::loss:
            return tr("PERDITA dB/100m 10 MHz");
        case Field::span:
            return tr("AMPIEZZA ± %");
        case Field::centre:
            return tr("CENTRO MHz");
        case Field::none:
            break;
    }
    return {};
}

bool VerificationSession::resultsMatch(const Typed& typed) const {
    if (!m_shown.results) return false;
    const OptionsReading reading = readOptions(typed);
    return reading.options && *reading.options == m_shown.results->options &&
           reading.referenceOhm == m_shown.results->referenceOhm &&
           reading.feedline == m_shown.results->feedline;
}

}  // namespace zeliro
