#pragma once
// Collection searches: every ordered choice of four (six) different entries,
// in ascending order of entry numbers, duplicates being distinct wheels.
// values[k] is the tooth count of entry k+1 (already read by readDecimal).
// The output is exactly that of the literal availability-mark loops:
//   four wheels: ratio = ((A*C)/B)/D      six wheels: ratio = ((((C*A)*E)/B)/D)/F
// accepted when |r - ratio| <= t. Sink and Yield as in continuous_search.h;
// yield points: after each complete pass of every loop but the outermost.
#include <span>

#include "search/collection_engine.h"
#include "search/train.h"

namespace gears {

template <class Sink, class Yield>
bool searchCollection4(std::span<const double> values, double r, double t, Sink&& sink, Yield&& yield);

template <class Sink, class Yield>
bool searchCollection6(std::span<const double> values, double r, double t, Sink&& sink, Yield&& yield);

template <class Sink, class Yield>
bool searchCollection4(std::span<const double> values, double r, double t, Sink&& sink, Yield&& yield) {
  return detail::CollectionEngine<4, Sink, Yield>(values, r, t, sink, yield).run();
}

template <class Sink, class Yield>
bool searchCollection6(std::span<const double> values, double r, double t, Sink&& sink, Yield&& yield) {
  return detail::CollectionEngine<6, Sink, Yield>(values, r, t, sink, yield).run();
}

}  // namespace gears
