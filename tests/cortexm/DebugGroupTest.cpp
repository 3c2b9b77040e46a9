// The debug and trace groups: the debug classes of core numbers, comparator counts and the
// rows that only the first comparator has.
#include <gtest/gtest.h>

#include <string>

#include "GeneratedMap.h"
#include "cortexm/CortexMSVDFile.h"

namespace regforge {
namespace {

std::string debugGroups(std::int32_t coreType) {
  return generatedMap([&](CortexMSVDFile& map) { map.addDebugGroup(coreType); });
}

std::size_t count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++n;
  return n;
}

TEST(DebugGroupTest, CoreEightyFiveIsCoreFiftyFive) {
  EXPECT_EQ(debugGroups(85), debugGroups(55));
}

TEST(DebugGroupTest, UnlistedNumbersHaveFullFieldSetsButNoComparators) {
  for (std::int32_t coreType : {1, 2, 5, 9, -1}) {
    const std::string text = debugGroups(coreType);
    EXPECT_EQ(count(text, "_COMP"), 0u) << coreType;
    EXPECT_EQ(count(text, "DWT_FUNCTION"), 0u) << coreType;
    EXPECT_NE(text.find("name=\"TRCENA\""), std::string::npos) << coreType;
    EXPECT_NE(text.find("name=\"C_SNAPSTALL\""), std::string::npos) << coreType;
    EXPECT_NE(text.find("name=\"FP_REMAP\""), std::string::npos) << coreType;
    EXPECT_NE(text.find("name=\"Trace\""), std::string::npos) << coreType;
  }
}

TEST(DebugGroupTest, CycleMatchOnlyInTheFirstFunctionRegister) {
  const std::string text = debugGroups(4);
  EXPECT_EQ(count(text, "name=\"CYCMATCH\""), 1u);
  EXPECT_LT(text.find("name=\"CYCMATCH\""), text.find("name=\"DWT_COMP1\""));
}

TEST(DebugGroupTest, CalledTwiceAddsTheGroupsTwice) {
  const std::string text = generatedMap([](CortexMSVDFile& map) {
    map.addDebugGroup(3);
    map.addDebugGroup(3);
  });
  EXPECT_EQ(count(text, "name=\"Debug\""), 2u);
  EXPECT_EQ(count(text, "name=\"Trace\""), 2u);
}

}  // namespace
}  // namespace regforge
