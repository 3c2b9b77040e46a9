// What a pack's processor attributes make of the core: the core groups to write, and whether
// the user is told that they belong to a core of the same kind rather than to the core itself.
#include "packs/PackCores.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace regforge {
namespace {

TEST(PackCoresTest, CoresWithoutTablesOfTheirOwnTakeTheNearestAndSaySo) {
  const PackCore m4 = packCoreOf("Cortex-M4", "SP_FPU", "MPU", "");
  EXPECT_EQ(m4.coreType, 4u);
  EXPECT_FALSE(m4.nearest);
  EXPECT_TRUE(m4.fpu && m4.mpu && !m4.noSecurity);
  const std::pair<const char*, std::uint32_t> nearest[] = {
      {"Cortex-M1", 0},   {"SC000", 0},       {"SC300", 3},     {"Cortex-M35P", 33},
      {"Cortex-M52", 55}, {"Cortex-M85", 55}, {"ARMV8MBL", 23}, {"ARMV8MML", 33},
      {"ARMV81MML", 55},  {"Star-MC1", 33}};
  for (const auto& [name, coreType] : nearest) {
    const PackCore core = packCoreOf(name, "", "", "");
    EXPECT_EQ(core.coreType, coreType) << name;
    EXPECT_TRUE(core.nearest) << name;
  }
  EXPECT_EQ(packCoreOf("Cortex-M55", "", "", "").coreType, 55u);
  EXPECT_EQ(packCoreOf("armv8mml", "", "", "").coreType, 33u);  // letter case differs by pack
  EXPECT_FALSE(packCoreOf("Cortex-A9", "", "", "").coreType.has_value());
}

TEST(PackCoresTest, OnlyCoresThatMayHaveTheSecurityExtensionLackItWithoutTz) {
  EXPECT_TRUE(packCoreOf("Cortex-M33", "", "", "NO_TZ").noSecurity);
  EXPECT_FALSE(packCoreOf("Cortex-M33", "", "", "TZ").noSecurity);
  for (const char* armv8 : {"Cortex-M23", "Cortex-M55", "Cortex-M85", "ARMV81MML", "Star-MC1"})
    EXPECT_TRUE(packCoreOf(armv8, "", "", "").noSecurity) << armv8;
  EXPECT_FALSE(packCoreOf("Cortex-M7", "DP_FPU", "", "").noSecurity);
  EXPECT_FALSE(packCoreOf("Cortex-M0", "NO_FPU", "NO_MPU", "").fpu);
}

}  // namespace
}  // namespace regforge
