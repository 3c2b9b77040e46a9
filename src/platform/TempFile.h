// An unnamed temporary file: written in sequence, read at any offset, and gone when closed.
#pragma once

#include <cstddef>
#include <cstdint>

namespace regforge {

class TempFile {
 public:
  TempFile() = default;
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile();

  /// Makes the file where the system keeps temporary files; false when it can't.
  bool create();
  bool isOpen() const { return handle_ >= 0; }

  /// Appends size bytes; false when they could not all be written.
  bool write(const char* bytes, std::size_t size);
  /// Reads size bytes at offset into out; false on a read error.
  bool readAt(char* out, std::uint64_t offset, std::size_t size) const;

 private:
  std::int64_t handle_ = -1;  // the system's handle, or -1
};

}  // namespace regforge
