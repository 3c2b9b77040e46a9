// The DDF reader: a line-oriented special-function-register file.
#pragma once

#include <cstdio>

#include "memorymap/MemoryMap.h"

namespace regforge {

/// Reads the open text file to its end into a "Root" with one group per group line.
void readDdf(std::FILE* file, MemoryMap& map);

}  // namespace regforge
