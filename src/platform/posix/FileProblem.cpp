// POSIX side of FileProblem: the system's texts for errno, found by trying what the run would
// do.
#include "platform/FileProblem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace regforge {

std::string fileProblem(const char* path) {
  const int fd = ::open(path, O_RDONLY);
  if (fd < 0) return std::strerror(errno);
  struct stat status {};
  // A folder opens for reading; it is reading from it that fails.
  const int problem = ::fstat(fd, &status) != 0 ? errno : S_ISDIR(status.st_mode) ? EISDIR : 0;
  ::close(fd);
  return problem ? std::strerror(problem) : std::string();
}

std::string writeProblem(const char* path) {
  struct stat status {};
  if (::stat(path, &status) == 0) {
    if (S_ISDIR(status.st_mode)) return std::strerror(EISDIR);
    return ::access(path, W_OK) != 0 ? std::strerror(errno) : std::string();
  }
  if (errno != ENOENT) return std::strerror(errno);
  // A new file needs a folder that exists and takes it.
  std::string folder(path);
  const std::size_t slash = folder.rfind('/');
  folder = slash == std::string::npos ? "." : slash == 0 ? "/" : folder.substr(0, slash);
  if (::access(folder.c_str(), W_OK | X_OK) != 0) return std::strerror(errno);
  return {};
}

}  // namespace regforge
