// Latin-1 character rules: case-blind prefixes, and trimming and simplifying white space.
#include "text/Latin1Text.h"

#include <utility>

namespace regforge {
namespace {

// Walks the upper case of a text one UTF-16 unit at a time.
class UpperUnits {
 public:
  explicit UpperUnits(std::string_view text) : text_(text) {}
  bool done() const { return pending_ == 0 && next_ == text_.size(); }
  char16_t take() {
    if (pending_ != 0) return std::exchange(pending_, 0);
    const UpperCase upper = upperCase(static_cast<unsigned char>(text_[next_++]));
    pending_ = upper.second;
    return upper.first;
  }

 private:
  std::string_view text_;
  std::size_t next_ = 0;
  char16_t pending_ = 0;
};

}  // namespace

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  UpperUnits textUnits(text);
  UpperUnits prefixUnits(prefix);
  while (!prefixUnits.done()) {
    if (textUnits.done() || textUnits.take() != prefixUnits.take()) return false;
  }
  return true;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isTextSpace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && isTextSpace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

std::string simplified(std::string_view text) {
  std::string result(text);
  simplify(result);
  return result;
}

// What is kept is never longer than what was read, so the text is rewritten over itself;
// descriptions are long, so a byte is told by one look-up.
void simplify(std::string& text) {
  static constexpr struct SpaceTable {
    bool space[256] = {};
    constexpr SpaceTable() {
      for (int c = 0; c < 256; ++c)
        space[c] = isTextSpace(static_cast<unsigned char>(c));
    }
  } kSpaces;
  char* const begin = text.data();
  char* kept = begin;
  bool pendingSpace = false;
  for (const char* at = begin; at != begin + text.size(); ++at) {
    const char c = *at;
    if (kSpaces.space[static_cast<unsigned char>(c)]) {
      pendingSpace = kept != begin;
      continue;
    }
    if (pendingSpace) *kept++ = ' ';
    pendingSpace = false;
    *kept++ = c;
  }
  text.resize(static_cast<std::size_t>(kept - begin));
}

}  // namespace regforge
