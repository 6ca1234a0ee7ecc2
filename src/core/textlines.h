#pragma once
// What the read-me texts of both languages are made of: captions spread by
// runs of blanks, and texts kept as tables of lines.

#include <cstddef>
#include <string>

namespace zeliro::textlines {

// A read-me window's caption: its word ("Leggimi", "Read me"), then the
// credit and the revision mark pushed to the right of the title bar by runs
// of blanks.
inline std::string readMeCaption(const char* word, int blanksAfterWord, int blanksAfterBy,
                                 int blanksAfterTavron, const std::string& revision) {
    return word + std::string(blanksAfterWord, ' ') + "by" + std::string(blanksAfterBy, ' ') + "TAVRON" +
           std::string(blanksAfterTavron, ' ') + revision;
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
