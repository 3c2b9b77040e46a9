// Files by path: the one owner of an open file, opening by the path's bytes, and reading a
// whole file into memory of its own.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>

#include "platform/PageBlock.h"

namespace regforge {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
/// An open file, closed when the owner goes.
using File = std::unique_ptr<std::FILE, FileCloser>;

/// Opens the file at path, given as the bytes of the command line, with an fopen mode
/// ("rb", "wb", "rt", "wt"); writing creates or empties it. Null when it can't be opened.
File openFile(const char* path, const char* mode);

/// A whole file in memory: size bytes, then a NUL.
struct WholeFile {
  enum class Status { Read, Unreadable, OutOfMemory };
  Status status = Status::Unreadable;
  PageBlock buffer;
  std::size_t size = 0;
};

/// Reads the file at path into a buffer of its length plus one, up to limit bytes; a longer
/// file is Unreadable. The file is read rather than mapped: a mapped file that shrinks while
/// it is used (the output written over the input, say) would end the process.
WholeFile readWholeFile(const char* path, std::size_t limit);

}  // namespace regforge
