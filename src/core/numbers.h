#pragma once
// Decimal-comma number rules shared by every calculation window.
//
// Text to number: a comma is the decimal separator, a full stop is a grouping
// sign and is ignored, blanks around the number are allowed, as are a leading
// sign and an exponent ("5E-06"). Anything else does not convert: the result is
// an empty optional, never a silent zero.
//
// Number to text: decimal comma, no grouping, no trailing zeros, at most 15
// significant digits for a double and 7 for a float, exponent form ("5E-06",
// "1,5E+15") from 1E15 up (1E7 for a float) and below 1E-5.
//
// Truncation to N decimals: scale by 10^N, round the product to 15 significant
// digits (7 for a float), drop the fraction toward zero, scale back.
//
// In English the decimal separator is a point, and a comma is no part of a
// number: "7,05" does not convert (rather than reading as 705, which a user
// used to the decimal comma would never notice). Everything else is the same.

#include <optional>
#include <string>
#include <string_view>

#include "core/language.h"

namespace zeliro {

// A number text taken apart: value = (negative ? -1 : 1) * digits * 10^exponent,
// digits without leading zeros ("" for zero).
struct DecimalText {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};
std::optional<DecimalText> scanDecimalText(std::string_view text, Language language = Language::italian);

std::optional<double> parseDouble(std::string_view text, Language language = Language::italian);
// The nearest single-precision value of the decimal text (7,05 -> 7.050000190734863).
std::optional<float> parseSingle(std::string_view text, Language language = Language::italian);

std::string formatDouble(double value, Language language = Language::italian);
std::string formatSingle(float value, Language language = Language::italian);

double truncateDecimals(double value, int decimals);
// The single-precision variant: the product value * 10^N is formed and rounded
// to 7 significant digits in single precision before the fraction is dropped.
float truncateSingle(float value, int decimals);

// value rounded to the given number of significant digits (1..17), exactly as
// its decimal text would read back.
double roundSignificant(double value, int digits);

// Tolerant equality for the plausibility tests that include equality: two
// values that differ by no more than one part in 100,000 of the larger count
// as equal, so that the rounding of single-precision field values never
// decides an equality that the typed numbers make exact (25 turns of 1,2 mm
// wire fill a 30 mm winding exactly; a second frequency typed equal to the
// first is equal).
bool nearlyEqual(double a, double b);
// a > b, or nearly equal to it.
bool notBelow(double a, double b);

}  // namespace zeliro
