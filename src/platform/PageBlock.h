// Memory straight from the system in whole pages, for the arenas and the input buffers.
#pragma once

#include <cstddef>
#include <utility>

namespace regforge {

/// A block of pages owned until destruction or a move.
class PageBlock {
 public:
  PageBlock() = default;
  /// At least size bytes, rounded up to whole pages; an empty block (data() null) when the
  /// system has no memory to give.
  static PageBlock allocate(std::size_t size);

  PageBlock(PageBlock&& other) noexcept : data_(other.data_), size_(other.size_) {
    other.data_ = nullptr;
    other.size_ = 0;
  }
  PageBlock& operator=(PageBlock&& other) noexcept {
    PageBlock taken(std::move(other));  // gives back this block's pages as it goes
    std::swap(data_, taken.data_);
    std::swap(size_, taken.size_);
    return *this;
  }
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
