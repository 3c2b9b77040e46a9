// Paths that a file gives relative to its own folder (a pack description naming its SVD
// files), kept inside that folder whatever they say.
#pragma once

#include <string>
#include <string_view>

namespace regforge {

struct RelativePath {
  std::string path;               ///< '/' separated, without "." or ".." steps
  const char* problem = nullptr;  ///< why the path is refused; nullptr when it isn't
};

/// path with '\' read as '/' (packs are written on Windows too), "." steps dropped and ".."
/// steps applied. Refused: an empty path, an absolute one, one that names a drive or holds a
/// ':', one with a control byte, and one whose ".." steps climb out of the folder.
RelativePath relativePath(std::string_view path);

}  // namespace regforge
