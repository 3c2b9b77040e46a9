#include "xml/Arena.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstring>
#include <new>

namespace regforge {

PageBlock::PageBlock(std::size_t size, bool hugePages) : size_(size) {
  if (size < kHugePage) {
    data_ = new char[size];
    return;
  }
  // Over-allocate by one huge page and trim, so that the block starts on a 2 MiB boundary.
  const std::size_t rounded = (size + kHugePage - 1) & ~(kHugePage - 1);
  void* raw = mmap(nullptr, rounded + kHugePage, PROT_READ | PROT_WRITE,
                   MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
  if (aligned > start) munmap(raw, aligned - start);
  const std::uintptr_t tail = aligned + rounded;
  const std::uintptr_t mappedEnd = start + rounded + kHugePage;
  if (mappedEnd > tail) munmap(reinterpret_cast<void*>(tail), mappedEnd - tail);
  data_ = reinterpret_cast<char*>(aligned);
  size_ = rounded;
  if (hugePages) madvise(data_, size_, MADV_HUGEPAGE);
}

PageBlock& PageBlock::operator=(PageBlock&& other) noexcept {
  if (this != &other) {
    this->~PageBlock();
    new (this) PageBlock(std::move(other));
  }
  return *this;
}

PageBlock::~PageBlock() {
  if (!data_) return;
  if (size_ < kHugePage) {
    delete[] data_;
  } else {
    munmap(data_, size_);
  }
}

namespace {

std::uintptr_t alignUp(const char* at, std::size_t align) {
  const auto address = reinterpret_cast<std::uintptr_t>(at);
  return (address + align - 1) & ~static_cast<std::uintptr_t>(align - 1);
}

}  // namespace

void* Arena::allocate(std::size_t size, std::size_t align) {
  std::uintptr_t aligned = alignUp(cursor_, align);
  if (cursor_ && aligned + size <= reinterpret_cast<std::uintptr_t>(end_)) {
    cursor_ = reinterpret_cast<char*>(aligned + size);
    return reinterpret_cast<void*>(aligned);
  }
  // Blocks kept by reset() are used again, in order, before new ones are made.
  while (current_ + 1 < blocks_.size()) {
    const PageBlock& block = blocks_[++current_];
    aligned = alignUp(block.data(), align);
    if (aligned + size <= reinterpret_cast<std::uintptr_t>(block.data() + block.size())) {
      cursor_ = reinterpret_cast<char*>(aligned + size);
      end_ = block.data() + block.size();
      return reinterpret_cast<void*>(aligned);
    }
  }
  // A request larger than a block gets a block of its own size.
  const std::size_t blockSize = size + align > nextBlock_ ? size + align : nextBlock_;
  blocks_.emplace_back(blockSize, capacity_ >= PageBlock::kHugePagesFrom);
  capacity_ += blocks_.back().size();
  current_ = blocks_.size() - 1;
  if (blockSize == nextBlock_ && nextBlock_ < kLargestBlock) nextBlock_ *= 2;
  char* block = blocks_.back().data();
  aligned = alignUp(block, align);
  cursor_ = reinterpret_cast<char*>(aligned + size);
  end_ = block + blocks_.back().size();
  return reinterpret_cast<void*>(aligned);
}

void Arena::reset() {
  if (blocks_.empty()) return;
  current_ = 0;
  cursor_ = blocks_[0].data();
  end_ = cursor_ + blocks_[0].size();
}

std::string_view Arena::copy(std::string_view text) {
  auto* bytes = static_cast<char*>(allocate(text.size() + 1, 1));
  if (!text.empty()) std::memcpy(bytes, text.data(), text.size());
  bytes[text.size()] = '\0';
  return {bytes, text.size()};
}

}  // namespace regforge
