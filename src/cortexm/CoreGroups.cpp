#include "cortexm/CortexMSVDFile.h"

namespace regforge {

void CortexMSVDFile::addSysTickGroup(bool) {}
void CortexMSVDFile::addSystemControlGroups(std::int32_t, std::uint32_t, bool) {}
void CortexMSVDFile::addFpuGroup(std::int32_t, bool) {}
void CortexMSVDFile::addMpuGroup(std::int32_t, bool) {}
void CortexMSVDFile::addSauGroup(std::int32_t) {}
void CortexMSVDFile::addDebugGroup(std::int32_t) {}

}  // namespace regforge
