#pragma once
// What the model builder's parts share (model.cpp: options and designs to a
// plan; layout.cpp: the plan to wires and segments; deck.cpp: the cards).
// Not for use outside the model builder.

#include <optional>
#include <string>
#include <vector>

#include "core/nec/model.h"
#include "core/nec/texts.h"

namespace zeliro::nec::parts {

inline constexpr double pi = 3.14159265358979323846;
inline constexpr double speedOfLight = 299.792458;  // m·MHz

// What keeps a design from becoming a model, with the figures its text takes;
// the text is made in the caller's language.
struct Problem {
    Problem(Text t, std::vector<std::string> figures = {}) : text(t), arguments(std::move(figures)) {}
    Text text;
    std::vector<std::string> arguments;
};
using Fault = std::optional<Problem>;

// One piece of an arm, counted from the centre outward.
struct Section {
    double length = 0;
    bool loaded = false;  // a single segment carrying the arm's load
};

// What a design becomes before it is laid out: one arm (both are alike), its
// load, and the frequencies it is checked at.
struct Plan {
    std::vector<Section> arm;
    Load load;  // tag and segment filled in by the layout
    std::vector<double> designMhz;
    double radiusM = 0;
    Shape shape = Shape::horizontal;
    std::vector<std::string> comments;
};

// The shortest text that reads back as v rounded to 15 significant digits
// ("3.44e-06", not "3.4399999999999997e-06").
std::string number(double v);
// A positive figure as a mantissa and a power of ten: "5.8E7".
std::string scientific(double v);

// The plan's arms become the model's wires, cut into segments for the
// model's sweeps (already in m.bands).
Fault layOut(const Plan& p, const ModelOptions& o, Language language, Model& m);

}  // namespace zeliro::nec::parts
