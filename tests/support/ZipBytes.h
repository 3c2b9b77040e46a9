// Zip archives made byte by byte for the tests, with whatever a hostile archive may claim.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace regforge::testsupport {

struct ZipEntry {
  ZipEntry(std::string entryName, std::string entryBytes, bool deflate = true,
           std::optional<std::uint32_t> claimed = std::nullopt)
      : name(std::move(entryName)),
        bytes(std::move(entryBytes)),
        deflated(deflate),
        claimedSize(claimed) {}
  std::string name;
  std::string bytes;
  bool deflated = true;
  /// The size the archive gives, when it is to lie about it.
  std::optional<std::uint32_t> claimedSize;
};

/// An archive of the entries in order: local headers, data, central directory, end record.
std::string zipBytes(const std::vector<ZipEntry>& entries);

}  // namespace regforge::testsupport
