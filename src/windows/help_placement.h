#pragma once

namespace gears {

// Outer rectangle of a window (border and title bar included), in twips.
struct WindowRect {
  float left = 0.0f;
  float top = 0.0f;
  float width = 0.0f;
  float height = 0.0f;
};

// Where the help window goes, and where the main window ends up.
struct HelpPlacement {
  float helpLeft = 0.0f;
  float helpTop = 0.0f;
  float mainLeft = 0.0f;  // unchanged unless both windows did not fit
};

// Puts the help window beside the main window: on its right when the main
// window stands rather left, on its left otherwise, centred on its height.
// When that side lacks room the main window is pushed over to make it.
// Every sum and half is rounded to single precision before it is compared,
// so results match the original twips arithmetic bit for bit.
HelpPlacement placeHelpWindow(const WindowRect& main, const WindowRect& help, float screenWidth);

}  // namespace gears
