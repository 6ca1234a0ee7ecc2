#pragma once
// The fixed contents of the information and read-me windows and the captions
// of the two photo windows. Pure data: the windows only show them.

#include <string>

#include "core/language.h"

namespace zeliro {

// What a text window shows: the caption in its title bar, the title label
// above the text, and the text, its lines separated by CR LF.
struct TextWindowTexts {
    std::string caption;
    std::string title;
    std::string text;
};

// The texts of frmINFO (from the main menu's "INFO"), frmLEGGIMIstandard,
// frmLEGGIMITARATURA, frmLEGGIMIcalcolo, frmLEGGIMIcostruzione and
// frmLEGGIMImulti.
TextWindowTexts informationTexts(Language language = Language::italian);
TextWindowTexts halfWaveReadMe(Language language = Language::italian);
TextWindowTexts trimmingReadMe(Language language = Language::italian);
TextWindowTexts loadingCoilReadMe(Language language = Language::italian);
TextWindowTexts coilConstructionReadMe(Language language = Language::italian);
TextWindowTexts twoBandReadMe(Language language = Language::italian);

inline constexpr const char* enamelledCoilPhotoCaption = "Bobina con filo smaltato";  // frmFOTOcostr
inline constexpr const char* coaxTrapPhotoCaption = "Bobina con cavo  coassiale";     // frmFOTOmulti

const char* enamelledCoilCaption(Language language);
const char* coaxTrapCaption(Language language);

}  // namespace zeliro
