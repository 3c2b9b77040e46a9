// Windows side of OutputFile: the temporary file is made with GetTempFileName in the
// destination's folder and moved over the destination with MoveFileEx. Text mode is the C
// library's: each line ends in CR LF.
#include "platform/OutputFile.h"

#include <windows.h>

#include "platform/FileLookup.h"

namespace regforge {
namespace {

enum class Destination { New, Regular, Other, Refused };

// What is at path: nothing yet, a file on disk, something else (a device such as NUL or a
// pipe, written in place), or a file that can't be written, which isn't replaced either.
Destination examine(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return GetLastError() == ERROR_FILE_NOT_FOUND ? Destination::New : Destination::Refused;
  }
  const bool onDisk = GetFileType(file) == FILE_TYPE_DISK;
  CloseHandle(file);
  return onDisk ? Destination::Regular : Destination::Other;
}

}  // namespace

OutputFile::~OutputFile() {
  if (stream_) std::fclose(stream_);
  if (!temporary_.empty()) DeleteFileA(temporary_.c_str());
}

bool OutputFile::open(const std::string& path, Mode mode) {
  // A symbolic link is replaced rather than followed: links on Windows are rare and need a
  // privilege to make.
  destination_ = path;
  const char* fopenMode = mode == Mode::Text ? "wt" : "wb";
  const Destination destination = examine(path);
  if (destination == Destination::Refused) return false;
  if (destination != Destination::Other) {
    const std::string folder = folderOf(path);
    char name[MAX_PATH + 1];
    if (GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "rgf", 0, name) != 0) {
      temporary_ = name;
      stream_ = std::fopen(name, fopenMode);
      if (stream_) return true;
      DeleteFileA(name);
    }
    temporary_.clear();
  }
  stream_ = std::fopen(path.c_str(), fopenMode);
  return stream_ != nullptr;
}

bool OutputFile::commit() {
  if (!stream_) return false;
  bool written = std::fflush(stream_) == 0 && !std::ferror(stream_);
  written = std::fclose(stream_) == 0 && written;
  stream_ = nullptr;
  if (temporary_.empty()) return written;
  if (written &&
      MoveFileExA(temporary_.c_str(), destination_.c_str(), MOVEFILE_REPLACE_EXISTING) != 0) {
    temporary_.clear();
    return true;
  }
  DeleteFileA(temporary_.c_str());
  temporary_.clear();
  return false;
}

}  // namespace regforge
