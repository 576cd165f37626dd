#include <gtest/gtest.h>

#include <algorithm>
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
#include "search/collection_search.h"

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
Outcome<N> run(const std::vector<double>& values, double r, double t, std::uint64_t stopTrains = kNever,
               std::uint64_t stopYields = kNever) {
  Outcome<N> out;
  out.trace.stopAfterTrains = stopTrains;
  out.trace.stopAfterYields = stopYields;
  const std::span<const double> span(values);
  if constexpr (N == 4 && Engine) {
    out.finished = gears::searchCollection4(span, r, t, out.trace.sink(), out.trace.yield());
  } else if constexpr (N == 4) {
    out.finished = reference::searchCollection4(span, r, t, out.trace.sink(), out.trace.yield());
  } else if constexpr (Engine) {
    out.finished = gears::searchCollection6(span, r, t, out.trace.sink(), out.trace.yield());
  } else {
    out.finished = reference::searchCollection6(span, r, t, out.trace.sink(), out.trace.yield());
  }
  return out;
}

std::string describe(const std::vector<double>& values, double r, double t) {
  std::ostringstream s;
  s.precision(17);
  s << "r=" << r << " t=" << t << " values:";
  for (double v : values) s << ' ' << v;
  return s.str();
}

template <int N>
Outcome<N> expectSameAsLoops(const std::vector<double>& values, double r, double t, std::uint64_t stopTrains = kNever,
                             std::uint64_t stopYields = kNever) {
  Outcome<N> engine = run<N, true>(values, r, t, stopTrains, stopYields);
  const Outcome<N> loops = run<N, false>(values, r, t, stopTrains, stopYields);
  EXPECT_EQ(reference::firstDifference(engine.trace, loops.trace), "")
      << N << " wheels " << describe(values, r, t);
  EXPECT_EQ(engine.finished, loops.finished) << describe(values, r, t);
  return engine;
}

// Tooth counts mostly whole, often repeated, sometimes with a fraction.
std::vector<double> randomCollection(std::mt19937_64& rng, int size, double lo, double hi) {
  std::vector<double> pool;
  const int distinct = std::uniform_int_distribution<int>(1, std::max(1, size))(rng);
  for (int i = 0; i < distinct; ++i) {
    double v = std::floor(std::uniform_real_distribution<double>(lo, hi)(rng));
    const int kind = std::uniform_int_distribution<int>(0, 9)(rng);
    if (kind == 0) v += 0.5;
    if (kind == 1) v += 0.25;
    if (kind == 2) v += 0.1;
    pool.push_back(v);
  }
  std::vector<double> values;
  for (int i = 0; i < size; ++i) {
    values.push_back(pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(rng)]);
  }
  return values;
}

template <int N>
double ratioOf(const std::vector<double>& values, const std::array<std::size_t, N>& k) {
  if constexpr (N == 4) {
    return ((values[k[0]] * values[k[2]]) / values[k[1]]) / values[k[3]];
  } else {
    return ((((values[k[2]] * values[k[0]]) * values[k[4]]) / values[k[1]]) / values[k[3]]) / values[k[5]];
  }
}

// Random requests around the trains of a collection, as for the continuous
// series: exact hits, distances equal to the tolerance, wide bands.
template <int N>
struct RequestMaker {
  std::mt19937_64& rng;
  const std::vector<double>& values;

  double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); }
  double someRatio() {
    if (values.size() < static_cast<std::size_t>(N)) return uniform(0.2, 5.0);
    std::vector<std::size_t> order(values.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::shuffle(order.begin(), order.end(), rng);
    std::array<std::size_t, N> k{};
    std::copy_n(order.begin(), N, k.begin());
    return ratioOf<N>(values, k);
  }
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
        const double r = std::nextafter(someRatio(), uniform(0, 1) < 0.5 ? 0.0 : 10.0);
        return {r, std::numeric_limits<double>::denorm_min() * std::uniform_int_distribution<int>(0, 3)(rng)};
      }
      case 6: {
        const double r = uniform(0.0, 0.3) * someRatio();
        return {r, r + uniform(0.0, 0.2) * someRatio()};
      }
      case 7:
        return {someRatio(), -uniform(0.0, 1.0)};
      case 8:
        return {someRatio(), 1e6};
      default:
        return {uniform(0.0, 3.0), uniform(0.0, 0.05)};
    }
  }
};

constexpr int kModes = 10;

bool wideMode(int mode) { return mode == 6 || mode == 8 || mode == 9; }

TEST(EngineCollection, FourWheelsMatchTheLoopsOnRandomCollections) {
  std::mt19937_64 rng(31337);
  for (int round = 0; round < 1500; ++round) {
    const int mode = round % kModes;
    const int size = std::uniform_int_distribution<int>(0, wideMode(mode) ? 14 : 24)(rng);
    const double lo = std::uniform_int_distribution<int>(3, 150)(rng);
    const double hi = lo + std::uniform_int_distribution<int>(1, 250)(rng);
    const std::vector<double> values = randomCollection(rng, size, lo, hi);
    RequestMaker<4> maker{rng, values};
    const auto [r, t] = maker.make(mode);
    expectSameAsLoops<4>(values, r, t);
  }
}

TEST(EngineCollection, SixWheelsMatchTheLoopsOnRandomCollections) {
  std::mt19937_64 rng(8675309);
  for (int round = 0; round < 500; ++round) {
    const int mode = round % kModes;
    const int size = std::uniform_int_distribution<int>(0, wideMode(mode) ? 8 : 12)(rng);
    const double lo = std::uniform_int_distribution<int>(3, 150)(rng);
    const double hi = lo + std::uniform_int_distribution<int>(1, 250)(rng);
    const std::vector<double> values = randomCollection(rng, size, lo, hi);
    RequestMaker<6> maker{rng, values};
    const auto [r, t] = maker.make(mode);
    expectSameAsLoops<6>(values, r, t);
  }
}

// Fewer entries than wheels: no train, but every loop pass still yields.
TEST(EngineCollection, ShortCollectionsYieldLikeTheLoops) {
  for (int size = 0; size <= 7; ++size) {
    std::vector<double> values;
    for (int i = 0; i < size; ++i) values.push_back(20 + 5 * i);
    expectSameAsLoops<4>(values, 1, 10);
    expectSameAsLoops<6>(values, 1, 10);
    expectSameAsLoops<4>(values, 1, -1);
    expectSameAsLoops<6>(values, 1, -1);
  }
}

struct OddInput {
  const char* name;
  std::vector<double> values;
  double r;
  double t;
};

void PrintTo(const OddInput& c, std::ostream* os) { *os << c.name; }

class EngineCollectionOddInputs : public testing::TestWithParam<OddInput> {};

// Inputs the window's checks never let through still give the loops' output.
TEST_P(EngineCollectionOddInputs, MatchTheLoops) {
  const OddInput& c = GetParam();
  expectSameAsLoops<4>(c.values, c.r, c.t);
  expectSameAsLoops<6>(c.values, c.r, c.t);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EngineCollectionOddInputs,
    testing::Values(OddInput{"zero entry", {20, 0, 30, 40, 20, 60, 0}, 1, 0.5},
                    OddInput{"negative entry", {20, -30, 30, 40, 20, 60, 25}, 1, 0.5},
                    OddInput{"NaN entry", {20, kNaN, 30, 40, 20, 60, 25}, 1, 0.5},
                    OddInput{"infinite entry", {20, kInf, 30, 40, 20, 60, 25}, 1, kInf},
                    OddInput{"huge entry", {20, 1e30, 30, 40, 20, 60, 25}, 1, 0.5},
                    OddInput{"tiny entries", {1e-3, 2e-3, 3e-3, 1e-3, 5e-3, 4e-3, 2e-3}, 1, 0.5},
                    OddInput{"NaN ratio", {20, 30, 40, 60, 20, 30}, kNaN, 1},
                    OddInput{"NaN tolerance", {20, 30, 40, 60, 20, 30}, 1, kNaN},
                    OddInput{"infinite tolerance", {20, 30, 40, 60, 20, 30}, 1, kInf},
                    OddInput{"huge ratio", {20, 30, 40, 60, 20, 30}, 1e300, 1e299},
                    OddInput{"tiny ratio", {20, 30, 40, 60, 20, 30}, 1e-300, 1e-301},
                    OddInput{"huge tolerance", {20, 30, 40, 60, 20, 30, 50}, 1, 1e308},
                    OddInput{"negative ratio", {20, 30, 40, 60, 20, 30, 50}, -1, 2},
                    OddInput{"all equal", {40, 40, 40, 40, 40, 40, 40}, 1, 0}));

TEST(EngineCollection, SinkStopsTheSearchAtOnce) {
  std::mt19937_64 rng(2718);
  for (int round = 0; round < 40; ++round) {
    const bool six = round % 2 == 1;
    const std::vector<double> values = randomCollection(rng, six ? 9 : 14, 20, 60);
    const double r = std::uniform_real_distribution<double>(0.7, 1.4)(rng);
    const double t = r * 0.05;
    const std::uint64_t total =
        six ? run<6, false>(values, r, t).trace.trains.size() : run<4, false>(values, r, t).trace.trains.size();
    if (total == 0) continue;
    const std::uint64_t stop = std::uniform_int_distribution<std::uint64_t>(1, total)(rng);
    if (six) {
      const auto out = expectSameAsLoops<6>(values, r, t, stop);
      EXPECT_EQ(out.trace.trains.size(), stop);
      EXPECT_EQ(out.trace.callsAfterStop, 0u);
      EXPECT_FALSE(out.finished);
    } else {
      const auto out = expectSameAsLoops<4>(values, r, t, stop);
      EXPECT_EQ(out.trace.trains.size(), stop);
      EXPECT_EQ(out.trace.callsAfterStop, 0u);
      EXPECT_FALSE(out.finished);
    }
  }
}

TEST(EngineCollection, YieldStopsTheSearchAtOnce) {
  std::mt19937_64 rng(1414);
  for (int round = 0; round < 40; ++round) {
    const bool six = round % 2 == 1;
    const std::vector<double> values = randomCollection(rng, six ? 9 : 14, 20, 60);
    const double r = std::uniform_real_distribution<double>(0.7, 1.4)(rng);
    const double t = round % 3 == 0 ? 1e-12 : r * 0.01;
    const std::uint64_t total =
        six ? run<6, false>(values, r, t).trace.yields : run<4, false>(values, r, t).trace.yields;
    const std::uint64_t stop = std::uniform_int_distribution<std::uint64_t>(1, total)(rng);
    if (six) {
      const auto out = expectSameAsLoops<6>(values, r, t, kNever, stop);
      EXPECT_EQ(out.trace.yields, stop);
      EXPECT_EQ(out.trace.callsAfterStop, 0u);
      EXPECT_FALSE(out.finished);
    } else {
      const auto out = expectSameAsLoops<4>(values, r, t, kNever, stop);
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
  std::vector<double> values;
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

// Loop passes of the collection loops: one per entry left free at each
// inner position.
std::uint64_t collectionYields(std::uint64_t n, int wheels) {
  std::uint64_t yields = 0;
  std::uint64_t reach = 1;  // choices of the positions above
  for (int position = 0; position + 1 < wheels; ++position) {
    reach *= n > static_cast<std::uint64_t>(position) ? n - static_cast<std::uint64_t>(position) : 0;
    yields += reach;
  }
  return yields;
}

class EngineCollectionKnown : public testing::TestWithParam<KnownCase> {};

TEST_P(EngineCollectionKnown, GivesTheKnownTrains) {
  const KnownCase& c = GetParam();
  std::vector<std::vector<double>> trains;
  std::uint64_t yields = 0;
  if (c.wheels == 4) {
    const auto out = expectSameAsLoops<4>(c.values, c.r, c.t);
    trains = wheelsOf(out.trace);
    yields = out.trace.yields;
    EXPECT_TRUE(out.finished);
  } else {
    const auto out = expectSameAsLoops<6>(c.values, c.r, c.t);
    trains = wheelsOf(out.trace);
    yields = out.trace.yields;
    EXPECT_TRUE(out.finished);
  }
  EXPECT_EQ(yields, collectionYields(c.values.size(), c.wheels));
  ASSERT_EQ(trains.size(), c.count);
  for (std::size_t i = 0; i < c.first.size(); ++i) EXPECT_EQ(trains[i], c.first[i]) << "train " << i;
  if (!c.last.empty()) {
    EXPECT_EQ(trains.back(), c.last);
  }
}

const std::vector<double> kTwelve = {20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75};

INSTANTIATE_TEST_SUITE_P(
    Table, EngineCollectionKnown,
    testing::Values(
        KnownCase{"four of 20 30 40 60",
                  4,
                  {20, 30, 40, 60},
                  1,
                  0,
                  8,
                  {{20, 30, 60, 40},
                   {20, 40, 60, 30},
                   {30, 20, 40, 60},
                   {30, 60, 40, 20},
                   {40, 20, 30, 60},
                   {40, 60, 30, 20},
                   {60, 30, 20, 40},
                   {60, 40, 20, 30}},
                  {}},
        KnownCase{"four of 40 40 50 50",
                  4,
                  {40, 40, 50, 50},
                  1,
                  0,
                  16,
                  {{40, 40, 50, 50}, {40, 40, 50, 50}, {40, 50, 50, 40}, {40, 50, 50, 40}},
                  {50, 50, 40, 40}},
        KnownCase{"four, one half", 4, {24, 30, 36, 40, 48, 60}, 0.5, 0, 8, {{24, 36, 30, 40}}, {40, 60, 36, 48}},
        KnownCase{"four, twelve entries, all accepted", 4, kTwelve, 1, 1e9, 11880, {{20, 25, 30, 35}}, {75, 70, 65, 60}},
        KnownCase{"four, three entries", 4, {40, 40, 40}, 1, 1, 0, {}, {}},
        KnownCase{"four, one entry", 4, {40}, 1, 0, 0, {}, {}},
        KnownCase{"four, with 25.5",
                  4,
                  {20, 25.5, 30, 40},
                  0.95625,
                  0,
                  4,
                  {{25.5, 20, 30, 40}, {25.5, 40, 30, 20}, {30, 20, 25.5, 40}, {30, 40, 25.5, 20}},
                  {}},
        KnownCase{"six of 20 25 30 40 50 60",
                  6,
                  {20, 25, 30, 40, 50, 60},
                  0.125,
                  0.0001,
                  36,
                  {{20, 40, 25, 50, 30, 60}, {20, 40, 25, 60, 30, 50}},
                  {30, 60, 25, 50, 20, 40}},
        KnownCase{"six of 20 20 30 30 40 40",
                  6,
                  {20, 20, 30, 30, 40, 40},
                  1,
                  0,
                  288,
                  {{20, 20, 30, 30, 40, 40}, {20, 20, 30, 30, 40, 40}},
                  {}},
        KnownCase{"six, five entries", 6, {20, 25, 30, 40, 50}, 1, 10, 0, {}, {}},
        KnownCase{"six, empty", 6, {}, 1, 10, 0, {}, {}}));

}  // namespace
}  // namespace gears
