// The rows of the SysTick group, the same for every core type.
#include "cortexm/CoreTables.h"

namespace regforge {
namespace {

// clang-format off
constexpr Row kSysTickRows[] = {
    reg("SYST_CSR", 0xE000E010, Access::None, "SysTick Control and Status Register"),
    field("COUNTFLAG", 16, 1, "Counter Flag"),
    field("CLKSOURCE", 2, 1, "Timer Clock Source"),
    field("TICKINT", 1, 1, "Tick Interrupt Enable"),
    field("ENABLE", 0, 1, "Enable SysTick Timer"),
    reg("SYST_RVR", 0xE000E014, Access::None, "SysTick Reload Value Register"),
    field("RELOAD", 0, 24, "Value to load into the SYST_CVR when the counter is enabled and when it reaches 0"),
    reg("SYST_CVR", 0xE000E018, Access::None, "SysTick Current Value Register Register"),  // doubled word deliberate
    field("CURRENT", 0, 24, "The current value of the SysTick counter"),
    reg("SYST_CALIB", 0xE000E01C, Access::ReadOnly, "SysTick Calibration Value Register"),
    field("NOREF", 31, 1, "Indicates whether the device provides a reference clock to the processor"),
    field("SKEW", 30, 1, "Indicates whether the TENMS value is exact"),
    field("TENMS", 0, 24, "Reload value for 10ms (100Hz) timing, subject to system clock skew errors"),
};
static_assert(wellFormed(kSysTickRows));
// clang-format on

}  // namespace

const GroupTable kSysTickTable{"SysTick", 0xE000E010, "24-bit System Timer", kAll, kSysTickRows};

}  // namespace regforge
