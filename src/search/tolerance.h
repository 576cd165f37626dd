#pragma once

namespace gears {

// The search tolerance: the deviation written with 15 significant digits and
// a point, then read back. Independent of the locale's decimal symbol.
double toleranceFromDeviation(double deviation);

}  // namespace gears
