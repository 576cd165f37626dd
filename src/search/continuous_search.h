#pragma once
// Continuous-series searches. The output (trains, their order, each ratio bit
// for bit) is exactly that of the literal loop nests
//   for A, B, C, D in lo..hi:          ratio = ((C*A)/B)/D
//   for A, B, C, D, E, F in lo..hi:    ratio = ((((C*A)*E)/B)/D)/F
// accepting a train when |r - ratio| <= t, but computed without trying every
// candidate.
//
// Sink:  bool(const Train<N>&)  called for every accepted train in order;
//        returning false stops the search.
// Yield: bool()  called at each yield point of the loops (after each complete
//        pass of every loop but the outermost); returning false stops it.
// Both return true when the search ran to its end, false when stopped.
#include "search/continuous_engine.h"
#include "search/train.h"

namespace gears {

template <class Sink, class Yield>
bool searchContinuous4(double r, double t, double lo, double hi, Sink&& sink, Yield&& yield);

template <class Sink, class Yield>
bool searchContinuous6(double r, double t, double lo, double hi, Sink&& sink, Yield&& yield);

// lo and hi are expected to be whole tooth counts with a short range between
// them; a range of more than 65536 counts (or one the loop could never leave,
// where lo + 1 == lo) is not searched and true is returned at once.

template <class Sink, class Yield>
bool searchContinuous4(double r, double t, double lo, double hi, Sink&& sink, Yield&& yield) {
  return detail::ContinuousEngine<4, Sink, Yield>(r, t, lo, hi, sink, yield).run();
}

template <class Sink, class Yield>
bool searchContinuous6(double r, double t, double lo, double hi, Sink&& sink, Yield&& yield) {
  return detail::ContinuousEngine<6, Sink, Yield>(r, t, lo, hi, sink, yield).run();
}

}  // namespace gears
