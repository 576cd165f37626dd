#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "reference_search.h"
#include "search/continuous_search.h"

namespace gears {
namespace {

using reference::Trace;

constexpr std::uint64_t kNever = UINT64_MAX;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <int N>
struct Outcome {
  Trace<N> trace;
  bool finished = false;
};

template <int N, bool Engine>
Outcome<N> run(double r, double t, double lo, double hi, std::uint64_t stopTrains = kNever,
               std::uint64_t stopYields = kNever) {
  Outcome<N> out;
  out.trace.stopAfterTrains = stopTrains;
  out.trace.stopAfterYields = stopYields;
  if constexpr (N == 4 && Engine) {
    out.finished = gears::searchContinuous4(r, t, lo, hi, out.trace.sink(), out.trace.yield());
  } else if constexpr (N == 4) {
    out.finished = reference::searchContinuous4(r, t, lo, hi, out.trace.sink(), out.trace.yield());
  } else if constexpr (Engine) {
    out.finished = gears::searchContinuous6(r, t, lo, hi, out.trace.sink(), out.trace.yield());
  } else {
    out.finished = reference::searchContinuous6(r, t, lo, hi, out.trace.sink(), out.trace.yield());
  }
  return out;
}

std::string describe(double r, double t, double lo, double hi) {
  std::ostringstream s;
  s.precision(17);
  s << "r=" << r << " t=" << t << " lo=" << lo << " hi=" << hi;
  return s.str();
}

// Runs engine and loops alike and returns the engine's outcome.
template <int N>
Outcome<N> expectSameAsLoops(double r, double t, double lo, double hi, std::uint64_t stopTrains = kNever,
                             std::uint64_t stopYields = kNever) {
  Outcome<N> engine = run<N, true>(r, t, lo, hi, stopTrains, stopYields);
  const Outcome<N> loops = run<N, false>(r, t, lo, hi, stopTrains, stopYields);
  EXPECT_EQ(reference::firstDifference(engine.trace, loops.trace), "") << N << " wheels " << describe(r, t, lo, hi);
  EXPECT_EQ(engine.finished, loops.finished) << describe(r, t, lo, hi);
  return engine;
}

template <int N>
double ratioOf(const std::array<double, N>& w) {
  if constexpr (N == 4) {
    return ((w[2] * w[0]) / w[1]) / w[3];
  } else {
    return ((((w[2] * w[0]) * w[4]) / w[1]) / w[3]) / w[5];
  }
}

// Random requests around the trains of lo..hi: exact hits, distances equal to
// the tolerance (or one step short of it), wide and negative tolerances,
// requests whose band reaches below zero.
template <int N>
struct RequestMaker {
  std::mt19937_64& rng;
  double lo;
  double hi;

  double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); }
  double someRatio() {
    std::array<double, N> w{};
    const auto m = static_cast<int>(hi - lo);
    for (auto& x : w) x = lo + std::uniform_int_distribution<int>(0, m)(rng);
    return ratioOf<N>(w);
  }
  // The smallest non-zero distance from r to the ratio of one of a few
  // random trains: a tolerance that puts a train exactly on the band's edge.
  double nearestDistance(double r) {
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < 300; ++i) {
      const double d = std::fabs(r - someRatio());
      if (d > 0 && d < best) best = d;
    }
    return best == std::numeric_limits<double>::max() ? 0.0 : best;
  }
  std::pair<double, double> make(int mode) {
    switch (mode) {
      case 0:
        return {someRatio(), 0.0};
      case 1: {
        const double r = someRatio();
        return {r, nearestDistance(r)};
      }
      case 2: {
        const double r = someRatio() * uniform(0.999, 1.001);
        return {r, nearestDistance(r)};
      }
      case 3: {
        const double r = someRatio();
        return {r, std::nextafter(nearestDistance(r), 0.0)};
      }
      case 4:
        return {someRatio() * uniform(0.99, 1.01), std::pow(10.0, uniform(-9, -2))};
      case 5: {
        // One step off an exact ratio, tolerance of a few subnormal steps.
        const double r = std::nextafter(someRatio(), uniform(0, 1) < 0.5 ? 0.0 : 10.0);
        return {r, std::numeric_limits<double>::denorm_min() * std::uniform_int_distribution<int>(0, 3)(rng)};
      }
      case 6: {
        const double r = uniform(0.0, 0.3) * someRatio();
        return {r, r + uniform(0.0, 0.2) * someRatio()};
      }
      case 7: {
        const double r = someRatio();
        return {r, -uniform(0.0, 1.0)};
      }
      case 8:
        return {-uniform(0.0, 2.0), uniform(0.0, 3.0)};
      default:
        return {uniform(0.0, 3.0), uniform(0.0, 0.05)};
    }
  }
};

constexpr int kModes = 10;

// Modes whose band may take in a large share of all trains: kept to short
// ranges so that the recorded outputs stay small.
bool wideMode(int mode) { return mode == 6 || mode == 8 || mode == 9; }

TEST(EngineContinuous, FourWheelsMatchTheLoopsOnRandomRequests) {
  std::mt19937_64 rng(20240611);
  for (int round = 0; round < 1500; ++round) {
    const double lo = std::uniform_int_distribution<int>(3, 60)(rng);
    const double hi = lo + std::uniform_int_distribution<int>(0, wideMode(round % kModes) ? 14 : 25)(rng);
    RequestMaker<4> maker{rng, lo, hi};
    const auto [r, t] = maker.make(round % kModes);
    expectSameAsLoops<4>(r, t, lo, hi);
  }
}

TEST(EngineContinuous, SixWheelsMatchTheLoopsOnRandomRequests) {
  std::mt19937_64 rng(77031);
  for (int round = 0; round < 400; ++round) {
    const double lo = std::uniform_int_distribution<int>(3, 40)(rng);
    const double hi = lo + std::uniform_int_distribution<int>(0, wideMode(round % kModes) ? 6 : 12)(rng);
    RequestMaker<6> maker{rng, lo, hi};
    const auto [r, t] = maker.make(round % kModes);
    expectSameAsLoops<6>(r, t, lo, hi);
  }
}

// Every train accepted, and wheels at the top of the allowed range.
TEST(EngineContinuous, WideTolerancesAndLargeWheelsMatchTheLoops) {
  std::mt19937_64 rng(5150);
  for (int round = 0; round < 20; ++round) {
    const double lo = std::uniform_int_distribution<int>(3, 390)(rng);
    const double hi4 = lo + std::uniform_int_distribution<int>(0, 12)(rng);
    const double hi6 = lo + std::uniform_int_distribution<int>(0, 5)(rng);
    const double r = std::uniform_real_distribution<double>(0.5, 2.0)(rng);
    expectSameAsLoops<4>(r, 1e6, lo, hi4);
    expectSameAsLoops<6>(r, 1e6, lo, hi6);
    expectSameAsLoops<4>(r, 0.01, lo, lo + 25);
  }
}

struct OddInput {
  const char* name;
  double r;
  double t;
  double lo;
  double hi;
};

void PrintTo(const OddInput& c, std::ostream* os) { *os << c.name; }

class EngineContinuousOddInputs : public testing::TestWithParam<OddInput> {};

// Inputs the window's checks never let through still give the loops' output.
TEST_P(EngineContinuousOddInputs, MatchTheLoops) {
  const OddInput& c = GetParam();
  expectSameAsLoops<4>(c.r, c.t, c.lo, c.hi);
  expectSameAsLoops<6>(c.r, c.t, c.lo, c.hi - (c.hi - c.lo) / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EngineContinuousOddInputs,
    testing::Values(OddInput{"empty range", 1, 1, 21, 20}, OddInput{"single count", 1, 0, 20, 20},
                    OddInput{"half counts", 1, 0.01, 3.5, 12.5}, OddInput{"non-whole start", 1, 0.01, 0.1, 9},
                    OddInput{"zero wheel", 1, 0.5, 0, 6}, OddInput{"negative wheels", 1, 0.5, -3, 4},
                    OddInput{"NaN ratio", kNaN, 1, 3, 10}, OddInput{"NaN tolerance", 1, kNaN, 3, 10},
                    OddInput{"infinite tolerance", 1, kInf, 3, 8}, OddInput{"infinite ratio", kInf, 1e300, 3, 8},
                    OddInput{"huge ratio", 1e300, 1e290, 3, 12}, OddInput{"tiny ratio", 1e-300, 1e-301, 3, 12},
                    OddInput{"huge tolerance", 1, 1e308, 3, 9}, OddInput{"NaN range", 1, 1, kNaN, 10},
                    OddInput{"large non-whole", 0.9, 0.001, 70000.25, 70008.25}));

TEST(EngineContinuous, RangeThatNeverEndsIsRefused) {
  Trace<4> trace;
  EXPECT_TRUE(gears::searchContinuous4(1, 1, 1e20, 2e20, trace.sink(), trace.yield()));
  EXPECT_TRUE(trace.trains.empty());
  EXPECT_EQ(trace.yields, 0u);
}

TEST(EngineContinuous, SinkStopsTheSearchAtOnce) {
  std::mt19937_64 rng(99);
  for (int round = 0; round < 40; ++round) {
    const double lo = std::uniform_int_distribution<int>(3, 30)(rng);
    const double r = std::uniform_real_distribution<double>(0.5, 2.0)(rng);
    const double t = r * 0.02;
    const bool six = round % 2 == 1;
    const double hi = lo + (six ? 8 : 15);
    const std::uint64_t total = six ? run<6, false>(r, t, lo, hi).trace.trains.size()
                                    : run<4, false>(r, t, lo, hi).trace.trains.size();
    ASSERT_GT(total, 0u);
    const std::uint64_t stop = std::uniform_int_distribution<std::uint64_t>(1, total)(rng);
    if (six) {
      const auto out = expectSameAsLoops<6>(r, t, lo, hi, stop);
      EXPECT_EQ(out.trace.trains.size(), stop);
      EXPECT_EQ(out.trace.callsAfterStop, 0u);
      EXPECT_FALSE(out.finished);
    } else {
      const auto out = expectSameAsLoops<4>(r, t, lo, hi, stop);
      EXPECT_EQ(out.trace.trains.size(), stop);
      EXPECT_EQ(out.trace.callsAfterStop, 0u);
      EXPECT_FALSE(out.finished);
    }
  }
}

TEST(EngineContinuous, YieldStopsTheSearchAtOnce) {
  std::mt19937_64 rng(4242);
  for (int round = 0; round < 40; ++round) {
    const double lo = std::uniform_int_distribution<int>(3, 30)(rng);
    const double r = std::uniform_real_distribution<double>(0.5, 2.0)(rng);
    const double t = round % 3 == 0 ? 1e-12 : r * 0.01;
    const bool six = round % 2 == 1;
    const double hi = lo + (six ? 8 : 15);
    const double m = hi - lo + 1;
    const double total = six ? m * m * m * m * m + m * m * m * m + m * m * m + m * m + m : m * m * m + m * m + m;
    const auto stop = std::uniform_int_distribution<std::uint64_t>(1, static_cast<std::uint64_t>(total))(rng);
    if (six) {
      const auto out = expectSameAsLoops<6>(r, t, lo, hi, kNever, stop);
      EXPECT_EQ(out.trace.yields, stop);
      EXPECT_EQ(out.trace.callsAfterStop, 0u);
      EXPECT_FALSE(out.finished);
    } else {
      const auto out = expectSameAsLoops<4>(r, t, lo, hi, kNever, stop);
      EXPECT_EQ(out.trace.yields, stop);
      EXPECT_EQ(out.trace.callsAfterStop, 0u);
      EXPECT_FALSE(out.finished);
    }
  }
}

// Known answers.
struct KnownCase {
  const char* name;
  int wheels;  // 4 or 6
  double lo;
  double hi;
  double r;
  double t;
  std::size_t count;
  std::vector<std::vector<double>> first;  // the first trains, in order
  std::vector<double> last;                // empty: not checked
};

void PrintTo(const KnownCase& c, std::ostream* os) { *os << c.name; }

template <int N>
std::vector<std::vector<double>> wheelsOf(const Trace<N>& trace) {
  std::vector<std::vector<double>> out;
  for (const auto& train : trace.trains) out.emplace_back(train.wheels.begin(), train.wheels.end());
  return out;
}

class EngineContinuousKnown : public testing::TestWithParam<KnownCase> {};

TEST_P(EngineContinuousKnown, GivesTheKnownTrains) {
  const KnownCase& c = GetParam();
  std::vector<std::vector<double>> trains;
  std::uint64_t yields = 0;
  if (c.wheels == 4) {
    const auto out = expectSameAsLoops<4>(c.r, c.t, c.lo, c.hi);
    trains = wheelsOf(out.trace);
    yields = out.trace.yields;
    EXPECT_TRUE(out.finished);
    for (const auto& train : out.trace.trains) EXPECT_LE(std::fabs(c.r - train.ratio), c.t);
  } else {
    const auto out = expectSameAsLoops<6>(c.r, c.t, c.lo, c.hi);
    trains = wheelsOf(out.trace);
    yields = out.trace.yields;
    EXPECT_TRUE(out.finished);
    for (const auto& train : out.trace.trains) EXPECT_LE(std::fabs(c.r - train.ratio), c.t);
  }
  const auto m = static_cast<std::uint64_t>(c.hi - c.lo + 1);
  std::uint64_t expectedYields = 0;
  for (int level = 1; level < c.wheels; ++level) expectedYields = (expectedYields + 1) * m;
  EXPECT_EQ(yields, expectedYields);
  ASSERT_EQ(trains.size(), c.count);
  for (std::size_t i = 0; i < c.first.size(); ++i) EXPECT_EQ(trains[i], c.first[i]) << "train " << i;
  if (!c.last.empty()) {
    EXPECT_EQ(trains.back(), c.last);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, EngineContinuousKnown,
    testing::Values(
        KnownCase{"four, one count, ratio 1", 4, 20, 20, 1, 0, 1, {{20, 20, 20, 20}}, {}},
        KnownCase{"four, one count, ratio 1.5", 4, 20, 20, 1.5, 0.4, 0, {}, {}},
        KnownCase{"four, one count, distance equal", 4, 20, 20, 1.5, 0.5, 1, {{20, 20, 20, 20}}, {}},
        KnownCase{"four, 20 to 21, exact",
                  4,
                  20,
                  21,
                  1,
                  0,
                  6,
                  {{20, 20, 20, 20}, {20, 20, 21, 21}, {20, 21, 21, 20}, {21, 20, 20, 21}, {21, 21, 20, 20},
                   {21, 21, 21, 21}},
                  {}},
        KnownCase{"four, 20 to 40, one half",
                  4,
                  20,
                  40,
                  0.5,
                  0,
                  164,
                  {{20, 20, 20, 40}, {20, 21, 21, 40}, {20, 22, 22, 40}},
                  {}},
        KnownCase{"four, nothing near", 4, 20, 30, 0.2, 0.001, 0, {}, {}},
        KnownCase{"six, one count", 6, 20, 20, 1, 0, 1, {{20, 20, 20, 20, 20, 20}}, {}},
        KnownCase{"six, 20 to 21, ratio 1",
                  6,
                  20,
                  21,
                  1,
                  0.0001,
                  20,
                  {{20, 20, 20, 20, 20, 20}, {20, 20, 20, 20, 21, 21}},
                  {21, 21, 21, 21, 21, 21}},
        KnownCase{"six, 20 to 21, ratio 1.1025", 6, 20, 21, 1.1025, 0.00001, 6, {{20, 20, 21, 20, 21, 20}}, {}}));

}  // namespace
}  // namespace gears
