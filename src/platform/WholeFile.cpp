// Reading a whole file through the platform's open call: one read when its length is known,
// growing steps for a pipe or a file that grows meanwhile.
#include <cstring>

#include "platform/Files.h"

namespace regforge {

WholeFile readWholeFile(const char* path, std::size_t limit) {
  WholeFile whole;
  const File file = openFile(path, "rb");
  if (!file) return whole;
  std::size_t capacity = 0;
  if (std::fseek(file.get(), 0, SEEK_END) == 0) {
    const long length = std::ftell(file.get());
    if (length >= 0 && static_cast<unsigned long>(length) <= limit) {
      capacity = static_cast<std::size_t>(length);
    }
    std::rewind(file.get());
  }
  whole.buffer = PageBlock::allocate(capacity + 1, PageBlock::pagesToFill(capacity));
  if (whole.buffer.empty()) {
    whole.status = WholeFile::Status::OutOfMemory;
    return whole;
  }
  std::size_t& size = whole.size;
  for (;;) {
    size += std::fread(whole.buffer.data() + size, 1, capacity - size, file.get());
    if (size < capacity || std::feof(file.get()) || std::ferror(file.get())) break;
    const int next = std::fgetc(file.get());
    if (next == EOF) break;
    if (capacity >= limit) return whole;
    const std::size_t grown =
        capacity < 65536 ? 65536 : (capacity > limit / 2 ? limit : capacity * 2);
    PageBlock larger = PageBlock::allocate(grown + 1, PageBlock::pagesToFill(grown));
    if (larger.empty()) {
      whole.status = WholeFile::Status::OutOfMemory;
      return whole;
    }
    std::memcpy(larger.data(), whole.buffer.data(), size);
    larger.data()[size++] = static_cast<char>(next);
    whole.buffer = std::move(larger);
    capacity = grown;
  }
  if (std::ferror(file.get())) return whole;
  whole.buffer.data()[size] = '\0';
  whole.status = WholeFile::Status::Read;
  return whole;
}

}  // namespace regforge
