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
#include <string>
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

// What a paste (or a dropped text) puts into a field. The field is given as the text
// before and after the spot the entry goes to, a selection already taken out:
// a key replaces the selection, so the rules look at the text as the key would
// leave it ("0" all selected, then 7, gives "7").
struct FieldEntryInput {
    std::string_view before;
    std::string_view after;
    std::string_view entered;  // one typed character, or a whole pasted text, in UTF-8
    bool fromKeypad = false;
    char separator = ',';
};

struct FieldEntryOutcome {
    bool accepted = false;
    std::string inserted;  // what goes in at the spot, the decimal key made the separator
};

// Each character goes through the key filter in turn, as if typed at the spot
// (the full stop as the decimal key).
// One refused character refuses the whole entry, so that a paste goes in whole
// or not at all. A pasted text loses the blanks and line ends around it.
FieldEntryOutcome decimalFieldEntry(const FieldEntryInput& input);

}  // namespace zeliro
