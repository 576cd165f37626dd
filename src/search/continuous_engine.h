#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

#include "search/engine_support.h"
#include "search/ratio_windows.h"
#include "search/train.h"

namespace gears::detail {

// The continuous search over lo, lo + 1, ... <= hi for N = 4 or 6 wheels.
// Loops run in the literal order and call the hooks in the literal order, but
// each loop visits only the tooth counts whose window (RatioWindows) can still
// lead to an accepted train; the yield points of the loops it leaves out are
// called in a batch. The last wheel's window is confirmed train by train with
// the exact ratio and comparison.
template <int N, class Sink, class Yield>
class ContinuousEngine {
  static_assert(N == 4 || N == 6);

 public:
  ContinuousEngine(double r, double t, double lo, double hi, Sink& sink, Yield& yield)
      : r_(r), t_(t), lo_(lo), sink_(sink), yield_(yield) {
    // The tooth counts exactly as the loops step through them.
    for (double a = lo; a <= hi; a += 1) {
      if (tooth_.size() == static_cast<std::size_t>(kLongestRange)) {
        tooth_.clear();
        break;
      }
      tooth_.push_back(a);
    }
    count_ = static_cast<int>(tooth_.size());
    inverse_.resize(tooth_.size());
    fast_ = std::isfinite(r) && std::isfinite(t) && count_ > 0 && count_ <= kMostWheels &&
            tooth_.front() >= kSmallestTooth && tooth_.back() <= kLargestTooth;
    for (int i = 0; i < count_; ++i) {
      inverse_[static_cast<std::size_t>(i)] = 1 / tooth_[static_cast<std::size_t>(i)];
      // Windows are turned into positions as offsets from lo.
      if (tooth_[static_cast<std::size_t>(i)] != lo + i) fast_ = false;
    }
    if (!fast_) return;
    windows_ = RatioWindows<N>::make(r, t, tooth_.front(), tooth_.back());
    for (int j = N - 2; j >= 0; --j) skip_[j] = static_cast<std::uint64_t>(count_) * skip_[j + 1] + 1;
  }

  bool run() {
    if (count_ == 0) return true;
    if (!fast_) return level<0, true>(1, 1);
    if (windows_.none) return yieldTimes(yield_, static_cast<std::uint64_t>(count_) * skip_[0]);
    return level<0, false>(1, 1);
  }

 private:
  // Loop J (0 = A). p approximates the product so far (driving wheels
  // multiplied, driven ones divided) and q its inverse.
  template <int J, bool Exhaustive>
  bool level(double p, double q) {
    int first = 0;
    int last = count_ - 1;
    if constexpr (!Exhaustive) {
      const double base = J % 2 == 0 ? q : p;
      positions(base * windows_.low[J], base * windows_.high[J], first, last);
    }
    if constexpr (J == N - 1) {
      if (first <= last) {
        const double before = prefix();
        for (int i = first; i <= last; ++i) {
          const double wheel = tooth_[static_cast<std::size_t>(i)];
          const double ratio = before / wheel;
          if (std::fabs(r_ - ratio) <= t_ && !deliver(wheel, ratio)) return false;
        }
      }
    } else {
      if (!yieldTimes(yield_, static_cast<std::uint64_t>(first) * skip_[J])) return false;
      for (int i = first; i <= last; ++i) {
        const auto k = static_cast<std::size_t>(i);
        wheel_[J] = tooth_[k];
        const bool go = J % 2 == 0 ? level<J + 1, Exhaustive>(p * tooth_[k], q * inverse_[k])
                                   : level<J + 1, Exhaustive>(p * inverse_[k], q * tooth_[k]);
        if (!go) return false;
      }
      if (!yieldTimes(yield_, static_cast<std::uint64_t>(count_ - 1 - last) * skip_[J])) return false;
    }
    if constexpr (J > 0) {
      return yield_();
    } else {
      return true;
    }
  }

  // Positions first..last of the tooth counts inside [low, high]; first = count_
  // and last = count_ - 1 when there are none.
  void positions(double low, double high, int& first, int& last) const {
    const double top = count_ - 1;
    const double a = low - lo_;
    const double b = high - lo_;
    if (!(b >= 0) || !(a <= top)) {
      first = count_;
      last = count_ - 1;
      return;
    }
    if (a <= 0) {
      first = 0;
    } else {
      first = static_cast<int>(a);
      if (first < a) ++first;
    }
    last = b >= top ? count_ - 1 : static_cast<int>(b);
    if (first > last) {
      first = count_;
      last = count_ - 1;
    }
  }

  // The ratio's value before its last division, in the literal order.
  double prefix() const {
    if constexpr (N == 4) {
      return (wheel_[2] * wheel_[0]) / wheel_[1];
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

  double r_;
  double t_;
  double lo_;
  std::vector<double> tooth_;
  std::vector<double> inverse_;
  int count_ = 0;
  bool fast_ = false;
  RatioWindows<N> windows_;
  std::uint64_t skip_[N]{};  // yield points inside one turn of loop J
  double wheel_[N]{};
  Sink& sink_;
  Yield& yield_;
};

}  // namespace gears::detail
