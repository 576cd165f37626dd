#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace gears {

// Shortest text of a value with at most 15 (double) or 7 (single) significant
// digits: no trailing zeros, no thousands separators, "0" before the decimal
// symbol below 1, whole values without a decimal symbol, "-" for negatives.
// decimalSymbol is UTF-8 (the window passes the locale's symbol).
std::string doubleToText(double value, std::string_view decimalSymbol = ".");
std::string singleToText(float value, std::string_view decimalSymbol = ".");

// Appends the same text as doubleToText, without allocating.
void appendDoubleText(std::string& out, double value, std::string_view decimalSymbol = ".");

// Writes the same text as doubleToText at out, which must have room for
// kMaxDoubleText bytes plus the symbol's size; returns its length.
inline constexpr std::size_t kMaxDoubleText = 40;
std::size_t writeDoubleText(char* out, double value, std::string_view decimalSymbol = ".");

// The general conversion alone (to_chars with a precision), which the fast
// path must match byte for byte; for tests and benchmarks.
std::string referenceDoubleText(double value, std::string_view decimalSymbol = ".");

}  // namespace gears
