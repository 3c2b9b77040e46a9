// The Latin-1 character rules: white space, upper case, prefixes and simplified text.
#include "text/Latin1Text.h"

#include <gtest/gtest.h>

#include <string>

#include "text/Numbers.h"

namespace regforge {
namespace {

TEST(Latin1Characters, WhiteSpaceOfEveryByte) {
  for (int c = 0; c < 256; ++c) {
    const bool space = (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0;
    EXPECT_EQ(isTextSpace(static_cast<unsigned char>(c)), space) << "byte " << c;
  }
}

TEST(Latin1Characters, UpperCaseOfEveryByte) {
  for (int c = 0; c < 256; ++c) {
    // Lower-case letters: ASCII, and 0xDF to 0xFF without the division sign.
    const bool lower = (c >= 'a' && c <= 'z') || (c >= 0xDF && c != 0xF7);
    std::u16string expected(1, static_cast<char16_t>(lower ? c - 0x20 : c));
    if (c == 0xB5) expected = u"\u039C";
    if (c == 0xDF) expected = u"SS";
    if (c == 0xFF) expected = u"\u0178";
    const UpperCase upper = upperCase(static_cast<unsigned char>(c));
    std::u16string actual(1, upper.first);
    if (upper.second != 0) actual += upper.second;
    EXPECT_EQ(actual, expected) << "byte " << c;
  }
}

TEST(Latin1Characters, PrefixComparesUpperCasedCharacters) {
  EXPECT_TRUE(startsWithIgnoringCase("Reserved1", "RESERVED"));
  EXPECT_FALSE(startsWithIgnoringCase("UNRESERVED", "reserved"));
  EXPECT_TRUE(startsWithIgnoringCase("\xDFx", "SS"));
  EXPECT_TRUE(startsWithIgnoringCase("\xDFx", "S"));  // half of the sharp s's "SS"
  EXPECT_TRUE(startsWithIgnoringCase("ssx", "\xDF"));
  EXPECT_FALSE(startsWithIgnoringCase("sx", "\xDF"));
  EXPECT_TRUE(startsWithIgnoringCase("\xE9t", "\xC9"));
  EXPECT_TRUE(startsWithIgnoringCase("\xFF", "\xFF"));
  EXPECT_FALSE(startsWithIgnoringCase("\xFF", "\xDF"));
  EXPECT_TRUE(startsWithIgnoringCase("abc", ""));
}

TEST(Latin1Characters, SimplifiedAndNumbersUseTheSameWhiteSpace) {
  EXPECT_EQ(simplified("  Control\n\t  register \r\n"), "Control register");
  EXPECT_EQ(simplified("a\xA0"), "a");
  EXPECT_EQ(simplified("page\xC2\xA0\x85 499"), "page\xC2 499");
  EXPECT_EQ(simplified("caf\xC3\xA9"), "caf\xC3\xA9");  // other bytes of UTF-8 stay
  for (int c = 0; c < 256; ++c) {
    const std::string text = std::string("a") + static_cast<char>(c) + "b";
    EXPECT_EQ(simplified(text), isTextSpace(static_cast<unsigned char>(c)) ? "a b" : text) << c;
  }
  EXPECT_EQ(toUnsigned("\xA0\x34\x85", 0), 4u);
  EXPECT_EQ(toSigned("\x85-0x10\xA0", 0), -16);
  // C strtoul knows only C-locale white space.
  EXPECT_EQ(cNumber("\xA0"
                    "4"),
            0u);
}

}  // namespace
}  // namespace regforge
