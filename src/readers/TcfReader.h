// The TCF reader: an XML board description with peripherals, registers, bit fields and
// enumerations.
#pragma once

#include "memorymap/MemoryMap.h"

namespace regforge {

/// Copies the first board of input's "boards" root into map; nothing when there is none.
void readTcf(const XMLDocument& input, MemoryMap& map);

}  // namespace regforge
