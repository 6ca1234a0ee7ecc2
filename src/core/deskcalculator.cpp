#include "core/deskcalculator.h"

#include <cmath>
#include <limits>
#include <optional>

#include "core/english.h"
#include "core/numbers.h"

namespace zeliro {
namespace {

// "%" may count operands without end; the count stays at its limit.
constexpr std::int16_t countLimit = std::numeric_limits<std::int16_t>::max();

std::optional<double> valueOf(const Operand& operand, Language language) {
    if (const double* value = std::get_if<double>(&operand)) return *value;
    return parseDouble(std::get<std::string>(operand), language);
}

std::string textOf(const Operand& operand, Language language) {
    if (const double* value = std::get_if<double>(&operand)) return formatDouble(*value, language);
    return std::get<std::string>(operand);
}

bool isArithmetic(std::string_view op) {
    return op == "+" || op == "-" || op == "X" || op == "/" || op == "%";
}

}  // namespace

DeskCalculator::DeskCalculator(Language language)
    : m_language(language), m_separator(decimalSeparator(language)) {
    formLoad();
}

KeyOutcome DeskCalculator::formLoad() {
    m_values.decimalEntered = false;
    m_values.operandCount = 0;
    m_values.lastInput = LastInput::Nessuno;
    m_values.pendingOperator = " ";
    m_readout = std::string("0") + m_separator;
    m_failed = false;
    return shown();
}

KeyOutcome DeskCalculator::number(std::string_view digit) {
    if (m_failed) return shown();
    if (m_values.lastInput != LastInput::Num) {
        m_readout = std::string(1, m_separator);
        m_values.decimalEntered = false;
    }
    if (m_values.decimalEntered) {
        m_readout += digit;
    } else {
        // The integer digits grow in front of the comma.
        m_readout = m_readout.substr(0, m_readout.find(m_separator)) + std::string(digit) + m_separator;
    }
    if (m_values.lastInput == LastInput::Neg) m_readout.insert(0, "-");
    m_values.lastInput = LastInput::Num;
    if (!parseDouble(m_readout, m_language)) return fail();  // beyond the range of a double
    return shown();
}

KeyOutcome DeskCalculator::decimal() {
    if (m_failed) return shown();
    if (m_values.lastInput == LastInput::Neg) {
        m_readout = std::string("-0") + m_separator;
    } else if (m_values.lastInput != LastInput::Num) {
        m_readout = std::string("0") + m_separator;
    }
    m_values.decimalEntered = true;
    m_values.lastInput = LastInput::Num;
    return shown();
}

KeyOutcome DeskCalculator::operatorKey(std::string_view caption) {
    if (m_failed) return shown();
    m_values.readoutAtClick = m_readout;
    if (m_values.lastInput == LastInput::Num) countOperand();
    bool divisionByZero = false;
    switch (m_values.operandCount) {
        case 0:
            // No number yet: a minus starts a negative one.
            if (caption == "-" && m_values.lastInput != LastInput::Neg) {
                m_readout.insert(0, "-");
                m_values.lastInput = LastInput::Neg;
            }
            break;
        case 1:
            m_values.firstOperand = m_readout;
            // A minus right after an operator starts a negative second operand.
            if (caption == "-" && m_values.lastInput != LastInput::Num && m_values.pendingOperator != "=") {
                m_readout = "-";
                m_values.lastInput = LastInput::Neg;
            }
            break;
        case 2:
            m_values.secondOperand = m_values.readoutAtClick;
            if (!completeOperation(divisionByZero)) return fail();
            m_readout = textOf(m_values.firstOperand, m_language);
            m_values.operandCount = 1;
            break;
        default:
            break;
    }
    if (m_values.lastInput != LastInput::Neg) {
        m_values.lastInput = LastInput::Op;
        m_values.pendingOperator = std::string(caption);
    }
    return {m_readout, divisionByZero};
}

bool DeskCalculator::completeOperation(bool& divisionByZero) {
    const std::string& op = m_values.pendingOperator;
    if (op != "=" && !isArithmetic(op)) return true;  // nothing pending
    const std::optional<double> second = parseDouble(m_values.secondOperand, m_language);
    if (!second) return false;
    if (op == "=") {
        // A new number typed after a result replaces the result.
        m_values.firstOperand = *second;
        return true;
    }
    if (op == "/" && *second == 0) {
        divisionByZero = true;  // the first operand stays
        return true;
    }
    const std::optional<double> first = valueOf(m_values.firstOperand, m_language);
    if (!first) return false;
    double result = 0;
    if (op == "+") {
        result = *first + *second;
    } else if (op == "-") {
        result = *first - *second;
    } else if (op == "/") {
        result = *first / *second;
    } else {  // "X", and "%": the percentage of the first operand
        result = *first * *second;
    }
    if (!std::isfinite(result)) return false;
    m_values.firstOperand = result;
    return true;
}

KeyOutcome DeskCalculator::percent() {
    if (m_failed) return shown();
    const std::optional<double> value = parseDouble(m_readout, m_language);
    if (!value) return fail();
    m_readout = formatDouble(*value / 100, m_language);
    m_values.lastInput = LastInput::Op;
    m_values.pendingOperator = "%";
    m_values.decimalEntered = true;
    countOperand();
    return shown();
}

KeyOutcome DeskCalculator::cancel() {
    m_readout = std::string("0") + m_separator;
    m_values.firstOperand = 0.0;
    m_values.secondOperand = "0";
    return formLoad();
}

KeyOutcome DeskCalculator::cancelEntry() {
    if (m_failed) return shown();
    m_readout = std::string("0") + m_separator;
    m_values.decimalEntered = false;
    m_values.lastInput = LastInput::Ce;
    return shown();
}

KeyOutcome DeskCalculator::fail() {
    m_failed = true;
    m_readout = std::string(m_language == Language::english ? english::calculatorError : errorText);
    return shown();
}

void DeskCalculator::countOperand() {
    if (m_values.operandCount < countLimit) ++m_values.operandCount;
}

}  // namespace zeliro
