// Reading a <dimIndex> text into the index texts of an array.
#include "readers/DimIndex.h"

#include <algorithm>

#include "text/Format.h"
#include "text/Latin1Text.h"
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

bool isAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Entries of a letter range are views into this text.
constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

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

DimIndex parseStandardDimIndex(std::string_view text, std::uint32_t limit) {
  DimIndex index;
  const std::size_t dash = text.find('-');
  if (dash != std::string_view::npos) {
    const std::string_view from = trimmed(text.substr(0, dash));
    const std::string_view to = trimmed(text.substr(dash + 1));
    const std::optional<std::uint32_t> first = parseUnsigned(from, 10);
    const std::optional<std::uint32_t> last = parseUnsigned(to, 10);
    if (first && last) {
      index.isRange_ = true;
      index.rangeFirst_ = *first;
      if (*first <= *last) {
        const std::uint64_t size = std::uint64_t{*last} - *first + 1;
        index.rangeSize_ = static_cast<std::size_t>(std::min<std::uint64_t>(size, limit));
        index.cutShort_ = size > limit;
      }
      return index;
    }
    // Letters of one case: "A-D" is A, B, C, D.
    if (from.size() == 1 && to.size() == 1 && isAsciiLetter(from[0]) && isAsciiLetter(to[0]) &&
        (from[0] <= 'Z') == (to[0] <= 'Z')) {
      for (std::size_t at = kLetters.find(from[0]), end = kLetters.find(to[0]); at <= end; ++at) {
        if (index.list_.size() == limit) {
          index.cutShort_ = true;
          break;
        }
        index.list_.push_back(kLetters.substr(at, 1));
      }
      return index;
    }
  }
  std::size_t begin = 0;
  while (begin <= text.size()) {
    std::size_t end = text.find(',', begin);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view entry = trimmed(text.substr(begin, end - begin));
    if (!entry.empty()) {
      if (index.list_.size() == limit) {
        index.cutShort_ = true;
        break;
      }
      index.list_.push_back(entry);
    }
    begin = end + 1;
  }
  return index;
}

}  // namespace regforge
