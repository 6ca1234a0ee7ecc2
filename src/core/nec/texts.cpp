#include "core/nec/texts.h"

#include <array>
#include <utility>

namespace zeliro::nec {
namespace {

// One row per Text, in the enum's order; one column per language.
constexpr std::array italian = {
    std::pair{Text::groundFreeSpace, "Spazio libero"},
    std::pair{Text::groundAverage, "Suolo medio"},
    std::pair{Text::groundPerfect, "Suolo perfetto"},
    std::pair{Text::badLength, "LA LUNGHEZZA DEL FILO NON È VALIDA"},
    std::pair{Text::badFrequency, "LA FREQUENZA DI PROGETTO NON È VALIDA"},
    std::pair{Text::badDiameter, "IL DIAMETRO DEL FILO NON È VALIDO"},
    std::pair{Text::badHeight, "L'ALTEZZA SUL SUOLO DEVE ESSERE MAGGIORE DI ZERO"},
    std::pair{Text::badAngle, "L'ANGOLO ALL'APICE DEVE ESSERE FRA 0 E 180 GRADI"},
    std::pair{Text::badQuality, "IL FATTORE Q DEVE ESSERE MAGGIORE DI ZERO"},
    std::pair{Text::badPoints, "I PUNTI PER BANDA DEVONO ESSERE FRA 2 E 1000"},
    std::pair{Text::badSpan, "L'AMPIEZZA DELLA SCANSIONE DEVE ESSERE FRA 0 E 50 %"},
    std::pair{Text::badTrap, "INDUTTANZA E CAPACITÀ DELLA TRAPPOLA DEVONO ESSERE MAGGIORI DI ZERO"},
    std::pair{Text::badCoil, "L'INDUTTANZA DELLA BOBINA DEVE ESSERE MAGGIORE DI ZERO"},
    std::pair{Text::coilPosition, "LA BOBINA DEVE STARE FRA IL CENTRO E L'ESTREMITÀ DEL BRACCIO"},
    std::pair{Text::wireTooShort,
              "UN TRATTO DI FILO FRA CENTRO, TRAPPOLE O BOBINE ED ESTREMITÀ È TROPPO CORTO PER IL MODELLO"},
    std::pair{Text::wireTooThick, "IL FILO È TROPPO GROSSO PER QUESTA FREQUENZA"},
    std::pair{Text::belowGround,
              "LE ESTREMITÀ DELL'ANTENNA TOCCANO IL SUOLO: AUMENTARE L'ALTEZZA O L'ANGOLO"},
    std::pair{Text::emptyReport, "IL SIMULATORE NON HA SCRITTO NESSUN RISULTATO"},
    std::pair{Text::engineError, "IL SIMULATORE HA SEGNALATO UN ERRORE: %1"},
    std::pair{Text::noTable, "NEL RISULTATO DEL SIMULATORE MANCA LA TABELLA DELL'IMPEDENZA"},
    std::pair{Text::truncated, "IL RISULTATO DEL SIMULATORE È INCOMPLETO"},
    std::pair{Text::notANumber, "IL SIMULATORE HA DATO UN VALORE NON NUMERICO A %1 MHz"},
    std::pair{Text::noImpedance, "IL SIMULATORE NON HA DATO L'IMPEDENZA A %1 MHz"},
    std::pair{Text::noFrequency, "NEL RISULTATO DEL SIMULATORE C'È UN'IMPEDENZA SENZA FREQUENZA"},
    std::pair{Text::badReference, "L'IMPEDENZA DI RIFERIMENTO DEVE ESSERE MAGGIORE DI ZERO"},
    std::pair{Text::fewRows, "LE FREQUENZE SIMULATE NON CORRISPONDONO ALLA SCANSIONE"},
    std::pair{Text::noResonance, "NESSUNA RISONANZA"},
    std::pair{Text::noBandwidth, "SWR MAI SOTTO 2"},
    std::pair{Text::offLowEdge, "OLTRE L'INIZIO DELLA SCANSIONE"},
    std::pair{Text::offHighEdge, "OLTRE LA FINE DELLA SCANSIONE"},
    std::pair{Text::offBothEdges, "OLTRE I DUE BORDI DELLA SCANSIONE"},
    std::pair{Text::deviation, "LA RISONANZA È A %1 kHz (%2 %) DALLA FREQUENZA DI PROGETTO."},
    std::pair{Text::onFrequency, "LA LUNGHEZZA VA BENE."},
    std::pair{Text::lengthenArm, "ALLUNGARE OGNI BRACCIO DI %1 cm"},
    std::pair{Text::shortenArm, "ACCORCIARE OGNI BRACCIO DI %1 cm"},
    std::pair{Text::lengthenInner, "ALLUNGARE IL FILO INTERNO DI OGNI BRACCIO DI %1 cm"},
    std::pair{Text::shortenInner, "ACCORCIARE IL FILO INTERNO DI OGNI BRACCIO DI %1 cm"},
    std::pair{Text::lengthenOuter, "ALLUNGARE IL FILO ESTERNO DI OGNI BRACCIO DI %1 cm"},
    std::pair{Text::shortenOuter, "ACCORCIARE IL FILO ESTERNO DI OGNI BRACCIO DI %1 cm"},
};

constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < italian.size(); ++i)
        if (static_cast<std::size_t>(italian[i].first) != i) return false;
    return true;
}
static_assert(inEnumOrder() && italian.size() == static_cast<std::size_t>(Text::shortenOuter) + 1);

}  // namespace

std::string_view text(Text which, Language) { return italian[static_cast<std::size_t>(which)].second; }

std::string textWith(Text which, const std::vector<std::string>& arguments, Language language) {
    const std::string_view pattern = text(which, language);
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto k = static_cast<std::size_t>(next - '1');
            if (k < arguments.size()) out += arguments[k];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string_view groundName(Ground ground, Language language) {
    switch (ground) {
        case Ground::average:
            return text(Text::groundAverage, language);
        case Ground::perfect:
            return text(Text::groundPerfect, language);
        case Ground::freeSpace:
            break;
    }
    return text(Text::groundFreeSpace, language);
}

}  // namespace zeliro::nec
