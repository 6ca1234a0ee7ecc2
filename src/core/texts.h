#pragma once
// The fixed contents of the information and read-me windows and the captions
// of the two photo windows. Pure data: the windows only show them.

#include <string>

namespace zeliro {

// What a text window shows: the caption in its title bar, the title label
// above the text, and the text, its lines separated by CR LF.
struct TextWindowTexts {
    std::string caption;
    std::string title;
    std::string text;
};

TextWindowTexts informationTexts();        // frmINFO, from the main menu's "INFO"
TextWindowTexts halfWaveReadMe();          // frmLEGGIMIstandard
TextWindowTexts trimmingReadMe();          // frmLEGGIMITARATURA
TextWindowTexts loadingCoilReadMe();       // frmLEGGIMIcalcolo
TextWindowTexts coilConstructionReadMe();  // frmLEGGIMIcostruzione
TextWindowTexts twoBandReadMe();           // frmLEGGIMImulti

inline constexpr const char* enamelledCoilPhotoCaption = "Bobina con filo smaltato";  // frmFOTOcostr
inline constexpr const char* coaxTrapPhotoCaption = "Bobina con cavo  coassiale";     // frmFOTOmulti

// The same texts in the language given.
enum class Language;
TextWindowTexts informationTexts(Language language);
TextWindowTexts halfWaveReadMe(Language language);
TextWindowTexts trimmingReadMe(Language language);
TextWindowTexts loadingCoilReadMe(Language language);
TextWindowTexts coilConstructionReadMe(Language language);
TextWindowTexts twoBandReadMe(Language language);
const char* enamelledCoilCaption(Language language);
const char* coaxTrapCaption(Language language);

}  // namespace zeliro
