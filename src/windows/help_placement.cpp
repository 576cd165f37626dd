#include "windows/help_placement.h"

namespace gears {

HelpPlacement placeHelpWindow(const WindowRect& main, const WindowRect& help, float screenWidth) {
  // Named float temporaries: each intermediate is rounded to single
  // precision, whatever the compiler's evaluation method.
  HelpPlacement out;
  const float heightGap = main.height - help.height;
  out.helpTop = main.top + heightGap / 2.0f;

  out.mainLeft = main.left;
  const float mainCentre = main.left + main.width / 2.0f;
  const float halfScreen = screenWidth / 2.0f;
  if (halfScreen > mainCentre) {
    const float mainRight = main.left + main.width;
    const float helpRight = mainRight + help.width;
    if (helpRight < screenWidth) {
      out.helpLeft = mainRight;
    } else {
      // Keep a 10-twip gap on the right, even if the main window then
      // hangs off the left edge.
      const float room = screenWidth - help.width;
      const float beforeGap = room - main.width;
      out.mainLeft = beforeGap - 10.0f;
      out.helpLeft = out.mainLeft + main.width;
    }
  } else {
    if (main.left >= help.width) {
      out.helpLeft = main.left - help.width;
    } else {
      out.mainLeft = help.width + 10.0f;
      out.helpLeft = 10.0f;
    }
  }
  return out;
}

}  // namespace gears
