// The DDF reader: a line-oriented special-function-register file.
#pragma once

#include <string_view>

#include "memorymap/MemoryMap.h"

namespace regforge {

/// Reads the text of a file into a "Root" with one group per group line.
void readDdf(std::string_view text, MemoryMap& map);

}  // namespace regforge
