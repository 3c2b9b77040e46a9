// Small operations on 8-bit text: C-locale white space, ASCII case-insensitive comparison and
// list splitting. Text is bytes throughout: nothing is decoded, so every byte of the input,
// UTF-8 or not, comes out as it went in.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regforge {

/// White space as C isspace() sees it in the C locale.
constexpr bool isSpaceByte(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr char toUpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

/// Byte-wise equality ignoring the case of ASCII letters only.
constexpr bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (toUpperAscii(a[i]) != toUpperAscii(b[i])) return false;
  }
  return true;
}

/// Byte-wise order of two texts as memcmp gives it: negative, zero or positive. For names,
/// which are short: a loop costs less there than the library call.
constexpr int compareShort(std::string_view a, std::string_view b) {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

/// Byte-wise equality of two short texts, such as names.
constexpr bool equalsShort(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

/// Whether part occurs in text.
inline bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

/// Whether text begins with prefix, byte for byte.
constexpr bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

/// The text, or an empty one for none: an attribute a source lacks is written empty.
inline std::string_view orEmpty(std::optional<std::string_view> text) {
  return text.value_or(std::string_view());
}

/// A list option split at ';' with empty entries kept; an empty text gives an empty list.
std::vector<std::string> splitList(std::string_view text);

}  // namespace regforge
