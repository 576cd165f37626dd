#include "common/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace gears {
namespace {

using namespace std::string_literals;

TEST(Cp1252, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = cp1252ToUtf8(all);
  EXPECT_EQ(utf8ToCp1252(utf8), all);
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(one)), one) << b;
  }
}

struct CharCase {
  std::string byte;
  std::string utf8;
};

class Cp1252Table : public ::testing::TestWithParam<CharCase> {};

TEST_P(Cp1252Table, MapsBothWays) {
  EXPECT_EQ(cp1252ToUtf8(GetParam().byte), GetParam().utf8);
  EXPECT_EQ(utf8ToCp1252(GetParam().utf8), GetParam().byte);
}

const CharCase kCharCases[] = {
    {"A", "A"},
    {"\0"s, "\0"s},
    {"\x7F", "\x7F"},
    {"\xE9", "\u00E9"},  // é
    {"\xE8", "\u00E8"},  // è
    {"\x80", "\u20AC"},  // €
    {"\x8C", "\u0152"},  // Œ
    {"\x9C", "\u0153"},  // œ
    {"\x92", "\u2019"},  // ’
    {"\x9F", "\u0178"},  // Ÿ
    {"\x81", "\xC2\x81"},
    {"\x8D", "\xC2\x8D"},
    {"\x8F", "\xC2\x8F"},
    {"\x90", "\xC2\x90"},
    {"\x9D", "\xC2\x9D"},
    {"\xA0", "\u00A0"},
    {"\xFF", "\u00FF"},
    {"ANNUL\xC9 40 dents", "ANNUL\u00C9 40 dents"},
};

INSTANTIATE_TEST_SUITE_P(Characters, Cp1252Table, ::testing::ValuesIn(kCharCases));

struct BadCase {
  std::string utf8;
  std::string expected;
};

class Cp1252Unencodable : public ::testing::TestWithParam<BadCase> {};

TEST_P(Cp1252Unencodable, BecomesQuestionMarks) {
  EXPECT_EQ(utf8ToCp1252(GetParam().utf8), GetParam().expected);
}

const BadCase kBadCases[] = {
    {"\u4E2D", "?"},                  // 中
    {"a\u4E2Db", "a?b"},
    {"\U0001F600", "?"},              // four-byte character
    {"\xC2\x80", "?"},                // U+0080 has no byte (0x80 is €)
    {"\u0100", "?"},
    {"\xC3", "?"},                    // truncated
    {"\xC3" "A", "?A"},
    {"\xE2\x82", "?"},                // truncated €
    {"\xE2\x82" "A", "?A"},
    {"\x80", "?"},                    // stray continuation byte
    {"\xC0\xAF", "??"},               // overlong
    {"\xE0\x80\xAF", "???"},          // overlong
    {"\xED\xA0\x80", "???"},          // surrogate
    {"\xF4\x90\x80\x80", "????"},     // beyond U+10FFFF
    {"\xFF\xFE", "??"},
};

INSTANTIATE_TEST_SUITE_P(Texts, Cp1252Unencodable, ::testing::ValuesIn(kBadCases));

}  // namespace
}  // namespace gears
