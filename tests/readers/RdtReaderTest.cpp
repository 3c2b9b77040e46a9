// Finding the CPU element of an RDT file.
#include "readers/RdtReader.h"

#include <gtest/gtest.h>

#include <string>

namespace regforge {
namespace {

class FindCpuTest : public testing::Test {
 protected:
  const XMLElement* find(const char* text, std::string_view identifier) {
    EXPECT_TRUE(document_.parse(text));
    return findCpu(document_.root(), identifier);
  }
  static std::string_view mark(const XMLElement* cpu) {
    return cpu ? cpu->attribute("n").value_or("") : "none";
  }
  XMLDocument document_{false};
};

TEST_F(FindCpuTest, SearchesDepthFirstInPreOrder) {
  EXPECT_EQ(mark(find("<d><a><b><cpu id='X' n='1'/></b></a><cpu id='X' n='2'/></d>", "X")), "1");
  EXPECT_EQ(mark(find("<cpu id='X' n='0'><cpu id='X' n='1'/></cpu>", "X")), "0");
  EXPECT_EQ(mark(find("<d><cpu id='x' n='1'/><cpu id='X' n='2'/></d>", "X")), "2");
}

TEST_F(FindCpuTest, ACpuWithoutIdentifierNeverMatches) {
  EXPECT_EQ(mark(find("<d><cpu n='1'/><cpu id='' n='2'/></d>", "")), "2");
}

TEST_F(FindCpuTest, TheChildScanEndsAtTheFirstChildThatIsNoElement) {
  EXPECT_EQ(mark(find("<d><a><![CDATA[x]]><cpu id='X' n='1'/></a><cpu id='X' n='2'/></d>", "X")),
            "2");
}

TEST_F(FindCpuTest, OnlyTheStartAndItsDescendantsAreSearched) {
  ASSERT_TRUE(document_.parse("<d><a/><cpu id='X'/></d>"));
  EXPECT_EQ(findCpu(document_.root()->firstChild(), "X"), nullptr);
  EXPECT_EQ(findCpu(nullptr, "X"), nullptr);
}

TEST_F(FindCpuTest, ADeeplyNestedCpuIsFound) {
  constexpr int kDepth = 100000;
  std::string text;
  for (int i = 0; i < kDepth; ++i)
    text += "<e>";
  text += "<cpu id='X' n='deep'/>";
  for (int i = 0; i < kDepth; ++i)
    text += "</e>";
  EXPECT_EQ(mark(find(text.c_str(), "X")), "deep");
  EXPECT_EQ(find(text.c_str(), "Y"), nullptr);
}

}  // namespace
}  // namespace regforge
