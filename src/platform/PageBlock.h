// Memory straight from the system in whole pages, for the arenas and the input buffers.
#pragma once

#include <cstddef>

namespace regforge {

/// A block of pages owned until destruction or a move. Where page faults are slow, how the
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
  /// At least size bytes, rounded up to whole pages; an empty block (data() null) when the
  /// system has no memory to give.
  static PageBlock allocate(std::size_t size, Pages pages);
  /// The pages for a buffer of size bytes that is filled at once.
  static Pages pagesToFill(std::size_t size) {
    return size >= kHugePagesFrom ? Pages::Huge : Pages::AllAtOnce;
  }

  /// Brings in the pages of [from, to) in one call, where the system can; pages that are
  /// not brought in fault in when first touched, as usual.
  static void bringIn(char* from, char* to);

  PageBlock(PageBlock&& other) noexcept : data_(other.data_), size_(other.size_) {
    other.data_ = nullptr;
    other.size_ = 0;
  }
  PageBlock& operator=(PageBlock&& other) noexcept;
  PageBlock(const PageBlock&) = delete;
  PageBlock& operator=(const PageBlock&) = delete;
  ~PageBlock();

  char* data() const { return data_; }
  std::size_t size() const { return size_; }
  bool empty() const { return data_ == nullptr; }

 private:
  PageBlock(char* data, std::size_t size) : data_(data), size_(size) {}

  char* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace regforge
