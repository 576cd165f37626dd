// Number to text and back: a finite double written with 15 significant digits
// and a point reads back through the decimal-point reader within that
// rounding; a single-precision value written with 7 digits likewise. The text
// with the locale's comma is the same text with the point replaced.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/decimal_reader.h"
#include "common/number_text.h"

namespace {

[[noreturn]] void fault(const char* what, double value, const std::string& text, double back) {
  std::fprintf(stderr, "round trip: %s: %.17g -> [%s] -> %.17g\n", what, value, text.c_str(), back);
  std::abort();
}

// Values from here up round to a 15-digit text above the largest double
// (1.79769313486232E+308), which reads back as infinity.
constexpr double kTopOf15Digits = 1.797693134862315e308;
// Same for 7 digits and the largest float (3.402824E+38 reads back fine as a
// double: only the comparison below is made in double precision).

void checkDouble(double value) {
  if (!std::isfinite(value)) return;
  const std::string text = gears::doubleToText(value, ".");
  const double back = gears::readDecimal(text);
  if (text.find_first_not_of("0123456789.E+-") != std::string::npos) fault("unexpected character", value, text, back);
  std::size_t digits = 0;
  for (std::size_t i = 0; i < text.size() && text[i] != 'E'; ++i) digits += text[i] >= '1' && text[i] <= '9';
  if (digits > 15) fault("more than 15 significant digits", value, text, back);

  if (std::fabs(value) >= kTopOf15Digits) {
    if (!(std::isinf(back) && std::signbit(back) == std::signbit(value)) &&
        !(std::fabs(back - value) <= 5.3e-15 * std::fabs(value))) {
      fault("top of the range", value, text, back);
    }
  } else {
    // 15 digits round within 5e-15 of the value; reading adds at most half an
    // ulp, or half the smallest subnormal below the normal range.
    const double bound = 5.3e-15 * std::fabs(value) + DBL_TRUE_MIN;
    if (!(std::fabs(back - value) <= bound)) fault("too far", value, text, back);
    if (value != 0 && std::signbit(back) != std::signbit(value)) fault("sign lost", value, text, back);
  }

  std::string comma = text;
  for (char& c : comma) {
    if (c == '.') c = ',';
  }
  if (gears::doubleToText(value, ",") != comma) fault("comma text differs", value, text, back);
}

void checkSingle(float value) {
  if (!std::isfinite(value)) return;
  const std::string text = gears::singleToText(value, ".");
  const double back = gears::readDecimal(text);
  const double v = value;
  const double bound = 5.0e-7 * std::fabs(v) + 1e-45;
  if (!(std::fabs(back - v) <= bound)) fault("single too far", v, text, back);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size >= sizeof(double)) {
    double value;
    std::memcpy(&value, data, sizeof value);
    checkDouble(value);
  }
  if (size >= sizeof(float)) {
    float value;
    std::memcpy(&value, data, sizeof value);
    checkSingle(value);
  }
  // Also decimal texts of the input taken as a number, so that round values
  // (0.1, 1E+15, 123456789012345) come up often.
  if (size > 0 && size <= 40) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkDouble(gears::readDecimal(text));
  }
  return 0;
}
