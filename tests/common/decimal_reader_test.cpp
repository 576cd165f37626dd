#include "common/decimal_reader.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace gears {
namespace {

struct ReadCase {
  const char* text;
  double expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ReadDecimalTable : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadDecimalTable, ReadsLeadingNumber) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(readDecimal(c.text), c.expected);
}

const double kInf = std::numeric_limits<double>::infinity();

const ReadCase kReadCases[] = {
    // Plain numbers and signs.
    {"20", 20},
    {"127", 127},
    {"+7", 7},
    {"-3", -3},
    {"0.5", 0.5},
    {".5", 0.5},
    {"5.", 5},
    {"-.25", -0.25},
    {"040", 40},
    {"0.000322707878", 0.000322707878},
    {"3098.7777777777", 3098.7777777777},
    // Blanks, tabs and line feeds are skipped wherever they stand.
    {" 36 ", 36},
    {"1 2", 12},
    {" - 5", -5},
    {"\t\n12", 12},
    {"1 . 5", 1.5},
    {"1 e 2", 100},
    {"- . 5", -0.5},
    // CR and everything else ends the number.
    {"12\r3", 12},
    {"\r12", 0},
    {"0,5", 0},
    {"40 dents", 40},
    {"25.5x", 25.5},
    {"1.2.3", 1.2},
    // Exponents with E or D, either case.
    {"1E2", 100},
    {"1e2", 100},
    {"1D2", 100},
    {"1d-2", 0.01},
    {"2.5E+3", 2500},
    {"1E", 1},
    {"1E+", 1},
    {"1E-x", 1},
    {"1EE2", 1},
    {"E5", 0},
    {".E5", 0},
    // Hexadecimal and octal whole numbers.
    {"&H1F", 31},
    {"&h1f", 31},
    {"&HFFFF", 65535},
    {"&H FF", 255},
    {"&O17", 15},
    {"&o777", 511},
    {"&O8", 0},
    {"&O178", 15},
    {"&H", 0},
    {"&HG", 0},
    {"&", 0},
    {"&17", 0},
    {"-&H10", 0},
    {"+&H10", 0},
    {"&H1.5", 1},
    // No number at all.
    {"", 0},
    {"   ", 0},
    {"abc", 0},
    {"-", 0},
    {"+", 0},
    {".", 0},
    {"--5", 0},
    {"+-5", 0},
    {"nan", 0},
    {"NaN", 0},
    {"inf", 0},
    {"-infinity", 0},
    {"0x10", 0},
    {"0x1p3", 0},
    // Out of range.
    {"1e400", kInf},
    {"-1e400", -kInf},
    {"1e-400", 0},
    {"-1e-400", 0},
    {"1e99999999999999999999999", kInf},
    {"0e99999999999999999999999", 0},
    {"1e-99999999999999999999999", 0},
    {"1.7976931348623157e308", 1.7976931348623157e308},
};

INSTANTIATE_TEST_SUITE_P(Rules, ReadDecimalTable, ::testing::ValuesIn(kReadCases));

TEST(ReadDecimal, NegativeZeroKeepsItsSign) {
  EXPECT_TRUE(std::signbit(readDecimal("-0")));
  EXPECT_EQ(readDecimal("-0"), 0.0);
}

TEST(ReadDecimal, UnderflowGivesZeroOrDenormalNeverGarbage) {
  const double v = readDecimal("2e-320");
  EXPECT_GE(v, 0.0);
  EXPECT_LT(v, 1e-300);
}

TEST(ReadDecimal, LongHexAndOctalAreNotWrapped) {
  // 40 hex digits: 2^160 - 1 rounds to 2^160.
  EXPECT_EQ(readDecimal("&H" + std::string(40, 'F')), std::ldexp(1.0, 160));
  EXPECT_EQ(readDecimal("&H10000"), 65536);
  EXPECT_EQ(readDecimal("&HFFFFFFFFFFFFFFFF1"), std::ldexp(1.0, 68));
  // Octal 1 followed by 60 zeros is 2^180.
  EXPECT_EQ(readDecimal("&O1" + std::string(60, '0')), std::ldexp(1.0, 180));
  EXPECT_EQ(readDecimal("&O" + std::string(30, '7')), std::ldexp(1.0, 90));
  EXPECT_EQ(readDecimal("&O0000017"), 15);
  EXPECT_EQ(readDecimal("&H" + std::string(300, 'F')), kInf);
}

TEST(ReadDecimal, LongFieldsAreRead) {
  std::string digits(100000, '1');
  const double big = readDecimal(digits);
  EXPECT_TRUE(std::isinf(big));

  std::string zeros = "0." + std::string(100000, '0') + "1";
  EXPECT_EQ(readDecimal(zeros), 0.0);

  std::string padded = std::string(50000, ' ') + "42" + std::string(50000, ' ') + "x";
  EXPECT_EQ(readDecimal(padded), 42);

  std::string leading = std::string(100000, '0') + "7.5";
  EXPECT_EQ(readDecimal(leading), 7.5);

  std::string spaced;
  for (int i = 0; i < 50000; ++i) spaced += "0 ";
  spaced += "3";
  EXPECT_EQ(readDecimal(spaced), 3);

  std::string fraction = "0." + std::string(100000, '3');
  EXPECT_EQ(readDecimal(fraction), 1.0 / 3.0);
}

TEST(ReadDecimal, TenMegabyteFieldDoesNotCrash) {
  std::string text(10 * 1024 * 1024, '9');
  EXPECT_TRUE(std::isinf(readDecimal(text)));
  text.assign(10 * 1024 * 1024, ' ');
  EXPECT_EQ(readDecimal(text), 0.0);
  text.back() = '8';
  EXPECT_EQ(readDecimal(text), 8.0);
}

TEST(ReadDecimal, OnlyTheGivenViewIsRead) {
  const char buffer[] = "12345";
  EXPECT_EQ(readDecimal(std::string_view(buffer, 2)), 12);
  EXPECT_EQ(readDecimal(std::string_view(buffer, 0)), 0);
}

TEST(ReadDecimal, EmbeddedNulEndsTheNumber) {
  EXPECT_EQ(readDecimal(std::string_view("12\0" "3", 4)), 12);
}

// QApplication sets LC_ALL from the environment; the reader must not care.
class ReadDecimalLocale : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = std::setlocale(LC_ALL, nullptr); }
  void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }
  std::string saved_;
};

TEST_F(ReadDecimalLocale, IgnoresACommaLocale) {
  const char* candidates[] = {"fr_FR.UTF-8", "fr_FR.utf8", "de_DE.UTF-8", "de_DE.utf8",
                              "fr_FR",       "de_DE",      "it_IT.UTF-8", "es_ES.UTF-8"};
  const char* chosen = nullptr;
  for (const char* name : candidates) {
    if (std::setlocale(LC_ALL, name) != nullptr &&
        std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
      chosen = name;
      break;
    }
  }
  if (chosen == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
  EXPECT_EQ(readDecimal("0.5"), 0.5);
  EXPECT_EQ(readDecimal("0,5"), 0);
  EXPECT_EQ(readDecimal("1 2.25"), 12.25);
  EXPECT_EQ(readDecimal("1D2"), 100);
}

TEST_F(ReadDecimalLocale, ReadsUnderTheUtf8Locale) {
  if (std::setlocale(LC_ALL, "C.UTF-8") == nullptr) GTEST_SKIP() << "no C.UTF-8 locale";
  EXPECT_EQ(readDecimal("0.5"), 0.5);
  EXPECT_EQ(readDecimal("0,5"), 0);
}

}  // namespace
}  // namespace gears
