#include "search/elapsed_time.h"

#include <cmath>

namespace gears {

ElapsedTime splitElapsed(float seconds) {
  // A monotonic clock never goes back; anything else shows as 0, 0, 0
  // rather than negative or undefined hours.
  if (!(seconds >= 0) || !std::isfinite(seconds)) return {};
  const float h = std::floor(seconds / 3600.0f);
  const float m = std::floor((seconds - 3600.0f * h) / 60.0f);
  const float s = std::floor(seconds - 3600.0f * h - 60.0f * m);
  return {h, m, s};
}

}  // namespace gears
