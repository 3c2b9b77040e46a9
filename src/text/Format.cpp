// The decimal and hexadecimal spellings of numbers in the memory map.
#include "text/Format.h"

#include <charconv>

namespace regforge {
namespace {

// prefix, then value in base 16 with the digits of the case asked for, at least width of them.
std::string hexText(const char* prefix, std::uint32_t value, bool upper, int width) {
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  char text[16];
  char* at = text + sizeof text;
  for (int written = 0; value != 0 || written < width; ++written, value >>= 4)
    *--at = digits[value & 15];
  return std::string(prefix) + std::string(at, text + sizeof text);
}

}  // namespace

std::string decimalText(std::int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  return std::string(digits, result.ptr);
}

std::string hexLowerText(std::uint32_t value) {
  return hexText("0x", value, false, 1);
}

std::string hexUpperText(std::uint32_t value) {
  return hexText("0x", value, true, 1);
}

std::string hexUpper8Text(std::uint32_t value) {
  return hexText("0x", value, true, 8);
}

std::string offsetText(std::uint32_t value) {
  return hexText("+0x", value, true, 1);
}

}  // namespace regforge
