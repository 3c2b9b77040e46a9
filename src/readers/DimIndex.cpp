#include "readers/DimIndex.h"

#include <algorithm>

#include "text/Format.h"
#include "text/Numbers.h"

namespace regforge {
namespace {

// The parts of text between separators, empty parts dropped; stops after max parts, setting
// more when others follow.
std::vector<std::string_view> nonEmptyParts(std::string_view text, char separator, std::size_t max,
                                            bool& more) {
  std::vector<std::string_view> parts;
  std::size_t begin = 0;
  while (begin <= text.size() && parts.size() < max) {
    std::size_t end = text.find(separator, begin);
    if (end == std::string_view::npos) end = text.size();
    if (end > begin) parts.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  more = begin < text.size() && text.find_first_not_of(separator, begin) != std::string_view::npos;
  return parts;
}

}  // namespace

void DimIndex::appendEntry(std::size_t i, std::string& out) const {
  if (!isRange_ && i < list_.size()) {
    out += list_[i];
    return;
  }
  const std::uint64_t value = i < size() ? std::uint64_t{rangeFirst_} + i : i;
  out += decimalText(static_cast<std::int64_t>(value));  // below 2^33
}

DimIndex parseDimIndex(std::string_view text, std::uint32_t limit) {
  DimIndex index;
  bool more = false;
  const std::vector<std::string_view> bounds = nonEmptyParts(text, '-', 3, more);
  if (bounds.size() == 2) {
    const std::uint32_t first = toUnsigned(bounds[0], 10);
    const std::uint32_t last = toUnsigned(bounds[1], 10);
    index.isRange_ = true;
    index.rangeFirst_ = first;
    if (first <= last) {
      const std::uint64_t size = std::uint64_t{last} - first + 1;
      index.rangeSize_ = static_cast<std::size_t>(std::min<std::uint64_t>(size, limit));
      index.cutShort_ = size > limit;
    }
    return index;
  }
  index.list_ = nonEmptyParts(text, ',', limit, index.cutShort_);
  return index;
}

}  // namespace regforge
