// The size of a Cortex-M interrupt table, which the readers, the header scan and the core
// groups all count against.
#pragma once

namespace regforge {

/// The interrupt table's size: slots 0 to 511.
constexpr int kInterruptSlots = 512;

}  // namespace regforge
