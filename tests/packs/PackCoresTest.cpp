// What a pack's processor attributes make of the core: the core groups to write, and whether
// the user is told that they belong to a core of the same kind rather than to the core itself.
#include "packs/PackCores.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace regforge {
namespace {

struct Expected {
  const char* dcore;
  std::uint32_t coreType;
  bool nearest;      // a core of the same kind stands for it
  bool maySecurity;  // lacks the security extension without Dtz="TZ"
};

// Every core a pack may name, with what it makes.
constexpr Expected kCores[] = {
    {"Cortex-M0", 0, false, false},   {"Cortex-M0+", 0, false, false},
    {"Cortex-M1", 0, true, false},    {"Cortex-M3", 3, false, false},
    {"Cortex-M4", 4, false, false},   {"Cortex-M7", 7, false, false},
    {"Cortex-M23", 23, false, true},  {"Cortex-M33", 33, false, true},
    {"Cortex-M35P", 33, true, true},  {"Cortex-M52", 55, true, true},
    {"Cortex-M55", 55, false, true},  {"Cortex-M85", 55, true, true},
    {"SC000", 0, true, false},        {"SC300", 3, true, false},
    {"ARMV8MBL", 23, true, true},     {"ARMV8MML", 33, true, true},
    {"ARMV81MML", 55, true, true},    {"Star-MC1", 33, true, true},
};

TEST(PackCoresTest, CoresWithoutTablesOfTheirOwnTakeTheNearestAndSaySo) {
  for (const Expected& expected : kCores) {
    const PackCore core = packCoreOf(expected.dcore, "", "", "NO_TZ");
    EXPECT_EQ(core.coreType, expected.coreType) << expected.dcore;
    EXPECT_EQ(core.nearest, expected.nearest) << expected.dcore;
    EXPECT_EQ(core.noSecurity, expected.maySecurity) << expected.dcore;
    EXPECT_FALSE(packCoreOf(expected.dcore, "", "", "TZ").noSecurity) << expected.dcore;
  }
  EXPECT_EQ(packCoreOf("armv8mml", "", "", "").coreType, 33u);  // letter case differs by pack
  EXPECT_FALSE(packCoreOf("Cortex-A9", "", "", "").coreType.has_value());
}

TEST(PackCoresTest, EachSpellingOfAPresentFpuOrMpuCounts) {
  for (const char* fpu : {"SP_FPU", "DP_FPU", "FPU", "1"})
    EXPECT_TRUE(packCoreOf("Cortex-M4", fpu, "", "").fpu) << fpu;
  for (const char* fpu : {"NO_FPU", "0", ""})
    EXPECT_FALSE(packCoreOf("Cortex-M4", fpu, "", "").fpu) << fpu;
  for (const char* mpu : {"MPU", "1"})
    EXPECT_TRUE(packCoreOf("Cortex-M4", "", mpu, "").mpu) << mpu;
  for (const char* mpu : {"NO_MPU", "0", ""})
    EXPECT_FALSE(packCoreOf("Cortex-M4", "", mpu, "").mpu) << mpu;
}

}  // namespace
}  // namespace regforge
