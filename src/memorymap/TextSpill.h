// Written markup kept in an unnamed temporary file instead of memory: a large memory map
// then costs its size in the file cache, not in fresh pages of the process.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/TempFile.h"
#include "xml/ByteSink.h"

namespace regforge {

class TextSpill {
 public:
  TextSpill() = default;
  TextSpill(const TextSpill&) = delete;
  TextSpill& operator=(const TextSpill&) = delete;

  /// Appends text and gives its offset; none when the file can't be made, in which case the
  /// caller keeps the text itself. Texts wait in a buffer and go to the file in large
  /// pieces; once a piece can't be written, everything stays in the buffer, so nothing
  /// appended is ever lost.
  std::optional<std::uint64_t> append(std::string_view text);

  /// Writes the size bytes at offset to sink; false on a read error.
  bool copyTo(ByteSink& sink, std::uint64_t offset, std::uint64_t size) const;
  /// Bytes set aside so far.
  std::uint64_t size() const { return flushed_ + pending_.size(); }

 private:
  /// The buffer to append to, with room for a large piece; null when the file can't be made.
  /// finishAppend sends the buffer to the file once it holds a large piece.
  std::string* startAppend();
  void finishAppend();
  bool flush();

  TempFile file_;
  bool triedFile_ = false;
  bool broken_ = false;        // a write failed: the file takes nothing more
  std::uint64_t flushed_ = 0;  // bytes in the file; the ones after it are in pending_
  std::string pending_;
};

}  // namespace regforge
