#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "search/checks.h"

namespace gears {
namespace {

constexpr TrainSize kFour = TrainSize::Four;
constexpr TrainSize kSix = TrainSize::Six;

struct ContinuousCase {
  const char* name;
  TrainSize size;
  const char* rapport;
  const char* ecart;
  const char* mini;
  const char* maxi;
  const char* limite;
  const char* message;  // "" when every check passes
  unsigned red;
};

void PrintTo(const ContinuousCase& c, std::ostream* os) { *os << c.name; }

class ContinuousChecks : public testing::TestWithParam<ContinuousCase> {};

TEST_P(ContinuousChecks, FirstFailingCheckAndItsFields) {
  const ContinuousCase& c = GetParam();
  const CheckOutcome out = checkContinuous({c.rapport, c.ecart, c.mini, c.maxi, c.limite}, c.size);
  EXPECT_EQ(out.message, c.message);
  EXPECT_EQ(out.ok, std::string(c.message).empty());
  EXPECT_EQ(out.redFields, c.red);
  if (out.ok) {
    // A passing outcome never hands on an infinity or a NaN.
    EXPECT_TRUE(std::isfinite(out.params.ratio));
    EXPECT_TRUE(std::isfinite(out.params.deviation));
    EXPECT_TRUE(std::isfinite(out.params.lo));
    EXPECT_TRUE(std::isfinite(out.params.hi));
    EXPECT_TRUE(std::isfinite(out.params.limit));
  }
}

const char* const kLow4 = "RAPPORT - PRECISION < 0.00032";
const char* const kLow6 = "RAPPORT - PRECISION < 0.00075";
const char* const kHigh4 = "RAPPORT + PRECISION > 3098";
const char* const kHigh6 = "RAPPORT + PRECISION > 1331";
const char* const kNone = "PAS DE SOLUTION";

const ContinuousCase kContinuousCases[] = {
    {"valid_four", kFour, "1", "0.01", "20", "40", "10", "", kNoField},
    {"valid_six", kSix, "1", "0.01", "20", "40", "10", "", kNoField},
    // Check 1 and 2 and their exact bounds (e = 0 keeps r - e exact).
    {"comma_ratio_reads_zero", kFour, "0,5", "0.001", "20", "40", "10", kLow4, kRapport},
    {"empty_ratio", kFour, "", "0", "20", "40", "10", kLow4, kRapport},
    {"low_bound_four_passes", kFour, "0.000322707878", "0", "3", "167", "10", "", kNoField},
    {"below_low_bound_four", kFour, "0.000322707877", "0", "3", "167", "10", kLow4, kRapport},
    {"deviation_pulls_below_four", kFour, "0.01", "0.0099", "3", "167", "10", kLow4, kRapport},
    {"low_bound_six_passes", kSix, "0.000751314801", "0", "3", "33", "10", "", kNoField},
    {"below_low_bound_six", kSix, "0.0007513148", "0", "3", "33", "10", kLow6, kRapport},
    {"high_bound_four_passes", kFour, "3098.7777777777", "0", "3", "167", "10", "", kNoField},
    {"above_high_bound_four", kFour, "3098.7777777778", "0", "3", "167", "10", kHigh4, kRapport},
    {"high_bound_six_passes", kSix, "1331", "0", "3", "33", "10", "", kNoField},
    {"high_bound_six_with_deviation", kSix, "1330", "1", "3", "33", "10", "", kNoField},
    {"above_high_bound_six", kSix, "1330", "1.0001", "3", "33", "10", kHigh6, kRapport},
    // Values beyond the double range are refused by the ratio checks.
    {"infinite_ratio", kFour, "1e400", "0.001", "20", "40", "10", kHigh4, kRapport},
    {"minus_infinite_ratio", kFour, "-1e400", "0.001", "20", "40", "10", kLow4, kRapport},
    {"infinite_deviation", kFour, "1", "1e400", "20", "40", "10", kLow4, kRapport},
    {"both_infinite", kSix, "1e400", "-1e400", "20", "40", "10", kLow6, kRapport},
    {"sum_overflows", kFour, "1.7e308", "1e308", "20", "40", "10", kHigh4, kRapport},
    {"huge_equal_values", kFour, "1e308", "1e308", "20", "40", "10", kLow4, kRapport},
    // Tooth range, checks 3 to 8.
    {"mini_not_whole", kFour, "1", "0.01", "3.5", "40", "10", "MINI ENTIER", kMini},
    {"mini_infinite", kFour, "1", "0.01", "1e400", "40", "10", "MINI ENTIER", kMini},
    {"mini_below_3", kFour, "1", "0.01", "2", "40", "10", "MINI < 3", kMini},
    {"mini_empty", kFour, "1", "0.01", "", "40", "10", "MINI < 3", kMini},
    {"maxi_not_whole", kFour, "1", "0.01", "20", "40.5", "10", "MAXI ENTIER", kMaxi},
    {"maxi_infinite", kSix, "1", "0.01", "20", "1e400", "10", "MAXI ENTIER", kMaxi},
    {"maxi_below_mini", kFour, "1", "0.01", "20", "19", "10", "MAXI  <  MINI", kMini | kMaxi},
    {"mini_equals_maxi", kFour, "1", "0.01", "20", "20", "10", "", kNoField},
    {"maxi_401_before_spread", kFour, "1", "0.01", "3", "401", "10", "MAXI > 400", kMaxi},
    {"maxi_400", kFour, "1", "0.01", "250", "400", "10", "", kNoField},
    {"spread_164_four", kFour, "1", "0.01", "3", "167", "10", "", kNoField},
    {"spread_165_four", kFour, "1", "0.01", "3", "168", "10", "ECART DENTS > 164", kMini | kMaxi},
    {"spread_30_six", kSix, "1", "0.01", "3", "33", "10", "", kNoField},
    {"spread_31_six", kSix, "1", "0.01", "3", "34", "10", "ECART DENTS > 30", kMini | kMaxi},
    {"ratio_error_wins", kFour, "0", "0.01", "2", "401", "12.5", kLow4, kRapport},
    // Check 9.
    {"deviation_5_percent", kFour, "1", "0.05", "20", "40", "10", "", kNoField},
    {"deviation_above_5_percent", kFour, "1", "0.0500001", "20", "40", "10", "PAS ASSEZ PRECIS", kEcart},
    {"negative_deviation_used_positive", kFour, "1", "-0.01", "20", "40", "10", "", kNoField},
    {"negative_deviation_too_large", kFour, "1", "-0.06", "20", "40", "10", "PAS ASSEZ PRECIS", kEcart},
    {"precision_before_limit", kFour, "1", "0.06", "20", "40", "12.5", "PAS ASSEZ PRECIS", kEcart},
    // Checks 10 and 11.
    {"limit_not_whole", kFour, "1", "0.01", "20", "40", "12.5", "NB SOLUTIONS ENTIER", kLimite},
    {"limit_infinite", kFour, "1", "0.01", "20", "40", "1e400", "NB SOLUTIONS ENTIER", kLimite},
    {"limit_2048_four", kFour, "1", "0.01", "20", "40", "2048", "", kNoField},
    {"limit_2049_four", kFour, "1", "0.01", "20", "40", "2049", "NB SOLUTIONS A L'ECRAN  > 2048", kLimite},
    {"limit_1638_six", kSix, "1", "0.01", "20", "40", "1638", "", kNoField},
    {"limit_2048_six", kSix, "1", "0.01", "20", "40", "2048", "NB SOLUTIONS A L'ECRAN > 1638", kLimite},
    {"limit_zero", kFour, "1", "0.01", "20", "40", "0", "", kNoField},
    {"limit_empty", kFour, "1", "0.01", "20", "40", "", "", kNoField},
    {"limit_negative", kSix, "1", "0.01", "20", "40", "-5", "", kNoField},
    {"limit_huge_negative", kFour, "1", "0.01", "20", "40", "-1e300", "", kNoField},
    // Checks 12 and 13.
    {"below_reach_four", kFour, "0.2", "0.001", "20", "40", "10", kNone, kRapport},
    {"at_lowest_four", kFour, "0.25", "0.001", "20", "40", "10", "", kNoField},
    {"at_highest_four", kFour, "4", "0.001", "20", "40", "10", "", kNoField},
    {"above_reach_four", kFour, "4.0000001", "0.001", "20", "40", "10", kNone, kRapport},
    {"at_lowest_six", kSix, "0.125", "0", "20", "40", "10", "", kNoField},
    {"below_reach_six", kSix, "0.1249", "0", "20", "40", "10", kNone, kRapport},
    {"at_highest_six", kSix, "8", "0", "20", "40", "10", "", kNoField},
    {"above_reach_six", kSix, "8.001", "0", "20", "40", "10", kNone, kRapport},
    {"reach_uses_ratio_alone", kFour, "0.249", "0.01", "20", "40", "10", kNone, kRapport},
    // Rounded to double only: 3*3/5/5 is 0.36 exactly as read.
    {"double_quotient_passes", kFour, "0.36", "0", "3", "5", "10", "", kNoField},
    {"double_quotient_six", kSix, "0.21600000000000003", "0", "3", "5", "10", "", kNoField},
};

INSTANTIATE_TEST_SUITE_P(Table, ContinuousChecks, testing::ValuesIn(kContinuousCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ContinuousChecksParams, ValuesReadAndDeviationMadePositive) {
  const CheckOutcome out = checkContinuous({"0.5", "-0.002", "20", "60", "7"}, kFour);
  ASSERT_TRUE(out.ok) << out.message;
  EXPECT_EQ(out.params.ratio, 0.5);
  EXPECT_EQ(out.params.deviation, 0.002);
  EXPECT_EQ(out.params.lo, 20);
  EXPECT_EQ(out.params.hi, 60);
  EXPECT_EQ(out.params.limit, 7);
}

TEST(ContinuousChecksParams, LimitNotReadBeforeCheck9) {
  const CheckOutcome out = checkContinuous({"1", "0.5", "20", "40", "7"}, kFour);
  EXPECT_EQ(out.message, "PAS ASSEZ PRECIS");
  EXPECT_EQ(out.params.limit, 0);
}

TEST(TrainSizeRule, SixOnlyWithOption2Alone) {
  EXPECT_EQ(trainSizeFromOptions(true, false), kFour);
  EXPECT_EQ(trainSizeFromOptions(false, true), kSix);
  EXPECT_EQ(trainSizeFromOptions(false, false), kFour);
  EXPECT_EQ(trainSizeFromOptions(true, true), kFour);
}

struct CollectionCase {
  const char* name;
  TrainSize size;
  const char* rapport;
  const char* ecart;
  const char* limite;
  float lo;
  float hi;
  int count;
  const char* message;
  unsigned red;
};

void PrintTo(const CollectionCase& c, std::ostream* os) { *os << c.name; }

class CollectionChecks : public testing::TestWithParam<CollectionCase> {};

TEST_P(CollectionChecks, FirstFailingCheckAndItsFields) {
  const CollectionCase& c = GetParam();
  // The tooth-count fields must not be read: give them texts that would fail.
  const CheckOutcome out = checkCollection({c.rapport, c.ecart, "2.5", "999", c.limite}, c.lo, c.hi, c.count, c.size);
  EXPECT_EQ(out.message, c.message);
  EXPECT_EQ(out.ok, std::string(c.message).empty());
  EXPECT_EQ(out.redFields, c.red);
}

const CollectionCase kCollectionCases[] = {
    {"valid_four", kFour, "1", "0.01", "10", 20, 40, 6, "", kNoField},
    {"valid_six", kSix, "1", "0.01", "10", 20, 40, 6, "", kNoField},
    {"empty_collection", kFour, "1", "0.01", "10", 400, 3, 0, "MAXI  <  MINI DANS LE FICHIER", kMini | kMaxi},
    {"empty_collection_six", kSix, "1", "0.01", "10", 400, 3, 0, "MAXI  <  MINI DANS LE FICHIER", kMini | kMaxi},
    {"ratio_first", kFour, "0,5", "0.01", "10", 400, 3, 0, kLow4, kRapport},
    {"ratio_high_six", kSix, "1331.5", "0", "10", 20, 40, 6, kHigh6, kRapport},
    {"infinite_ratio", kSix, "1e400", "0", "10", 20, 40, 6, kHigh6, kRapport},
    {"lo_not_whole", kFour, "1", "0.01", "10", 12.5f, 40, 6, "MINI ENTIER DANS LE FICHIER", kMini},
    {"lo_below_3", kFour, "1", "0.01", "10", 2, 40, 6, "MINI < 3 DANS LE FICHIER", kMini},
    {"lo_zero", kSix, "1", "0.01", "10", 0, 40, 6, "MINI < 3 DANS LE FICHIER", kMini},
    {"hi_not_whole", kFour, "1", "0.01", "10", 20, 40.5f, 6, "MAXI ENTIER DANS LE FICHIER", kMaxi},
    {"hi_401", kFour, "1", "0.01", "10", 20, 401, 6, "MAXI > 400 DANS LE FICHIER", kMaxi},
    {"single_401", kSix, "1", "0.01", "10", 400, 401, 1, "MAXI > 400 DANS LE FICHIER", kMaxi},
    {"no_spread_check", kFour, "1", "0.01", "10", 3, 400, 10, "", kNoField},
    {"count_166_four", kFour, "1", "0.01", "10", 20, 40, 166, "", kNoField},
    {"count_167_four", kFour, "1", "0.01", "10", 20, 40, 167, "NOMBRE DE ROUES > 166 DANS LE FICHIER", kMini | kMaxi},
    {"count_32_six", kSix, "1", "0.01", "10", 20, 40, 32, "", kNoField},
    {"count_33_six", kSix, "1", "0.01", "10", 20, 40, 33, "NOMBRE DE ROUES > 32 DANS LE FICHIER", kMini | kMaxi},
    {"precision", kSix, "1", "0.0500001", "10", 20, 40, 6, "PAS ASSEZ PRECIS", kEcart},
    {"limit_not_whole", kFour, "1", "0.01", "12.5", 20, 40, 6, "NB SOLUTIONS ENTIER", kLimite},
    {"limit_2048_four", kFour, "1", "0.01", "2048", 20, 40, 6, "", kNoField},
    {"limit_2049_four", kFour, "1", "0.01", "2049", 20, 40, 6, "NB SOLUTIONS A L'ECRAN  > 2048", kLimite},
    {"limit_1639_six", kSix, "1", "0.01", "1639", 20, 40, 6, "NB SOLUTIONS A L'ECRAN > 1638", kLimite},
    {"below_reach_six", kSix, "0.1", "0.001", "10", 20, 40, 6, kNone, kRapport},
    {"at_lowest_six", kSix, "0.125", "0", "10", 20, 40, 6, "", kNoField},
    {"single_wheel_ratio_1", kFour, "1", "0", "10", 40, 40, 1, "", kNoField},
    // Single-precision rounding of the extremes differs from the continuous
    // checks (see the double_quotient cases above).
    {"float_lowest_above_ratio", kFour, "0.36", "0", "10", 3, 5, 4, kNone, kRapport},
    {"float_lowest_above_ratio_six", kSix, "0.21600000000000003", "0", "10", 3, 5, 6, kNone, kRapport},
    {"float_highest_above_ratio", kFour, "5.4444445", "0", "10", 3, 7, 4, "", kNoField},
};

INSTANTIATE_TEST_SUITE_P(Table, CollectionChecks, testing::ValuesIn(kCollectionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CollectionChecksParams, FloatExtremesPassedOn) {
  const CheckOutcome out = checkCollection({"1", "-0.01", "", "", "5"}, 20, 127, 4, kFour);
  ASSERT_TRUE(out.ok) << out.message;
  EXPECT_EQ(out.params.lo, 20);
  EXPECT_EQ(out.params.hi, 127);
  EXPECT_EQ(out.params.deviation, 0.01);
  EXPECT_EQ(out.params.limit, 5);
}

TEST(ContinuousChecksParams, HighestRatioRoundedOnlyInCollection) {
  // 7*7/3/3 in double lies below 5.4444445, its single-precision value above.
  const CheckOutcome out = checkContinuous({"5.4444445", "0", "3", "7", "10"}, kFour);
  EXPECT_EQ(out.message, kNone);
}

}  // namespace
}  // namespace gears
