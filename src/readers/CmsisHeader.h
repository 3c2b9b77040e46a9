// The CMSIS device-header scan: interrupt names and core data of a device.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace regforge {

/// What a header yields: the interrupt list (position i names interrupt i) and the core data.
struct CmsisHeader {
  std::vector<std::string> interrupts;
  std::uint32_t coreType = 0;
  bool cm0Plus = false;
  std::uint32_t nvicPrioBits = 0;
  unsigned mpu = 0;  ///< one decimal digit
  unsigned fpu = 0;  ///< one decimal digit
};

/// Scans the text of a header. coreType, mpu and fpu start from the command line's values.
CmsisHeader scanCmsisHeader(std::string_view text, std::uint32_t coreType, bool mpu, bool fpu);

}  // namespace regforge
