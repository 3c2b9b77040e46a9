// The non-secure alias of a core group: the same registers at addresses with bit 17 set and
// with "_NS" after their names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/Format.h"

namespace regforge {

/// "0x" and the upper-case hexadecimal address, with bit 17 set for the non-secure alias.
inline std::string aliasAddressText(std::uint32_t address, bool nonSecure) {
  return hexUpperText(nonSecure ? address | 0x20000u : address);
}

/// name, with "_NS" appended for the non-secure alias.
inline std::string aliasName(std::string_view name, bool nonSecure) {
  std::string result(name);
  if (nonSecure) result += "_NS";
  return result;
}

}  // namespace regforge
