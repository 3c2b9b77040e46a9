// Pages from mmap: a large block costs nothing until its pages are touched.
#include "platform/PageBlock.h"

#include <sys/mman.h>
#include <unistd.h>

namespace regforge {

PageBlock PageBlock::allocate(std::size_t size) {
  const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  const std::size_t rounded = (size + page - 1) / page * page;
  void* data = mmap(nullptr, rounded, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (data == MAP_FAILED) return PageBlock();
  return PageBlock(static_cast<char*>(data), rounded);
}

PageBlock::~PageBlock() {
  if (data_) munmap(data_, size_);
}

}  // namespace regforge
