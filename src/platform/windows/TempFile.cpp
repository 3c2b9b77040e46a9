// The temporary file on Windows: made in the folder GetTempPath names and opened to be deleted
// when closed, so it never outlives the run.
#include "platform/TempFile.h"

#include <windows.h>

#include <algorithm>

namespace regforge {
namespace {

HANDLE handleOf(std::int64_t handle) {
  return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(handle));
}

// Transfers go in pieces that a DWORD counts.
constexpr std::size_t kLargestTransfer = 1u << 30;

}  // namespace

TempFile::~TempFile() {
  if (handle_ >= 0) CloseHandle(handleOf(handle_));
}

bool TempFile::create() {
  if (handle_ >= 0) return true;
  char folder[MAX_PATH + 1];
  char path[MAX_PATH + 1];
  const DWORD length = GetTempPathA(sizeof folder, folder);
  if (length == 0 || length > sizeof folder || GetTempFileNameA(folder, "rgf", 0, path) == 0) {
    return false;
  }
  // GetTempFileName made the file; it is opened again, alone, to be deleted on close.
  const HANDLE file =
      CreateFileA(path, GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, CREATE_ALWAYS,
                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DeleteFileA(path);
    return false;
  }
  handle_ = static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(file));
  return true;
}

bool TempFile::write(const char* bytes, std::size_t size) {
  while (size > 0) {
    // Offsets of all ones ask for a write at the end, whatever reads moved the position to.
    OVERLAPPED atEnd{};
    atEnd.Offset = atEnd.OffsetHigh = 0xFFFFFFFF;
    DWORD written = 0;
    const auto piece = static_cast<DWORD>(std::min(size, kLargestTransfer));
    if (!WriteFile(handleOf(handle_), bytes, piece, &written, &atEnd) || written == 0) {
      return false;
    }
    bytes += written;
    size -= written;
  }
  return true;
}

bool TempFile::readAt(char* out, std::uint64_t offset, std::size_t size) const {
  for (std::size_t done = 0; done < size;) {
    const std::uint64_t at = offset + done;
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(at);
    position.OffsetHigh = static_cast<DWORD>(at >> 32);
    DWORD read = 0;
    const auto piece = static_cast<DWORD>(std::min(size - done, kLargestTransfer));
    if (!ReadFile(handleOf(handle_), out + done, piece, &read, &position) || read == 0) {
      return false;
    }
    done += read;
  }
  return true;
}

}  // namespace regforge
