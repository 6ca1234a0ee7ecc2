#include "core/keyfilter.h"

namespace zeliro {

bool decimalKeyAccepted(std::string_view fieldText, int charCode, char separator) {
    const int separatorCode = static_cast<unsigned char>(separator);
    if (fieldText == "0" && charCode >= '0') return false;
    if (charCode == separatorCode && fieldText.find(separator) != std::string_view::npos) return false;
    return (charCode >= '0' && charCode <= '9') || charCode == separatorCode || charCode == backspaceCode;
}

std::optional<int> decimalFieldKey(std::string_view fieldText, int charCode, bool fromKeypad,
                                   char separator) {
    const bool decimalKey = charCode == fullStopCode || (fromKeypad && charCode == commaCode);
    const int code = decimalKey ? static_cast<unsigned char>(separator) : charCode;
    if (!decimalKeyAccepted(fieldText, code, separator)) return std::nullopt;
    return code;
}

FieldEntryOutcome decimalFieldEntry(const FieldEntryInput& input) {
    std::string_view entered = input.entered;
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = entered.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    entered = entered.substr(first, entered.find_last_not_of(blanks) - first + 1);

    std::string before(input.before);
    FieldEntryOutcome outcome;
    for (const char c : entered) {
        // A byte of a multi-byte character is never a digit nor a separator,
        // so the filter refuses it as it refuses the whole character.
        const int code = static_cast<unsigned char>(c);
        std::string whole = before;
        whole += input.after;
        const std::optional<int> passed = decimalFieldKey(whole, code, input.fromKeypad, input.separator);
        if (!passed || *passed == backspaceCode) return {};
        before += static_cast<char>(*passed);
        outcome.inserted += static_cast<char>(*passed);
    }
    outcome.accepted = true;
    return outcome;
}

}  // namespace zeliro
