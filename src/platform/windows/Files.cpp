// Opening files on Windows. The C library's fopen takes the path's bytes in the ANSI code
// page, the same bytes the program got on its command line, so names pass through unchanged;
// "rt" and "wt" are its text modes, which read and write line ends as CR LF.
#include "platform/Files.h"

namespace regforge {

File openFile(const char* path, const char* mode) {
  return File(std::fopen(path, mode));
}

}  // namespace regforge
