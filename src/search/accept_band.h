#pragma once
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace gears::detail {

// The doubles y accepted by fabs(r - y) <= t. Rounded subtraction is monotone,
// so they form one interval [lo, hi] of doubles: a ratio below lo or above hi
// is certainly refused, one inside it certainly accepted.
struct AcceptBand {
  bool empty = true;
  double lo = 0;
  double hi = 0;

  // Double -> unsigned key with the same order (for bisection over doubles).
  static std::uint64_t key(double y) {
    const auto u = std::bit_cast<std::uint64_t>(y);
    return (u >> 63) != 0 ? ~u : (u | kSign);
  }
  static double fromKey(std::uint64_t k) { return std::bit_cast<double>((k >> 63) != 0 ? (k & ~kSign) : ~k); }

  // r and t finite. Empty when t < 0.
  static AcceptBand of(double r, double t) {
    AcceptBand band;
    if (!(t >= 0)) return band;
    const auto accepted = [r, t](std::uint64_t k) { return std::fabs(r - fromKey(k)) <= t; };
    // r itself is accepted; bisect for the last accepted double above it
    // and the first one below it.
    std::uint64_t in = key(r), out = key(DBL_MAX);
    if (accepted(out)) {
      in = out;
    } else {
      while (out - in > 1) {
        const std::uint64_t mid = in + (out - in) / 2;
        (accepted(mid) ? in : out) = mid;
      }
    }
    band.hi = fromKey(in);
    in = key(r);
    out = key(-DBL_MAX);
    if (accepted(out)) {
      in = out;
    } else {
      while (in - out > 1) {
        const std::uint64_t mid = out + (in - out) / 2;
        (accepted(mid) ? in : out) = mid;
      }
    }
    band.lo = fromKey(in);
    band.empty = false;
    return band;
  }

 private:
  static constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
};

}  // namespace gears::detail
