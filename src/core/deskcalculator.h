#pragma once
// The desk calculator's state machine: a four-function pocket calculator that
// keeps its state in a handful of values and in the text of its display.
//
// Every key is one function that updates the values and returns what the
// display (`Readout`) shows afterwards. The number being entered lives only as
// the display text ("78," while the integer digits grow, "78,5" after the
// decimal key); a text becomes a number by the decimal-comma rules and a
// computed number becomes text by them too (frame/numbers.h).
//
// A number typed beyond the range of a double, and an operation that cannot be
// carried out (an operand that is not a number, such as a lone "-", or a
// result beyond the range of a double) show `errorText` and lock the
// calculator: every key but "C" is ignored until "C" brings it back to "0,".
//
// In English the display shows a decimal point ("78.5") and the error text
// reads "Error"; the arithmetic is the same.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "core/language.h"

namespace zeliro {

// Kind of the last key pressed.
enum class LastInput {
    Nessuno,  // nothing yet
    Num,      // a digit or the decimal key
    Neg,      // a minus sign that starts a negative number
    Op,       // an operator key or "%"
    Ce,       // the clear-entry key
};

// The left operand and running result: the display text when it was taken, or
// a computed value (which keeps all its digits for the next operation).
using Operand = std::variant<double, std::string>;

struct CalculatorValues {
    Operand firstOperand = 0.0;
    std::string secondOperand = "0";
    bool decimalEntered = false;
    std::int16_t operandCount = 0;
    LastInput lastInput = LastInput::Nessuno;
    // Caption of the operator to apply next: " " for none, else "+", "-",
    // "X", "/", "=" or "%".
    std::string pendingOperator = " ";
    std::string readoutAtClick;
};

// What a key leaves for the window to do.
struct KeyOutcome {
    std::string readout;  // the display text
    // The window tells the user that a division by zero was refused, before
    // it shows the display text.
    bool divisionByZero = false;
};

class DeskCalculator {
public:
    // What the display shows while an operation could not be carried out.
    static constexpr std::string_view errorText = "Errore";

    explicit DeskCalculator(Language language = Language::italian);

    // Loading the window: no operand taken, no pending operation, "0,".
    KeyOutcome formLoad();
    // A digit key; `digit` is its caption ("0" to "9").
    KeyOutcome number(std::string_view digit);
    KeyOutcome decimal();
    // An operator key by its caption: "+", "-", "X", "/" or "=".
    KeyOutcome operatorKey(std::string_view caption);
    KeyOutcome percent();
    // "C": everything cleared, also after an error.
    KeyOutcome cancel();
    // "CE": only the entry is cleared.
    KeyOutcome cancelEntry();

    const std::string& readout() const { return m_readout; }
    const CalculatorValues& values() const { return m_values; }
    bool failed() const { return m_failed; }

private:
    KeyOutcome shown() const { return {m_readout, false}; }
    KeyOutcome fail();
    void countOperand();
    // Completes the pending operation with secondOperand; false when it cannot
    // be carried out. Sets divisionByZero when the division was refused.
    bool completeOperation(bool& divisionByZero);

    CalculatorValues m_values;
    std::string m_readout = "0.";
    bool m_failed = false;
    Language m_language = Language::italian;
    char m_separator = ',';
};

}  // namespace zeliro
