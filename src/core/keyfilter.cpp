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

}  // namespace zeliro
