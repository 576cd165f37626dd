#include "common/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "common/decimal_reader.h"
#include "common/print_format.h"

namespace gears {
namespace {

struct DoubleCase {
  double value;
  const char* expected;
};

void PrintTo(const DoubleCase& c, std::ostream* os) { *os << c.expected; }

class DoubleTextTable : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(DoubleTextTable, Converts) {
  EXPECT_EQ(doubleToText(GetParam().value), GetParam().expected);
}

const DoubleCase kDoubleCases[] = {
    {0.0, "0"},
    {-0.0, "0"},
    {1, "1"},
    {20, "20"},
    {-3, "-3"},
    {164, "164"},
    {0.5, "0.5"},
    {-0.5, "-0.5"},
    {0.1, "0.1"},
    {1.0 / 3.0, "0.333333333333333"},
    {2.0 / 3.0, "0.666666666666667"},
    {-2.0 / 3.0, "-0.666666666666667"},
    {20.0 * 21 / 21 / 20, "1"},
    {21.0 * 21 / 20 / 20, "1.1025"},
    {3098.7777777777, "3098.7777777777"},
    {0.000322707878, "0.000322707878"},
    {123456789012345.0, "123456789012345"},
    {1234567890123456.0, "1.23456789012346E+15"},
    // Carries of the rounding to 15 digits.
    {0.99999999999999999, "1"},
    {0.9999999999999999, "1"},
    {9.9999999999999999, "10"},
    {199.99999999999999, "200"},
    {999999999999999.0, "999999999999999"},
    {9999999999999999.0, "1E+16"},
    {999999999999999.9, "1E+15"},
    {9.9999999e14, "999999990000000"},
    {1e14, "100000000000000"},
    {1e15, "1E+15"},
    {-1e15, "-1E+15"},
    {1e20, "1E+20"},
    {1.5e20, "1.5E+20"},
    {-2.5e300, "-2.5E+300"},
    {1e100, "1E+100"},
    // Small values: plain down to 1E-05.
    {0.0001, "0.0001"},
    {0.00001, "0.00001"},
    {0.000015, "0.000015"},
    {0.0000099999999999999999, "0.00001"},
    {0.000009999, "9.999E-06"},
    {1.5e-7, "1.5E-07"},
    {-1.5e-7, "-1.5E-07"},
    {1e-300, "1E-300"},
    {5e-324, "4.94065645841247E-324"},
    {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
    // Never produced by the searches, but must not crash.
    {std::numeric_limits<double>::infinity(), "inf"},
    {-std::numeric_limits<double>::infinity(), "-inf"},
    {std::numeric_limits<double>::quiet_NaN(), "nan"},
};

INSTANTIATE_TEST_SUITE_P(Values, DoubleTextTable, ::testing::ValuesIn(kDoubleCases));

struct SingleCase {
  float value;
  const char* expected;
};

void PrintTo(const SingleCase& c, std::ostream* os) { *os << c.expected; }

class SingleTextTable : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SingleTextTable, Converts) {
  EXPECT_EQ(singleToText(GetParam().value), GetParam().expected);
}

const SingleCase kSingleCases[] = {
    {0.0f, "0"},
    {-0.0f, "0"},
    {3.0f, "3"},
    {400.0f, "400"},
    {12.5f, "12.5"},
    {0.1f, "0.1"},
    {1.0f / 3.0f, "0.3333333"},
    {2.0f / 3.0f, "0.6666667"},
    {3725.5f, "3725.5"},
    {86399.99f, "86399.99"},
    {0.01f, "0.01"},  // 9.99999977648258E-03 carries
    {9999999.0f, "9999999"},
    {16777216.0f, "1.677722E+07"},
    {1e7f, "1E+07"},
    {-1.5e-7f, "-1.5E-07"},
    {0.00001f, "0.00001"},
    {3.4028235e38f, "3.402823E+38"},
};

INSTANTIATE_TEST_SUITE_P(Values, SingleTextTable, ::testing::ValuesIn(kSingleCases));

TEST(NumberText, DecimalSymbolIsPlacedAsGiven) {
  EXPECT_EQ(doubleToText(0.5, ","), "0,5");
  EXPECT_EQ(doubleToText(-1234.25, ","), "-1234,25");
  EXPECT_EQ(doubleToText(20, ","), "20");
  EXPECT_EQ(doubleToText(1.5e-7, ","), "1,5E-07");
  EXPECT_EQ(doubleToText(0.001, "\xD9\xAB"), "0\xD9\xAB" "001");  // Arabic separator
  EXPECT_EQ(singleToText(12.5f, ","), "12,5");
}

TEST(NumberText, AppendAddsToTheEnd) {
  std::string out = "A;";
  appendDoubleText(out, 0.25);
  appendDoubleText(out, -7, ",");
  appendDoubleText(out, 1.5, ",");
  EXPECT_EQ(out, "A;0.25-71,5");
}

// Reference: printf's %G, which switches to scientific below 1E-04 rather
// than 1E-05; values with a decimal exponent of -5 are left out here and
// covered by the table above.
std::string referenceText(double value, int digits) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*G", digits, value);
  std::string text = buf;
  if (text == "-0") text = "0";
  return text;
}

int decimalExponent(double value, int digits) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", digits - 1, value);
  return std::atoi(std::strchr(buf, 'e') + 1);
}

TEST(NumberText, MatchesPrintfReferenceOnRandomValues) {
  std::mt19937_64 rng(20250611);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-30, 30);
  int compared = 0;
  for (int i = 0; i < 20000; ++i) {
    const double value = mantissa(rng) * std::pow(10.0, exponent(rng));
    if (decimalExponent(value, 15) != -5) {
      ASSERT_EQ(doubleToText(value), referenceText(value, 15)) << value;
      ++compared;
    }
    const float single = static_cast<float>(value);
    if (std::isfinite(single) && decimalExponent(single, 7) != -5) {
      ASSERT_EQ(singleToText(single), referenceText(single, 7)) << single;
    }
  }
  EXPECT_GT(compared, 19000);
}

// Text written by the conversion and read back by the reader is the value
// rounded to 15 significant digits (how the tolerance is formed).
TEST(NumberText, RoundTripsThroughTheReader) {
  std::mt19937_64 rng(7);
  std::uniform_int_distribution<std::uint64_t> bits;
  for (int i = 0; i < 20000; ++i) {
    double value;
    const std::uint64_t b = bits(rng);
    std::memcpy(&value, &b, sizeof value);
    if (!std::isfinite(value)) continue;
    const std::string text = doubleToText(value);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    const double rounded = std::strtod(buf, nullptr);
    ASSERT_EQ(readDecimal(text), rounded) << text;
    ASSERT_EQ(doubleToText(readDecimal(text)), text);
    if (value != 0) {
      ASSERT_LE(std::fabs(readDecimal(text) - value), std::fabs(value) * 5e-15) << text;
    }
  }
}

TEST(NumberText, CommaTextReadsBackAsTheWholePart) {
  EXPECT_EQ(readDecimal(doubleToText(0.001, ",")), 0);
  EXPECT_EQ(readDecimal(doubleToText(2.75, ",")), 2);
}

struct FieldCase {
  double value;
  const char* symbol;
  const char* expected;
};

class PrintFieldTable : public ::testing::TestWithParam<FieldCase> {};

TEST_P(PrintFieldTable, Formats) {
  const FieldCase& c = GetParam();
  EXPECT_EQ(printField(c.value, c.symbol), c.expected);
}

const FieldCase kFieldCases[] = {
    {20, ".", " 20 "},
    {0.5, ".", " 0.5 "},
    {-3, ".", "-3 "},
    {-0.25, ",", "-0,25 "},
    {0.0, ".", " 0 "},
    {-0.0, ".", " 0 "},
    {1.0 / 3.0, ".", " 0.333333333333333 "},
    {1.1025, ",", " 1,1025 "},
    {1e20, ".", " 1E+20 "},
    {-1.5e-7, ".", "-1.5E-07 "},
};

INSTANTIATE_TEST_SUITE_P(Values, PrintFieldTable, ::testing::ValuesIn(kFieldCases));

TEST(PrintField, BuildsAFourWheelRecord) {
  std::string line;
  const double values[] = {20, 21, 21, 20};
  for (double v : values) {
    appendPrintField(line, v);
    line.push_back(';');
  }
  appendPrintField(line, 21.0 * 21 / 20 / 20);
  EXPECT_EQ(line, " 20 ; 21 ; 21 ; 20 ; 1.1025 ");
}

}  // namespace
}  // namespace gears

namespace gears {
namespace {

// The fast exact path against the general conversion, on the values where
// they could part: decimal midpoints, binary ties, decade edges, and
// random values over every decade of the plain notation and beyond.
std::vector<double> awkwardValues() {
  std::vector<double> values;
  for (int e = -7; e <= 17; ++e) {
    const double p = std::pow(10.0, e);
    double x = p;
    for (int i = 0; i < 4; ++i) x = std::nextafter(x, 0.0);
    for (int i = 0; i < 8; ++i, x = std::nextafter(x, 1e300)) values.push_back(x);
  }
  // Ratios of power-of-two trains land exactly on fifteen-digit midpoints.
  for (double a : {1.0, 3.0, 5.0, 7.0, 9.0, 129.0, 257.0, 385.0})
    for (double b : {128.0, 256.0, 512.0, 32768.0, 65536.0, 2097152.0})
      for (double c : {1.0, 3.0, 33.0, 32769.0}) values.push_back(a * c / b / b);
  for (const char* text : {"1.000000000000005", "1.000000000000015", "9.999999999999995", "0.1000000000000005",
                           "123456789012345.5", "123456789012344.5", "999999999999999.5", "0.00001000000000000005",
                           "1.000030517578125", "1.000091552734375"}) {
    double x = std::strtod(text, nullptr);
    values.push_back(std::nextafter(x, 0.0));
    values.push_back(x);
    values.push_back(std::nextafter(x, 1e300));
  }
  std::mt19937_64 rng(4242);
  std::uniform_real_distribution<double> decade(-8.0, 17.0);
  for (int i = 0; i < 100000; ++i) values.push_back(std::pow(10.0, decade(rng)));
  for (int i = 0; i < 100000; ++i) {
    const auto bits = rng();
    const double x = std::bit_cast<double>((bits & 0x800FFFFFFFFFFFFFull) | (std::uint64_t{0x3EB + rng() % 80} << 52));
    values.push_back(x);
  }
  std::uniform_int_distribution<int> tooth(3, 400);
  for (int i = 0; i < 100000; ++i) {
    const double a = tooth(rng), b = tooth(rng), c = tooth(rng), d = tooth(rng);
    values.push_back(((c * a) / b) / d);
  }
  const std::size_t n = values.size();
  for (std::size_t i = 0; i < n; ++i) values.push_back(-values[i]);
  return values;
}

TEST(NumberText, FastPathMatchesTheGeneralConversion) {
  const std::vector<double> values = awkwardValues();
  for (const char* symbol : {".", ",", "", "\xD9\xAB"}) {
    std::string fast;
    char buffer[kMaxDoubleText + 8];
    for (double x : values) {
      const std::string expected = referenceDoubleText(x, symbol);
      fast.clear();
      appendDoubleText(fast, x, symbol);
      ASSERT_EQ(fast, expected) << std::hexfloat << x;
      ASSERT_EQ(std::string(buffer, writeDoubleText(buffer, x, symbol)), expected) << std::hexfloat << x;
    }
  }
}

}  // namespace
}  // namespace gears
