#include "driver/CmsisHeader.h"

namespace regforge {

std::optional<CmsisHeader> scanCmsisHeader(const char*, std::uint32_t coreType, bool mpu,
                                           bool fpu) {
  CmsisHeader header;
  header.coreType = coreType;
  header.mpu = mpu ? 1 : 0;
  header.fpu = fpu ? 1 : 0;
  return header;
}

}  // namespace regforge
