// Windows side of FileProblem, through the C runtime's file calls and its texts for errno.
#include "platform/FileProblem.h"

#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace regforge {
namespace {

bool isFolder(const char* path) {
  struct _stat64 status;
  return _stat64(path, &status) == 0 && (status.st_mode & _S_IFDIR) != 0;
}

}  // namespace

std::string fileProblem(const char* path) {
  // Opening a folder fails on Windows with a reason that doesn't say it is one.
  if (isFolder(path)) return std::strerror(EISDIR);
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return std::strerror(errno);
  std::fclose(file);
  return {};
}

std::string writeProblem(const char* path) {
  struct _stat64 status;
  if (_stat64(path, &status) == 0) {
    if (status.st_mode & _S_IFDIR) return std::strerror(EISDIR);
    return _access(path, 2) != 0 ? std::strerror(errno) : std::string();
  }
  if (errno != ENOENT) return std::strerror(errno);
  // A new file needs a folder that exists; Windows ignores a folder's read-only flag.
  // The folder is asked about without its last separator, which the system refuses, unless
  // it is a root ("\\", "C:\\").
  std::string folder(path);
  const std::size_t separator = folder.find_last_of("/\\");
  const bool root = separator == 0 || (separator == 2 && folder[1] == ':');
  folder = separator == std::string::npos ? "."
           : root                         ? folder.substr(0, separator + 1)
                                          : folder.substr(0, separator);
  if (!isFolder(folder.c_str())) return std::strerror(ENOENT);
  return {};
}

}  // namespace regforge
