#pragma once
// What the read-me texts of both languages are made of: captions spread by
// runs of blanks, and texts kept as tables of lines.

#include <cstddef>
#include <string>

#include "core/version.h"

namespace zeliro::textlines {

// Where a text window's caption puts the credit and the revision mark: the
// runs of blanks that push them to the right of the title bar, the same in
// every language.
struct CaptionLayout {
    int blanksAfterWord;
    int blanksAfterBy;
    int blanksAfterTavron;
    std::string revision;
};

inline CaptionLayout informationCaption() { return {107, 4, 76, std::string("rev. ") + captionVersion}; }
inline CaptionLayout halfWaveCaption() { return {108, 5, 69, spacedRevisionCaption}; }
inline CaptionLayout trimmingCaption() { return {76, 4, 64, std::string("rev  ") + captionVersion}; }
inline CaptionLayout loadingCoilCaption() { return {107, 5, 71, revisionCaption}; }
inline CaptionLayout coilConstructionCaption() { return {107, 5, 69, spacedRevisionCaption}; }
inline CaptionLayout twoBandCaption() { return {102, 5, 76, std::string("rev. ") + captionVersion}; }

// A read-me window's caption: its word ("Leggimi", "Read me"), then the
// credit and the revision mark as the layout places them.
inline std::string readMeCaption(const char* word, const CaptionLayout& layout) {
    return word + std::string(layout.blanksAfterWord, ' ') + "by" + std::string(layout.blanksAfterBy, ' ') +
           "TAVRON" + std::string(layout.blanksAfterTavron, ' ') + layout.revision;
}

// The lines joined by CR LF, as the text windows show them.
template <std::size_t N>
std::string joinLines(const char* const (&lines)[N]) {
    std::string text;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    return text;
}

}  // namespace zeliro::textlines
