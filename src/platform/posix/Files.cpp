// Opening files on POSIX systems, where a path is its bytes.
#include "platform/Files.h"

namespace regforge {

File openFile(const char* path, const char* mode) {
  return File(std::fopen(path, mode));
}

}  // namespace regforge
