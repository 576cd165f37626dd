#include "common/number_text.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

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

__extension__ using U128 = unsigned __int128;

constexpr std::uint64_t kPow10[20] = {1ull,
                                      10ull,
                                      100ull,
                                      1000ull,
                                      10000ull,
                                      100000ull,
                                      1000000ull,
                                      10000000ull,
                                      100000000ull,
                                      1000000000ull,
                                      10000000000ull,
                                      100000000000ull,
                                      1000000000000ull,
                                      10000000000000ull,
                                      100000000000000ull,
                                      1000000000000000ull,
                                      10000000000000000ull,
                                      100000000000000000ull,
                                      1000000000000000000ull,
                                      10000000000000000000ull};

// The 15 significant digits of 1E-05 <= |v| < 1E+15 as a whole number n
// (10^14 <= n < 10^15) and the decimal exponent of its first digit, rounded
// half to even on the exact binary value as to_chars rounds. Exact: the
// double's significand times a power of ten fits in 128 bits, and the
// binary exponent is negative throughout that range. The results files hold
// millions of ratios, and to_chars with a precision is several times slower.
// False where the plain notation does not apply.
bool fifteenDigits(double v, std::uint64_t& n, int& exponent) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(v) & ~(std::uint64_t{1} << 63);
  const int biased = static_cast<int>(bits >> 52);
  if (!(std::fabs(v) >= 1e-5 && std::fabs(v) < 1e15)) return false;
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int shift = 1075 - biased;  // v = m / 2^shift, shift >= 3 here
  int k = ((biased - 1023) * 315653) >> 20;  // floor(log10 |v|), or one less
  if (k < -5) k = -5;
  for (;;) {
    const U128 scaled = static_cast<U128>(m) * kPow10[14 - k];
    std::uint64_t q = static_cast<std::uint64_t>(scaled >> shift);
    if (q >= kPow10[15] && k < 14) {  // the estimate of k was one short
      ++k;
      continue;
    }
    if (q < kPow10[14] && k > -5) {
      --k;
      continue;
    }
    const U128 rest = scaled & ((static_cast<U128>(1) << shift) - 1);
    const U128 half = static_cast<U128>(1) << (shift - 1);
    q += static_cast<std::uint64_t>(rest > half) | (static_cast<std::uint64_t>(rest == half) & q & 1);
    if (q == kPow10[15]) {  // 9.99...95 carried into the next decade
      q = kPow10[14];
      ++k;
    }
    if (k >= 15) return false;
    n = q;
    exponent = k;
    return true;
  }
}

// The eight digits of n < 10^8 as ASCII bytes, the first digit in the lowest
// byte (memory order on little-endian machines), computed in lanes of one
// register: no table, and nothing stored to be read back, since a wide load
// of bytes just stored in pieces stalls.
inline std::uint64_t eightDigits(std::uint32_t n) {
  std::uint64_t x = (n / 10000) | (static_cast<std::uint64_t>(n % 10000) << 32);
  const std::uint64_t hundreds = ((x * 10486) >> 20) & 0x0000007F0000007Full;  // v / 100 for v < 10^4
  x = hundreds | ((x - hundreds * 100) << 16);
  const std::uint64_t tens = ((x * 103) >> 10) & 0x000F000F000F000Full;  // v / 10 for v < 100
  x = tens | ((x - tens * 10) << 8);
  return x | 0x3030303030303030ull;
}

inline int leadingZeroBits(U128 v) {
  const auto high = static_cast<std::uint64_t>(v >> 64);
  return high != 0 ? std::countl_zero(high) : 64 + std::countl_zero(static_cast<std::uint64_t>(v));
}

inline void store16(char* out, U128 v) { std::memcpy(out, &v, 16); }

// Same text as appendText(.., 15, ..) for the values fifteenDigits takes.
// Whole 16-byte stores, later ones overwriting the tail of earlier ones, so
// up to 16 bytes past the text's end are scribbled: the caller's room is
// kMaxDoubleText bytes plus the symbol.
char* writeFifteenDigits(char* out, bool negative, std::uint64_t n, int exponent, std::string_view decimalSymbol) {
  static_assert(std::endian::native == std::endian::little);
  const auto high = static_cast<std::uint32_t>(n / 100000000);  // 7 digits
  const auto low = static_cast<std::uint32_t>(n % 100000000);    // 8 digits
  // Bytes 0..14 hold the 15 digits, byte 15 is zero.
  const U128 digits = (static_cast<U128>(eightDigits(low)) << 56) | (eightDigits(high) >> 8);
  const U128 zeros = (static_cast<U128>(0x0030303030303030ull) << 64) | 0x3030303030303030ull;
  // Trailing zero digits are the zero bytes at the top of the digit values.
  const int count = 15 - (leadingZeroBits(digits ^ zeros) - 8) / 8;
  if (negative) *out++ = '-';
  const auto putSymbol = [&] {
    if (decimalSymbol.size() == 1) {
      *out++ = decimalSymbol[0];
    } else {
      std::memcpy(out, decimalSymbol.data(), decimalSymbol.size());
      out += decimalSymbol.size();
    }
  };
  if (exponent >= 0) {
    const int whole = exponent + 1;  // digits past count are '0' in digits
    store16(out, digits);
    out += whole;
    if (count > whole) {
      putSymbol();
      store16(out, digits >> (8 * whole));
      out += count - whole;
    }
  } else {
    *out++ = '0';
    putSymbol();
    std::memcpy(out, "00000000", 8);
    out += -exponent - 1;
    store16(out, digits);
    out += count;
  }
  return out;
}

// The fast path where it applies: the end of the text written at out, or
// nullptr.
char* writeFast(char* out, double value, std::string_view decimalSymbol) {
  std::uint64_t n = 0;
  int exponent = 0;
  if (decimalSymbol.size() > 8 || !fifteenDigits(value, n, exponent)) return nullptr;
  return writeFifteenDigits(out, value < 0, n, exponent, decimalSymbol);
}

}  // namespace

void appendDoubleText(std::string& out, double value, std::string_view decimalSymbol) {
  char text[kMaxDoubleText + 8];
  if (const char* end = writeFast(text, value, decimalSymbol)) {
    out.append(text, static_cast<std::size_t>(end - text));
  } else {
    appendText(out, value, 15, decimalSymbol);
  }
}

std::size_t writeDoubleText(char* out, double value, std::string_view decimalSymbol) {
  if (const char* end = writeFast(out, value, decimalSymbol)) return static_cast<std::size_t>(end - out);
  std::string text;
  appendText(text, value, 15, decimalSymbol);
  std::memcpy(out, text.data(), text.size());
  return text.size();
}

std::string referenceDoubleText(double value, std::string_view decimalSymbol) {
  std::string text;
  appendText(text, value, 15, decimalSymbol);
  return text;
}

std::string doubleToText(double value, std::string_view decimalSymbol) {
  std::string text;
  appendDoubleText(text, value, decimalSymbol);
  return text;
}

std::string singleToText(float value, std::string_view decimalSymbol) {
  std::string text;
  appendText(text, value, 7, decimalSymbol);
  return text;
}

}  // namespace gears
