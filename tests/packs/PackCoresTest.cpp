// What a pack's processor attributes make of the core: the core groups to write, and whether
// the user is told that they belong to a core of the same kind rather than to the core itself.
#include "packs/PackCores.h"

#include <gtest/gtest.h>

namespace regforge {
namespace {

TEST(PackCoresTest, CoresWithoutTablesOfTheirOwnTakeTheNearestAndSaySo) {
  const PackCore m4 = packCoreOf("Cortex-M4", "SP_FPU", "MPU", "");
  EXPECT_EQ(m4.coreType, 4u);
  EXPECT_FALSE(m4.nearest);
  EXPECT_TRUE(m4.fpu && m4.mpu && !m4.noSecurity);
  for (const char* nearest : {"Cortex-M1", "SC000", "SC300", "Cortex-M35P", "Cortex-M52",
                              "Cortex-M85", "ARMV8MBL", "ARMV8MML", "ARMV81MML", "Star-MC1"}) {
    const PackCore core = packCoreOf(nearest, "", "", "");
    EXPECT_TRUE(core.coreType.has_value()) << nearest;
    EXPECT_TRUE(core.nearest) << nearest;
  }
  EXPECT_EQ(packCoreOf("Cortex-M1", "", "", "").coreType, 0u);
  EXPECT_EQ(packCoreOf("armv8mml", "", "", "").coreType, 33u);  // letter case differs by pack
  EXPECT_FALSE(packCoreOf("Cortex-A9", "", "", "").coreType.has_value());
}

TEST(PackCoresTest, OnlyCoresThatMayHaveTheSecurityExtensionLackItWithoutTz) {
  EXPECT_TRUE(packCoreOf("Cortex-M33", "", "", "NO_TZ").noSecurity);
  EXPECT_FALSE(packCoreOf("Cortex-M33", "", "", "TZ").noSecurity);
  EXPECT_TRUE(packCoreOf("Cortex-M23", "", "", "").noSecurity);
  EXPECT_FALSE(packCoreOf("Cortex-M7", "DP_FPU", "", "").noSecurity);
  EXPECT_FALSE(packCoreOf("Cortex-M0", "NO_FPU", "NO_MPU", "").fpu);
}

}  // namespace
}  // namespace regforge
