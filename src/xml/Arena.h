// Bump allocation for the nodes and byte strings of one document. Everything allocated here
// lives exactly as long as the arena, so objects placed in it must be trivially destructible.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/PageBlock.h"

namespace regforge {

class Arena {
 public:
  Arena() = default;
  Arena(const Arena&) = delete;
  Arena& operator=(const Arena&) = delete;

  /// Uninitialised storage of size bytes aligned to align (a power of two up to 16). When the
  /// system refuses pages, the arena turns exhausted and takes the rest from the heap.
  void* allocate(std::size_t size, std::size_t align) {
    // The bump stays inline: nodes are made by the million, and a new block is rare.
    if (void* bumped = bump(size, align)) return bumped;
    return allocateInNewBlock(size, align);
  }
  /// Whether the system refused pages: the owner should give up on what it was making.
  bool exhausted() const { return exhausted_; }

  /// Constructs a T in the arena; the arena releases its memory, nobody calls its destructor.
  template <class T, class... Args>
  T* make(Args&&... args) {
    static_assert(std::is_trivially_destructible_v<T>, "arena objects are never destroyed");
    return new (allocate(sizeof(T), alignof(T))) T(std::forward<Args>(args)...);
  }

  /// A NUL-terminated copy of text owned by the arena.
  std::string_view copy(std::string_view text);

  /// Says that about bytes more will be allocated. From a megabyte on, blocks are the large
  /// size at once: they will be filled, so none of their pages is taken in vain.
  void expect(std::size_t bytes) {
    if (bytes >= kLargeBlock / 2) nextBlock_ = kLargeBlock;
  }

  /// Bytes held from the system.
  std::size_t capacity() const { return capacity_; }

  /// Ends the life of everything allocated here; the memory is kept for what comes next.
  void reset();

 private:
  // Blocks double from one page up to 128 KiB: a small document takes a few pages, and its
  // newest block, often nearly empty when it ends, holds few. An arena that already holds
  // 2 MiB, or expects to, takes 2 MiB blocks, which the system may give as huge pages: at most
  // half of what it holds is then unused.
  static constexpr std::size_t kFirstBlock = 4096;
  static constexpr std::size_t kLargestGrownBlock = 128 << 10;
  static constexpr std::size_t kLargeBlock = 2 << 20;

  static std::size_t alignUp(const char* at, std::size_t align) {
    return (reinterpret_cast<std::size_t>(at) + align - 1) & ~(align - 1);
  }
  // Room in the current block, or null when it has none.
  void* bump(std::size_t size, std::size_t align) {
    const std::size_t aligned = alignUp(cursor_, align);
    if (!cursor_ || aligned + size > reinterpret_cast<std::size_t>(end_)) return nullptr;
    cursor_ = reinterpret_cast<char*>(aligned + size);
    return reinterpret_cast<void*>(aligned);
  }
  void* allocateInNewBlock(std::size_t size, std::size_t align);
  void enterBlock(std::size_t index);
  void growNextBlock(std::size_t madeSize);
  void addBlock(std::size_t size);
  void* fromHeap(std::size_t size, std::size_t align);

  std::vector<PageBlock> blocks_;
  std::size_t current_ = 0;  // the block cursor_ is in
  char* cursor_ = nullptr;
  char* end_ = nullptr;
  std::size_t nextBlock_ = kFirstBlock;
  std::size_t capacity_ = 0;
  bool exhausted_ = false;
  std::vector<std::unique_ptr<char[]>> heapBlocks_;  // taken once the system refused pages
};

}  // namespace regforge
