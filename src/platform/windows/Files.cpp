// Opening files on Windows. The C library's fopen takes the path's bytes in the ANSI code
// page, the same bytes the program got on its command line, so names pass through unchanged;
// "rt" and "wt" are its text modes, which read and write line ends as CR LF.
#include "platform/Files.h"

#include <sys/stat.h>

namespace regforge {

// fopen refuses a folder here already.
File openFile(const char* path, const char* mode) {
  return File(std::fopen(path, mode));
}

// The C library's text mode turns CR LF into LF, keeps a CR alone, and ends the text at the
// first Ctrl-Z, as fgets saw it; the length on disk bounds the read, as the text is no longer.
WholeFile readTextFile(const char* path, std::size_t limit) {
  const File file = openFile(path, "rt");
  if (!file) return WholeFile{};
  return readOpenFile(file.get(), limit);
}

// Lengths and offsets through the 64-bit calls: long, which ftell and fseek take, has 32 bits.
std::optional<std::uint64_t> regularFileLength(std::FILE* file) {
  struct _stat64 status;
  if (_fstat64(_fileno(file), &status) != 0 || (status.st_mode & _S_IFREG) == 0) {
    return std::nullopt;
  }
  return static_cast<std::uint64_t>(status.st_size);
}

bool readAt(std::FILE* file, std::uint64_t offset, char* bytes, std::size_t count) {
  if (offset > static_cast<std::uint64_t>(INT64_MAX)) return false;
  if (_fseeki64(file, static_cast<long long>(offset), SEEK_SET) != 0) return false;
  return std::fread(bytes, 1, count, file) == count;
}

}  // namespace regforge
