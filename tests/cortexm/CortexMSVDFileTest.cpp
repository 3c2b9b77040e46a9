// The core description read from a <cpu> element, which the core snapshots under ppb/ each
// show for one core.
#include "cortexm/CortexMSVDFile.h"

#include <gtest/gtest.h>

#include <string>

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
  for (const char* core : {"CM3", "CM4", "CM7", "CM23", "CM33", "CM55"}) {
    readCpu(("<cpu><name>" + std::string(core) + "</name></cpu>").c_str());
    EXPECT_TRUE(map_.cm0Plus()) << core;  // other cores leave the flag as it was
  }
  EXPECT_EQ(map_.coreType(), 55);
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

}  // namespace
}  // namespace regforge
