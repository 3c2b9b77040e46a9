// How the device-header scan reads the core macros; the case interrupts/irqs2-enum-numbers
// shows how it lays out the interrupt list.
#include "readers/CmsisHeader.h"

#include <gtest/gtest.h>

#include <string>

namespace regforge {
namespace {

// Scans text as a header, with the command line's core 0 and no MPU or FPU.
CmsisHeader scan(const std::string& text, std::uint32_t core = 0, bool mpu = false,
                 bool fpu = false) {
  return scanCmsisHeader(text, core, mpu, fpu);
}

TEST(CmsisHeaderTest, MacroValueIsOneDigitAfterOneSkippedCharacter) {
  EXPECT_EQ(scan("#define __NVIC_PRIO_BITS      4U\n").nvicPrioBits, 4u);
  EXPECT_EQ(scan("#define __NVIC_PRIO_BITS 3\n").nvicPrioBits, 3u);
  EXPECT_EQ(scan("#define __NVIC_PRIO_BITS3\n").nvicPrioBits, 0u);
  EXPECT_EQ(scan("#define __NVIC_PRIO_BITS7 2\n").nvicPrioBits, 2u);
  EXPECT_EQ(scan("#define __NVIC_PRIO_BITS 0x0002U\n").nvicPrioBits, 0u);
  EXPECT_EQ(scan("#define __NVIC_PRIO_BITS 12\n").nvicPrioBits, 1u);
  EXPECT_EQ(scan("__NVIC_PRIO_BITS").nvicPrioBits, 0u);
}

TEST(CmsisHeaderTest, CommandLineValuesStandUntilAMacroSaysOtherwise) {
  CmsisHeader header = scan("/* nothing */\n", 7, true, true);
  EXPECT_EQ(header.coreType, 7u);
  EXPECT_FALSE(header.cm0Plus);
  EXPECT_EQ(header.mpu, 1u);
  EXPECT_EQ(header.fpu, 1u);
  EXPECT_EQ(header.nvicPrioBits, 0u);
  header = scan("#define __FPU_PRESENT 0\n", 7, true, true);
  EXPECT_EQ(header.fpu, 0u);
  EXPECT_EQ(header.mpu, 1u);
  header = scan("/* nothing */\n");
  EXPECT_EQ(header.mpu, 0u);
  EXPECT_EQ(header.fpu, 0u);
}

TEST(CmsisHeaderTest, RevisionMacrosSetTheCore) {
  const std::pair<const char*, std::uint32_t> cores[] = {
      {"__CM3_REV", 3}, {"__CM4_REV", 4}, {"__CM7_REV", 7}, {"__CM23_REV", 23}, {"__CM33_REV", 33}};
  for (const auto& [macro, core] : cores) {
    const CmsisHeader header = scan(std::string("#define ") + macro + " 0x0001U\n", 1);
    EXPECT_EQ(header.coreType, core) << macro;
    EXPECT_FALSE(header.cm0Plus) << macro;
  }
  EXPECT_EQ(scan("#define __CM55_REV 0x0000U\n", 3).coreType, 3u);

  CmsisHeader header = scan("#define __CM0PLUS_REV 0\n", 7);
  EXPECT_EQ(header.coreType, 7u);
  EXPECT_TRUE(header.cm0Plus);
  header = scan("#define __CM0PLUS_REV 0\n#define __CM0_REV 0\n");
  EXPECT_FALSE(header.cm0Plus);
  // Only the first macro of the list that a line holds counts.
  header = scan("__CM0PLUS_REV __CM7_REV\n");
  EXPECT_TRUE(header.cm0Plus);
  EXPECT_EQ(header.coreType, 0u);
}

}  // namespace
}  // namespace regforge
