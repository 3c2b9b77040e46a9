// Files by path: the one owner of an open file, opening by the path's bytes, and reading a
// whole file into memory of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/PageBlock.h"

namespace regforge {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
/// An open file, closed when the owner goes.
using File = std::unique_ptr<std::FILE, FileCloser>;

/// Opens the file at path, given as the bytes of the command line, with an fopen mode
/// ("rb", "wb", "rt", "wt"); writing creates or empties it. Null when it can't be opened, and
/// for a folder on every system.
File openFile(const char* path, const char* mode);

/// The length of an open regular file, in 64 bits on every system; none for a pipe or a
/// device, whose length isn't known before its end.
std::optional<std::uint64_t> regularFileLength(std::FILE* file);

/// Reads count bytes from offset of an open file, in 64 bits on every system; false when
/// fewer are there.
bool readAt(std::FILE* file, std::uint64_t offset, char* bytes, std::size_t count);

/// A pipe or a device is read up to this many bytes: an input without end (/dev/zero) stops
/// here with an error rather than filling memory.
constexpr std::size_t kLargestStream = std::size_t{256} << 20;

/// A whole file in memory: size bytes, then a NUL.
struct WholeFile {
  enum class Status { Read, Unreadable, OutOfMemory };
  Status status = Status::Unreadable;
  PageBlock buffer;
  std::size_t size = 0;

  std::string_view text() const { return {buffer.data(), size}; }
};

/// Reads the file at path into a buffer of its length plus one, up to limit bytes (and
/// kLargestStream for a pipe or a device); a longer file is Unreadable, one longer than limit
/// before anything is read. The file is read rather than mapped: a mapped file that shrinks
/// while it is used (the output written over the input, say) would end the process.
WholeFile readWholeFile(const char* path, std::size_t limit);

/// As readWholeFile, for a reader of lines: on a system whose C library has a text mode the
/// file is read in it, as such a reader read it with fgets there.
WholeFile readTextFile(const char* path, std::size_t limit);

/// As readWholeFile, from a file already open for reading.
WholeFile readOpenFile(std::FILE* file, std::size_t limit);

}  // namespace regforge
