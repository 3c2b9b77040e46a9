#include "xml/Arena.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <new>

namespace regforge {

PageBlock::PageBlock(std::size_t size, Pages pages) {
  const bool huge = pages == Pages::Huge;
  const std::size_t unit = huge ? kHugePage : static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  const std::size_t rounded = (size + unit - 1) / unit * unit;
  // For huge pages, over-allocate by one and trim, so that the block starts on a boundary.
  const std::size_t mapped = huge ? rounded + kHugePage : rounded;
  const int flags = MAP_PRIVATE | MAP_ANONYMOUS | (pages == Pages::AllAtOnce ? MAP_POPULATE : 0);
  void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, flags, -1, 0);
  if (raw == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t aligned = huge ? (start + kHugePage - 1) & ~(kHugePage - 1) : start;
  if (aligned > start) munmap(raw, aligned - start);
  if (start + mapped > aligned + rounded) {
    munmap(reinterpret_cast<void*>(aligned + rounded), start + mapped - aligned - rounded);
  }
  data_ = reinterpret_cast<char*>(aligned);
  size_ = rounded;
  if (huge) madvise(data_, size_, MADV_HUGEPAGE);
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

namespace {

std::uintptr_t alignUp(const char* at, std::size_t align) {
  const auto address = reinterpret_cast<std::uintptr_t>(at);
  return (address + align - 1) & ~static_cast<std::uintptr_t>(align - 1);
}

}  // namespace

void* Arena::allocate(std::size_t size, std::size_t align) {
  std::uintptr_t aligned = alignUp(cursor_, align);
  if (!cursor_ || aligned + size > reinterpret_cast<std::uintptr_t>(end_)) {
    // Blocks kept by reset() are used again, in order, before new ones are made.
    for (;;) {
      if (current_ + 1 < blocks_.size()) {
        enterBlock(current_ + 1);
      } else {
        // A request larger than a block gets a block of its own size.
        large_ = large_ || capacity_ >= PageBlock::kHugePagesFrom;
        if (large_) nextBlock_ = kLargestBlock;
        const std::size_t blockSize = size + align > nextBlock_ ? size + align : nextBlock_;
        blocks_.emplace_back(blockSize,
                             large_ ? PageBlock::Pages::Huge : PageBlock::Pages::OnDemand);
        // Huge pages come a block at a time; others are brought in ahead of the cursor.
        broughtIn_.push_back(large_ ? blocks_.back().data() + blocks_.back().size()
                                    : blocks_.back().data());
        capacity_ += blocks_.back().size();
        if (blockSize == nextBlock_ && nextBlock_ < kLargestBlock) nextBlock_ *= 2;
        enterBlock(blocks_.size() - 1);
      }
      aligned = alignUp(cursor_, align);
      if (aligned + size <= reinterpret_cast<std::uintptr_t>(end_)) break;
    }
  }
  cursor_ = reinterpret_cast<char*>(aligned + size);
  char*& broughtIn = broughtIn_[current_];
  if (cursor_ > broughtIn) {
    const std::size_t ahead = static_cast<std::size_t>(end_ - cursor_);
    char* until = cursor_ + (ahead < kBringInStep ? ahead : kBringInStep);
    PageBlock::bringIn(broughtIn, until);
    broughtIn = until;
  }
  return reinterpret_cast<void*>(aligned);
}

void Arena::enterBlock(std::size_t index) {
  current_ = index;
  cursor_ = blocks_[index].data();
  end_ = cursor_ + blocks_[index].size();
}

void Arena::reset() {
  if (!blocks_.empty()) enterBlock(0);
}

std::string_view Arena::copy(std::string_view text) {
  auto* bytes = static_cast<char*>(allocate(text.size() + 1, 1));
  if (!text.empty()) std::memcpy(bytes, text.data(), text.size());
  bytes[text.size()] = '\0';
  return {bytes, text.size()};
}

}  // namespace regforge
