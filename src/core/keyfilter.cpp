#include "core/keyfilter.h"

namespace zeliro {

namespace {

// The filter's rules on what they look at: whether the field holds exactly
// "0", and whether it holds the separator already.
bool accepted(bool loneZero, bool hasSeparator, int charCode, char separator) {
    const int separatorCode = static_cast<unsigned char>(separator);
    if (loneZero && charCode >= '0') return false;
    if (charCode == separatorCode && hasSeparator) return false;
    return (charCode >= '0' && charCode <= '9') || charCode == separatorCode || charCode == backspaceCode;
}

// The code the decimal key stands for: the separator.
int throughDecimalKey(int charCode, bool fromKeypad, char separator) {
    const bool decimalKey = charCode == fullStopCode || (fromKeypad && charCode == commaCode);
    return decimalKey ? static_cast<unsigned char>(separator) : charCode;
}

}  // namespace

bool decimalKeyAccepted(std::string_view fieldText, int charCode, char separator) {
    return accepted(fieldText == "0", fieldText.find(separator) != std::string_view::npos, charCode,
                    separator);
}

std::optional<int> decimalFieldKey(std::string_view fieldText, int charCode, bool fromKeypad,
                                   char separator) {
    const int code = throughDecimalKey(charCode, fromKeypad, separator);
    if (!decimalKeyAccepted(fieldText, code, separator)) return std::nullopt;
    return code;
}

FieldEntryOutcome decimalFieldEntry(const FieldEntryInput& input) {
    std::string_view entered = input.entered;
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = entered.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    entered = entered.substr(first, entered.find_last_not_of(blanks) - first + 1);

    // What the rules look at, kept up to date as each character goes in (a
    // pasted megabyte is judged in one pass).
    const char separator = input.separator;
    std::size_t length = input.before.size() + input.after.size();
    bool loneZero = length == 1 && (input.before == "0" || input.after == "0");
    bool hasSeparator = input.before.find(separator) != std::string_view::npos ||
                        input.after.find(separator) != std::string_view::npos;
    FieldEntryOutcome outcome;
    for (const char c : entered) {
        // A byte of a multi-byte character is never a digit nor a separator,
        // so the filter refuses it as it refuses the whole character.
        const int code = throughDecimalKey(static_cast<unsigned char>(c), input.fromKeypad, separator);
        if (code == backspaceCode || !accepted(loneZero, hasSeparator, code, separator)) return {};
        outcome.inserted += static_cast<char>(code);
        ++length;
        loneZero = length == 1 && code == '0';
        hasSeparator = hasSeparator || code == static_cast<unsigned char>(separator);
    }
    outcome.accepted = true;
    return outcome;
}

}  // namespace zeliro
