#pragma once
#include <algorithm>

#include "search/accept_band.h"
#include "search/engine_support.h"

namespace gears::detail {

// For a train of N wheels, A C E driving (even positions) and B D F driven
// (odd positions), with every tooth count in [smallest, largest]: the range of
// values that the wheel at position j can take and still let the finished
// train reach the accepted band.
//   driving wheel j: [q * low[j], q * high[j]], q = 1 / (product so far)
//   driven wheel j:  [p * low[j], p * high[j]], p = product so far
// where the product so far multiplies the driving and divides by the driven
// wheels chosen before j. The windows are widened by kSlack, so any product
// accurate to a few units in the last place keeps them safe.
template <int N>
struct RatioWindows {
  bool none = true;  // no train can be accepted at all
  double low[N]{};
  double high[N]{};

  static RatioWindows make(double r, double t, double smallest, double largest) {
    RatioWindows w;
    const AcceptBand band = AcceptBand::of(r, t);
    if (band.empty || band.hi < kRatioFloor || band.lo > kRatioCeiling) return w;
    const double bandLo = std::max(band.lo, kRatioFloor);
    const double bandHi = std::min(band.hi, kRatioCeiling);
    for (int j = 0; j < N; ++j) {
      // Range of the factor that the wheels after j can still contribute.
      double restMin = 1, restMax = 1;
      for (int k = j + 1; k < N; ++k) {
        if (k % 2 == 0) {
          restMin *= smallest;
          restMax *= largest;
        } else {
          restMin /= largest;
          restMax /= smallest;
        }
      }
      if (j % 2 == 0) {
        w.low[j] = bandLo / restMax * (1 - kSlack);
        w.high[j] = bandHi / restMin * (1 + kSlack);
      } else {
        w.low[j] = restMin / bandHi * (1 - kSlack);
        w.high[j] = restMax / bandLo * (1 + kSlack);
      }
    }
    w.none = false;
    return w;
  }
};

}  // namespace gears::detail
