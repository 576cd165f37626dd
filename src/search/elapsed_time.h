#pragma once

namespace gears {

struct ElapsedTime {
  float hours = 0;
  float minutes = 0;
  float seconds = 0;
};

// Splits a single-precision duration in seconds: H = floor(e/3600),
// M = floor((e - 3600H)/60), S = floor(e - 3600H - 60M). 3725.5 gives 1, 2, 5.
ElapsedTime splitElapsed(float seconds);

}  // namespace gears
