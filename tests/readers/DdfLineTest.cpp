// DDF lines: which lines count, and how a line is cut into tokens.
#include "readers/DdfLine.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace regforge {
namespace {

using Tokens = std::vector<std::string_view>;

Tokens tokens(std::string_view text) {
  Tokens result;
  tokenizeDdfLine(text, result);
  return result;
}

TEST(DdfLineTest, QuotedAndUnquotedValuesAreTokens) {
  EXPECT_EQ(tokens("\"NVIC_ISER0\", \"Memory\", 0xE000E100, 4, base=16\n"),
            (Tokens{"NVIC_ISER0", "Memory", "0xE000E100", "4", "base=16"}));
}

TEST(DdfLineTest, BlanksAndCarriageReturnsStayInsideAToken) {
  EXPECT_EQ(tokens("\"4 bytes\", size 4 ,x\r\n"), (Tokens{"4 bytes", "size 4 ", "x\r"}));
}

TEST(DdfLineTest, QuoteCommaTabAndNewlineEndAToken) {
  EXPECT_EQ(tokens("a\"b,c\td\n"), (Tokens{"a", "b", "c", "d"}));
}

TEST(DdfLineTest, CommentsAndCommentedOutLinesAreSkipped) {
  EXPECT_EQ(classifyDdfLine("; sfr = \"A\", \"Memory\", 0, 4\n"), DdfLineKind::Skipped);
  EXPECT_EQ(classifyDdfLine("// sfr = \"A\", \"Memory\", 0, 4\n"), DdfLineKind::Skipped);
  EXPECT_EQ(classifyDdfLine("sfr = \"A\", \"Memory\", 0, 4 // old\n"), DdfLineKind::Skipped);
  EXPECT_EQ(classifyDdfLine("[Sfr]"), DdfLineKind::Skipped);
  EXPECT_EQ(classifyDdfLine("sfr =\"A\"\n"), DdfLineKind::Skipped);
}

TEST(DdfLineTest, AnSfrKeywordAnywhereWinsOverAGroupKeyword) {
  EXPECT_EQ(classifyDdfLine("group = \"G\", \"sfr = \"\n"), DdfLineKind::Sfr);
  EXPECT_EQ(classifyDdfLine("  sfr = \"A\"\n"), DdfLineKind::Sfr);
  EXPECT_EQ(classifyDdfLine("group = \"G\", \"A\"\n"), DdfLineKind::Group);
  EXPECT_EQ(ddfTokenStart(DdfLineKind::Sfr), 6u);
  EXPECT_EQ(ddfTokenStart(DdfLineKind::Group), 8u);
}

}  // namespace
}  // namespace regforge
