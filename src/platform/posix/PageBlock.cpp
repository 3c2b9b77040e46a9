// Pages from mmap. The populate and huge-page requests are the one fast path kept here: where
// page faults are slow, as on the virtual machines `make bench` measures on, they cut the
// time of a large conversion markedly (README, Performance); elsewhere they cost nothing.
#include "platform/PageBlock.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <new>
#include <utility>

namespace regforge {

PageBlock PageBlock::allocate(std::size_t size, Pages pages) {
  const bool huge = pages == Pages::Huge;
  const std::size_t unit = huge ? kHugePage : static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  const std::size_t rounded = (size + unit - 1) / unit * unit;
  // For huge pages, over-allocate by one and trim, so that the block starts on a boundary.
  const std::size_t mapped = huge ? rounded + kHugePage : rounded;
  const int flags = MAP_PRIVATE | MAP_ANONYMOUS | (pages == Pages::AllAtOnce ? MAP_POPULATE : 0);
  void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, flags, -1, 0);
  if (raw == MAP_FAILED) return PageBlock();
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t aligned = huge ? (start + kHugePage - 1) & ~(kHugePage - 1) : start;
  if (aligned > start) munmap(raw, aligned - start);
  if (start + mapped > aligned + rounded) {
    munmap(reinterpret_cast<void*>(aligned + rounded), start + mapped - aligned - rounded);
  }
  PageBlock block(reinterpret_cast<char*>(aligned), rounded);
  if (huge) madvise(block.data_, block.size_, MADV_HUGEPAGE);
  return block;
}

void PageBlock::bringIn(char* from, char* to) {
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const std::uintptr_t first = reinterpret_cast<std::uintptr_t>(from) & ~(page - 1);
  const std::uintptr_t last = (reinterpret_cast<std::uintptr_t>(to) + page - 1) & ~(page - 1);
#ifdef MADV_POPULATE_WRITE
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#endif
}

PageBlock& PageBlock::operator=(PageBlock&& other) noexcept {
  if (this != &other) {
    this->~PageBlock();
    new (this) PageBlock(std::move(other));
  }
  return *this;
}

PageBlock::~PageBlock() {
  if (data_) munmap(data_, size_);
}

}  // namespace regforge
