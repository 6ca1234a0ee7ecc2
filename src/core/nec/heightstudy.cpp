// The study of the height to hang the antenna at: the decks of its runs,
// their figures, and its table.
#include <utility>

#include "core/nec/pattern.h"
#include "core/nec/patternparts.h"
#include "core/nec/texts.h"

namespace zeliro::nec {
namespace {

using patternparts::PatternText;
using patternparts::textOf;
using patternparts::truncated;

constexpr double speedOfLight = 299.792458;  // m·MHz

}  // namespace

HeightStudy heightStudy(const Design& design, const ModelOptions& options, int band, Language language) {
    HeightStudy study;
    if (options.ground == Ground::freeSpace) {
        study.error = textOf(PatternText::freeSpaceStudy, language);
        return study;
    }
    const ModelOutcome built = buildModel(design, options, language);
    if (!built.error.empty()) {
        study.error = built.error;
        return study;
    }
    if (band < 0 || static_cast<std::size_t>(band) >= built.model.bands.size()) {
        study.error = text(Text::badFrequency, language);
        return study;
    }
    const double frequency = built.model.bands[static_cast<std::size_t>(band)].designMhz;
    const double wavelength = speedOfLight / frequency;
    study.request = patternRequest(options.ground, frequency);
    for (int step = 1; step <= heightStudySteps; ++step) {
        HeightRun run;
        run.wavelengths = static_cast<double>(step) / heightStudySteps;
        run.heightM = wavelength * run.wavelengths;
        ModelOptions atHeight = options;
        atHeight.heightM = run.heightM;
        const ModelOutcome model = buildModel(design, atHeight, language);
        if (model.error.empty())
            run.deck = patternDeck(model.model, study.request);
        else
            run.error = model.error;
        study.runs.push_back(std::move(run));
    }
    return study;
}

std::vector<HeightResult> heightResults(const HeightStudy& study, const std::vector<std::string>& reports,
                                        Ground ground, Language language) {
    std::vector<HeightResult> results;
    for (std::size_t i = 0; i < study.runs.size(); ++i) {
        const HeightRun& run = study.runs[i];
        HeightResult r{run.heightM, run.wavelengths, std::nullopt, run.error};
        if (r.error.empty()) {
            const std::string_view report =
                i < reports.size() ? std::string_view(reports[i]) : std::string_view();
            const FiguresOutcome figures =
                patternFigures(readNecPattern(report, study.request, language), ground, language);
            r.figures = figures.figures;
            r.error = figures.error;
        }
        results.push_back(std::move(r));
    }
    return results;
}

HeightTable heightTable(const std::vector<HeightResult>& results, Language language) {
    HeightTable table;
    table.heading = {
        textOf(PatternText::headingHeight, language), textOf(PatternText::headingWavelengths, language),
        textOf(PatternText::headingGain, language), textOf(PatternText::headingTakeOff, language)};
    for (const HeightResult& r : results) {
        std::vector<std::string> row = {
            textOf(PatternText::metres, language, {truncated(r.heightM, 2, language)}),
            textOf(PatternText::wavelengths, language, {truncated(r.wavelengths, 3, language)})};
        if (r.figures) {
            const PatternTexts t = patternTexts(*r.figures, language);
            row.push_back(t.gain);
            row.push_back(t.angle);
        } else {
            row.push_back(r.error);
            row.emplace_back();
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace zeliro::nec
