// The core description from a <cpu> element, the interrupt-name table, and which core groups
// "-pp" adds to a map that already holds some.
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
  readCpu("<cpu><name>CM0PLUS </name></cpu>");
  EXPECT_EQ(map_.coreType(), 7);
  readCpu("<cpu><name>CM33</name></cpu>");
  EXPECT_EQ(map_.coreType(), 33);
  EXPECT_TRUE(map_.cm0Plus());  // only the M0 names decide the M0+ flag
  readCpu("<cpu><name>CM0</name></cpu>");
  EXPECT_EQ(map_.coreType(), 0);
  EXPECT_FALSE(map_.cm0Plus());
}

TEST_F(CoreDescriptionTest, FpuIsReadOnlyAboveCoreTypeThree) {
  readCpu("<cpu><name>CM3</name><fpuPresent>true</fpuPresent></cpu>");
  EXPECT_FALSE(map_.fpuPresent());
  readCpu("<cpu><name>CM4</name><fpuPresent>true</fpuPresent></cpu>");
  EXPECT_TRUE(map_.fpuPresent());
  readCpu("<cpu><name>CM55</name></cpu>");
  EXPECT_FALSE(map_.fpuPresent());
}

TEST_F(CoreDescriptionTest, OnlyOneAndTrueCountAsPresent) {
  readCpu("<cpu><name>CM4</name><mpuPresent>1</mpuPresent><fpuPresent>TRUE</fpuPresent></cpu>");
  EXPECT_TRUE(map_.mpuPresent());
  EXPECT_FALSE(map_.fpuPresent());
  readCpu("<cpu><name>CM4</name><mpuPresent>yes</mpuPresent><fpuPresent>1</fpuPresent></cpu>");
  EXPECT_FALSE(map_.mpuPresent());
  EXPECT_TRUE(map_.fpuPresent());
}

TEST_F(CoreDescriptionTest, PriorityBitsAreADecimalNumberOrZero) {
  readCpu("<cpu><nvicPrioBits>4</nvicPrioBits></cpu>");
  EXPECT_EQ(map_.nvicPrioBits(), 4u);
  readCpu("<cpu><nvicPrioBits>0x3</nvicPrioBits></cpu>");
  EXPECT_EQ(map_.nvicPrioBits(), 0u);
  readCpu("<cpu><nvicPrioBits>three</nvicPrioBits></cpu>");
  EXPECT_EQ(map_.nvicPrioBits(), 0u);
}

class InterruptTableTest : public testing::Test {
 protected:
  CortexMSVDFile map_;
};

TEST_F(InterruptTableTest, FirstNameForAnIndexWins) {
  map_.setInterruptName(5, "A");
  map_.setInterruptName(5, "B");
  EXPECT_EQ(map_.interruptName(5), "A");
  EXPECT_EQ(map_.maxInterrupt(), 5);
}

TEST_F(InterruptTableTest, OnlyIndicesOfTheTableAndRealNamesAreTaken) {
  map_.setInterruptName(512, "TOO_HIGH");
  map_.setInterruptName(-1, "NEGATIVE");
  map_.setInterruptName(7, "");
  EXPECT_EQ(map_.maxInterrupt(), -1);
  map_.setInterruptName(511, "LAST");
  EXPECT_EQ(map_.interruptName(511), "LAST");
  EXPECT_EQ(map_.maxInterrupt(), 511);
  EXPECT_EQ(map_.interruptName(512), "");
  EXPECT_EQ(map_.interruptName(-1), "");
}

TEST_F(InterruptTableTest, MaxInterruptOnlyGrows) {
  map_.setInterruptName(9, "HIGH");
  map_.setInterruptName(3, "LOW");
  EXPECT_EQ(map_.maxInterrupt(), 9);
  map_.clearInterruptNames();
  EXPECT_EQ(map_.interruptName(9), "");
  EXPECT_EQ(map_.maxInterrupt(), 9);
}

TEST_F(InterruptTableTest, ListEntriesNameTheirPositionsAndEmptyOnesAreSkipped) {
  map_.setInterruptName(1, "OLD");
  map_.setInterruptNames({"a", "", "c"});
  EXPECT_EQ(map_.interruptName(0), "a");
  EXPECT_EQ(map_.interruptName(1), "");
  EXPECT_EQ(map_.interruptName(2), "c");
  EXPECT_EQ(map_.maxInterrupt(), 2);
}

TEST(CoreTextTest, NonSecureAliasSetsBit17AndSuffixesTheName) {
  EXPECT_EQ(CortexMSVDFile::addressText(0xE000ED00, false), "0xE000ED00");
  EXPECT_EQ(CortexMSVDFile::addressText(0xE000ED90, true), "0xE002ED90");
  EXPECT_EQ(CortexMSVDFile::addressText(0x10, false), "0x10");
  EXPECT_EQ(CortexMSVDFile::aliasName("MPU", true), "MPU_NS");
  EXPECT_EQ(CortexMSVDFile::aliasName("SYST_CSR", false), "SYST_CSR");
}

class PpbGroupsTest : public testing::Test {
 protected:
  PpbGroupsTest() { map_.setRoot(map_.createMapElement("Processor")); }

  void addGroup(const char* name) {
    map_.addRegisterGroup(map_.rootElement(), "0x40000000", nullptr, name, nullptr);
  }

  std::vector<std::string> groupNames() const {
    std::vector<std::string> names;
    for (XMLNode* node = map_.rootElement()->firstChild(); node; node = node->nextSibling())
      names.emplace_back(node->toElement()->attribute("name").value_or(""));
    return names;
  }

  // Whether names appear in this order among the groups (others may lie between them).
  bool inOrder(const std::vector<std::string>& names) const {
    std::size_t next = 0;
    for (const std::string& group : groupNames()) {
      if (next < names.size() && group == names[next]) ++next;
    }
    return next == names.size();
  }

  CortexMSVDFile map_;
};

TEST_F(PpbGroupsTest, ExistingGroupsAreFoundWhateverTheirCase) {
  addGroup("nvic");
  map_.setInterruptName(0, "IRQ0");
  map_.addPpbGroups(false);
  EXPECT_TRUE(inOrder({"nvic"}));
  EXPECT_FALSE(inOrder({"NVIC"}));
}

TEST_F(PpbGroupsTest, OnlyThePlainNameStopsAGroup) {
  addGroup("NVIC_NS");
  map_.addPpbGroups(true);
  EXPECT_TRUE(inOrder({"NVIC_NS", "NVIC", "NVIC_NS"}));
}

TEST_F(PpbGroupsTest, NonSecureTwinsFollowTheirGroupsInStepOrder) {
  map_.setCoreConfig(33, false, 3, true, true);
  map_.addPpbGroups(true);
  // Every group made comes in this order; which groups each generator makes is its own
  // business (the ICB groups exist on some cores only).
  const std::vector<std::string> order = {"NVIC", "NVIC_NS", "SysTick", "SysTick_NS", "ICB",
                                          "SCB",  "ICB_NS",  "SCB_NS",  "FPU",        "FPU_NS",
                                          "MPU",  "MPU_NS",  "SAU"};
  std::size_t next = 0;
  for (const std::string& group : groupNames()) {
    while (next < order.size() && order[next] != group)
      ++next;
    ASSERT_LT(next, order.size()) << group << " is out of order or unexpected";
    ++next;
  }
  EXPECT_TRUE(inOrder({"NVIC", "NVIC_NS"}));
}

TEST(PpbGroupsWithoutRootTest, NothingIsAdded) {
  CortexMSVDFile map;
  map.addPpbGroups(true);
  map.addNvicGroup(33, 3, 0, true, false);
  EXPECT_EQ(map.rootElement(), nullptr);
}

}  // namespace
}  // namespace regforge
