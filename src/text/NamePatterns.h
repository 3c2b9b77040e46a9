// Matching names against a pattern with wildcards, and ranking names by how close they are
// to one that was not found.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace regforge {

/// True when pattern has a '*' or '?' in it.
bool hasWildcard(std::string_view pattern);

/// Whole-name match, case as written: '*' stands for any run of bytes, '?' for one byte.
bool matchesPattern(std::string_view name, std::string_view pattern);

/// Up to count names of the list, closest to wanted first (fewest single-byte edits, letter
/// case ignored; ties keep the list's order).
std::vector<std::string> closestNames(std::string_view wanted,
                                      const std::vector<std::string>& names, std::size_t count);

}  // namespace regforge
