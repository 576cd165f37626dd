#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <span>
#include <vector>

#include "search/engine_support.h"
#include "search/ratio_windows.h"
#include "search/train.h"

namespace gears::detail {

// The collection search for N = 4 or 6 wheels: every ordered choice of N
// different entries in ascending order of entry numbers. Each loop runs over
// the entries in order, skipping the ones taken by the loops outside it, and
// enters only entries whose value lies in its window (RatioWindows); the yield
// points of the loops it leaves out are called in a batch. The last wheel is
// looked up in a value-sorted table, its candidates put back in entry order
// and confirmed with the exact ratio and comparison.
template <int N, class Sink, class Yield>
class CollectionEngine {
  static_assert(N == 4 || N == 6);

 public:
  CollectionEngine(std::span<const double> values, double r, double t, Sink& sink, Yield& yield)
      : r_(r),
        t_(t),
        tooth_(values.begin(), values.end()),
        count_(static_cast<int>(values.size())),
        used_(values.size(), 0),
        sink_(sink),
        yield_(yield) {
    fast_ = std::isfinite(r) && std::isfinite(t) && count_ > 0 && count_ <= kMostWheels &&
            std::all_of(tooth_.begin(), tooth_.end(),
                        [](double v) { return v >= kSmallestTooth && v <= kLargestTooth; });
    if (!fast_) return;
    smallest_ = *std::min_element(tooth_.begin(), tooth_.end());
    largest_ = *std::max_element(tooth_.begin(), tooth_.end());
    windows_ = RatioWindows<N>::make(r, t, smallest_, largest_);
    for (int j = N - 2; j >= 0; --j) {
      const auto free = static_cast<std::uint64_t>(std::max(count_ - j - 1, 0));
      skip_[j] = free * skip_[j + 1] + 1;
    }
    inverse_.resize(tooth_.size());
    for (std::size_t e = 0; e < tooth_.size(); ++e) inverse_[e] = 1 / tooth_[e];

    // Entries by value (then by entry number), and for each whole k the first
    // of them whose value is at least k.
    sortedEntry_.resize(tooth_.size());
    std::iota(sortedEntry_.begin(), sortedEntry_.end(), 0);
    std::stable_sort(sortedEntry_.begin(), sortedEntry_.end(),
                     [this](int a, int b) { return tooth_[index(a)] < tooth_[index(b)]; });
    sortedTooth_.resize(tooth_.size());
    for (std::size_t s = 0; s < tooth_.size(); ++s) sortedTooth_[s] = tooth_[index(sortedEntry_[s])];
    const auto buckets = static_cast<std::size_t>(largest_) + 2;
    firstAtLeast_.resize(buckets);
    for (std::size_t k = 0; k < buckets; ++k) {
      firstAtLeast_[k] = static_cast<int>(
          std::lower_bound(sortedTooth_.begin(), sortedTooth_.end(), static_cast<double>(k)) - sortedTooth_.begin());
    }
  }

  bool run() {
    if (count_ == 0) return true;
    if (!fast_) return level<0, true>(1, 1);
    if (windows_.none) return yieldTimes(yield_, static_cast<std::uint64_t>(count_) * skip_[0]);
    return level<0, false>(1, 1);
  }

 private:
  static std::size_t index(int e) { return static_cast<std::size_t>(e); }

  // Loop J (0 = A). p approximates the product so far (driving wheels
  // multiplied, driven ones divided) and q its inverse.
  template <int J, bool Exhaustive>
  bool level(double p, double q) {
    if constexpr (J == N - 1) {
      if (!lastWheel<Exhaustive>(p)) return false;
    } else {
      double low = 0;
      double high = 0;
      if constexpr (!Exhaustive) {
        const double base = J % 2 == 0 ? q : p;
        low = base * windows_.low[J];
        high = base * windows_.high[J];
      }
      for (int e = 0; e < count_; ++e) {
        const std::size_t k = index(e);
        if (used_[k] != 0) continue;
        const double wheel = tooth_[k];
        if (Exhaustive || (wheel >= low && wheel <= high)) {
          used_[k] = 1;
          wheel_[J] = wheel;
          const bool go = J % 2 == 0 ? level<J + 1, Exhaustive>(p * wheel, q * inverse(k))
                                     : level<J + 1, Exhaustive>(p * inverse(k), q * wheel);
          used_[k] = 0;
          if (!go) return false;
        } else if (!yieldTimes(yield_, skip_[J])) {
          return false;
        }
      }
    }
    if constexpr (J > 0) {
      return yield_();
    } else {
      return true;
    }
  }

  double inverse(std::size_t k) const { return inverse_.empty() ? 0 : inverse_[k]; }

  template <bool Exhaustive>
  bool lastWheel(double p) {
    if constexpr (Exhaustive) {
      return confirmFree<false>(0, 0);
    } else {
      const double low = p * windows_.low[N - 1];
      const double high = p * windows_.high[N - 1];
      if (high < smallest_ || low > largest_) return true;
      int from = firstAtLeast_[low <= 0 ? 0 : static_cast<std::size_t>(low)];
      while (from < count_ && sortedTooth_[index(from)] < low) ++from;
      int to = from;
      while (to < count_ && sortedTooth_[index(to)] <= high) ++to;
      if (to - from > kFewCandidates) return confirmFree<true>(low, high);
      // Few candidates: put the free ones in entry order.
      int candidate[kFewCandidates];
      int found = 0;
      for (int s = from; s < to; ++s) {
        const int e = sortedEntry_[index(s)];
        if (used_[index(e)] != 0) continue;
        int at = found++;
        for (; at > 0 && candidate[at - 1] > e; --at) candidate[at] = candidate[at - 1];
        candidate[at] = e;
      }
      if (found == 0) return true;
      const double before = prefix();
      for (int c = 0; c < found; ++c) {
        const double wheel = tooth_[index(candidate[c])];
        const double ratio = before / wheel;
        if (std::fabs(r_ - ratio) <= t_ && !deliver(wheel, ratio)) return false;
      }
      return true;
    }
  }

  // Every free entry (with a value in [low, high] when Within), in entry order.
  template <bool Within>
  bool confirmFree(double low, double high) {
    const double before = prefix();
    for (int e = 0; e < count_; ++e) {
      const std::size_t k = index(e);
      const double wheel = tooth_[k];
      if (used_[k] != 0) continue;
      if (Within && !(wheel >= low && wheel <= high)) continue;
      const double ratio = before / wheel;
      if (std::fabs(r_ - ratio) <= t_ && !deliver(wheel, ratio)) return false;
    }
    return true;
  }

  // The ratio's value before its last division, in the literal order.
  double prefix() const {
    if constexpr (N == 4) {
      return (wheel_[0] * wheel_[2]) / wheel_[1];
    } else {
      return (((wheel_[2] * wheel_[0]) * wheel_[4]) / wheel_[1]) / wheel_[3];
    }
  }

  bool deliver(double lastWheel, double ratio) {
    Train<N> train;
    for (int j = 0; j < N - 1; ++j) train.wheels[static_cast<std::size_t>(j)] = wheel_[j];
    train.wheels[N - 1] = lastWheel;
    train.ratio = ratio;
    return sink_(static_cast<const Train<N>&>(train));
  }

  static constexpr int kFewCandidates = 16;

  double r_;
  double t_;
  std::vector<double> tooth_;
  int count_;
  std::vector<unsigned char> used_;  // taken by an outer loop
  bool fast_ = false;
  double smallest_ = 0;
  double largest_ = 0;
  RatioWindows<N> windows_;
  std::uint64_t skip_[N]{};  // yield points inside one turn of loop J
  std::vector<double> inverse_;
  std::vector<int> sortedEntry_;
  std::vector<double> sortedTooth_;
  std::vector<int> firstAtLeast_;
  double wheel_[N]{};
  Sink& sink_;
  Yield& yield_;
};

}  // namespace gears::detail
