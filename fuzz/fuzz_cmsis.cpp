// The CMSIS header scan on arbitrary bytes. The first byte gives the command line's core type
// (bits 0-2), MPU (bit 3) and FPU (bit 4). The list never grows beyond the interrupt table,
// the macro values are single digits, the core type is the command line's or one a revision
// macro names, and the names land in the table where the list puts them.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "MemoryMapCheck.h"
#include "driver/SVDFile2.h"
#include "readers/CmsisHeader.h"

using regforge::fuzz::require;

namespace {

constexpr std::uint32_t kCoreTypes[8] = {0, 3, 4, 7, 23, 33, 55, UINT32_MAX};
constexpr std::uint32_t kRevisionCores[] = {3, 4, 7, 23, 33};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::uint32_t core = kCoreTypes[data[0] & 7u];
  const bool mpu = (data[0] & 8u) != 0;
  const bool fpu = (data[0] & 16u) != 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const bool anyNames = text.find("SysTick_IRQn") != std::string_view::npos;
  const regforge::CmsisHeader header = regforge::scanCmsisHeader(text, core, mpu, fpu);

  require(header.interrupts.size() <= regforge::CortexMSVDFile::kInterruptSlots);
  require(anyNames || header.interrupts.empty());
  require(header.mpu <= 9 && header.fpu <= 9 && header.nvicPrioBits <= 9);
  require(header.coreType == core ||
          std::count(std::begin(kRevisionCores), std::end(kRevisionCores), header.coreType) == 1);
  for (const std::string& name : header.interrupts) {
    require(name.size() < 1024 && name.find('\n') == std::string::npos);
  }

  regforge::SVDFile2 map;
  map.setInterruptNames(header.interrupts);
  int last = -1;
  for (std::size_t i = 0; i < header.interrupts.size(); ++i) {
    require(map.interruptName(static_cast<std::int64_t>(i)) == header.interrupts[i]);
    if (!header.interrupts[i].empty()) last = static_cast<int>(i);
  }
  require(map.maxInterrupt() == last);
  return 0;
}
