#include "search/tolerance.h"

#include "common/decimal_reader.h"
#include "common/number_text.h"

namespace gears {

// Always through a point: with the locale's comma the reader would stop at
// the comma and turn a deviation of 0.001 into a tolerance of 0.
double toleranceFromDeviation(double deviation) { return readDecimal(doubleToText(deviation, ".")); }

}  // namespace gears
