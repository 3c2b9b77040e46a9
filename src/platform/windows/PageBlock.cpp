// Pages from VirtualAlloc: committed pages arrive zeroed on first touch.
#include "platform/PageBlock.h"

#include <windows.h>

namespace regforge {

PageBlock PageBlock::allocate(std::size_t size) {
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  const std::size_t page = system.dwPageSize;
  const std::size_t rounded = (size + page - 1) / page * page;
  auto* data =
      static_cast<char*>(VirtualAlloc(nullptr, rounded, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
  return data ? PageBlock(data, rounded) : PageBlock();
}

PageBlock::~PageBlock() {
  if (data_) VirtualFree(data_, 0, MEM_RELEASE);
}

}  // namespace regforge
