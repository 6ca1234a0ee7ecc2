#pragma once
// The key filter of every decimal-comma input field: given the field's whole
// text and the character code of a typed key, tells whether the key may reach
// the field. Digits, one decimal separator and Backspace pass; a digit (or any
// code from 48 up) typed into a field holding exactly "0" does not; nothing
// else does. The separator is the comma; the language decides it, so it is
// data here.
//
// The decimal key: the full stop of the main keyboard and the keypad's
// decimal key (a full stop or a comma, as the keyboard layout has it) stand
// for the separator, so that "7.05" typed out of habit gives 7,05 instead of
// a field holding 705.

#include <optional>
#include <string_view>

namespace zeliro {

constexpr int backspaceCode = 8;
constexpr int commaCode = 44;
constexpr int fullStopCode = 46;

bool decimalKeyAccepted(std::string_view fieldText, int charCode, char separator = ',');

// The character code that a typed key puts into the field (the separator for
// the decimal key), or nothing when the key filter refuses it.
std::optional<int> decimalFieldKey(std::string_view fieldText, int charCode, bool fromKeypad,
                                   char separator = ',');

}  // namespace zeliro
