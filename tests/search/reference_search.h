#pragma once
// The searches written as plain loop nests: every candidate is evaluated in
// order. These define the answer the engines must reproduce bit for bit
// (trains, ratios, order, and the yields between loop passes).
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "search/train.h"

namespace gears::reference {

template <class Sink, class Yield>
bool searchContinuous4(double r, double t, double lo, double hi, Sink&& sink, Yield&& yield) {
  for (double A = lo; A <= hi; A += 1) {
    for (double B = lo; B <= hi; B += 1) {
      for (double C = lo; C <= hi; C += 1) {
        for (double D = lo; D <= hi; D += 1) {
          const double ratio = ((C * A) / B) / D;
          if (std::fabs(r - ratio) <= t) {
            if (!sink(Train4{{A, B, C, D}, ratio})) return false;
          }
        }
        if (!yield()) return false;
      }
      if (!yield()) return false;
    }
    if (!yield()) return false;
  }
  return true;
}

template <class Sink, class Yield>
bool searchContinuous6(double r, double t, double lo, double hi, Sink&& sink, Yield&& yield) {
  for (double A = lo; A <= hi; A += 1) {
    for (double B = lo; B <= hi; B += 1) {
      for (double C = lo; C <= hi; C += 1) {
        for (double D = lo; D <= hi; D += 1) {
          for (double E = lo; E <= hi; E += 1) {
            for (double F = lo; F <= hi; F += 1) {
              const double ratio = ((((C * A) * E) / B) / D) / F;
              if (std::fabs(r - ratio) <= t) {
                if (!sink(Train6{{A, B, C, D, E, F}, ratio})) return false;
              }
            }
            if (!yield()) return false;
          }
          if (!yield()) return false;
        }
        if (!yield()) return false;
      }
      if (!yield()) return false;
    }
    if (!yield()) return false;
  }
  return true;
}

// Availability marks: one row per train position, one column per entry.
// A position may take an entry only while the entry's mark is 1 in its own
// row and in every row above it; taking an entry clears its marks in the
// deeper rows, and a position's row is filled again when its loop ends.
class AvailabilityMarks {
 public:
  AvailabilityMarks(int positions, std::size_t entries)
      : positions_(static_cast<std::size_t>(positions)), entries_(entries), marks_(positions_ * entries, 1) {}

  bool available(int position, std::size_t entry) const {
    for (std::size_t row = 0; row <= static_cast<std::size_t>(position); ++row) {
      if (marks_[row * entries_ + entry] == 0) return false;
    }
    return true;
  }
  void take(int position, std::size_t entry) {
    for (std::size_t row = static_cast<std::size_t>(position) + 1; row < positions_; ++row) {
      marks_[row * entries_ + entry] = 0;
    }
  }
  void refill(int position) {
    const auto first = marks_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(position) * entries_);
    std::fill(first, first + static_cast<std::ptrdiff_t>(entries_), static_cast<unsigned char>(1));
  }

 private:
  std::size_t positions_;
  std::size_t entries_;
  std::vector<unsigned char> marks_;
};

template <class Sink, class Yield>
bool searchCollection4(std::span<const double> values, double r, double t, Sink&& sink, Yield&& yield) {
  const std::size_t n = values.size();
  AvailabilityMarks marks(4, n);
  for (std::size_t a = 0; a < n; ++a) {
    if (!marks.available(0, a)) continue;
    marks.take(0, a);
    for (std::size_t b = 0; b < n; ++b) {
      if (!marks.available(1, b)) continue;
      marks.take(1, b);
      for (std::size_t c = 0; c < n; ++c) {
        if (!marks.available(2, c)) continue;
        marks.take(2, c);
        for (std::size_t d = 0; d < n; ++d) {
          if (!marks.available(3, d)) continue;
          const double A = values[a], B = values[b], C = values[c], D = values[d];
          const double ratio = ((A * C) / B) / D;
          if (std::fabs(r - ratio) <= t) {
            if (!sink(Train4{{A, B, C, D}, ratio})) return false;
          }
        }
        marks.refill(3);
        if (!yield()) return false;
      }
      marks.refill(2);
      if (!yield()) return false;
    }
    marks.refill(1);
    if (!yield()) return false;
  }
  marks.refill(0);
  return true;
}

template <class Sink, class Yield>
bool searchCollection6(std::span<const double> values, double r, double t, Sink&& sink, Yield&& yield) {
  const std::size_t n = values.size();
  AvailabilityMarks marks(6, n);
  for (std::size_t a = 0; a < n; ++a) {
    if (!marks.available(0, a)) continue;
    marks.take(0, a);
    for (std::size_t b = 0; b < n; ++b) {
      if (!marks.available(1, b)) continue;
      marks.take(1, b);
      for (std::size_t c = 0; c < n; ++c) {
        if (!marks.available(2, c)) continue;
        marks.take(2, c);
        for (std::size_t d = 0; d < n; ++d) {
          if (!marks.available(3, d)) continue;
          marks.take(3, d);
          for (std::size_t e = 0; e < n; ++e) {
            if (!marks.available(4, e)) continue;
            marks.take(4, e);
            for (std::size_t f = 0; f < n; ++f) {
              if (!marks.available(5, f)) continue;
              const double A = values[a], B = values[b], C = values[c];
              const double D = values[d], E = values[e], F = values[f];
              const double ratio = ((((C * A) * E) / B) / D) / F;
              if (std::fabs(r - ratio) <= t) {
                if (!sink(Train6{{A, B, C, D, E, F}, ratio})) return false;
              }
            }
            marks.refill(5);
            if (!yield()) return false;
          }
          marks.refill(4);
          if (!yield()) return false;
        }
        marks.refill(3);
        if (!yield()) return false;
      }
      marks.refill(2);
      if (!yield()) return false;
    }
    marks.refill(1);
    if (!yield()) return false;
  }
  marks.refill(0);
  return true;
}

// Records the whole output of a search: every train, how many yields came
// before it, the yields in all, and any call made after a hook said stop.
// A stop can be requested after a number of trains or of yields.
template <int N>
struct Trace {
  std::vector<Train<N>> trains;
  std::vector<std::uint64_t> yieldsBefore;
  std::uint64_t yields = 0;
  std::uint64_t callsAfterStop = 0;
  bool stopped = false;
  std::uint64_t stopAfterTrains = UINT64_MAX;
  std::uint64_t stopAfterYields = UINT64_MAX;

  auto sink() {
    return [this](const Train<N>& train) {
      if (stopped) ++callsAfterStop;
      trains.push_back(train);
      yieldsBefore.push_back(yields);
      if (trains.size() >= stopAfterTrains) stopped = true;
      return !stopped;
    };
  }
  auto yield() {
    return [this] {
      if (stopped) ++callsAfterStop;
      ++yields;
      if (yields >= stopAfterYields) stopped = true;
      return !stopped;
    };
  }
};

// Where two outputs part: "" when they have the same trains (wheels and
// ratio bit for bit) with the same yields between them, and the same end.
template <int N>
std::string firstDifference(const Trace<N>& a, const Trace<N>& b) {
  const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
  const std::size_t common = std::min(a.trains.size(), b.trains.size());
  for (std::size_t i = 0; i < common; ++i) {
    bool same = bits(a.trains[i].ratio) == bits(b.trains[i].ratio) && a.yieldsBefore[i] == b.yieldsBefore[i];
    for (std::size_t j = 0; j < static_cast<std::size_t>(N); ++j) {
      same = same && bits(a.trains[i].wheels[j]) == bits(b.trains[i].wheels[j]);
    }
    if (!same) return "train " + std::to_string(i) + " differs";
  }
  if (a.trains.size() != b.trains.size()) {
    return "train counts " + std::to_string(a.trains.size()) + " and " + std::to_string(b.trains.size());
  }
  if (a.yields != b.yields) return "yield counts " + std::to_string(a.yields) + " and " + std::to_string(b.yields);
  if (a.callsAfterStop != b.callsAfterStop) return "calls after a stop differ";
  return "";
}

}  // namespace gears::reference
