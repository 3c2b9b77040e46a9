// The temporary file on POSIX systems: the C library's tmpfile, which has no name, used through
// its descriptor.
#include "platform/TempFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace regforge {

TempFile::~TempFile() {
  if (handle_ >= 0) close(static_cast<int>(handle_));
}

bool TempFile::create() {
  if (handle_ >= 0) return true;
  std::FILE* file = std::tmpfile();
  if (!file) return false;
  // The file has no name; the descriptor's copy keeps it once the stream is closed.
  handle_ = dup(fileno(file));
  std::fclose(file);
  return handle_ >= 0;
}

bool TempFile::write(const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(static_cast<int>(handle_), bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool TempFile::readAt(char* out, std::uint64_t offset, std::size_t size) const {
  for (std::size_t done = 0; done < size;) {
    const ssize_t read = pread(static_cast<int>(handle_), out + done, size - done,
                               static_cast<off_t>(offset + done));
    if (read < 0 && errno == EINTR) continue;
    if (read <= 0) return false;
    done += static_cast<std::size_t>(read);
  }
  return true;
}

}  // namespace regforge
