// The table walker: which rows exist for a view, repeated rows and their indices, shared field
// sets, start texts, computed priority fields and enumerated values.
#include "cortexm/RegisterTable.h"

#include <gtest/gtest.h>

#include <string>

#include "GeneratedMap.h"
#include "cortexm/CortexMSVDFile.h"

namespace regforge {
namespace {

constexpr EnumValue kModeValues[] = {{"0x0", "Off"}, {"0x1", "On"}};

constexpr Row kSharedFields[] = {
    field("LOW", 0, 1, "Low bit"),
    field("HIGH", 1, 1, "High bit", k7),
};

constexpr Row kRows[] = {
    reg("CTRL", 0xE000E010, Access::ReadOnly, "Control", kAll),
    bits("MODE", 4, 1, kAll, kModeValues),
    field("EMPTY", 31, 1, ""),
    reg("ONLY7", 0xE000E014, Access::None, "Core 7 only", k7),
    field("ALL", 0, 1, "Never without its register"),
    repeat(2, 3, 8, 4),
    reg("R{n}", 0xE000E0A0, Access::Byte, "Register {n} of {n}", kAll, kLowerCaseStart),
    field("F{n}", 0, 4, "Field {n}"),
    field("FIRST", 31, 1, nullptr, kAll, kFirstIndexOnly),
    endRepeat(),
    reg("HALF", 0xE000E0C0, Access::HalfWord, nullptr),
    fields(kSharedFields),
    reg("SECURE", 0xE000E0C4, Access::None, "Secure copy only", kAll, kSecureOnly),
    field("S", 0, 1, "Gone with its register"),
    reg("PRIO", 0xE000E0C8, Access::None, "Priorities"),
    priorityField("P1", 16, "Byte 1", kAll),
};

constexpr GroupTable kTable{"T", 0xE000E000, "Test group", kAll, kRows};
constexpr GroupTable kCore7Table{"T7", 0xE000E000, "Test group", k7, kRows};

std::string walked(const GroupTable& table, CoreSet cores, bool nonSecure,
                   std::uint32_t nvicPrioBits = 3) {
  return generatedMap([&](CortexMSVDFile& map) {
    TableView view;
    view.cores = cores;
    view.nonSecure = nonSecure;
    view.nvicPrioBits = nvicPrioBits;
    addTableGroup(map, table, view);
  });
}

TEST(RegisterTableTest, WalksTheRowsThatExistForTheView) {
  EXPECT_EQ(
      walked(kTable, kCortexM4, false),
      "<Processor>\n"
      "  <RegisterGroup description=\"Test group\" name=\"T\" start=\"0xE000E000\">\n"
      "    <Register access=\"ReadOnly\" description=\"Control\" name=\"CTRL\" "
      "start=\"0xE000E010\">\n"
      "      <BitField name=\"MODE\" size=\"1\" start=\"4\">\n"
      "        <Enum name=\"Off\" start=\"0x0\" />\n"
      "        <Enum name=\"On\" start=\"0x1\" />\n"
      "      </BitField>\n"
      "      <BitField description=\"\" name=\"EMPTY\" size=\"1\" start=\"31\" />\n"
      "    </Register>\n"
      "    <Register description=\"Register 2 of 2\" name=\"R2\" size=\"1\" start=\"0xe000e0a0\">\n"
      "      <BitField description=\"Field 2\" name=\"F2\" size=\"4\" start=\"0\" />\n"
      "      <BitField name=\"FIRST\" size=\"1\" start=\"31\" />\n"
      "    </Register>\n"
      "    <Register description=\"Register 3 of 3\" name=\"R3\" size=\"1\" start=\"0xe000e0a8\">\n"
      "      <BitField description=\"Field 3\" name=\"F3\" size=\"4\" start=\"4\" />\n"
      "    </Register>\n"
      "    <Register description=\"Register 4 of 4\" name=\"R4\" size=\"1\" start=\"0xe000e0b0\">\n"
      "      <BitField description=\"Field 4\" name=\"F4\" size=\"4\" start=\"8\" />\n"
      "    </Register>\n"
      "    <Register name=\"HALF\" size=\"2\" start=\"0xE000E0C0\">\n"
      "      <BitField description=\"Low bit\" name=\"LOW\" size=\"1\" start=\"0\" />\n"
      "    </Register>\n"
      "    <Register description=\"Secure copy only\" name=\"SECURE\" start=\"0xE000E0C4\">\n"
      "      <BitField description=\"Gone with its register\" name=\"S\" size=\"1\" start=\"0\" "
      "/>\n"
      "    </Register>\n"
      "    <Register description=\"Priorities\" name=\"PRIO\" start=\"0xE000E0C8\">\n"
      "      <BitField description=\"Byte 1\" name=\"P1\" size=\"3\" start=\"13\" />\n"
      "    </Register>\n"
      "  </RegisterGroup>\n"
      "</Processor>\n");
}

TEST(RegisterTableTest, NonSecureCopyAliasesNamesAndAddressesAndDropsSecureRows) {
  const std::string text = walked(kTable, kCortexM7, true);
  EXPECT_NE(text.find("name=\"T_NS\" start=\"0xE002E000\""), std::string::npos);
  EXPECT_NE(text.find("name=\"ONLY7_NS\" start=\"0xE002E014\""), std::string::npos);
  // A lower-case start is the secure copy's; the alias is written like every other.
  EXPECT_NE(text.find("name=\"R2_NS\" size=\"1\" start=\"0xE002E0A0\""), std::string::npos);
  EXPECT_NE(text.find("name=\"HIGH\""), std::string::npos);  // field names keep no suffix
  EXPECT_EQ(text.find("SECURE"), std::string::npos);
  EXPECT_EQ(text.find("name=\"S\""), std::string::npos);
}

TEST(RegisterTableTest, GroupIsMadeOnlyForItsClasses) {
  EXPECT_EQ(walked(kCore7Table, kCortexM4, false), "<Processor/>\n");
  EXPECT_NE(walked(kCore7Table, kCortexM7, false).find("name=\"T7\""), std::string::npos);
}

TEST(RegisterTableTest, PriorityFieldsAreComputedInThirtyTwoBits) {
  EXPECT_NE(walked(kTable, kAll, false, 8).find("name=\"P1\" size=\"8\" start=\"8\""),
            std::string::npos);
  EXPECT_NE(walked(kTable, kAll, false, 0).find("name=\"P1\" size=\"0\" start=\"16\""),
            std::string::npos);
  EXPECT_NE(walked(kTable, kAll, false, 20).find("name=\"P1\" size=\"20\" start=\"-4\""),
            std::string::npos);
  EXPECT_NE(walked(kTable, kAll, false, 0xFFFFFFFFu).find("name=\"P1\" size=\"-1\" start=\"17\""),
            std::string::npos);
  EXPECT_NE(walked(kTable, kAll, false, 0x80000000u)
                .find("name=\"P1\" size=\"-2147483648\" start=\"-2147483632\""),
            std::string::npos);
}

// Each table asserts wellFormed at compile time; these are the edits it must reject.
TEST(RegisterTableTest, WellFormedRejectsBadEdits) {
  EXPECT_TRUE(wellFormed(kRows));
  static constexpr Row kUnclosed[] = {repeat(0, 2, 4, 0), reg("R", 0, Access::None, nullptr)};
  static constexpr Row kNested[] = {repeat(0, 2, 4, 0), repeat(0, 2, 4, 0), endRepeat(),
                                    endRepeat()};
  static constexpr Row kStrayEnd[] = {endRepeat()};
  static constexpr Row kWiderField[] = {reg("R", 0, Access::None, nullptr, k7),
                                        field("F", 0, 1, "", k4)};
  static constexpr Row kRegisterInSet[] = {reg("R", 0, Access::None, nullptr)};
  static constexpr Row kSetWithRegister[] = {reg("S", 0, Access::None, nullptr),
                                             fields(kRegisterInSet)};
  for (const Rows rows : {Rows(kUnclosed), Rows(kNested), Rows(kStrayEnd), Rows(kWiderField),
                          Rows(kSetWithRegister)}) {
    EXPECT_FALSE(wellFormed(rows));
  }
}

}  // namespace
}  // namespace regforge
