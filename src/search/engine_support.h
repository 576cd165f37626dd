#pragma once
// Helpers shared by the search engines (continuous_engine.h, collection_engine.h).
#include <cstdint>

namespace gears::detail {

// The fast paths bound every ratio without computing it. They hold only for
// tooth counts in this range (so that no product over- or underflows and every
// ratio of six wheels lies within [2^-72, 2^72]) and for at most this many
// wheels per loop (so that yield counts fit in 64 bits); anything else is
// searched candidate by candidate.
inline constexpr double kSmallestTooth = 0x1p-8;
inline constexpr double kLargestTooth = 0x1p16;
inline constexpr int kMostWheels = 4096;

// A continuous range is materialised as its list of tooth counts; one longer
// than this (or one that never ends, lo + 1 == lo) is not searched at all.
inline constexpr int kLongestRange = 1 << 16;

// Ratio bounds are clamped into [2^-100, 2^100]: beyond the reach of any ratio.
inline constexpr double kRatioFloor = 0x1p-100;
inline constexpr double kRatioCeiling = 0x1p100;

// Relative widening of every computed window. The approximate products used to
// place a window are off by a few units in the last place (about 1e-15); this
// slack dwarfs that, and each candidate inside is confirmed exactly anyway.
inline constexpr double kSlack = 1e-9;

// Calls the yield hook n times (the yield points of loops that were skipped).
template <class Yield>
inline bool yieldTimes(Yield& yield, std::uint64_t n) {
  for (; n != 0; --n) {
    if (!yield()) return false;
  }
  return true;
}

}  // namespace gears::detail
