#pragma once
// The key filter of every decimal-comma input field: given the field's whole
// text and the character code of a typed key, tells whether the key may reach
// the field. Digits, one comma and Backspace pass; a digit (or any code from
// 48 up) typed into a field holding exactly "0" does not; nothing else does.

#include <string_view>

namespace zeliro {

constexpr int backspaceCode = 8;
constexpr int commaCode = 44;

bool decimalKeyAccepted(std::string_view fieldText, int charCode);

}  // namespace zeliro
