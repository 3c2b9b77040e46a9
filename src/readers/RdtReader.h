// The RDT reader: a CPU element of a register-definition file and the per-instance register
// files it names.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "memorymap/MemoryMap.h"
#include "readers/ReadBudget.h"

namespace regforge {

/// The first "cpu" element, in pre-order from node, whose "id" equals identifier; null if none.
const XMLElement* findCpu(const XMLNode* node, std::string_view identifier);

/// Why a read stopped: a register file that could not be loaded (its path and the parser's
/// line and message), or, with overBudget set, a device that asks for more than one
/// conversion may read or make. Each instance loads its register file anew, so a small
/// device file can have a large register file read thousands of times (see ReadBudget).
struct RdtLoadError {
  std::string path;
  int line = 0;
  std::string text;
  bool overBudget = false;
  std::string detail;  ///< for a parse error: what the parser found there, in words
};

/// Loads the register file at path into document and gives the number of bytes it read;
/// none, with the document's errorText and errorLine set, when it can't.
using RdtFileLoader =
    std::function<std::optional<std::uint64_t>(XMLDocument& document, const std::string& path)>;

/// Makes a "Root" and one group per instance of cpu, with the register files taken from
/// load; stops at the first register file that can't be loaded, or when the register files
/// read, or the memory map, would hold more bytes than the limits' storage.
std::optional<RdtLoadError> readRdt(MemoryMap& map, const XMLElement& cpu,
                                    const RdtFileLoader& load, ReadBudget::Limits limits = {});

}  // namespace regforge
