// The information and read-me texts in English. They say what the Italian
// texts say, as an English-speaking ham would put it, rather than word for
// word; the captions keep their runs of blanks, "Read me" being as long as
// "Leggimi". The blanks of the table of starting values set its columns where
// the Italian table has them, in the text windows' font.

#include "core/english.h"
#include "core/textlines.h"

namespace zeliro::english {
namespace {

std::string readMeCaption(const textlines::CaptionLayout& layout) {
    return textlines::readMeCaption("Read me", layout);
}

using textlines::joinLines;

// clang-format off
const char* const informationLines[] = {
    "The program is best viewed at a screen resolution of at least 800 * 600.",
    "Click a button of the menu to open the calculation it names. Each window has",
    "its own read-me, which explains what it is for, how to use it and anything",
    "worth knowing.",
    "",
    "",
    "",
    "Many thanks to the radio amateurs who tried the program while it was being",
    "written, compared its results with the antennas they built, and reported",
    "errors and possible improvements.",
    "For contacts, reports and suggestions, please write to the author, quoting",
    "his call sign: TAVRON.",
    "",
    "NB: the authors accept no liability for any direct or indirect damage,",
    "interruption of activity, or loss of data or money resulting from the use",
    "of the program.",
};

const char* const halfWaveLines[] = {
    "\"STANDARD DIPOLE\" gives the total length of a half-wave dipole from the",
    "frequency alone, in its two usual configurations: horizontal or inverted V.",
    "Obstacles, a low height above ground or a less than ideal layout all move",
    "the resonance, so leave a little extra wire at each end (tails) for the",
    "final adjustment.",
    "A 1:1 balun at the feed point is recommended.",
};

const char* const trimmingLines[] = {
    "Once you have built the horizontal or inverted V dipole to the dimensions",
    "from \"STANDARD DIPOLE\" or \"MULTIBAND DIPOLE\" (in the latter case, only the",
    "section for the first frequency), you will usually find that its resonant",
    "frequency (minimum SWR) is not the one you wanted.",
    "This is because a real dipole is not in free space: it is rarely at the right",
    "height above ground, and nearby objects affect it.",
    "Enter the frequency you want and the resonant frequency you measured, and",
    "the program tells you how much to lengthen or shorten each of the two arms",
    "of the dipole, leaving it where it is, of course.",
    "The program works correctly within the band you are working on.",
};

const char* const loadingCoilLines[] = {
    "LOADING COIL: for dipoles that are physically shortened.",
    "From the space available and the diameter of the wire or tube used, it",
    "works out the inductance needed to shorten the dipole.",
    "Counting from the centre insulator, it is good practice to place the coil no",
    "further out than halfway along the arm.",
    "Once you have the value, go on to \"COIL CONSTRUCTION\".",
};

const char* const coilConstructionLines[] = {
    "COIL CONSTRUCTION: from the former diameter, the wire diameter and the",
    "number of turns you try, it works out a coil with the inductance you need.",
    "It is good practice to make the coil square (winding length equal to the",
    "former diameter), so it is best not to space the turns: wind enamelled",
    "wire close.",
    "With 1 mm wire the coil handles a few hundred watts comfortably; for powers",
    "near 1 kW and above, thicker wire is a must.",
    "If you can, check the coil with an inductance meter against the value you",
    "wanted, and above all check that the two coils are the same.",
    "Small differences in microhenry are made up by lengthening or shortening",
    "the part of the dipole beyond the coil.",
    "Such adjustments are needed anyway, because of obstacles, the height above",
    "ground and the layout of the dipole.",
    "The input \" WINDING LENGTH \" may look unnecessary here, since the computer",
    "could work it out from the number of turns times the wire diameter. But then",
    "every coil would have to be close wound with enamelled wire.",
    "As the length is yours to set, you can make it longer and so space the",
    "turns (with ordinary house wiring, for instance).",
    "For best results, always keep the winding length equal to the former",
    "diameter.",
    "A 1:1 balun at the feed point is always recommended.",
};

const char* const twoBandLines[] = {
    "\"MULTIBAND DIPOLE\" designs a dipole that resonates on more than one",
    "frequency.",
    "Its traps are coils wound from coaxial cable.",
    "The first input asks for the capacitance of the coax (capacitance per",
    "centimetre).",
    "To use a cable from the list, click it: the Capacitance and Radius boxes",
    "are then filled in with typical values taken from data sheets.",
    "If you can measure these figures yourself (with a capacitance meter) and find",
    "them different, or want to use a cable that is not listed, enter the values",
    "by hand.",
    "Choosing \"Manual entry\" brings up a new input box for the cable type",
    "(leave out the RG).",
    "This entry has no effect on the calculation; it only appears on the",
    "printout.",
    "Then enter the radius of the coil former,",
    "the number of turns and the two frequencies you want to transmit on,",
    "the first frequency being the higher one",
    "and the second the lower one.",
    "To begin with, the number of turns is just a guess, a starting point.",
    "Press \"CALCULATE\" and the trap resonance appears under the drawing of",
    "the dipole: it should be slightly above the top end of the band of the",
    "first frequency, or wherever you want it.",
    "Keep changing the number of turns and/or the former radius until you get",
    "the frequency you want.",
    "The winding length should be about 0.4 to 0.5 times the former diameter.",
    "To help you get this ratio, we suggest starting from the following figures",
    "for each band. The values are for RG58 cable.",
    "Band                              Former radius                                   Turns",
    "",
    "",
    "80m                                  mm   45                                           9",
    "",
    "40m                                  mm   35                                           7",
    "",
    "30m                                  mm   30                                           6",
    "",
    "20m                                  mm   25                                           5",
    "",
    "17m                                  mm   22.5                                        5",
    "",
    "15m                                  mm   20                                           4",
    "",
    "12m                                  mm   20                                           4",
    "",
    "10m                                  mm   18                                           4",
    "",
    "",
    "(EXAMPLE)",
    "Say you want a horizontal dipole for 40 and 80 metres:",
    "",
    "Former radius                     = mm 35",
    "Radius of the RG58u          = mm 2.5",
    "Number of turns                  = 6.4",
    "Capacitance of the RG58u = 0.935",
    "First frequency         MHz = 7.055",
    "Second frequency   MHz = 3.650",
    "",
    "RESULT OF THE CALCULATION:",
    "Metres from the centre insulator to the trap = 10.09",
    "Trap resonance MHz = 7.179",
    "Metres from the trap to the end of the dipole = 7.89 metres",
    "Capacitance pF = 142.86",
    "Microhenry = 3.44",
    "Centimetres of coax for the trap = 152.7",
    "",
    "The trap works as a low-pass filter: it blocks frequencies above its",
    "resonance. That is why the TRAP RESONANCE must always be above the whole",
    "band you want to transmit on.",
    "You will often find that the resonance you need calls for a given number",
    "of turns plus a fraction of a turn.",
    "Then stick to these figures exactly, because even one centimetre of a turn",
    "moves the resonance a lot.",
    "Changing the former diameter does the same job.",
    "The boxes at the bottom right of the window show the trap's values in",
    "picofarad and microhenry. If you would rather not use coaxial cable, you can",
    "wind the traps with enamelled wire",
    "(with the Coil Construction program) and fit the capacitor inside the",
    "former (in parallel).",
    "The coax trap has one end on the BRAID and the other on the CENTRE",
    "CONDUCTOR.",
    "The right way round is:",
    "1) BRAID end towards the centre of the dipole",
    "2) CENTRE CONDUCTOR end towards the outside",
    "The box \" Coax length for the turns \" shows the length of cable for the",
    "turns alone.",
    "This length includes the two 1-centimetre pieces of cable A and B that go",
    "into the former (see the drawing), which must be left intact.",
    "For the connections inside the former, add a few centimetres, more or less",
    "depending on how many turns the trap has.",
    "To tune the dipole, first put it up with only the arms for the first (higher)",
    "frequency, the traps standing in for the end insulators for the time",
    "being.",
    "Once these are tuned for minimum SWR, add the arms for the second (lower)",
    "frequency and tune them for that band.",
    "To add a third frequency to the two-band dipole you have built, work out a",
    "two-band dipole for the second and third frequencies, and take from it only",
    "the trap and the section of arm (for the third frequency)",
    "that will be added beyond it.",
    "",
    "NB: obstacles, the height above ground and the layout of the dipole can",
    "change the length of the arms.",
    "A 1:1 balun at the feed point is recommended.",
};
// clang-format on

}  // namespace

TextWindowTexts informationTexts() {
    return {readMeCaption(textlines::informationCaption()), "GENERAL  INFORMATION",
            joinLines(informationLines)};
}

TextWindowTexts halfWaveReadMe() {
    return {readMeCaption(textlines::halfWaveCaption()), "STANDARD  DIPOLE", joinLines(halfWaveLines)};
}

TextWindowTexts trimmingReadMe() {
    return {readMeCaption(textlines::trimmingCaption()), "TRIMMING  the   DIPOLE", joinLines(trimmingLines)};
}

TextWindowTexts loadingCoilReadMe() {
    return {readMeCaption(textlines::loadingCoilCaption()), "LOADING  COIL", joinLines(loadingCoilLines)};
}

TextWindowTexts coilConstructionReadMe() {
    return {readMeCaption(textlines::coilConstructionCaption()), "COIL  CONSTRUCTION",
            joinLines(coilConstructionLines)};
}

TextWindowTexts twoBandReadMe() {
    return {readMeCaption(textlines::twoBandCaption()), "MULTIBAND  DIPOLE", joinLines(twoBandLines)};
}

}  // namespace zeliro::english

namespace zeliro {

// The texts of either language.
TextWindowTexts informationTexts(Language language) {
    return language == Language::english ? english::informationTexts() : informationTexts();
}

TextWindowTexts halfWaveReadMe(Language language) {
    return language == Language::english ? english::halfWaveReadMe() : halfWaveReadMe();
}

TextWindowTexts trimmingReadMe(Language language) {
    return language == Language::english ? english::trimmingReadMe() : trimmingReadMe();
}

TextWindowTexts loadingCoilReadMe(Language language) {
    return language == Language::english ? english::loadingCoilReadMe() : loadingCoilReadMe();
}

TextWindowTexts coilConstructionReadMe(Language language) {
    return language == Language::english ? english::coilConstructionReadMe() : coilConstructionReadMe();
}

TextWindowTexts twoBandReadMe(Language language) {
    return language == Language::english ? english::twoBandReadMe() : twoBandReadMe();
}

const char* enamelledCoilCaption(Language language) {
    return language == Language::english ? english::enamelledCoilPhotoCaption : enamelledCoilPhotoCaption;
}

const char* coaxTrapCaption(Language language) {
    return language == Language::english ? english::coaxTrapPhotoCaption : coaxTrapPhotoCaption;
}

}  // namespace zeliro
