// Bump allocation in blocks of pages that double up to a limit, and heap memory once the
// system refuses pages.
#include "xml/Arena.h"

#include <cstring>
#include <new>

namespace regforge {

void* Arena::allocateInNewBlock(std::size_t size, std::size_t align) {
  // Blocks kept by reset() are used again, in order, before new ones are made.
  for (;;) {
    if (current_ + 1 < blocks_.size()) {
      enterBlock(current_ + 1);
    } else {
      // A request larger than a block gets a block of its own size.
      const std::size_t blockSize = size + align > nextBlock_ ? size + align : nextBlock_;
      if (exhausted_) return fromHeap(size, align);
      addBlock(blockSize);
      if (exhausted_) return fromHeap(size, align);
      growNextBlock(blockSize);
      enterBlock(blocks_.size() - 1);
    }
    if (void* bumped = bump(size, align)) return bumped;
  }
}

void Arena::growNextBlock(std::size_t madeSize) {
  if (capacity_ >= kLargeBlock) {
    nextBlock_ = kLargeBlock;
  } else if (madeSize == nextBlock_ && nextBlock_ < kLargestGrownBlock) {
    nextBlock_ *= 2;
  }
}

void Arena::addBlock(std::size_t size) {
  PageBlock block = PageBlock::allocate(size);
  if (block.empty()) {
    exhausted_ = true;
    return;
  }
  capacity_ += block.size();
  blocks_.push_back(std::move(block));
}

// Once the system refuses pages, each request gets heap memory of its own: the owner is told
// by exhausted() and stops soon, so this only has to keep the objects made until then valid.
// A heap that refuses too ends the process, as any other failed allocation does.
void* Arena::fromHeap(std::size_t size, std::size_t align) {
  heapBlocks_.push_back(std::make_unique<char[]>(size + align));
  return reinterpret_cast<void*>(alignUp(heapBlocks_.back().get(), align));
}

void Arena::enterBlock(std::size_t index) {
  current_ = index;
  cursor_ = blocks_[index].data();
  end_ = cursor_ + blocks_[index].size();
}

void Arena::reset() {
  heapBlocks_.clear();
  if (!blocks_.empty()) enterBlock(0);
}

std::string_view Arena::copy(std::string_view text) {
  auto* bytes = static_cast<char*>(allocate(text.size() + 1, 1));
  if (!text.empty()) std::memcpy(bytes, text.data(), text.size());
  bytes[text.size()] = '\0';
  return {bytes, text.size()};
}

}  // namespace regforge
