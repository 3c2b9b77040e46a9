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

namespace regforge {

/// Memory straight from the system, for big allocations. Blocks of 2 MiB and more may ask
/// for huge pages: a large document then takes a page fault per 2 MiB instead of per 4 KiB,
/// which matters where faults are slow. Small documents don't ask, since a huge page counts
/// in full as soon as one byte of it is touched.
class PageBlock {
 public:
  static constexpr std::size_t kHugePage = 2 << 20;
  /// Totals from which huge pages pay for their rounding.
  static constexpr std::size_t kHugePagesFrom = 8 << 20;

  PageBlock() = default;
  PageBlock(std::size_t size, bool hugePages);
  PageBlock(PageBlock&& other) noexcept : data_(other.data_), size_(other.size_) {
    other.data_ = nullptr;
    other.size_ = 0;
  }

  PageBlock& operator=(PageBlock&& other) noexcept;
  ~PageBlock();

  char* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
};

class Arena {
 public:
  Arena() = default;
  Arena(const Arena&) = delete;
  Arena& operator=(const Arena&) = delete;

  /// Uninitialised storage of size bytes aligned to align (a power of two up to 16).
  void* allocate(std::size_t size, std::size_t align);

  /// Constructs a T in the arena; the arena releases its memory, nobody calls its destructor.
  template <class T, class... Args>
  T* make(Args&&... args) {
    static_assert(std::is_trivially_destructible_v<T>, "arena objects are never destroyed");
    return new (allocate(sizeof(T), alignof(T))) T(std::forward<Args>(args)...);
  }

  /// A NUL-terminated copy of text owned by the arena.
  std::string_view copy(std::string_view text);

  /// Bytes held from the system.
  std::size_t capacity() const { return capacity_; }

  /// Ends the life of everything allocated here; the memory is kept for what comes next.
  void reset();

 private:
  static constexpr std::size_t kFirstBlock = 4096;
  static constexpr std::size_t kLargestBlock = PageBlock::kHugePage;

  std::vector<PageBlock> blocks_;
  std::size_t current_ = 0;  // the block cursor_ is in
  char* cursor_ = nullptr;
  char* end_ = nullptr;
  std::size_t nextBlock_ = kFirstBlock;
  std::size_t capacity_ = 0;
};

}  // namespace regforge
