// The lines of a text in memory, cut as C's fgets cuts a file into a buffer of a fixed size:
// the line readers were written against fgets, and their output depends on its cuts.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace regforge {

class TextLines {
 public:
  /// Over text, in pieces of at most bufferSize - 1 bytes; bufferSize is 2 or more.
  TextLines(std::string_view text, std::size_t bufferSize);

  /// The next piece: up to and with its line end, or bufferSize - 1 bytes of a longer line, or
  /// what is left at the end. Seen as a C string, it ends at its first NUL byte; the view is
  /// that string, a NUL follows it, and it lasts until the next call. None after the last.
  std::optional<std::string_view> next();

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  std::vector<char> piece_;
};

}  // namespace regforge
