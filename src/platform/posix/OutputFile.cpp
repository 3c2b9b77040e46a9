// POSIX side of OutputFile: the temporary file is made with mkstemp() in the destination's
// folder, so that rename() replaces the destination in one step.
#include "platform/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace regforge {
namespace {

// Longest chain of symbolic links followed, as the system's own limit.
constexpr int kMostLinks = 40;

// The path with symbolic links followed to the file they end at; a link that leads nowhere
// gives the path of the file that writing through it would make.
std::string followLinks(std::string path) {
  for (int depth = 0; depth < kMostLinks; ++depth) {
    struct stat status;
    if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    std::string target(static_cast<std::size_t>(status.st_size) + 1, '\0');
    const ssize_t length = readlink(path.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return path;
    target.resize(static_cast<std::size_t>(length));
    const std::size_t slash = path.rfind('/');
    if (target[0] != '/' && slash != std::string::npos) target.insert(0, path, 0, slash + 1);
    path = std::move(target);
  }
  return path;
}

std::string temporaryName(const std::string& destination) {
  const std::size_t nameStart = destination.rfind('/') + 1;  // 0 without a folder
  return destination.substr(0, nameStart) + "." + destination.substr(nameStart) + ".XXXXXX";
}

mode_t newFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// An existing file keeps its owner where the system allows it, and its permission bits.
void keepAttributes(int descriptor, const struct stat& existing) {
  if (existing.st_uid != geteuid() || existing.st_gid != getegid()) {
    if (fchown(descriptor, existing.st_uid, existing.st_gid) != 0) {
      // Only a privileged user may give a file away: it then stays the writer's.
    }
  }
  fchmod(descriptor, existing.st_mode & 07777);
}

// Whether the existing file itself may be written, as opening it in place would find.
bool isWritable(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) return false;
  close(descriptor);
  return true;
}

}  // namespace

OutputFile::~OutputFile() {
  if (stream_) std::fclose(stream_);
  if (!temporary_.empty()) unlink(temporary_.c_str());
}

bool OutputFile::open(const std::string& path, Mode) {
  destination_ = followLinks(path);
  struct stat existing;
  const bool exists = stat(destination_.c_str(), &existing) == 0;
  const bool replaceable = exists ? S_ISREG(existing.st_mode) : errno == ENOENT;
  if (replaceable) {
    // A file that can't be written in place isn't replaced either.
    if (exists && !isWritable(destination_)) return false;
    temporary_ = temporaryName(destination_);
    const int descriptor = mkstemp(temporary_.data());
    if (descriptor >= 0) {
      if (exists) {
        keepAttributes(descriptor, existing);
      } else {
        fchmod(descriptor, newFileMode());
      }
      stream_ = fdopen(descriptor, "wb");
      if (stream_) return true;
      close(descriptor);
      unlink(temporary_.c_str());
    }
    temporary_.clear();
  }
  stream_ = std::fopen(destination_.c_str(), "wb");
  return stream_ != nullptr;
}

bool OutputFile::commit() {
  if (!stream_) return false;
  // A failed write leaves its reason in errno until the flush fails the same way.
  bool written = std::fflush(stream_) == 0 && !std::ferror(stream_);
  if (!written) problem_ = std::strerror(errno);
  const bool closed = std::fclose(stream_) == 0;
  if (!closed && written) problem_ = std::strerror(errno);
  written = written && closed;
  stream_ = nullptr;
  if (temporary_.empty()) return written;
  if (written && std::rename(temporary_.c_str(), destination_.c_str()) == 0) {
    temporary_.clear();
    return true;
  }
  if (written) problem_ = std::strerror(errno);
  unlink(temporary_.c_str());
  temporary_.clear();
  return false;
}

}  // namespace regforge
