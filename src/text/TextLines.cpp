// Cutting a text into the pieces fgets would read from it.
#include "text/TextLines.h"

#include <algorithm>
#include <cstring>

namespace regforge {

TextLines::TextLines(std::string_view text, std::size_t bufferSize)
    : text_(text), piece_(std::max<std::size_t>(bufferSize, 2)) {}

std::optional<std::string_view> TextLines::next() {
  if (at_ >= text_.size()) return std::nullopt;
  const std::string_view room = text_.substr(at_, piece_.size() - 1);
  const std::size_t lineEnd = room.find('\n');
  const std::size_t length = lineEnd == std::string_view::npos ? room.size() : lineEnd + 1;
  std::memcpy(piece_.data(), room.data(), length);
  piece_[length] = '\0';
  at_ += length;
  return std::string_view(piece_.data(), std::strlen(piece_.data()));
}

}  // namespace regforge
