// A zip archive read in place: the names of its files and the bytes of one of them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace regforge {

class ZipArchive {
 public:
  /// The archive at path; none when it can't be opened or is no zip archive.
  static std::optional<ZipArchive> open(const std::string& path);

  /// The paths of the files it holds, '/' separated (a '\' in the archive counts as one), in
  /// archive order.
  const std::vector<std::string>& names() const { return names_; }

  /// The file of that name, up to limit bytes: Unreadable when it is absent, larger or
  /// damaged.
  WholeFile read(const std::string& name, std::size_t limit) const;

 private:
  struct Closer {
    void operator()(void* handle) const;
  };
  explicit ZipArchive(void* handle) : handle_(handle) {}

  std::unique_ptr<void, Closer> handle_;
  std::vector<std::string> names_;
  std::vector<std::pair<std::uint64_t, std::uint64_t>> places_;  // of each name, in the directory
};

}  // namespace regforge
