// The NVIC group: registers counted from the highest named interrupt, names shifted by the
// start index, the target-state registers of Armv8-M, and the priority-field arithmetic.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "cortexm/CortexMSVDFile.h"

namespace regforge {
namespace {

class NvicGroupTest : public testing::Test {
 protected:
  NvicGroupTest() { map_.setRoot(map_.createMapElement("Processor")); }

  std::string written() const {
    std::string text;
    map_.writeTo(text);
    return text;
  }

  const XMLElement* group() const { return map_.rootElement()->firstChild()->toElement(); }

  std::vector<std::string> registerNames() const {
    std::vector<std::string> names;
    for (const XMLNode* node = group()->firstChild(); node; node = node->nextSibling())
      names.emplace_back(node->toElement()->attribute("name").value_or(""));
    return names;
  }

  const XMLElement* findRegister(std::string_view name) const {
    for (const XMLNode* node = group()->firstChild(); node; node = node->nextSibling()) {
      if (node->toElement()->attribute("name") == name) return node->toElement();
    }
    return nullptr;
  }

  CortexMSVDFile map_;
};

TEST_F(NvicGroupTest, OneInterruptOnAnArmv8MCoreInThePlainView) {
  map_.setInterruptName(0, "WDT");
  map_.addNvicGroup(33, 3, 0, true, false);
  EXPECT_EQ(written(),
            "<Processor>\n"
            "  <RegisterGroup description=\"Nested Vectored Interrupt Controller\" name=\"NVIC\" "
            "start=\"0xE000E100\">\n"
            "    <Register description=\"Interrupt Set-Enable Register 0\" name=\"NVIC_ISER0\" "
            "start=\"0xE000E100\">\n"
            "      <BitField name=\"WDT\" size=\"1\" start=\"0\" />\n"
            "    </Register>\n"
            "    <Register description=\"Interrupt Clear-Enable Register 0\" name=\"NVIC_ICER0\" "
            "start=\"0xE000E180\">\n"
            "      <BitField name=\"WDT\" size=\"1\" start=\"0\" />\n"
            "    </Register>\n"
            "    <Register description=\"Interrupt Set-Pending Register 0\" name=\"NVIC_ISPR0\" "
            "start=\"0xE000E200\">\n"
            "      <BitField name=\"WDT\" size=\"1\" start=\"0\" />\n"
            "    </Register>\n"
            "    <Register description=\"Interrupt Clear-Pending Register 0\" "
            "name=\"NVIC_ICPR0\" start=\"0xE000E280\">\n"
            "      <BitField name=\"WDT\" size=\"1\" start=\"0\" />\n"
            "    </Register>\n"
            "    <Register access=\"ReadOnly\" description=\"Interrupt Active Bit Register 0\" "
            "name=\"NVIC_IABR0\" start=\"0xE000E300\">\n"
            "      <BitField name=\"WDT\" size=\"1\" start=\"0\" />\n"
            "    </Register>\n"
            "    <Register description=\"Interrupt Target Non-secure Register 0\" "
            "name=\"NVIC_ITNS0\" start=\"0xE000E380\">\n"
            "      <BitField name=\"WDT\" size=\"1\" start=\"0\" />\n"
            "    </Register>\n"
            "    <Register description=\"Interrupt Priority Register 0\" name=\"NVIC_IPR0\" "
            "start=\"0xE000E400\">\n"
            "      <BitField name=\"WDT\" size=\"3\" start=\"5\" />\n"
            "    </Register>\n"
            "  </RegisterGroup>\n"
            "</Processor>\n");
}

TEST_F(NvicGroupTest, RegisterCountsFollowTheHighestNamedInterrupt) {
  map_.setInterruptName(0, "A");
  map_.setInterruptName(33, "B");
  map_.setInterruptName(40, "C");
  map_.addNvicGroup(4, 4, 0, true, false);
  std::vector<std::string> expected = {"NVIC_ISER0", "NVIC_ISER1", "NVIC_ICER0", "NVIC_ICER1",
                                       "NVIC_ISPR0", "NVIC_ISPR1", "NVIC_ICPR0", "NVIC_ICPR1",
                                       "NVIC_IABR0", "NVIC_IABR1"};
  for (int r = 0; r <= 10; ++r)
    expected.push_back("NVIC_IPR" + std::to_string(r));
  EXPECT_EQ(registerNames(), expected);
  EXPECT_EQ(findRegister("NVIC_ISER1")->attribute("start"), "0xE000E104");
  EXPECT_EQ(findRegister("NVIC_IPR2")->attribute("start"), "0xE000E408");

  const XMLElement* field = findRegister("NVIC_IPR8")->firstChild()->toElement();
  EXPECT_EQ(field->attribute("name"), "B");
  EXPECT_EQ(field->attribute("start"), "12");
  EXPECT_EQ(field->attribute("size"), "4");
  field = findRegister("NVIC_ICPR1")->firstChild()->toElement();
  EXPECT_EQ(field->attribute("name"), "B");
  EXPECT_EQ(field->attribute("start"), "1");
}

TEST_F(NvicGroupTest, TheAliasViewHasNoTargetStateRegisters) {
  map_.setInterruptName(8, "UART");
  map_.addNvicGroup(33, 3, 0, false, true);
  EXPECT_EQ(registerNames(), (std::vector<std::string>{
                                 "NVIC_ISER0_NS", "NVIC_ICER0_NS", "NVIC_ISPR0_NS", "NVIC_ICPR0_NS",
                                 "NVIC_IABR0_NS", "NVIC_IPR0_NS", "NVIC_IPR1_NS", "NVIC_IPR2_NS"}));
  EXPECT_EQ(group()->attribute("name"), "NVIC_NS");
  EXPECT_EQ(group()->attribute("start"), "0xE002E100");
  EXPECT_EQ(findRegister("NVIC_IABR0_NS")->attribute("start"), "0xE002E300");
  EXPECT_EQ(findRegister("NVIC_IPR2_NS")->attribute("start"), "0xE002E408");
  EXPECT_EQ(written().find("description"), std::string::npos);
}

TEST_F(NvicGroupTest, StartIndexShiftsNamesButNotCounts) {
  map_.setInterruptName(16, "FIRST");
  map_.setInterruptName(20, "FIFTH");
  map_.addNvicGroup(0, 2, 16, true, false);
  EXPECT_EQ(registerNames().size(), 5u + 6u);  // one of each bit kind, IPR0 to IPR5
  const XMLElement* iser0 = findRegister("NVIC_ISER0");
  ASSERT_NE(iser0->firstChild(), nullptr);
  EXPECT_EQ(iser0->firstChild()->toElement()->attribute("start"), "0");
  EXPECT_EQ(iser0->lastChild()->toElement()->attribute("start"), "4");
  const XMLElement* ipr1 = findRegister("NVIC_IPR1");
  EXPECT_EQ(ipr1->firstChild()->toElement()->attribute("name"), "FIFTH");
  EXPECT_EQ(ipr1->firstChild()->toElement()->attribute("start"), "6");
}

TEST_F(NvicGroupTest, NoNamesGiveAnEmptyGroup) {
  map_.addNvicGroup(4, 3, 0, true, false);
  EXPECT_EQ(written(),
            "<Processor>\n"
            "  <RegisterGroup description=\"Nested Vectored Interrupt Controller\" name=\"NVIC\" "
            "start=\"0xE000E100\" />\n"
            "</Processor>\n");
}

TEST_F(NvicGroupTest, ExtremeStartIndicesNameNoBits) {
  map_.setInterruptName(511, "LAST");
  map_.addNvicGroup(4, 3, INT_MIN, true, false);
  map_.addNvicGroup(4, 3, INT_MAX, true, false);
  EXPECT_EQ(written().find("LAST"), std::string::npos);
}

TEST_F(NvicGroupTest, PriorityBitsOutsideTheByteAreTakenAsTheyAre) {
  map_.setInterruptName(0, "A");
  map_.setInterruptName(1, "B");
  map_.addNvicGroup(4, 9, 0, true, false);
  const XMLElement* ipr0 = findRegister("NVIC_IPR0");
  EXPECT_EQ(ipr0->firstChild()->toElement()->attribute("start"), "-1");
  EXPECT_EQ(ipr0->lastChild()->toElement()->attribute("start"), "7");
  EXPECT_EQ(ipr0->lastChild()->toElement()->attribute("size"), "9");
}

}  // namespace
}  // namespace regforge
