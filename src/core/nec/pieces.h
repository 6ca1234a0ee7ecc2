#pragma once
// A band's sweep cut into contiguous pieces, one engine process each, and the
// pieces' rows joined back into the band's rows. Only startMhz, stepMhz,
// points and endMhz() of a band are used.

#include <string>
#include <vector>

#include "core/language.h"
#include "core/nec/model.h"
#include "core/nec/output.h"

namespace zeliro::nec {

// The band in at most `pieces` pieces (at least one; no more than it has
// points), in order, each with the band's step and design frequency; their
// points add up to the band's, the longer pieces first.
std::vector<Band> splitBand(const Band& band, int pieces);

struct JoinOutcome {
    std::vector<Row> rows;  // the pieces' rows one after the other; empty on error
    std::string error;      // in the language asked for; empty on success
};

// The rows of each piece (as the reader gave them, in the pieces' order)
// joined; an error when a piece has too few or too many rows, or a row does
// not lie at its sweep point (the report prints five significant digits).
JoinOutcome joinPieces(const std::vector<std::vector<Row>>& rows, const std::vector<Band>& pieces,
                       Language language = Language::italian);

}  // namespace zeliro::nec
