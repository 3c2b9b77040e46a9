// The rows of the SysTick, FPU, MPU and SAU groups.
#pragma once

#include "cortexm/RegisterTable.h"

namespace regforge {

/// Group SysTick, the same for every core type.
extern const GroupTable kSysTickTable;
/// Group FPU: the rows of the core's class.
extern const GroupTable kFpuTable;
/// Group MPU: the rows of every layout, then those of the Armv8-M layout (core types 23 and
/// 33) or of the Armv7-M layout (every other core type).
extern const GroupTable kMpuTable;
/// Group SAU, the same for every core type.
extern const GroupTable kSauTable;

}  // namespace regforge
