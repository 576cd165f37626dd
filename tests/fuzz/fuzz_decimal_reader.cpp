// The decimal-point reader on any bytes: never NaN, never a crash, and for
// plain numbers (sign, digits, point, E or D exponent) exactly strtod's value
// in the C locale, except that a value too small to be a normal double may
// read as 0.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/decimal_reader.h"

namespace {

[[noreturn]] void fault(const char* what) {
  std::fprintf(stderr, "decimal reader: %s\n", what);
  std::abort();
}

bool same(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

bool isPlainNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E' || c == 'd' ||
         c == 'D';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const double value = gears::readDecimal(text);
  if (std::isnan(value)) fault("NaN");

  // A comma can never continue a number: whatever was read stays.
  if (!same(gears::readDecimal(text + ","), value)) fault("a trailing comma changed the value");

  // No digit and no &H/&O prefix: nothing to read.
  if (text.find_first_of("0123456789&") == std::string::npos && value != 0) fault("a value without any digit");

  // A minus sign before an unsigned number negates it (a text without digits
  // reads 0 either way).
  const std::size_t first = text.find_first_not_of(" \t\n");
  if (first != std::string::npos && ((text[first] >= '0' && text[first] <= '9') || text[first] == '.')) {
    if (gears::readDecimal("-" + text) != -value) fault("a minus sign did not negate");
  }

  // Plain numbers against strtod (which knows no D exponent).
  bool plain = !text.empty();
  for (char c : text) plain = plain && isPlainNumberChar(c);
  if (plain) {
    std::string c = text;
    for (char& ch : c) {
      if (ch == 'd' || ch == 'D') ch = 'E';
    }
    const double expected = std::strtod(c.c_str(), nullptr);
    const bool tiny = expected != 0 && std::fabs(expected) < DBL_MIN;
    if (!same(value, expected) && !(tiny && value == 0)) {
      std::fprintf(stderr, "text [%s]: read %.17g, strtod %.17g\n", text.c_str(), value, expected);
      fault("differs from strtod");
    }
  }
  return 0;
}
