// The table of a pack's Dcore names and what each means for the core register groups, and
// the core numbers and features read from it, joined with the command line's core options.
#include "packs/PackCores.h"

#include "text/ByteText.h"

namespace regforge {
namespace {

struct PackCoreRow {
  std::string_view dcore;
  std::uint32_t coreType;
  bool modelled;           // the core tables have this core's own rows
  bool securityExtension;  // the core may have the security extension
};

// Cores without rows of their own take those of the core they derive from or resemble most:
// the M1 and SC000 are M0s, the SC300 an M3, the M35P an M33 and the M52 and M85 are Armv8.1-M
// mainline cores like the M55. The architecture names stand for their first cores.
constexpr PackCoreRow kPackCores[] = {
    {"Cortex-M0", 0, true, false},    {"Cortex-M0+", 0, true, false},
    {"Cortex-M1", 0, false, false},   {"Cortex-M3", 3, true, false},
    {"Cortex-M4", 4, true, false},    {"Cortex-M7", 7, true, false},
    {"Cortex-M23", 23, true, true},   {"Cortex-M33", 33, true, true},
    {"Cortex-M35P", 33, false, true}, {"Cortex-M52", 55, false, true},
    {"Cortex-M55", 55, true, true},   {"Cortex-M85", 55, false, true},
    {"SC000", 0, false, false},       {"SC300", 3, false, false},
    {"ARMV8MBL", 23, false, true},    {"ARMV8MML", 33, false, true},
    {"ARMV81MML", 55, false, true},   {"Star-MC1", 33, false, true},
};

}  // namespace

PackCore packCoreOf(std::string_view dcore, std::string_view dfpu, std::string_view dmpu,
                    std::string_view dtz) {
  PackCore core;
  core.fpu = dfpu == "SP_FPU" || dfpu == "DP_FPU" || dfpu == "FPU" || dfpu == "1";
  core.mpu = dmpu == "MPU" || dmpu == "1";
  for (const PackCoreRow& row : kPackCores) {
    // Packs differ in the case of these names ("ARMV8MML", "ARMv8MML"); none differ by case alone.
    if (!equalsIgnoreAsciiCase(row.dcore, dcore)) continue;
    core.coreType = row.coreType;
    core.nearest = !row.modelled;
    core.noSecurity = row.securityExtension && dtz != "TZ";
    break;
  }
  return core;
}

// A core the command line names wins: the pack's is what a user overrides.
CoreSettings coreSettings(const Options& options, const PackCore& pack) {
  CoreSettings settings = coreSettings(options);
  if (!settings.coreNamed && pack.coreType) {
    settings.core = *pack.coreType;
    settings.coreNamed = true;
  }
  settings.mpu = settings.mpu || pack.mpu;
  settings.fpu = settings.fpu || pack.fpu;
  settings.noSecurity = settings.noSecurity || pack.noSecurity;
  return settings;
}

}  // namespace regforge
