// Small operations on 8-bit text: character classes, case-insensitive comparison,
// white-space simplification and the Latin-1 bridge to QString.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace regforge {

/// White space as C isspace() sees it in the C locale.
constexpr bool isSpaceByte(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr char toUpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

/// Byte-wise equality ignoring the case of ASCII letters only.
bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b);

/// True when text, with ASCII letters upper-cased, begins with prefix upper-cased likewise.
bool startsWithIgnoreAsciiCase(std::string_view text, std::string_view prefix);

/// Leading and trailing white space removed, every inner run of white space replaced by one
/// blank. Only ASCII white space counts, so bytes of UTF-8 characters are never touched.
std::string simplified(std::string_view text);

/// The bytes of text as a QString, one character per byte.
inline QString fromBytes(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

/// A list option split at ';' with empty entries kept; an empty text gives an empty list.
QStringList splitList(const QString& text);

}  // namespace regforge
