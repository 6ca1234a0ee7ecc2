// The deck: a model's cards as nec2c reads them, every number written with
// std::to_chars (a full stop, whatever the language).
#include <array>
#include <charconv>
#include <cmath>

#include "core/nec/modelparts.h"
#include "core/numbers.h"

namespace zeliro::nec {

std::string parts::number(double v) {
    v = roundSignificant(v, 15);
    std::array<char, 32> buf{};
    const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), v).ptr;
    return std::string(buf.data(), end);
}

std::string parts::scientific(double v) {
    const int exponent = static_cast<int>(std::floor(std::log10(v)));
    return number(v / std::pow(10.0, exponent)) + 'E' + std::to_string(exponent);
}

namespace {

using parts::number;

// A coordinate to the nanometre, so that the deck shows no rounding noise;
// the ends that two wires share stay equal.
std::string coordinate(double v) {
    const double rounded = std::round(v * 1e9) / 1e9;
    return number(rounded == 0 ? 0.0 : rounded);
}

}  // namespace

std::string deckTextWith(const Model& m, std::string_view run) {
    std::string deck;
    auto card = [&](std::initializer_list<std::string> fields) {
        bool first = true;
        for (const std::string& f : fields) {
            if (!first) deck += ' ';
            deck += f;
            first = false;
        }
        deck += '\n';
    };
    auto n = [](int v) { return std::to_string(v); };
    for (const std::string& c : m.comments) card({"CM", c});
    card({"CE"});
    for (const Wire& w : m.wires)
        card({"GW", n(w.tag), n(w.segments), coordinate(w.x1), coordinate(w.y1), coordinate(w.z1),
              coordinate(w.x2), coordinate(w.y2), coordinate(w.z2), number(w.radiusM)});
    card({"GE", m.ground == Ground::freeSpace ? "0" : "1"});
    // Every segment's conductivity (S/m), then insulation as a series
    // inductance per metre; NEC-2 adds the loads of a segment in series.
    if (m.conductivitySm > 0) card({"LD", "5", "0", "0", "0", parts::scientific(m.conductivitySm)});
    if (m.insulationHPerM > 0) card({"LD", "2", "0", "0", "0", "0", number(m.insulationHPerM), "0"});
    for (const Load& l : m.loads)
        card({"LD", n(l.type), n(l.tag), n(l.segment), n(l.segment), number(l.resistanceOhm),
              number(l.inductanceH), number(l.capacitanceF)});
    if (m.ground == Ground::perfect) card({"GN", "1"});
    if (m.ground != Ground::perfect && m.ground != Ground::freeSpace)
        card({"GN", "2", "0", "0", "0", number(m.soil.permittivity), number(m.soil.conductivitySm)});
    card({"EX", "0", n(m.feedTag), n(m.feedSegment), "0", "1", "0"});
    card({"PT", "-1", "0", "0", "0"});  // no table of currents
    deck += run;
    card({"EN"});
    return deck;
}

std::string deckText(const Model& m, int band) {
    std::string sweeps;
    auto n = [](int v) { return std::to_string(v); };
    for (std::size_t i = 0; i < m.bands.size(); ++i) {
        if (band >= 0 && static_cast<std::size_t>(band) != i) continue;
        const Band& b = m.bands[i];
        sweeps += "FR 0 " + n(b.points) + " 0 0 " + number(b.startMhz) + ' ' + number(b.stepMhz) + "\nXQ\n";
    }
    return deckTextWith(m, sweeps);
}

DeckOutcome buildDeck(const Design& design, const ModelOptions& options, Language language) {
    const ModelOutcome built = buildModel(design, options, language);
    if (!built.error.empty()) return {{}, {}, built.error};
    return {deckText(built.model), built.model.bands, {}};
}

}  // namespace zeliro::nec
