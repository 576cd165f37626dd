#include "common/number_text.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace gears {

namespace {

// Composes the text from to_chars' scientific digits (which do the rounding
// to the requested significant digits, carries included) so that the
// locale's decimal symbol can be placed and trailing zeros dropped.
// Plain notation is used while every digit shown is significant:
// 1E-05 <= |x| < 10^significantDigits; scientific ("1.5E-07") outside.
template <typename T>
void appendText(std::string& out, T value, int significantDigits,
                std::string_view decimalSymbol) {
  if (std::isnan(value)) {
    out += "nan";
    return;
  }
  if (std::isinf(value)) {
    out += value < 0 ? "-inf" : "inf";
    return;
  }
  if (value == 0) {  // negative zero too
    out.push_back('0');
    return;
  }

  char buf[64];
  const auto result =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                    significantDigits - 1);
  const char* p = buf;
  const char* end = result.ptr;
  if (*p == '-') {
    out.push_back('-');
    ++p;
  }

  char digits[32];
  int count = 0;
  for (; p != end && *p != 'e'; ++p) {
    if (*p != '.') digits[count++] = *p;
  }
  while (count > 1 && digits[count - 1] == '0') --count;
  int exponent = 0;
  if (p != end) {  // "e+02", "e-07"; the buffer is not NUL-terminated
    const bool negativeExponent = p[1] == '-';
    std::from_chars(p + 2, end, exponent);
    if (negativeExponent) exponent = -exponent;
  }

  if (exponent >= -5 && exponent < significantDigits) {
    if (exponent >= 0) {
      for (int i = 0; i <= exponent; ++i) out.push_back(i < count ? digits[i] : '0');
      if (count > exponent + 1) {
        out += decimalSymbol;
        out.append(digits + exponent + 1, static_cast<std::size_t>(count - exponent - 1));
      }
    } else {
      out.push_back('0');
      out += decimalSymbol;
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out.append(digits, static_cast<std::size_t>(count));
    }
    return;
  }

  out.push_back(digits[0]);
  if (count > 1) {
    out += decimalSymbol;
    out.append(digits + 1, static_cast<std::size_t>(count - 1));
  }
  out.push_back('E');
  out.push_back(exponent < 0 ? '-' : '+');
  const int magnitude = std::abs(exponent);
  if (magnitude < 10) out.push_back('0');
  char expBuf[8];
  const auto expEnd = std::to_chars(expBuf, expBuf + sizeof expBuf, magnitude).ptr;
  out.append(expBuf, expEnd);
}

}  // namespace

void appendDoubleText(std::string& out, double value, std::string_view decimalSymbol) {
  appendText(out, value, 15, decimalSymbol);
}

std::string doubleToText(double value, std::string_view decimalSymbol) {
  std::string text;
  appendText(text, value, 15, decimalSymbol);
  return text;
}

std::string singleToText(float value, std::string_view decimalSymbol) {
  std::string text;
  appendText(text, value, 7, decimalSymbol);
  return text;
}

}  // namespace gears
