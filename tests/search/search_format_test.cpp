#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/elapsed_time.h"
#include "search/record_format.h"
#include "search/tolerance.h"

namespace gears {
namespace {

struct RecordCase {
  std::vector<double> wheels;
  double ratio;
  const char* symbol;
  const char* record;
  const char* line;
};

TEST(RecordFormat, RecordAndListLine) {
  const RecordCase cases[] = {
      {{20, 21, 21, 20}, 1, ".", " 20 ; 21 ; 21 ; 20 ; 1 ", "20\t21\t21\t20\t\t\t1"},
      {{20, 40, 25, 50, 30, 60}, 0.125, ".", " 20 ; 40 ; 25 ; 50 ; 30 ; 60 ; 0.125 ",
       "20\t40\t25\t50\t30\t60\t0.125"},
      {{20, 60, 40, 40}, 1.0 / 3, ".", " 20 ; 60 ; 40 ; 40 ; 0.333333333333333 ",
       "20\t60\t40\t40\t\t\t0.333333333333333"},
      {{20, 40, 20, 20}, 0.5, ",", " 20 ; 40 ; 20 ; 20 ; 0,5 ", "20\t40\t20\t20\t\t\t0,5"},
      {{25.5, 30, 40, 20}, 1.7, ".", " 25.5 ; 30 ; 40 ; 20 ; 1.7 ", "25.5\t30\t40\t20\t\t\t1.7"},
      {{3, 400, 3, 400}, 3 * 3 / 400.0 / 400.0, ".", " 3 ; 400 ; 3 ; 400 ; 0.00005625 ",
       "3\t400\t3\t400\t\t\t0.00005625"},
  };
  for (const RecordCase& c : cases) {
    std::string record = "x";
    appendRecord(record, c.wheels.data(), static_cast<int>(c.wheels.size()), c.ratio, c.symbol);
    EXPECT_EQ(record, std::string("x") + c.record);
    EXPECT_EQ(listLine(c.wheels.data(), static_cast<int>(c.wheels.size()), c.ratio, c.symbol), c.line);
  }
}

TEST(RecordFormat, ListedWhileCountBelowLimitPlusOne) {
  struct Case {
    double count;
    double limit;
    bool listed;
  };
  const Case cases[] = {
      {1, 0, false}, {1, -5, false}, {1, -1e300, false}, {1, 3, true},
      {3, 3, true},  {4, 3, false},  {2048, 2048, true}, {2049, 2048, false},
  };
  for (const Case& c : cases) EXPECT_EQ(isListed(c.count, c.limit), c.listed) << c.count << " " << c.limit;
}

TEST(Tolerance, FifteenDigitsThroughAPoint) {
  struct Case {
    double deviation;
    double tolerance;
  };
  const Case cases[] = {
      {0.001, 0.001}, {1.5, 1.5}, {0.05, 0.05}, {0, 0}, {1.0 / 3, 0.333333333333333}, {2.0 / 3, 0.666666666666667},
  };
  for (const Case& c : cases) EXPECT_EQ(toleranceFromDeviation(c.deviation), c.tolerance) << c.deviation;
}

TEST(ElapsedTime, HoursMinutesSeconds) {
  struct Case {
    float seconds;
    float h, m, s;
  };
  const Case cases[] = {
      {3725.5f, 1, 2, 5}, {59.99f, 0, 0, 59}, {3600, 1, 0, 0},    {0, 0, 0, 0},
      {86399, 23, 59, 59}, {61, 0, 1, 1},     {-5, 0, 0, 0},      {-3725.5f, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const ElapsedTime t = splitElapsed(c.seconds);
    EXPECT_EQ(t.hours, c.h) << c.seconds;
    EXPECT_EQ(t.minutes, c.m) << c.seconds;
    EXPECT_EQ(t.seconds, c.s) << c.seconds;
  }
}

}  // namespace
}  // namespace gears
