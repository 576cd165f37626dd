#include "common/decimal_reader.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

namespace gears {

namespace {

// The syntax is checked here by hand; std::from_chars only converts text
// already known to be valid. strtod and streams would follow LC_NUMERIC,
// and from_chars alone would also take "nan", "inf" or hexadecimal floats.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  // Blanks, tabs and line feeds may stand anywhere inside a number.
  // CR is not among them: it ends the number.
  char peek() {
    while (pos_ < text_.size() && isSkipped(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void advance() { ++pos_; }
  std::size_t position() const { return pos_; }
  void rewind(std::size_t pos) { pos_ = pos; }

 private:
  static bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

  std::string_view text_;
  std::size_t pos_ = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isHexDigit(char c) {
  return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }

// Octal digits rewritten as hexadecimal digits of the same whole number, so
// that from_chars rounds a long run of them exactly as it rounds hex.
std::string octalToHex(const std::string& octal) {
  std::size_t first = 0;
  while (first < octal.size() && octal[first] == '0') ++first;
  const std::size_t count = octal.size() - first;
  if (count == 0) return "0";
  const std::size_t bits = count * 3;
  const std::size_t hexDigits = (bits + 3) / 4;
  const std::size_t pad = hexDigits * 4 - bits;  // leading zero bits
  static constexpr char kHex[] = "0123456789abcdef";
  std::string hex(hexDigits, '0');
  // Bit i (0 = most significant of the padded number).
  auto bitAt = [&](std::size_t i) -> unsigned {
    if (i < pad) return 0;
    const std::size_t b = i - pad;
    const unsigned digit = static_cast<unsigned>(octal[first + b / 3] - '0');
    return (digit >> (2 - b % 3)) & 1u;
  };
  for (std::size_t h = 0; h < hexDigits; ++h) {
    unsigned v = 0;
    for (std::size_t k = 0; k < 4; ++k) v = (v << 1) | bitAt(h * 4 + k);
    hex[h] = kHex[v];
  }
  return hex;
}

double wholeFromHex(const std::string& hex) {
  double value = 0.0;
  const auto result =
      std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
  if (result.ec == std::errc::result_out_of_range) return HUGE_VAL;
  if (result.ec != std::errc()) return 0.0;
  return value;
}

// &H and &O: a non-negative whole number, "&" already consumed.
double readRadixNumber(Scanner& in) {
  const char kind = in.peek();
  const bool hex = kind == 'H' || kind == 'h';
  const bool octal = kind == 'O' || kind == 'o';
  if (!hex && !octal) return 0.0;
  in.advance();
  std::string digits;
  for (char c = in.peek(); hex ? isHexDigit(c) : isOctalDigit(c); c = in.peek()) {
    digits.push_back(c);
    in.advance();
  }
  if (digits.empty()) return 0.0;
  return wholeFromHex(hex ? digits : octalToHex(digits));
}

constexpr std::int64_t kExponentCap = 1'000'000'000'000;

}  // namespace

double readDecimal(std::string_view text) {
  Scanner in(text);
  char c = in.peek();
  if (c == '&') {
    in.advance();
    return readRadixNumber(in);
  }

  std::string number;  // sign, mantissa and exponent without the blanks
  number.reserve(32);
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    in.advance();
    c = in.peek();
  }
  if (negative) number.push_back('-');

  // Mantissa. The order of magnitude is tracked alongside, to tell an
  // overflow from an underflow when from_chars reports "out of range".
  bool seenPoint = false;
  bool anyDigit = false;
  bool seenNonZero = false;
  std::int64_t magnitude = 0;  // decimal position of the first non-zero digit
  for (;; c = in.peek()) {
    if (isDigit(c)) {
      anyDigit = true;
      if (c != '0' && !seenNonZero) seenNonZero = true;
      if (seenNonZero && !seenPoint) ++magnitude;
      if (!seenNonZero && seenPoint) --magnitude;
      number.push_back(c);
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
      if (!anyDigit) number.push_back('0');
      number.push_back('.');
    } else {
      break;
    }
    in.advance();
  }
  if (!anyDigit) return 0.0;

  // Exponent: E or D, optional sign, digits. Without digits the letter is
  // not part of the number ("1E" reads 1).
  if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
    const std::size_t mark = in.position();
    in.advance();
    char e = in.peek();
    bool expNegative = false;
    if (e == '+' || e == '-') {
      expNegative = e == '-';
      in.advance();
      e = in.peek();
    }
    if (isDigit(e)) {
      number.push_back('e');
      if (expNegative) number.push_back('-');
      std::int64_t exponent = 0;
      for (; isDigit(e); e = in.peek()) {
        number.push_back(e);
        if (exponent < kExponentCap) exponent = exponent * 10 + (e - '0');
        in.advance();
      }
      magnitude += expNegative ? -exponent : exponent;
    } else {
      in.rewind(mark);
    }
  }

  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    if (!seenNonZero) return negative ? -0.0 : 0.0;
    if (magnitude > 0) return negative ? -HUGE_VAL : HUGE_VAL;
    return negative ? -0.0 : 0.0;
  }
  if (result.ec != std::errc()) return 0.0;
  return value;
}

}  // namespace gears
