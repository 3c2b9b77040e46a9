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
    XMLDocument input(XMLDocument::Content::ElementText);
    ASSERT_TRUE(input.parse(xml)) << input.errorText();
    map_.readCpu(*input.root());
  }
  CortexMSVDFile map_;
};

TEST_F(CoreDescriptionTest, CpuWithOnlyANameLeavesNoPriorityBits) {
  map_.setCoreConfig(7, false, 3, true, true);
  readCpu("<cpu><name>CM0+</name></cpu>");
  EXPECT_EQ(map_.coreType(), 0);
  EXPECT_TRUE(map_.cm0Plus());
  EXPECT_FALSE(map_.mpuPresent());
  EXPECT_TRUE(map_.fpuPresent());  // not read for core type 0
  EXPECT_EQ(map_.nvicPrioBits(), 0u);
}

TEST_F(CoreDescriptionTest, OnlyTheM0PlusNamesMakeAnM0Plus) {
  map_.setCoreConfig(4, true, 3, false, false);
  readCpu("<cpu><name>CM0</name></cpu>");
  EXPECT_EQ(map_.coreType(), 0);
  EXPECT_FALSE(map_.cm0Plus());
  readCpu("<cpu><name>CM0PLUS</name></cpu>");
  EXPECT_TRUE(map_.cm0Plus());
  readCpu("<cpu><name>CM4</name></cpu>");  // other cores leave the flag as it was
  EXPECT_EQ(map_.coreType(), 4);
  EXPECT_TRUE(map_.cm0Plus());
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

// The groups "-pp" and "-nb" add for a core's options, in order: each step's secure group and
// its twin, the SAU only beside the MPU's twin, and no FPU or MPU the core lacks.
struct PpbCase {
  std::int32_t coreType;
  bool mpu;
  bool fpu;
  bool nonSecure;
  const char* groups;
};

constexpr PpbCase kPpbCases[] = {
    {0, true, false, false, "NVIC SysTick SCB MPU Debug "},
    {4, false, false, false, "NVIC SysTick ICB SCB Debug Trace "},
    {-1, true, true, false, "NVIC SysTick ICB SCB FPU MPU Debug Trace "},
    {23, true, true, false, "NVIC SysTick ICB SCB FPU MPU Debug Trace "},
    {33, false, true, true,
     "NVIC NVIC_NS SysTick SysTick_NS ICB SCB ICB_NS SCB_NS FPU FPU_NS Debug Trace "},
    {55, true, true, true,
     "NVIC NVIC_NS SysTick SysTick_NS ICB SCB ICB_NS SCB_NS FPU FPU_NS MPU MPU_NS SAU Debug "
     "Trace "},
};

TEST(PpbGroupsTest, OptionsChooseTheGroupsAndTheirOrder) {
  for (const PpbCase& c : kPpbCases) {
    CortexMSVDFile map;
    map.setRoot(map.createMapElement("Processor"));
    map.setCoreConfig(c.coreType, false, 3, c.mpu, c.fpu);
    map.addPpbGroups(c.nonSecure);
    map.addDebugGroup(c.coreType);
    std::string groups;
    for (const XMLNode* g = map.root()->firstChild(); g; g = g->nextSibling())
      groups += std::string(g->toElement()->attribute("name").value_or("")) + " ";
    EXPECT_EQ(groups, c.groups) << c.coreType;
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

}  // namespace
}  // namespace regforge
