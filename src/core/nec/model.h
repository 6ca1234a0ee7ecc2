#pragma once
// From a design on display to a NEC-2 model and its deck (the text nec2c reads).
//
// Flow: a window's figures -> one of the three design structs + ModelOptions
// -> buildModel() (wires, loads, feed, ground, sweeps, or an error in the
// language asked for)
// -> deckText(). buildDeck() does both steps in one call.
//
// Geometry: the antenna lies along the y axis, centred on x = y = 0, at
// z = height (0 in free space). An inverted V keeps the wire length of each
// arm; its apex is at the height and the arms slope down symmetrically at the
// included angle. Every number of the deck is written with std::to_chars.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/language.h"

namespace zeliro::nec {

// Free space, the perfect ground, and real soils (Sommerfeld-Norton, GN 2)
// with the relative permittivity and conductivity of soilOf(): the classes,
// and the user's own (ModelOptions::customSoil). The first three keep their
// places: windows list them by value.
enum class Ground {
    freeSpace,  // "Spazio libero": no ground, no height
    average,    // "Suolo medio": relative permittivity 13, 0,005 S/m
    perfect,    // "Suolo perfetto"
    veryPoor,   // city, industrial areas: 5, 0,001 S/m
    poor,       // rocky soil, steep hills: 13, 0,002 S/m
    good,       // pastoral, low hills, rich soil: 14, 0,01 S/m
    saltMarsh,  // 30, 0,1 S/m
    seaWater,   // 81, 5 S/m
    custom,     // ModelOptions::customSoil
};

// A real soil's figures, as GN 2 takes them.
struct Soil {
    double permittivity = 13;       // relative
    double conductivitySm = 0.005;  // S/m
    bool operator==(const Soil&) const = default;
};

// The wire's metal, as a conductivity on every wire (LD 5); a perfect
// conductor has no loss card at all.
enum class Conductor { copper, aluminium, copperCladSteel, steel, stainlessSteel, perfect };

enum class Shape { horizontal, invertedV };

// The half-wave dipole: the total length on display (m) and the frequency it
// was designed for (MHz).
struct HalfWaveDesign {
    double totalLengthM = 0;
    double frequencyMhz = 0;
    Shape shape = Shape::horizontal;
};

// The two-band dipole with traps: per arm an inner wire from the centre to the
// trap, the trap, and an outer wire; the trap is a parallel RLC.
struct TwoBandDesign {
    double innerWireM = 0;          // each arm, centre to trap
    double outerWireM = 0;          // each arm, trap to end
    double trapInductanceUh = 0;    // µH
    double trapCapacitancePf = 0;   // pF
    double firstFrequencyMhz = 0;   // the higher band
    double secondFrequencyMhz = 0;  // the lower band
    Shape shape = Shape::horizontal;
};

// The shortened dipole with a loading coil in each arm (series RL).
struct LoadingCoilDesign {
    double totalLengthM = 0;
    double wireDiameterMm = 0;    // the window's own field: defaultOptions() starts from it
    double coilInductanceUh = 0;  // µH, each coil
    double coilDistanceM = 0;     // from the centre to the coil, each arm
    double frequencyMhz = 0;
    Shape shape = Shape::horizontal;
};

using Design = std::variant<HalfWaveDesign, TwoBandDesign, LoadingCoilDesign>;

// What the user sets in the verification window, with its defaults.
struct ModelOptions {
    double wireDiameterMm = 2;  // of every wire
    Ground ground = Ground::freeSpace;
    double heightM = 10;        // of the wire (apex of an inverted V); ignored in free space
    double apexAngleDeg = 120;  // included angle of an inverted V, 0 < angle <= 180
    double qualityFactor = 0;   // Q of traps or coils; 0 takes the design's default (150 or 200)
    // The wire's losses: the conductor's conductivity on every wire (LD 5).
    // copperLoss false models a perfect conductor whatever `conductor` says,
    // as it did when copper was the only metal.
    Conductor conductor = Conductor::copper;
    bool copperLoss = true;
    // Insulation around every wire: its thickness (0 = bare wire) and its
    // relative permittivity (PVC 3,5, PE 2,3, PTFE 2,1), modelled as a
    // series inductance per metre on every wire (LD 2, see insulationInductance).
    double insulationMm = 0;
    double insulationPermittivity = 3.5;
    Soil customSoil;          // the figures of Ground::custom
    int pointsPerBand = 101;  // 2..1000
    // Each sweep runs its centre ± spanPercent of the design frequency
    // exactly, 0 < span < 50. The centre is the design frequency unless one
    // is given; for a two-band design it takes the place of the design
    // frequency nearest to it.
    double spanPercent = 6;
    std::optional<double> centreMhz;
    bool operator==(const ModelOptions&) const = default;
};

// The figures of a real soil: its class's, or the user's own for
// Ground::custom; nothing for free space and the perfect ground.
std::optional<Soil> soilOf(Ground ground, const Soil& custom = {});

// The conductivity (S/m) the deck gives the conductor; 0 for a perfect one.
// Copper-clad steel carries HF in its copper skin, so it has copper's; steel's
// permeability is folded into an equivalent conductivity (see materials.cpp).
double conductivityOf(Conductor conductor);

// The common jackets of insulated wire and their relative permittivity.
struct Jacket {
    const char* name;
    double permittivity;
};
inline constexpr Jacket jackets[] = {{"PVC", 3.5}, {"PE", 2.3}, {"PTFE", 2.1}};

// The series inductance per metre (H/m) that stands for a wire's insulation,
// as NEC-2 practice models a dielectric coat: (µ0 / 2π) (1 - 1/εr) ln(b/a),
// a the conductor's radius, b the insulation's outer radius.
double insulationInductance(double wireDiameterMm, double insulationMm, double permittivity);

// What the deck's comment cards (and a saved CSV's header) say of the wire's
// metal, its insulation and the soil, where they differ from a bare wire of
// copper (or a perfect conductor) over free space, a perfect or an average
// ground: empty for those.
std::vector<std::string> installationComments(const ModelOptions& options, Language language);

inline constexpr double defaultTrapQ = 150;
inline constexpr double defaultCoilQ = 200;

// The options a verification of the design starts from: the defaults above,
// the wire of the loading-coil window's own field, and the Q of its traps (150)
// or coils (200).
ModelOptions defaultOptions(const Design& design);

// One band of the sweep: the design frequency it checks and its FR card.
struct Band {
    double designMhz = 0;
    double startMhz = 0;
    double stepMhz = 0;  // any fraction of a kHz: the sweep spans design ± span exactly
    int points = 0;
    double endMhz() const { return startMhz + stepMhz * (points - 1); }
};

// A straight wire (GW card): tag, segments, ends in metres, radius in metres.
struct Wire {
    int tag = 0;
    int segments = 0;
    double x1 = 0, y1 = 0, z1 = 0;
    double x2 = 0, y2 = 0, z2 = 0;
    double radiusM = 0;
    double length() const;
};

// A load on one segment (LD card). type 0: series RLC, 1: parallel RLC
// (ohms, henries, farads; C = 0 means no capacitor in a series load).
struct Load {
    int type = 0;
    int tag = 0;
    int segment = 0;  // within its wire, from 1
    double resistanceOhm = 0;
    double inductanceH = 0;
    double capacitanceF = 0;
};

struct Model {
    std::vector<std::string> comments;  // CM lines
    std::vector<Wire> wires;            // tags 1, 2, ... in order from one end to the other
    std::vector<Load> loads;            // trap or coil loads
    double conductivitySm = 0;          // LD 5 on every wire; 0 for a perfect conductor
    double insulationHPerM = 0;         // LD 2 on every wire; 0 for bare wire
    Ground ground = Ground::freeSpace;
    Soil soil;                // GN 2's figures over a real soil
    int feedTag = 0;          // EX: voltage source on this wire's
    int feedSegment = 0;      // middle segment
    std::vector<Band> bands;  // first = the higher (or only) band
};

// How large the model is for the engine: its segments, and the memory its
// interaction matrix takes (which grows with their square, and the run time
// faster still). buildModel refuses a model of more than maximumSegments.
struct ModelSize {
    int segments = 0;
    double memoryMb = 0;
};
ModelSize modelSize(const Model& model);
inline constexpr int maximumSegments = 1500;

struct ModelOutcome {
    Model model;
    std::string error;  // in the language asked for; empty when the model was built
};

ModelOutcome buildModel(const Design& design, const ModelOptions& options,
                        Language language = Language::italian);

// The deck of a model; with band >= 0 only that band's FR card is written.
std::string deckText(const Model& model, int band = -1);

// The deck of a model with other cards in place of its sweeps: `run` holds
// the cards that follow PT (an FR card and the cards it runs), each ending in
// a newline; EN closes the deck.
std::string deckTextWith(const Model& model, std::string_view run);

struct DeckOutcome {
    std::string deck;         // empty on error
    std::vector<Band> bands;  // the sweeps the deck asks for
    std::string error;        // in the language asked for; empty on success
};

DeckOutcome buildDeck(const Design& design, const ModelOptions& options,
                      Language language = Language::italian);

}  // namespace zeliro::nec
