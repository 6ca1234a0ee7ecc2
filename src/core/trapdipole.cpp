#include "core/trapdipole.h"

#include <cmath>

#include "core/english.h"
#include "core/numbers.h"
#include "core/version.h"

namespace zeliro {
namespace {

// A field as the computation reads it: a text that does not convert leaves 0.
float readSingle(const std::string& text, Language language) {
    return parseSingle(text, language).value_or(0.0f);
}

// A step whose evaluation overflows or divides by zero is skipped: its
// quantity keeps the 0 it started with.
double orZero(double value) { return std::isfinite(value) ? value : 0.0; }

double square(double value) { return value * value; }

// Decimal texts of the presets are Italian; English writes them with a point.
std::string inLanguage(std::string text, Language language) {
    for (char& c : text)
        if (c == ',') c = decimalSeparator(language);
    return text;
}

}  // namespace

DipoleConfiguration dipoleConfiguration(DipoleShape shape, Language language) {
    const bool english = language == Language::english;
    switch (shape) {
        case DipoleShape::Horizontal:
            return {{71.25, 159.155}, english ? english::horizontalInBrackets : "(ORIZZONTALE)"};
        case DipoleShape::InvertedV:
            return {{70.71, 159.155}, english ? english::invertedVInBrackets : "(INVERTED V)"};
        case DipoleShape::None:
            break;
    }
    return {};
}

CablePreset cablePreset(CableChoice cable, Language language) {
    if (language != Language::italian) {
        CablePreset preset = cablePreset(cable);
        preset.capacitanceText = inLanguage(preset.capacitanceText, language);
        preset.radiusText = inLanguage(preset.radiusText, language);
        return preset;
    }
    switch (cable) {
        case CableChoice::RG58U:
            return {"0,935", "2,5", false, " 58"};
        case CableChoice::RG223:
            return {"1,01", "2,5", false, " 223"};
        case CableChoice::RG174:
            return {"1,01", "1,3", false, " 174"};
        case CableChoice::RG213:
            return {"1,01", "5,1", false, " 213"};
        case CableChoice::Manual:
            return {"", "", true, ""};
        case CableChoice::None:
            break;
    }
    return {};
}

TrapDipoleOutcome computeTrapDipole(const TrapDipoleInput& input) {
    TrapDipoleOutcome out;
    const Language language = input.language;
    const auto shown = [language](double value) { return formatDouble(value, language); };

    const float supportRadius = readSingle(input.supportRadius, language) / 10.0f;  // cm
    const float cableRadius = readSingle(input.cableRadius, language) / 10.0f;      // cm
    const float turns = readSingle(input.turns, language);
    const float capacitancePerCm = readSingle(input.capacitancePerCm, language);
    const float secondFrequency = readSingle(input.secondFrequency, language);
    const float firstFrequency = readSingle(input.firstFrequency, language);

    if (input.shape == DipoleShape::None) {
        out.warning = TrapWarning::NoConfiguration;
        return out;
    }
    for (const std::string* required :
         {&input.supportRadius, &input.turns, &input.capacitancePerCm, &input.firstFrequency}) {
        if (required->empty()) return out;
    }
    // A negative figure (only pasting brings a sign) makes no trap and no
    // wire: no result at all, rather than figures of an earlier run beside it.
    for (const float value :
         {supportRadius, cableRadius, turns, capacitancePerCm, firstFrequency, secondFrequency}) {
        if (value < 0.0f) {
            out.coilCapacitance = out.coilInductance = out.cutoffFrequency = "";
            out.cableLength = out.innerWire = out.outerWire = "";
            return out;
        }
    }
    const double armConstant = input.constants.armConstant;
    const double trapConstant = input.constants.trapConstant;

    // The mean radius of the turns, at the axis of the cable, and its double.
    const float coilRadius = supportRadius + cableRadius;
    const float coilDiameter = 2.0f * coilRadius;

    // The cable of the turns plus the two 1-cm ends A and B, times its
    // capacitance per cm.
    const double coilCapacitance = truncateDecimals(
        orZero((2.0 + turns * (3.141592654 * coilDiameter)) * static_cast<double>(capacitancePerCm)), 2);
    out.coilCapacitance = shown(coilCapacitance);

    // Wheeler's single-layer formula in inches, fed with centimetres; the
    // winding is as long as the turns of cable side by side.
    const float denominator = 9.0f * coilRadius + 20.0f * turns * cableRadius;
    const double coilInductance = truncateDecimals(
        orZero(square(turns) * square(coilRadius) / static_cast<double>(denominator) / 2.54), 2);
    out.coilInductance = shown(coilInductance);

    const double cutoffFrequency =
        truncateDecimals(orZero(trapConstant / std::sqrt(coilInductance * coilCapacitance)), 3);
    out.cutoffFrequency = shown(cutoffFrequency);

    if (notBelow(secondFrequency, firstFrequency)) {
        out.cableLength = "";  // not computed: no figure of an earlier run beside the new ones
        out.warning = TrapWarning::SecondNotBelowFirst;
        return out;
    }
    if (notBelow(firstFrequency, cutoffFrequency)) {
        out.cableLength = out.innerWire = out.outerWire = "";
        out.warning = TrapWarning::CutoffNotAboveFirst;
        return out;
    }

    const double cableLength = truncateDecimals(orZero(2.0 + turns * (3.14 * coilDiameter)), 1);
    out.cableLength = shown(cableLength);

    const double innerQuotient = orZero(armConstant / firstFrequency);
    out.innerWire = shown(truncateDecimals(innerQuotient, 2));
    const double innerMillimetres = truncateDecimals(1000.0 * innerQuotient, 0);

    const double armMillimetres = truncateDecimals(orZero(armConstant / secondFrequency), 2) * 1000.0;
    const double outerWire =
        truncateDecimals(orZero((armMillimetres - innerMillimetres - 10.0 * cableLength) / 1000.0), 2);
    // Without a second frequency there is no outer wire to show; nor when the
    // inner wire and the trap's cable are already longer than the arm of the
    // second band, as no wire is shorter than nothing.
    const bool noSecondFrequency = input.secondFrequency.empty() || secondFrequency == 0.0f;
    out.outerWire = noSecondFrequency || outerWire < 0.0 ? std::string() : shown(outerWire);

    const double highestCutoff = static_cast<double>(truncateSingle(firstFrequency, 2)) + 0.5;
    if (notBelow(cutoffFrequency, highestCutoff)) out.warning = TrapWarning::CutoffTooHigh;
    return out;
}

std::vector<std::string> trapDipoleReport(const TrapDipoleScreen& s) {
    const std::string designation =
        s.cable == CableChoice::Manual ? s.text7 : cablePreset(s.cable).designation;
    if (s.language == Language::english) return english::trapDipoleReport(s, designation);
    return {
        "",
        "",
        std::string(19, ' ') + "ZELIRO  " + revisionCaption + "    by TAVRON",
        "",
        "",
        std::string(12, ' ') + "DIPOLO BIBANDA CON TRAPPOLE IN CAVO COASSIALE ",
        "",
        "",
        "",
        std::string(21, ' ') + "CONFIGURAZIONE  " + s.label41,
        "",
        "",
        "",
        std::string(3, ' ') + "CAPACITA'CAVO COASSIALE  1cm  Pf =  " + s.text4 + std::string(5, ' ') + "RG " +
            designation,
        "",
        std::string(10, ' ') + "RAGGIO CAVO COASSIALE  mm =  " + s.text2,
        "",
        std::string(12, ' ') + "RAGGIO DEL SUPPORTO  mm =  " + s.text1,
        "",
        std::string(14, ' ') + "NUMERO DELLE SPIRE n° =  " + s.text3,
        "",
        std::string(3, ' ') + "CENTRO BANDA PRIMA FREQUENZA Mhz =  " + s.text5,
        "",
        std::string(1, ' ') + "CENTRO BANDA SECONDA FREQUENZA Mhz =  " + s.text6,
        "",
        "",
        "",
        std::string(1, ' ') + "LUNGHEZZA DEL COASSIALE PER LE SOLE SPIRE cm =  " + s.label23,
        "",
        std::string(20, ' ') + "FREQUENZA DI TAGLIO   Mhz =  " + s.label26,
        "",
        std::string(11, ' ') + "VALORE DELLA BOBINA IN MICRO HENRY =  " + s.label32,
        "",
        std::string(11, ' ') + "VALORE DELLA BOBINA IN PICOFARAD   =  " + s.label31,
        "",
        "TRATTO DI   FILO DAL CENTRALE ALLA BOBINA  mt =  " + s.label24,
        "",
        "TRATTO DI FILO DALLA BOBINA ALL'ISOLATORE  mt =  " + s.label25,
        "",
        std::string(6, ' ') + std::string(66, '-'),
    };
}

}  // namespace zeliro
