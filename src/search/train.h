#pragma once
#include <array>

namespace gears {

// One accepted train: tooth counts in the order A, B, C, D (, E, F) and its
// ratio exactly as the search computed it.
template <int N>
struct Train {
  std::array<double, N> wheels;
  double ratio;
};

using Train4 = Train<4>;
using Train6 = Train<6>;

}  // namespace gears
