#include "text/ByteText.h"

#include <gtest/gtest.h>

namespace regforge {
namespace {

TEST(SplitListTest, KeepsEmptyEntries) {
  EXPECT_EQ(splitList("a;;b"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(splitList("a;"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(splitList(";"), (std::vector<std::string>{"", ""}));
  EXPECT_TRUE(splitList("").empty());  // an empty text is no list, not one empty entry
}

TEST(SimplifiedTest, CollapsesAsciiWhiteSpaceOnly) {
  EXPECT_EQ(simplified("  Control\n\t  register \r\n"), "Control register");
  EXPECT_EQ(simplified(" \t\n"), "");
  // Bytes of UTF-8 characters are never white space, a no-break space included.
  EXPECT_EQ(simplified("caf\xC3\xA9 \xC3\xA0\xC2\xA0x"), "caf\xC3\xA9 \xC3\xA0\xC2\xA0x");
}

TEST(CaseTest, FoldsAsciiLettersOnly) {
  EXPECT_TRUE(equalsIgnoreAsciiCase("nvic", "NVIC"));
  EXPECT_FALSE(equalsIgnoreAsciiCase("\xE9", "\xC9"));
  EXPECT_TRUE(startsWithIgnoreAsciiCase("Reserved1", "RESERVED"));
  EXPECT_FALSE(startsWithIgnoreAsciiCase("UNRESERVED", "reserved"));
}

}  // namespace
}  // namespace regforge
