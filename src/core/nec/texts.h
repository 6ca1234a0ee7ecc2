#pragma once
// Every text the simulation core makes, in one table per language, so that a
// language is one more column. Texts with a "%1", "%2" take figures in order.

#include <string>
#include <string_view>
#include <vector>

#include "core/language.h"
#include "core/nec/model.h"

namespace zeliro::nec {

// The language of the texts: zeliro::Language, Italian or English.

enum class Text {
    // ground names, in the order of the Ground enum (the window's combo)
    groundFreeSpace,
    groundAverage,
    groundPerfect,
    // model errors
    badLength,
    badFrequency,
    badDiameter,
    badHeight,
    badAngle,
    badQuality,
    badPoints,
    badSpan,
    badTrap,
    badCoil,
    coilPosition,
    wireTooShort,
    wireTooThick,
    belowGround,
    // reader errors
    emptyReport,
    engineError,
    noTable,
    truncated,
    notANumber,
    noImpedance,
    noFrequency,
    // analysis errors
    badReference,
    fewRows,
    // results and advice
    noResonance,
    noBandwidth,
    offLowEdge,
    offHighEdge,
    offBothEdges,
    deviation,
    onFrequency,
    lengthenArm,
    shortenArm,
    // the deck's comment cards (figures with a full stop, as the deck writes them)
    deckHalfWave,
    deckTwoBand,
    deckTrap,
    deckShortened,
    deckCoil,
    // the design on display, as the verification window names it
    shapeHorizontal,
    shapeInvertedV,
    describeHalfWave,
    describeTwoBand,
    describeLoadingCoil,
    // a measured sweep beside the model
    noMeasuredPoints,
    measuredMinimum,
    measuredZero,
    measuredBandwidth,
    measuredNoBandwidth,
    modelMinusMeasured,
    cannotOpen,
    // a measured sweep's minima, and its reference
    measuredNoMinimum,
    measuredLowEdge,
    measuredHighEdge,
    measuredAtReference,
    // the trimming window's "Da misura…" when it fills nothing
    trimNoWanted,
    trimNoMinimum,
    trimFarMinimum,
    trimHighEdge,
    trimLowEdge,
    trimOtherMinimum,
    trimOtherMinima,
    // a model too large to run
    modelTooLarge,
    // advice without a resonance in the sweep
    noResonanceTooLong,
    noResonanceTooShort,
    // a text that is not the simulator's report at all
    notAReport,
    // the header comments of a saved CSV
    csvReference,
    csvOptions,
    csvCopperLoss,
    csvNoCopperLoss,
    csvDesign,
    csvCorrected,
    // the advice when no resonance lies in the sweep and the reactance gives no side
    noResonanceInSweep,
    // advice: a resonance within the correction's tolerance; designs whose
    // figures act together, which only the correction can set
    withinTolerance,
    correctTwoBand,
    correctCoil,
    // the soil classes after the first three grounds, in the Ground enum's order
    groundVeryPoor,
    groundPoor,
    groundGood,
    groundSaltMarsh,
    groundSeaWater,
    groundCustom,
    // the conductors, in the Conductor enum's order
    conductorCopper,
    conductorAluminium,
    conductorCopperCladSteel,
    conductorSteel,
    conductorStainlessSteel,
    conductorPerfect,
    // the installation's errors and the deck's comments on it
    badInsulation,
    badPermittivity,
    badSoil,
    badCentre,
    deckConductor,
    deckInsulation,
    deckSoil,
    // a coax between the analyser (or the radio) and the antenna
    cableNone,
    cableUser,
    badCable,
    badCableLength,
    deembedNoImpedance,
    deembedNegative,
    deembedded,
    cableOwnName,
    // the engine's own faults, as the program running nec2c tells them
    engineMissing,
    engineCannotWrite,
    engineCrashed,
    engineExitCode,
    engineNotStarting,
    engineTimeLimit,
    engineNoReport,
    cableComment,
    // a sweep centred elsewhere than on the design frequency
    deckCentre,
};

std::string_view text(Text which, Language language = Language::italian);

// The text with "%1", "%2", ... replaced by the arguments in order.
std::string textWith(Text which, const std::vector<std::string>& arguments,
                     Language language = Language::italian);

// The ground's name as the window's combo shows it.
std::string_view groundName(Ground ground, Language language = Language::italian);

// The conductor's name as the window's choice shows it.
std::string_view conductorName(Conductor conductor, Language language = Language::italian);

}  // namespace zeliro::nec
