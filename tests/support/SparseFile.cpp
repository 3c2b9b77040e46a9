#include "SparseFile.h"

#include <csignal>

namespace regforge::testsupport {

std::error_code makeSparse(const std::filesystem::path& path, std::uint64_t length) {
#ifdef SIGXFSZ
  // Past RLIMIT_FSIZE the signal would end the whole suite; ignored, the call says EFBIG.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  std::error_code error;
  std::filesystem::resize_file(path, length, error);
  return error;
}

}  // namespace regforge::testsupport
