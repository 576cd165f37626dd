#pragma once
#include <string>
#include <string_view>

namespace gears {

// Number field of the results files: a blank (or the minus sign), the digits
// of doubleToText, one blank. " 20 ", " 0.5 ", "-3 ".
std::string printField(double value, std::string_view decimalSymbol = ".");
void appendPrintField(std::string& out, double value, std::string_view decimalSymbol = ".");

}  // namespace gears
