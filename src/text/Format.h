// Numbers as the memory map writes them: every decimal and hexadecimal spelling, named once.
#pragma once

#include <cstdint>
#include <string>

namespace regforge {

/// value in decimal, "-" before a negative one: "42", "-1".
std::string decimalText(std::int64_t value);
/// "0x" and value in lower-case hexadecimal without leading zeros: "0xe0001000".
std::string hexLowerText(std::uint32_t value);
/// "0x" and value in upper-case hexadecimal without leading zeros: "0xE000ED00".
std::string hexUpperText(std::uint32_t value);
/// "0x" and value in eight upper-case hexadecimal digits: "0x0000001C".
std::string hexUpper8Text(std::uint32_t value);
/// An offset from the group's start: "+0x" and value in upper-case hexadecimal, "+0x1C".
std::string offsetText(std::uint32_t value);

}  // namespace regforge
