// POSIX side of FileIdentity: a file is its device and inode number.
#include "platform/FileIdentity.h"

#include <sys/stat.h>

#include <cerrno>

namespace regforge {

std::optional<FileIdentity> identifyFile(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) == 0) {
    return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                        static_cast<std::uint64_t>(status.st_ino),
                        {},
                        S_ISREG(status.st_mode)};
  }
  if (errno != ENOENT) return std::nullopt;
  // A file still to be made is its folder and its name there.
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  if (stat(folder.c_str(), &status) != 0) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino), path.substr(slash + 1), true};
}

}  // namespace regforge
