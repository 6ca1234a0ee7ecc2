#include "core/nec/pieces.h"

#include <algorithm>
#include <cmath>

#include "core/nec/texts.h"

namespace zeliro::nec {
namespace {

// How far a report's frequency may lie from its sweep point: it prints five
// significant digits.
constexpr double frequencyTolerance = 1e-4;

}  // namespace

std::vector<Band> splitBand(const Band& band, int pieces) {
    if (band.points < 1) return {band};
    const int count = std::clamp(pieces, 1, band.points);
    std::vector<Band> out;
    int first = 0;
    for (int k = 0; k < count; ++k) {
        Band piece = band;
        piece.points = band.points / count + (k < band.points % count ? 1 : 0);
        piece.startMhz = band.startMhz + band.stepMhz * first;
        out.push_back(piece);
        first += piece.points;
    }
    return out;
}

JoinOutcome joinPieces(const std::vector<std::vector<Row>>& rows, const std::vector<Band>& pieces,
                       Language language) {
    JoinOutcome out;
    double last = 0;  // the sweep point of the last row joined
    if (rows.size() != pieces.size()) return {{}, std::string(text(Text::fewRows, language))};
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        const Band& piece = pieces[p];
        if (rows[p].size() != static_cast<std::size_t>(std::max(piece.points, 0)))
            return {{}, std::string(text(Text::fewRows, language))};
        for (std::size_t i = 0; i < rows[p].size(); ++i) {
            const double f = piece.startMhz + piece.stepMhz * static_cast<double>(i);
            const Row& row = rows[p][i];
            const bool rising = out.rows.empty() || f > last;
            if (!rising || !(std::abs(row.frequencyMhz - f) <= frequencyTolerance * f))
                return {{}, std::string(text(Text::fewRows, language))};
            out.rows.push_back(row);
            last = f;
        }
    }
    return out;
}

}  // namespace zeliro::nec
