// Character rules of the text that descriptions, names and numbers of an SVD file pass
// through: every byte is the Latin-1 character of that value (U+0000 to U+00FF), and white
// space and upper case are those of such characters. The XML scanner keeps its own C-locale
// byte classes; these rules apply once text has been taken out of the document.
#pragma once

#include <string>
#include <string_view>

namespace regforge {

/// White space of a Latin-1 character: tab to carriage return, blank, next line (0x85) and
/// no-break space (0xA0).
constexpr bool isTextSpace(unsigned char c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0;
}

/// The upper case of a Latin-1 character as UTF-16 units: one unit, or two for the sharp s,
/// which becomes "SS" (second is 0 otherwise).
struct UpperCase {
  char16_t first;
  char16_t second;
};
constexpr UpperCase upperCase(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
    return {static_cast<char16_t>(c - 0x20), 0};
  }
  switch (c) {
    case 0xB5:
      return {u'\u039C', 0};  // micro sign: Greek capital mu
    case 0xDF:
      return {u'S', u'S'};  // sharp s
    case 0xFF:
      return {u'\u0178', 0};  // y with diaeresis: its capital lies outside Latin-1
    default:
      return {c, 0};
  }
}

/// True when text in upper case begins with prefix in upper case; the upper-cased character
/// sequences are compared, so "\xDFx" begins with "ss".
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);

/// Text without its leading and trailing white space.
std::string_view trimmed(std::string_view text);

/// Leading and trailing white space removed, every inner run of white space replaced by one
/// blank.
std::string simplified(std::string_view text);
/// simplified, in place.
void simplify(std::string& text);

}  // namespace regforge
