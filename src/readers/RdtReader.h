// The RDT reader: a CPU element of a register-definition file and the per-instance register
// files it names.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "memorymap/MemoryMap.h"

namespace regforge {

/// The first "cpu" element, in pre-order from node, whose "id" equals identifier; null if none.
const XMLElement* findCpu(const XMLNode* node, std::string_view identifier);

/// Why a register file could not be loaded: its path and the parser's line and message.
struct RdtLoadError {
  std::string path;
  int line = 0;
  std::string text;
};

/// Loads the register file at path into document; false with the document's errorText and
/// errorLine set. XMLDocument::load is the loader of a run.
using RdtFileLoader = std::function<bool(XMLDocument& document, const std::string& path)>;

/// Makes a "Root" and one group per instance of cpu; stops at the first register file that
/// can't be loaded.
std::optional<RdtLoadError> readRdt(MemoryMap& map, const XMLElement& cpu);
/// readRdt with the register files taken from load instead of the file system.
std::optional<RdtLoadError> readRdt(MemoryMap& map, const XMLElement& cpu,
                                    const RdtFileLoader& load);

}  // namespace regforge
