#pragma once
#include <QCoreApplication>
#include <chrono>

namespace gears {

// Yield hook of the searches. Processing the window's events costs more than
// a pass of an inner loop, so they are processed only when about 20 ms have
// passed; the clock itself is read only every 1024 yield points.
// Returns false once quitting was asked for, so that the search unwinds.
template <class Window>
class EventYield {
 public:
  explicit EventYield(const Window& window) : window_(window), last_(std::chrono::steady_clock::now()) {}

  bool operator()() {
    if (++calls_ >= kCallsPerClockRead) {
      calls_ = 0;
      const auto now = std::chrono::steady_clock::now();
      if (now - last_ >= kInterval) {
        QCoreApplication::processEvents();
        last_ = std::chrono::steady_clock::now();
      }
    }
    return !window_.quitRequested;
  }

 private:
  static constexpr unsigned kCallsPerClockRead = 1024;
  static constexpr std::chrono::milliseconds kInterval{20};

  const Window& window_;
  unsigned calls_ = 0;
  std::chrono::steady_clock::time_point last_;
};

}  // namespace gears
