// The TCF reader: an XML board description with peripherals, registers, bit fields and
// enumerations.
#pragma once

#include "memorymap/MemoryMap.h"
#include "readers/ReadBudget.h"

namespace regforge {

/// Copies the first board of input's "boards" root into map; nothing when there is none.
/// False when the board asks for more than one conversion may make: an enumeration's values
/// are written anew under every bit field that names it, so a small file can ask for
/// billions of elements (see ReadBudget).
bool readTcf(const XMLDocument& input, MemoryMap& map, ReadBudget::Limits limits = {});

}  // namespace regforge
