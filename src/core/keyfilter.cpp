#include "core/keyfilter.h"

namespace zeliro {

bool decimalKeyAccepted(std::string_view fieldText, int charCode) {
    if (fieldText == "0" && charCode >= '0') return false;
    if (charCode == commaCode && fieldText.find(',') != std::string_view::npos) return false;
    return (charCode >= '0' && charCode <= '9') || charCode == commaCode || charCode == backspaceCode;
}

}  // namespace zeliro
