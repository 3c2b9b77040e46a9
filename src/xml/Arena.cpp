#include "xml/Arena.h"

#include <cstdint>
#include <cstring>

namespace regforge {

void* Arena::allocate(std::size_t size, std::size_t align) {
  auto address = reinterpret_cast<std::uintptr_t>(cursor_);
  std::uintptr_t aligned = (address + align - 1) & ~static_cast<std::uintptr_t>(align - 1);
  if (cursor_ == nullptr || aligned + size > reinterpret_cast<std::uintptr_t>(end_)) {
    // A request larger than a block gets a block of its own; the current block stays open.
    const std::size_t blockSize = size + align > nextBlock_ ? size + align : nextBlock_;
    blocks_.emplace_back(new char[blockSize]);  // not zeroed
    capacity_ += blockSize;
    char* block = blocks_.back().get();
    address = reinterpret_cast<std::uintptr_t>(block);
    aligned = (address + align - 1) & ~static_cast<std::uintptr_t>(align - 1);
    if (blockSize == nextBlock_) {
      cursor_ = block;
      end_ = block + blockSize;
      if (nextBlock_ < kLargestBlock) nextBlock_ *= 2;
    } else {
      return reinterpret_cast<void*>(aligned);
    }
  }
  cursor_ = reinterpret_cast<char*>(aligned + size);
  return reinterpret_cast<void*>(aligned);
}

std::string_view Arena::copy(std::string_view text) {
  auto* bytes = static_cast<char*>(allocate(text.size() + 1, 1));
  if (!text.empty()) std::memcpy(bytes, text.data(), text.size());
  bytes[text.size()] = '\0';
  return {bytes, text.size()};
}

}  // namespace regforge
