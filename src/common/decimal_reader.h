#pragma once
#include <string_view>

namespace gears {

// Reads the leading number of a text, whatever the user's locale:
// blanks, tabs and line feeds are skipped wherever they stand ("1 2" reads 12);
// optional sign; digits with at most one point; exponent with E or D;
// &H hexadecimal and &O octal whole numbers. Reading stops at the first
// character that cannot continue the number ("0,5" reads 0, "40 dents" reads 40).
// A text without a number reads 0. Overflow reads as +/-infinity, underflow as 0.
double readDecimal(std::string_view text);

}  // namespace gears
