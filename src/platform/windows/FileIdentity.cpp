// Windows side of FileIdentity: a file is its volume serial number and file index.
#include "platform/FileIdentity.h"

#include <windows.h>

namespace regforge {
namespace {

struct Found {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  bool regular = false;
};

// Opens nothing for reading or writing: a folder needs backup semantics to be opened at all.
std::optional<Found> examine(const std::string& path, DWORD& error) {
  const HANDLE file =
      CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = GetLastError();
    return std::nullopt;
  }
  BY_HANDLE_FILE_INFORMATION information;
  std::optional<Found> found;
  if (GetFileInformationByHandle(file, &information)) {
    found = Found{information.dwVolumeSerialNumber,
                  (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow,
                  GetFileType(file) == FILE_TYPE_DISK &&
                      !(information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)};
  }
  CloseHandle(file);
  return found;
}

}  // namespace

std::optional<FileIdentity> identifyFile(const std::string& path) {
  DWORD error = ERROR_SUCCESS;
  if (const std::optional<Found> found = examine(path, error)) {
    return FileIdentity{found->volume, found->index, {}, found->regular};
  }
  if (error != ERROR_FILE_NOT_FOUND) return std::nullopt;
  // A file still to be made is its folder and its name there; names that differ only in
  // case name one file on Windows.
  const std::size_t separator = path.find_last_of("/\\:");
  const std::string folder = separator == std::string::npos ? "." : path.substr(0, separator + 1);
  std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
  const std::optional<Found> found = examine(folder, error);
  if (!found) return std::nullopt;
  CharUpperBuffA(name.data(), static_cast<DWORD>(name.size()));
  return FileIdentity{found->volume, found->index, name, true};
}

}  // namespace regforge
