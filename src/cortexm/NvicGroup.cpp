#include "cortexm/CortexMSVDFile.h"

namespace regforge {

void CortexMSVDFile::addNvicGroup(std::uint32_t, std::uint32_t, std::int32_t, bool, bool) {}

}  // namespace regforge
