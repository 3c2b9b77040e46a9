// Reading a whole file through the platform's open call: one read when its length is known,
// growing steps for a pipe or a device, up to a bound for each.
#include <algorithm>
#include <cstring>

#include "platform/Files.h"

namespace regforge {

WholeFile readWholeFile(const char* path, std::size_t limit) {
  const File file = openFile(path, "rb");
  if (!file) return WholeFile{};
  return readOpenFile(file.get(), limit);
}

WholeFile readOpenFile(std::FILE* file, std::size_t limit) {
  WholeFile whole;
  std::size_t capacity = 0;
  if (const std::optional<std::uint64_t> length = regularFileLength(file)) {
    if (*length > limit) return whole;
    capacity = static_cast<std::size_t>(*length);
  } else {
    limit = std::min(limit, kLargestStream);
  }
  whole.buffer = PageBlock::allocate(capacity + 1);
  if (whole.buffer.empty()) {
    whole.status = WholeFile::Status::OutOfMemory;
    return whole;
  }
  std::size_t& size = whole.size;
  // A regular file that grows meanwhile is read on in the same steps as a pipe.
  for (;;) {
    size += std::fread(whole.buffer.data() + size, 1, capacity - size, file);
    if (size < capacity || std::feof(file) || std::ferror(file)) break;
    const int next = std::fgetc(file);
    if (next == EOF) break;
    if (capacity >= limit) return whole;
    const std::size_t grown =
        std::min(limit, capacity < 65536 ? 65536 : (capacity > limit / 2 ? limit : capacity * 2));
    PageBlock larger = PageBlock::allocate(grown + 1);
    if (larger.empty()) {
      whole.status = WholeFile::Status::OutOfMemory;
      return whole;
    }
    std::memcpy(larger.data(), whole.buffer.data(), size);
    larger.data()[size++] = static_cast<char>(next);
    whole.buffer = std::move(larger);
    capacity = grown;
  }
  if (std::ferror(file)) return whole;
  whole.buffer.data()[size] = '\0';
  whole.status = WholeFile::Status::Read;
  return whole;
}

}  // namespace regforge
