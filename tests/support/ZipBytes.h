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
  std::uint16_t flags = 0;               // bit 0: encrypted
  std::optional<std::uint16_t> method;   // what the archive claims, when not 0 or 8
};

/// How the archive is laid out beyond its entries.
struct ZipLayout {
  /// The sizes and offsets of the directory and of its records go in zip64 records (the
  /// 32-bit fields say 0xffffffff), after an extra field of another kind.
  bool zip64 = false;
};

/// An archive of the entries in order: local headers, data, central directory, end record.
std::string zipBytes(const std::vector<ZipEntry>& entries, ZipLayout layout = {});

}  // namespace regforge::testsupport
