// Number conversions, each input format's rules written out here exactly.
#include "text/Numbers.h"

#include <climits>

#include "text/ByteText.h"
#include "text/Latin1Text.h"

namespace regforge {
namespace {

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

// Digits of text in base (0: from the prefix) up to 2^32 - 1; none on anything else.
std::optional<std::uint64_t> parseMagnitude(std::string_view text, int base) {
  if ((base == 0 || base == 16) && text.size() >= 2 && text[0] == '0' &&
      (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  } else if (base == 0) {
    base = !text.empty() && text[0] == '0' ? 8 : 10;
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    const int digit = digitValue(c);
    if (digit >= base) return std::nullopt;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (value > 0x100000000ull) return std::nullopt;
  }
  return value;
}

// The power of 1024 that a scale letter stands for, or -1.
int scalePower(char c) {
  switch (c) {
    case 'k':
    case 'K':
      return 1;
    case 'm':
    case 'M':
      return 2;
    case 'g':
    case 'G':
      return 3;
    case 't':
    case 'T':
      return 4;
    default:
      return -1;
  }
}

}  // namespace

std::uint64_t cStrtoul(const char* text, const char** end, int base) {
  const char* p = text;
  while (isSpaceByte(static_cast<unsigned char>(*p)))
    ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  if ((base == 0 || base == 16) && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') &&
      digitValue(p[2]) < 16) {
    p += 2;
    base = 16;
  } else if (base == 0) {
    base = *p == '0' ? 8 : 10;
  }
  const char* firstDigit = p;
  std::uint64_t value = 0;
  bool overflow = false;
  for (int digit; (digit = digitValue(*p)) < base; ++p) {
    const auto ubase = static_cast<std::uint64_t>(base);
    if (value > (UINT64_MAX - static_cast<std::uint64_t>(digit)) / ubase) overflow = true;
    value = value * ubase + static_cast<std::uint64_t>(digit);
  }
  if (p == firstDigit) {
    if (end) *end = text;
    return 0;
  }
  if (end) *end = p;
  if (overflow) return UINT64_MAX;
  return negative ? 0 - value : value;
}

std::optional<std::uint32_t> parseUnsigned(std::string_view text, int base) {
  text = trimmed(text);
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  const auto magnitude = parseMagnitude(text, base);
  if (!magnitude || *magnitude > UINT32_MAX) return std::nullopt;
  return static_cast<std::uint32_t>(*magnitude);
}

std::optional<std::uint32_t> parseScaled(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  int power = 0;
  // No scale letter is a hexadecimal digit, so "0x10k" is 16 KiB.
  if (!text.empty() && scalePower(text.back()) > 0) {
    power = scalePower(text.back());
    text.remove_suffix(1);
  }
  int base = 10;
  if (!text.empty() && text[0] == '#') {
    text.remove_prefix(1);
    base = 2;
  } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
  }
  const auto magnitude = parseMagnitude(text, base);
  if (!magnitude) return std::nullopt;
  if (*magnitude > (std::uint64_t{UINT32_MAX} >> (10 * power))) return std::nullopt;
  return static_cast<std::uint32_t>(*magnitude << (10 * power));
}

std::optional<std::int32_t> parseSigned(std::string_view text, int base) {
  text = trimmed(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const auto magnitude = parseMagnitude(text, base);
  if (!magnitude) return std::nullopt;
  const std::int64_t value =
      negative ? -static_cast<std::int64_t>(*magnitude) : static_cast<std::int64_t>(*magnitude);
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace regforge
