// The assembly vector table written for "-irq-table".
#pragma once

#include <cstdint>
#include <string>

#include "cortexm/CortexMSVDFile.h"
#include "xml/ByteSink.h"

namespace regforge {

/// The vector file's name for a base name: base followed by ".vec".
std::string vectorFileName(const char* baseName);

/// Writes one line per interrupt index from irqStart to the highest named one: a handler
/// line for a named slot, a reserved line otherwise (indices below 0 included).
void writeVectorTable(ByteSink& file, std::int32_t irqStart, const CortexMSVDFile& map);

}  // namespace regforge
