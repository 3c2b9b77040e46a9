// The core description from a <cpu> element, the interrupt-name table, and the order in
// which "-pp" adds the core groups.
#include "cortexm/CortexMSVDFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace regforge {
namespace {

class CoreDescriptionTest : public testing::Test {
 protected:
  // Reads a <cpu> element given as XML text into the document under test.
  void readCpu(const char* xml) {
    XMLDocument input(true);
    ASSERT_TRUE(input.parse(xml)) << input.errorText();
    map_.readCpu(*input.root());
  }
  CortexMSVDFile map_;
};

TEST_F(CoreDescriptionTest, FreshDocumentHasTheDefaults) {
  EXPECT_EQ(map_.coreType(), 0);
  EXPECT_FALSE(map_.cm0Plus());
  EXPECT_FALSE(map_.mpuPresent());
  EXPECT_FALSE(map_.fpuPresent());
  EXPECT_EQ(map_.nvicPrioBits(), 2u);
  EXPECT_EQ(map_.maxInterrupt(), -1);
}

TEST_F(CoreDescriptionTest, CpuWithOnlyANameLeavesNoPriorityBits) {
  map_.setCoreConfig(7, false, 3, true, true);
  readCpu("<cpu><name>CM0+</name></cpu>");
  EXPECT_EQ(map_.coreType(), 0);
  EXPECT_TRUE(map_.cm0Plus());
  EXPECT_FALSE(map_.mpuPresent());
  EXPECT_TRUE(map_.fpuPresent());  // not read for core type 0
  EXPECT_EQ(map_.nvicPrioBits(), 0u);
}

TEST_F(CoreDescriptionTest, CoreNamesAreComparedExactly) {
  map_.setCoreConfig(7, true, 2, false, false);
  readCpu("<cpu><name>cm4</name></cpu>");
  EXPECT_EQ(map_.coreType(), 7);
  readCpu("<cpu><name>CM33</name></cpu>");
  EXPECT_EQ(map_.coreType(), 33);
  EXPECT_TRUE(map_.cm0Plus());  // only the M0 names decide the M0+ flag
  readCpu("<cpu><name>CM0</name></cpu>");
  EXPECT_FALSE(map_.cm0Plus());
}

TEST_F(CoreDescriptionTest, FpuIsReadOnlyAboveCoreTypeThree) {
  readCpu("<cpu><name>CM3</name><fpuPresent>true</fpuPresent></cpu>");
  EXPECT_FALSE(map_.fpuPresent());
  readCpu("<cpu><name>CM4</name><fpuPresent>true</fpuPresent></cpu>");
  EXPECT_TRUE(map_.fpuPresent());
}

TEST_F(CoreDescriptionTest, OnlyOneAndTrueCountAsPresent) {
  readCpu("<cpu><name>CM4</name><mpuPresent>1</mpuPresent><fpuPresent>TRUE</fpuPresent></cpu>");
  EXPECT_TRUE(map_.mpuPresent());
  EXPECT_FALSE(map_.fpuPresent());
  readCpu("<cpu><name>CM4</name><mpuPresent>yes</mpuPresent></cpu>");
  EXPECT_FALSE(map_.mpuPresent());
}

TEST_F(CoreDescriptionTest, PriorityBitsAreADecimalNumberOrZero) {
  readCpu("<cpu><nvicPrioBits>4</nvicPrioBits></cpu>");
  EXPECT_EQ(map_.nvicPrioBits(), 4u);
  readCpu("<cpu><nvicPrioBits>0x3</nvicPrioBits></cpu>");
  EXPECT_EQ(map_.nvicPrioBits(), 0u);
}

TEST(InterruptTableTest, SlotsZeroTo511TakeTheFirstNonEmptyName) {
  CortexMSVDFile map;
  map.setInterruptName(512, "TOO_HIGH");
  map.setInterruptName(-1, "NEGATIVE");
  map.setInterruptName(7, "");
  EXPECT_EQ(map.maxInterrupt(), -1);
  map.setInterruptName(511, "LAST");
  map.setInterruptName(5, "A");
  map.setInterruptName(5, "B");
  EXPECT_EQ(map.interruptName(511), "LAST");
  EXPECT_EQ(map.interruptName(5), "A");
  EXPECT_EQ(map.maxInterrupt(), 511);  // only grows
}

TEST(InterruptTableTest, ListReplacesTheNamesButNotTheHighestIndex) {
  CortexMSVDFile map;
  map.setInterruptName(9, "OLD");
  map.setInterruptNames({"a", "", "c"});
  EXPECT_EQ(map.interruptName(0), "a");
  EXPECT_EQ(map.interruptName(1), "");
  EXPECT_EQ(map.interruptName(2), "c");
  EXPECT_EQ(map.interruptName(9), "");
  EXPECT_EQ(map.maxInterrupt(), 9);
}

TEST(CoreTextTest, NonSecureAliasSetsBit17AndSuffixesTheName) {
  EXPECT_EQ(CortexMSVDFile::addressText(0xE000ED00, false), "0xE000ED00");
  EXPECT_EQ(CortexMSVDFile::addressText(0xE000ED90, true), "0xE002ED90");
  EXPECT_EQ(CortexMSVDFile::aliasName("MPU", true), "MPU_NS");
  EXPECT_EQ(CortexMSVDFile::aliasName("SCB", false), "SCB");
}

TEST(PpbGroupsTest, GroupsComeInStepOrderWithTheirTwins) {
  CortexMSVDFile map;
  map.setRoot(map.createMapElement("Processor"));
  map.setCoreConfig(33, false, 3, true, true);
  map.addPpbGroups(true);
  // Every group made comes in this order; which groups each generator makes is its own
  // business (the ICB groups exist on some cores only).
  const std::vector<std::string> order = {"NVIC", "NVIC_NS", "SysTick", "SysTick_NS", "ICB",
                                          "SCB",  "ICB_NS",  "SCB_NS",  "FPU",        "FPU_NS",
                                          "MPU",  "MPU_NS",  "SAU"};
  std::vector<std::string> made;
  for (XMLNode* node = map.rootElement()->firstChild(); node; node = node->nextSibling())
    made.emplace_back(node->toElement()->attribute("name").value_or(""));
  ASSERT_GE(made.size(), 2u);
  EXPECT_EQ(made[0], "NVIC");
  EXPECT_EQ(made[1], "NVIC_NS");
  std::size_t next = 0;
  for (const std::string& group : made) {
    while (next < order.size() && order[next] != group)
      ++next;
    ASSERT_LT(next, order.size()) << group << " is out of order or unexpected";
    ++next;
  }
}

// Priority fields of the NVIC and of the system handlers compute start and size the same way:
// 32-bit numbers, written signed, whatever the priority-bit count.
TEST(PpbGroupsTest, HugePriorityBitCountsAreWrittenAlikeInBothGroups) {
  CortexMSVDFile map;
  map.setRoot(map.createMapElement("Processor"));
  map.setInterruptName(0, "A");
  map.addNvicGroup(4, 0xFFFFFFFF, 0, false, false);
  map.addSystemControlGroups(4, 0xFFFFFFFF, false);
  std::string text;
  map.writeTo(text);
  EXPECT_NE(text.find("<BitField name=\"A\" size=\"-1\" start=\"9\" />"), std::string::npos);
  EXPECT_NE(text.find("name=\"PRI_11(SVCall)\" size=\"-1\" start=\"33\" />"), std::string::npos);
}

TEST(PpbGroupsTest, NothingIsAddedWithoutARoot) {
  CortexMSVDFile map;
  map.addPpbGroups(true);
  map.addNvicGroup(33, 3, 0, true, false);
  EXPECT_EQ(map.rootElement(), nullptr);
}

}  // namespace
}  // namespace regforge
