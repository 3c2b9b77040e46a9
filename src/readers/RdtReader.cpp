#include "readers/RdtReader.h"

namespace regforge {

const XMLElement* findCpu(const XMLNode*, std::string_view) {
  return nullptr;
}

std::optional<RdtLoadError> readRdt(MemoryMap&, const XMLElement&) {
  return std::nullopt;
}

}  // namespace regforge
