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

/// Memory straight from the system, in whole pages. Where page faults are slow, how the
/// pages arrive matters: a block that will be filled at once can ask for all its pages in one
/// call, and a large one for huge pages, a fault per 2 MiB instead of per 4 KiB. Small
/// documents don't ask for huge pages, since one counts in full as soon as a byte of it is
/// touched.
class PageBlock {
 public:
  static constexpr std::size_t kHugePage = 2 << 20;
  /// Totals from which huge pages pay for their rounding.
  static constexpr std::size_t kHugePagesFrom = 1 << 20;

  enum class Pages { OnDemand, AllAtOnce, Huge };

  PageBlock() = default;
  PageBlock(std::size_t size, Pages pages);

  /// Brings in the pages of [from, to) in one call, where the system can; pages that are
  /// not brought in fault in when first touched, as usual.
  static void bringIn(char* from, char* to);
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

  /// Tells the arena that about bytes more will be asked for: when that is a lot, it takes
  /// huge pages from the start instead of growing into them.
  void expect(std::size_t bytes) {
    if (capacity_ + bytes >= PageBlock::kHugePagesFrom) large_ = true;
  }

  /// Ends the life of everything allocated here; the memory is kept for what comes next.
  void reset();

 private:
  static constexpr std::size_t kFirstBlock = 4096;
  static constexpr std::size_t kLargestBlock = PageBlock::kHugePage;

  void enterBlock(std::size_t index);

  // Pages are brought in ahead of the cursor in steps of this size.
  static constexpr std::size_t kBringInStep = 256 << 10;

  std::vector<PageBlock> blocks_;
  std::vector<char*> broughtIn_;  // per block, the end of the pages brought in
  std::size_t current_ = 0;       // the block cursor_ is in
  char* cursor_ = nullptr;
  char* end_ = nullptr;
  std::size_t nextBlock_ = kFirstBlock;
  std::size_t capacity_ = 0;
  bool large_ = false;  // huge pages from now on
};

}  // namespace regforge
