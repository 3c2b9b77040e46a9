// Number conversions: C's strtoul and the strict conversions of the input formats.
#include "text/Numbers.h"

#include <gtest/gtest.h>

namespace regforge {
namespace {

TEST(CStrtoul, TakesTheBaseFromThePrefix) {
  EXPECT_EQ(cNumber("0x1F"), 31u);
  EXPECT_EQ(cNumber("0X1f"), 31u);
  EXPECT_EQ(cNumber("017"), 15u);
  EXPECT_EQ(cNumber("  42abc"), 42u);
  EXPECT_EQ(cNumber("\t\n\v\f\r 9"), 9u);  // all of C's white space leads
  EXPECT_EQ(cNumber("4U"), 4u);
  EXPECT_EQ(cStrtoul("zZ", nullptr, 36), 35u * 36 + 35);  // letters run up to z
  EXPECT_EQ(cStrtoul("0x1F", nullptr, 16), 31u);           // base 16 allows the prefix
  EXPECT_EQ(cStrtoul("0x1F", nullptr, 10), 0u);
}

TEST(CStrtoul, TruncatesAndNegatesLikeC) {
  EXPECT_EQ(cNumber("4294967296"), 0u);                        // 2^32 keeps its low 32 bits
  EXPECT_EQ(cNumber("99999999999999999999999"), 0xFFFFFFFFu);  // overflow gives the maximum
  EXPECT_EQ(cNumber("-1"), 0xFFFFFFFFu);
  EXPECT_EQ(cNumber("+7"), 7u);
}

TEST(StrictConversion, UsesTheWholeText) {
  EXPECT_EQ(toUnsigned(" 0x20 ", 0), 32u);
  EXPECT_EQ(toUnsigned("0x20", 10), 0u);  // decimal only: a hexadecimal text is no number
  EXPECT_EQ(toUnsigned("010", 0), 8u);
  EXPECT_EQ(toUnsigned("010", 10), 10u);
  EXPECT_EQ(toUnsigned("08", 0), 0u);
  EXPECT_EQ(toUnsigned("1 2", 10), 0u);
  EXPECT_EQ(toUnsigned("0x", 0), 0u);
  EXPECT_EQ(toUnsigned("0b11", 0), 0u);
  EXPECT_EQ(toUnsigned("+5", 10), 5u);
  EXPECT_FALSE(parseUnsigned("-5", 10));
  EXPECT_FALSE(parseUnsigned("", 10));
}

TEST(StrictConversion, RejectsValuesOutside32Bits) {
  EXPECT_EQ(toUnsigned("4294967295", 10), 4294967295u);
  EXPECT_FALSE(parseUnsigned("4294967296", 10));
  EXPECT_EQ(toSigned("-2147483648", 10), INT32_MIN);
  EXPECT_FALSE(parseSigned("2147483648", 10));
  EXPECT_EQ(toSigned("-0x10", 0), -16);
}

TEST(ScaledNumber, ReadsEveryFormOfTheStandard) {
  EXPECT_EQ(parseScaled("0x20"), 32u);
  EXPECT_EQ(parseScaled("0X1f"), 31u);
  EXPECT_EQ(parseScaled("#1010"), 10u);
  EXPECT_EQ(parseScaled("010"), 10u);  // a leading 0 is still decimal
  EXPECT_EQ(parseScaled("+7"), 7u);
  EXPECT_EQ(parseScaled(" 32 "), 32u);
  EXPECT_EQ(parseScaled("0"), 0u);
  EXPECT_FALSE(parseScaled(""));
  EXPECT_FALSE(parseScaled("0x"));
  EXPECT_FALSE(parseScaled("#"));
  EXPECT_FALSE(parseScaled("#102"));
  EXPECT_FALSE(parseScaled("1F"));  // hexadecimal digits need their prefix
  EXPECT_FALSE(parseScaled("-1"));
  EXPECT_FALSE(parseScaled("0b11"));
  EXPECT_FALSE(parseScaled("3 2"));
}

TEST(ScaledNumber, ScalesByPowersOf1024WithinThirtyTwoBits) {
  EXPECT_EQ(parseScaled("4k"), 4096u);
  EXPECT_EQ(parseScaled("4K"), 4096u);
  EXPECT_EQ(parseScaled("0x10k"), 16384u);  // no scale letter is a hexadecimal digit
  EXPECT_EQ(parseScaled("#11m"), 3u << 20);
  EXPECT_EQ(parseScaled("2G"), 2u << 30);
  EXPECT_EQ(parseScaled("3g"), 3u << 30);
  EXPECT_FALSE(parseScaled("4g"));  // 2^32
  EXPECT_EQ(parseScaled("0t"), 0u);
  EXPECT_FALSE(parseScaled("1T"));
  EXPECT_EQ(parseScaled("4194303k"), 4194303u * 1024);
  EXPECT_FALSE(parseScaled("4194304k"));
  EXPECT_EQ(parseScaled("4294967295"), 4294967295u);
  EXPECT_FALSE(parseScaled("4294967296"));
  EXPECT_FALSE(parseScaled("k"));
  EXPECT_FALSE(parseScaled("1kk"));
  EXPECT_FALSE(parseScaled("1 k"));
}

}  // namespace
}  // namespace regforge
