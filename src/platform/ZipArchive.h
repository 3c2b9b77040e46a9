// A zip archive read in place: the names of its files and the bytes of one of them. The
// central directory is read by this code and the files inflated with zlib, the same on every
// system.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace regforge {

class ZipArchive {
 public:
  /// The archive in file, open for reading bytes, which it keeps; none when file is null, has
  /// no known length or is no zip archive that this reads (one archive on one disk, files
  /// stored or deflated, none encrypted).
  static std::optional<ZipArchive> open(File file);

  /// The paths of the files it holds, '/' separated (a '\' in the archive counts as one), in
  /// archive order.
  const std::vector<std::string>& names() const { return names_; }

  /// The size the archive gives for the file of that name; none when it has no such file.
  std::optional<std::uint64_t> size(const std::string& name) const;

  /// The file of that name, up to limit bytes: Unreadable when it is absent or damaged, or
  /// when its size passes limit, which is found before anything is inflated.
  WholeFile read(const std::string& name, std::size_t limit) const;

 private:
  struct Entry {
    std::uint64_t header;  // offset of its local header
    std::uint64_t packedSize;
    std::uint64_t size;
    std::uint32_t crc;
    std::uint16_t method;  // 0 stored, 8 deflated
    bool encrypted;
  };
  ZipArchive(File file, std::uint64_t length) : file_(std::move(file)), length_(length) {}
  bool readDirectory();
  bool addEntry(const std::string& directory, std::size_t& at);
  const Entry* find(const std::string& name) const;
  bool inflateInto(const Entry& entry, std::uint64_t data, char* out) const;

  File file_;
  std::uint64_t length_;
  std::vector<std::string> names_;
  std::vector<Entry> entries_;  // one for each name
};

}  // namespace regforge
