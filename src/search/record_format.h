#pragma once
#include <string>
#include <string_view>

namespace gears {

// Results-file record: each value in the print-statement format, ";" alone
// between them, no line end: " 20 ; 21 ; 21 ; 20 ; 1 ".
// decimalSymbol: the bytes of the locale's symbol in Windows-1252.
void appendRecord(std::string& out, const double* wheels, int count, double ratio, std::string_view decimalSymbol);

// On-screen list line, UTF-8, no line end: four wheels "A\tB\tC\tD\t\t\tratio",
// six wheels "A\tB\tC\tD\tE\tF\tratio".
std::string listLine(const double* wheels, int count, double ratio, std::string_view decimalSymbol);

// A solution is listed while the count (after counting it) is below limit + 1;
// compared in double precision, any limit works (0, negative, -1e300).
inline bool isListed(double count, double limit) { return count < limit + 1; }

}  // namespace gears
