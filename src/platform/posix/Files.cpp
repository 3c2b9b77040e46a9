// Opening files on POSIX systems, where a path is its bytes.
#include "platform/Files.h"

#include <sys/stat.h>

#include <cerrno>

namespace regforge {

File openFile(const char* path, const char* mode) {
  File file(std::fopen(path, mode));
  // A folder opens for reading here (not on Windows); every reader is to refuse it alike.
  struct stat status {};
  if (file && ::fstat(fileno(file.get()), &status) == 0 && S_ISDIR(status.st_mode)) {
    errno = EISDIR;
    return nullptr;
  }
  return file;
}

std::optional<std::uint64_t> regularFileLength(std::FILE* file) {
  struct stat status {};
  if (::fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(status.st_size);
}

// No text mode here: a text file is its bytes.
WholeFile readTextFile(const char* path, std::size_t limit) {
  return readWholeFile(path, limit);
}

bool readAt(std::FILE* file, std::uint64_t offset, char* bytes, std::size_t count) {
  if (offset > static_cast<std::uint64_t>(INT64_MAX)) return false;
  if (::fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0) return false;
  return std::fread(bytes, 1, count, file) == count;
}

}  // namespace regforge
