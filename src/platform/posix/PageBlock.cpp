// Pages from mmap. With the build option REGFORGE_FEWER_FAULTS (on by default), a block of
// 1 MiB or more is aligned to 2 MiB and asks for huge pages, and a smaller one is mapped at
// once: on virtual machines, where a page fault is slow, a fault per 2 MiB and none for the
// small blocks that every arena fills make a conversion markedly faster (README, Performance).
#include "platform/PageBlock.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace regforge {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// From here, rounding up to whole huge pages leaves at most half of the block unused.
constexpr std::size_t kHugePagesFrom = std::size_t{1} << 20;

#if defined(REGFORGE_FEWER_FAULTS) && defined(MADV_HUGEPAGE)
constexpr bool kHugePages = true;
#else
constexpr bool kHugePages = false;
#endif
#if defined(REGFORGE_FEWER_FAULTS) && defined(MAP_POPULATE)
constexpr int kSmallBlockFlags = MAP_POPULATE;
#else
constexpr int kSmallBlockFlags = 0;
#endif

}  // namespace

PageBlock PageBlock::allocate(std::size_t size) {
  const bool huge = kHugePages && size >= kHugePagesFrom;
  const std::size_t unit = huge ? kHugePage : static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  const std::size_t rounded = (size + unit - 1) / unit * unit;
  // A huge block is mapped one huge page longer and trimmed to start on a boundary.
  const std::size_t mapped = huge ? rounded + kHugePage : rounded;
  const int flags = MAP_PRIVATE | MAP_ANONYMOUS | (huge ? 0 : kSmallBlockFlags);
  void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, flags, -1, 0);
  if (raw == MAP_FAILED) return PageBlock();
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t aligned = huge ? (start + kHugePage - 1) & ~(kHugePage - 1) : start;
  if (aligned > start) munmap(raw, aligned - start);
  if (start + mapped > aligned + rounded) {
    munmap(reinterpret_cast<void*>(aligned + rounded), start + mapped - aligned - rounded);
  }
  char* data = reinterpret_cast<char*>(aligned);
#if defined(MADV_HUGEPAGE)
  if (huge) madvise(data, rounded, MADV_HUGEPAGE);
#endif
  return PageBlock(data, rounded);
}

PageBlock::~PageBlock() {
  if (data_) munmap(data_, size_);
}

}  // namespace regforge
