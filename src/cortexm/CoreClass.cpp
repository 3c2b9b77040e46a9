// The core class of a raw core number, for the tables of the system control, SysTick, FPU,
// MPU and SAU groups.
#include "cortexm/CoreClass.h"

namespace regforge {

CoreSet coreClassOf(std::int32_t coreType, bool cm0Plus) {
  switch (coreType) {
    case 0:
      return cm0Plus ? kCortexM0Plus : kCortexM0;
    case 3:
      return kCortexM3;
    case 4:
      return kCortexM4;
    case 7:
      return kCortexM7;
    case 23:
      return kCortexM23;
    case 33:
      return kCortexM33;
    case 55:
      return kCortexM55;
    default:
      return coreType < 3 ? kCortexM3 : kUnlistedAbove3;
  }
}

}  // namespace regforge
