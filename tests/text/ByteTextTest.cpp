// List splitting and the ASCII case rules of byte text.
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

TEST(CaseTest, GroupNamesFoldAsciiLettersOnly) {
  EXPECT_TRUE(equalsIgnoreAsciiCase("nvic", "NVIC"));
  EXPECT_FALSE(equalsIgnoreAsciiCase("\xE9", "\xC9"));
}

}  // namespace
}  // namespace regforge
