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
