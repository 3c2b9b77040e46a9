// Which file a path names, whatever its spelling: two paths that give equal identities lead
// to the same file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace regforge {

struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t file = 0;  ///< of the file, or of its folder when it doesn't exist yet
  std::string newName;     ///< the final name when the file doesn't exist yet, else empty
  bool regular = false;    ///< a regular file, or one that writing would make

  bool operator==(const FileIdentity& other) const {
    return device == other.device && file == other.file && newName == other.newName;
  }
  bool operator!=(const FileIdentity& other) const { return !(*this == other); }
};

/// The identity of the file at path (symbolic links followed), or of the file writing to
/// path would make; none when neither the file nor its folder can be examined.
std::optional<FileIdentity> identifyFile(const std::string& path);

}  // namespace regforge
