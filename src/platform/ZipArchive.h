// A zip archive read in place: the names of its files and the bytes of one of them. The
// central directory is read by this code and the files inflated with zlib, the same on every
// system.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

namespace regforge {

class ZipArchive {
 public:
  /// The archive in file, open for reading bytes, which it keeps; none when file is null, has
  /// no known length or is no zip archive that this reads (one archive on one disk, files
  /// stored or deflated, none encrypted).
  static std::optional<ZipArchive> open(File file);
  /// The archive held in bytes, which must outlive it; none when they are no archive it reads.
  static std::optional<ZipArchive> open(std::string_view bytes);

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
  ZipArchive(File file, std::string_view held, std::uint64_t length)
      : file_(std::move(file)), held_(held), length_(length) {}
  /// count bytes at offset, from the file or the bytes held; false when they aren't all there.
  bool readAt(std::uint64_t offset, char* out, std::size_t count) const;
  std::string readString(std::uint64_t offset, std::size_t count) const;
  bool readDirectory();
  bool addEntry(const std::string& directory, std::size_t& at);
  const Entry* find(const std::string& name) const;
  bool inflateInto(const Entry& entry, std::uint64_t data, char* out) const;

  File file_;              // the archive on disk, or
  std::string_view held_;  // the archive in memory
  std::uint64_t length_;
  std::vector<std::string> names_;
  std::vector<Entry> entries_;  // one for each name
};

}  // namespace regforge
