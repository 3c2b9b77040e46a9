// Index texts of register and cluster arrays.
#include "readers/DimIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace regforge {
namespace {

std::vector<std::string> entriesOf(const DimIndex& index) {
  std::vector<std::string> result;
  for (std::size_t i = 0; i < index.size(); ++i) {
    std::string entry;
    index.appendEntry(i, entry);
    result.push_back(entry);
  }
  return result;
}

std::vector<std::string> entries(std::string_view text, std::uint32_t limit = 100) {
  return entriesOf(parseDimIndex(text, limit));
}

std::vector<std::string> standardEntries(std::string_view text, std::uint32_t limit = 100) {
  return entriesOf(parseStandardDimIndex(text, limit));
}

using Texts = std::vector<std::string>;

TEST(DimIndexTest, TwoNumbersAroundADashAreARange) {
  EXPECT_EQ(entries("2-5"), (Texts{"2", "3", "4", "5"}));
  EXPECT_EQ(entries("-2--3-"), (Texts{"2", "3"}));  // empty parts are dropped
  EXPECT_EQ(entries(" 7 - 8 "), (Texts{"7", "8"}));
  EXPECT_EQ(entries("A-B"), (Texts{"0"}));  // parts that are no numbers read as 0
  EXPECT_EQ(entries("0x2-4"), (Texts{"0", "1", "2", "3", "4"}));  // decimal only
  EXPECT_TRUE(entries("5-2").empty());
}

TEST(DimIndexTest, AnythingElseIsACommaListTakenAsWritten) {
  EXPECT_EQ(entries("A,B,C"), (Texts{"A", "B", "C"}));
  EXPECT_EQ(entries("A, B"), (Texts{"A", " B"}));
  EXPECT_EQ(entries(",A,,B,"), (Texts{"A", "B"}));
  EXPECT_EQ(entries("1-2-3"), (Texts{"1-2-3"}));
  EXPECT_EQ(entries("7"), (Texts{"7"}));
  EXPECT_TRUE(entries("").empty());
}

TEST(DimIndexTest, KeepsNoMoreEntriesThanTheArrayCanUse) {
  const DimIndex range = parseDimIndex("0-4294967295", 3);
  EXPECT_EQ(range.size(), 3u);
  std::string last;
  range.appendEntry(2, last);
  EXPECT_EQ(last, "2");
  EXPECT_EQ(entries("4294967294-4294967295", 5), (Texts{"4294967294", "4294967295"}));
  EXPECT_EQ(entries("A,B,C", 2), (Texts{"A", "B"}));
  EXPECT_TRUE(entries("1-9", 0).empty());
}

TEST(DimIndexTest, TellsWhetherTheTextGivesMoreEntriesThanKept) {
  EXPECT_TRUE(parseDimIndex("0-9", 3).cutShort());
  EXPECT_FALSE(parseDimIndex("0-2", 3).cutShort());
  EXPECT_FALSE(parseDimIndex("5-2", 0).cutShort());
  EXPECT_TRUE(parseDimIndex("A,B,C", 2).cutShort());
  EXPECT_FALSE(parseDimIndex("A,B", 2).cutShort());
  EXPECT_FALSE(parseDimIndex("A,B,,,", 2).cutShort());  // empty parts are no entries
  EXPECT_TRUE(parseDimIndex(",A", 0).cutShort());
}

TEST(StandardDimIndexTest, ReadsNumberAndLetterRanges) {
  EXPECT_EQ(standardEntries("2-5"), (Texts{"2", "3", "4", "5"}));
  EXPECT_EQ(standardEntries(" 7 - 8 "), (Texts{"7", "8"}));
  EXPECT_EQ(standardEntries("A-D"), (Texts{"A", "B", "C", "D"}));
  EXPECT_EQ(standardEntries("x-z"), (Texts{"x", "y", "z"}));
  EXPECT_TRUE(standardEntries("5-2").empty());
  EXPECT_TRUE(standardEntries("D-A").empty());
  EXPECT_EQ(standardEntries("A-d"), (Texts{"A-d"}));  // letters of two cases are no range
  EXPECT_EQ(standardEntries("AB-CD"), (Texts{"AB-CD"}));
  EXPECT_EQ(standardEntries("-2--3-"), (Texts{"-2--3-"}));
}

TEST(StandardDimIndexTest, ReadsCommaListsTrimmed) {
  EXPECT_EQ(standardEntries("A, B ,C"), (Texts{"A", "B", "C"}));
  EXPECT_EQ(standardEntries(",A,,B,"), (Texts{"A", "B"}));
  EXPECT_EQ(standardEntries("TX_0,RX-1"), (Texts{"TX_0", "RX-1"}));  // a dash inside a list entry
  EXPECT_EQ(standardEntries("7"), (Texts{"7"}));
  EXPECT_TRUE(standardEntries(" ").empty());
}

TEST(StandardDimIndexTest, KeepsNoMoreEntriesThanTheArrayCanUse) {
  EXPECT_EQ(parseStandardDimIndex("0-4294967295", 3).size(), 3u);
  EXPECT_TRUE(parseStandardDimIndex("0-4294967295", 3).cutShort());
  EXPECT_EQ(standardEntries("A-Z", 2), (Texts{"A", "B"}));
  EXPECT_TRUE(parseStandardDimIndex("A-Z", 2).cutShort());
  EXPECT_FALSE(parseStandardDimIndex("A-B", 2).cutShort());
  EXPECT_EQ(standardEntries("A,B,C", 2), (Texts{"A", "B"}));
  EXPECT_TRUE(parseStandardDimIndex("A,B,C", 2).cutShort());
}

}  // namespace
}  // namespace regforge
