// Number conversions. Each input format has its own rules, implemented here exactly rather
// than borrowed from a library whose accepted syntax may change between versions.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace regforge {

/// C strtoul(): leading C-locale white space, an optional sign, base 0 ("0x" hexadecimal, a leading
/// "0" octal, else decimal) or the base given; an overflow gives the largest value, a minus sign
/// negates. *end (when not null) is set behind the last digit, or to text when there is none.
/// The value has 64 bits, as unsigned long has on Linux, so that a number past 32 bits is
/// truncated alike on every system (Windows's unsigned long would saturate it instead).
std::uint64_t cStrtoul(const char* text, const char** end = nullptr, int base = 0);

/// cStrtoul() with base 0 truncated to 32 bits: the rule of command-line, header, DDF and TCF
/// numbers.
inline std::uint32_t cNumber(const char* text) {
  return static_cast<std::uint32_t>(cStrtoul(text));
}

/// Strict conversion of a whole text, white space (Latin1Text.h) around it allowed: an optional "+"
/// and digits of the base (0 takes it from the prefix: "0x"/"0X" hexadecimal, a leading "0" octal,
/// else decimal; 10 is decimal only). None unless every byte is used and the value fits in 32 bits.
std::optional<std::uint32_t> parseUnsigned(std::string_view text, int base);

/// As parseUnsigned(), with an optional "-" as well, for signed 32-bit values.
std::optional<std::int32_t> parseSigned(std::string_view text, int base);

/// A CMSIS-SVD scaledNonNegativeInteger, white space around it allowed: an optional "+", then
/// "0x"/"0X" hexadecimal, "#" binary or decimal (a leading 0 is decimal too), then an optional
/// scale k/K, m/M, g/G or t/T (powers of 1024). None unless every byte is used and the scaled
/// value fits in 32 bits.
std::optional<std::uint32_t> parseScaled(std::string_view text);

/// parseUnsigned() and parseSigned() with failure converted to 0, the SVD rule.
inline std::uint32_t toUnsigned(std::string_view text, int base) {
  return parseUnsigned(text, base).value_or(0);
}
inline std::int32_t toSigned(std::string_view text, int base) {
  return parseSigned(text, base).value_or(0);
}

}  // namespace regforge
