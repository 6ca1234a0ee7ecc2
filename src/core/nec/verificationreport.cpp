#include "core/nec/verificationreport.h"

#include <algorithm>

#include "core/nec/ondisplay.h"
#include "core/numbers.h"

namespace zeliro::nec {
namespace {

struct Words {
    const char *title, *design, *corrected, *options, *results, *band, *designFrequency, *resonance,
        *deviation, *swr, *impedance, *bandwidth, *measured, *advice, *pattern, *gain, *takeOff, *beamwidth,
        *heights;
};

constexpr Words italian = {"ZELIRO  -  VERIFICA  CON  SIMULAZIONE  NEC-2",
                           "Progetto",
                           "Progetto corretto",
                           "OPZIONI",
                           "RISULTATI",
                           "Banda",
                           "Frequenza MHz",
                           "Risonanza MHz",
                           "Scarto kHz",
                           "SWR alla frequenza",
                           "Impedenza ohm",
                           "Banda 2:1 kHz",
                           "Misura",
                           "Consiglio",
                           "DIAGRAMMA  DI  RADIAZIONE",
                           "guadagno",
                           "angolo di partenza",
                           "apertura -3 dB",
                           "ALTEZZA"};

constexpr Words english = {"ZELIRO  -  VERIFICATION  BY  NEC-2  SIMULATION",
                           "Design",
                           "Corrected design",
                           "OPTIONS",
                           "RESULTS",
                           "Band",
                           "Frequency MHz",
                           "Resonance MHz",
                           "Deviation kHz",
                           "SWR at the frequency",
                           "Impedance ohm",
                           "2:1 band kHz",
                           "Measured",
                           "Advice",
                           "RADIATION  PATTERN",
                           "gain",
                           "take-off angle",
                           "-3 dB width",
                           "HEIGHT"};

// Characters as the page shows them (UTF-8 continuation bytes do not count).
std::size_t shownLength(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string padded(const std::string& text, std::size_t width) {
    const std::size_t length = shownLength(text);
    return length >= width ? text + ' ' : text + std::string(width - length, ' ');
}

// A text cut at blanks into lines no wider than the page, after a lead; the
// lines after the first stand under the text's start.
void addWrapped(std::vector<std::string>& lines, const std::string& lead, const std::string& text) {
    const std::string indent(shownLength(lead), ' ');
    std::string line = lead;
    bool bare = true;  // nothing of the text on the line yet
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        if (!bare && shownLength(line) + 1 + shownLength(word) > reportWidth) {
            lines.push_back(line);
            line = indent;
            bare = true;
        }
        line += (bare ? "" : " ") + word;
        bare = false;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    lines.push_back(line);
}

constexpr std::size_t captionWidth = 22;
constexpr std::size_t columnWidth = 20;

std::string row(const std::string& caption, const std::vector<std::string>& cells) {
    std::string line = padded(caption, captionWidth);
    for (const std::string& cell : cells) line += padded(cell, columnWidth);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

void addResults(std::vector<std::string>& lines, const VerificationReport& r, const Words& w) {
    lines.push_back(w.results);
    std::vector<std::string> heading, frequency;
    for (std::size_t band = 0; band < r.bands.size(); ++band) {
        heading.push_back(w.band + std::string(" ") + std::to_string(band + 1));
        frequency.push_back(band < r.designMhz.size() ? formatDouble(r.designMhz[band], r.language) : "");
    }
    lines.push_back(row("", heading));
    lines.push_back(row(w.designFrequency, frequency));
    const std::pair<const char*, std::string BandTexts::*> figures[] = {{w.resonance, &BandTexts::resonance},
                                                                        {w.deviation, &BandTexts::deviation},
                                                                        {w.swr, &BandTexts::swr},
                                                                        {w.impedance, &BandTexts::impedance},
                                                                        {w.bandwidth, &BandTexts::bandwidth}};
    for (const auto& [caption, member] : figures) {
        std::vector<std::string> cells;
        for (const BandTexts& band : r.bands) cells.push_back(band.*member);
        lines.push_back(row(caption, cells));
    }
    if (std::any_of(r.measured.begin(), r.measured.end(), [](const std::string& m) { return !m.empty(); }))
        for (std::size_t band = 0; band < r.measured.size(); ++band)
            addWrapped(lines, w.measured + std::string(" ") + std::to_string(band + 1) + ": ",
                       r.measured[band]);
    for (std::size_t band = 0; band < r.bands.size(); ++band)
        addWrapped(lines, w.advice + std::string(" ") + std::to_string(band + 1) + ": ",
                   r.bands[band].advice);
}

void addPattern(std::vector<std::string>& lines, const VerificationReport& r, const Words& w) {
    lines.push_back(w.pattern);
    for (std::size_t band = 0; band < r.pattern.size(); ++band) {
        const PatternTexts& t = r.pattern[band];
        std::string figures = std::string(w.gain) + ' ' + t.gain;
        if (!t.angle.empty()) figures += std::string(", ") + w.takeOff + ' ' + t.angle;
        figures += std::string(", ") + w.beamwidth + ' ' + t.beamwidth;
        const std::string mhz =
            band < r.patternMhz.size() ? formatDouble(r.patternMhz[band], r.language) : "";
        addWrapped(lines, mhz + " MHz: ", figures);
        if (!t.note.empty()) addWrapped(lines, std::string(shownLength(mhz) + 6, ' '), t.note);
    }
}

void addHeights(std::vector<std::string>& lines, const HeightTable& table, const Words& w) {
    lines.push_back(w.heights);
    std::string heading;
    for (const std::string& h : table.heading) heading += padded(h, columnWidth);
    while (!heading.empty() && heading.back() == ' ') heading.pop_back();
    lines.push_back(heading);
    // A height without figures says why, wrapped under the gain's column.
    for (const std::vector<std::string>& cells : table.rows) {
        std::string line;
        for (std::size_t i = 0; i < cells.size() && i < 2; ++i) line += padded(cells[i], columnWidth);
        std::string rest;
        for (std::size_t i = 2; i < cells.size(); ++i) rest += padded(cells[i], columnWidth);
        while (!rest.empty() && rest.back() == ' ') rest.pop_back();
        if (shownLength(line + rest) <= reportWidth)
            lines.push_back(line + rest);
        else
            addWrapped(lines, line, rest);
    }
}

}  // namespace

std::vector<std::string> reportLines(const VerificationReport& r) {
    const Words& w = r.language == Language::english ? english : italian;
    std::vector<std::string> lines = {w.title, ""};
    addWrapped(lines, std::string(w.design) + (r.opener.empty() ? "" : " (" + r.opener + ")") + ": ",
               describeDesign(roundedDesign(r.design), r.language));
    if (r.corrected)
        addWrapped(lines, std::string(w.corrected) + ": ",
                   describeDesign(roundedDesign(*r.corrected), r.language));
    if (r.options) {
        lines.emplace_back();
        lines.push_back(w.options);
        for (const std::string& option : optionsText(*r.options, r.referenceOhm, r.language))
            addWrapped(lines, "", option);
    }
    if (!r.bands.empty()) {
        lines.emplace_back();
        addResults(lines, r, w);
    }
    if (!r.pattern.empty()) {
        lines.emplace_back();
        addPattern(lines, r, w);
    }
    if (r.heights && !r.heights->rows.empty()) {
        lines.emplace_back();
        addHeights(lines, *r.heights, w);
    }
    return lines;
}

}  // namespace zeliro::nec
