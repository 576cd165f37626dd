#include "windows/help_placement.h"

#include <gtest/gtest.h>

namespace gears {
namespace {

struct PlacementCase {
  const char* name;
  float screenWidth;
  WindowRect main;
  float helpWidth;
  float expectedHelpLeft;
  float expectedMainLeft;
};

class HelpPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(HelpPlacementTest, HorizontalPlacement) {
  const PlacementCase& c = GetParam();
  const WindowRect help{0.0f, 0.0f, c.helpWidth, 10725.0f};
  const HelpPlacement p = placeHelpWindow(c.main, help, c.screenWidth);
  EXPECT_EQ(p.helpLeft, c.expectedHelpLeft);
  EXPECT_EQ(p.mainLeft, c.expectedMainLeft);
}

constexpr float kTop = 1200.0f;
constexpr float kHeight = 11400.0f;

INSTANTIATE_TEST_SUITE_P(
    Cases, HelpPlacementTest,
    ::testing::Values(
        // Left half, not enough room on the right: the main window is pushed left, off screen.
        PlacementCase{"NarrowScreenMainAtZero", 20000, {0, kTop, 15000, kHeight}, 6500, 13490, -1510},
        // Left half with room: help joins the right edge, main stays.
        PlacementCase{"WideScreenMainAtZero", 30000, {0, kTop, 15000, kHeight}, 6500, 15000, 0},
        // Right half with room on the left: help joins the left edge.
        PlacementCase{"MainAt8000", 20000, {8000, kTop, 15000, kHeight}, 6500, 1500, 8000},
        // Right half without room: main moves right of the help window, help at 10.
        PlacementCase{"MainAt3000", 20000, {3000, kTop, 15000, kHeight}, 6500, 10, 6510},
        // Centre exactly at half the screen counts as the right half.
        PlacementCase{"CentreAtHalfNoRoom", 20000, {2500, kTop, 15000, kHeight}, 6500, 10, 6510},
        PlacementCase{"CentreAtHalfWithRoom", 20000, {7000, kTop, 6000, kHeight}, 6500, 500, 7000},
        // Centre one twip left of the middle: the left-half rules apply.
        PlacementCase{"CentreJustLeftOfHalf", 20000, {6999, kTop, 6000, kHeight}, 6500, 12999, 6999},
        // Exactly reaching the screen's width is not room enough.
        PlacementCase{"RightEdgeExactlyAtScreen", 21500, {0, kTop, 15000, kHeight}, 6500, 14990, -10},
        PlacementCase{"RightEdgeOneTwipShort", 21501, {0, kTop, 15000, kHeight}, 6500, 15000, 0},
        // A main left equal to the help width is room enough on the left.
        PlacementCase{"LeftRoomExact", 20000, {6500, kTop, 8000, kHeight}, 6500, 0, 6500},
        PlacementCase{"LeftRoomOneTwipShort", 20000, {6499, kTop, 8000, kHeight}, 6500, 10, 6510},
        // Main window already partly off the left edge, right half rules do not apply.
        PlacementCase{"MainOffLeftEdge", 20000, {-3000, kTop, 9000, kHeight}, 6500, 6000, -3000},
        // -1 + 16777218 rounds to 16777216 in single precision, so the sum with
        // the help width stays below the screen width (in double it would not).
        PlacementCase{"SumsRoundedToSinglePrecision", 16777218, {-1, kTop, 16777218, kHeight}, 1,
                      16777216, -1}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

TEST(HelpPlacementVertical, CentredOnMainHeight) {
  struct Case {
    float mainTop, mainHeight, helpHeight, expectedTop;
  };
  const Case cases[] = {
      {1200, 11400, 10725, 1537.5f},   // help shorter: lower than the main top
      {1500, 9000, 10725, 637.5f},     // help taller: higher than the main top
      {0, 9000, 10725, -862.5f},       // no correction against the top edge
      {300, 10725, 10725, 300},        // same height: same top
  };
  for (const Case& c : cases) {
    const WindowRect main{0, c.mainTop, 15000, c.mainHeight};
    const WindowRect help{0, 0, 6500, c.helpHeight};
    EXPECT_EQ(placeHelpWindow(main, help, 20000).helpTop, c.expectedTop) << c.mainTop << " " << c.mainHeight;
  }
}

}  // namespace
}  // namespace gears
