// The zip format as packs use it: the end record (zip64 too) leads to the central directory,
// whose records give each file's name, sizes, checksum and local header; zlib inflates.
#include "platform/ZipArchive.h"

#include <zlib.h>

#include <algorithm>
#include <string_view>

namespace regforge {
namespace {

constexpr std::uint32_t kEndRecord = 0x06054b50;
constexpr std::uint32_t kZip64Locator = 0x07064b50;
constexpr std::uint32_t kZip64EndRecord = 0x06064b50;
constexpr std::uint32_t kDirectoryRecord = 0x02014b50;
constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kZip64LocatorSize = 20;
constexpr std::size_t kZip64EndRecordSize = 56;
constexpr std::size_t kDirectoryRecordSize = 46;
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::uint32_t kNoValue32 = 0xffffffff;  // the value is in the zip64 extra field
constexpr std::size_t kChunk = 65536;

// Little-endian numbers at a position of a byte string; the caller checks the bounds.
std::uint64_t number(std::string_view bytes, std::size_t at, int size) {
  std::uint64_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

}  // namespace

bool ZipArchive::readAt(std::uint64_t offset, char* out, std::size_t count) const {
  if (file_) return regforge::readAt(file_.get(), offset, out, count);
  if (offset > held_.size() || count > held_.size() - offset) return false;
  held_.copy(out, count, static_cast<std::size_t>(offset));
  return true;
}

std::string ZipArchive::readString(std::uint64_t offset, std::size_t count) const {
  std::string bytes(count, '\0');
  if (!readAt(offset, bytes.data(), count)) bytes.clear();
  return bytes;
}

std::optional<ZipArchive> ZipArchive::open(File file) {
  if (!file) return std::nullopt;
  const std::optional<std::uint64_t> length = regularFileLength(file.get());
  if (!length) return std::nullopt;
  ZipArchive archive(std::move(file), {}, *length);
  if (!archive.readDirectory()) return std::nullopt;
  return archive;
}

std::optional<ZipArchive> ZipArchive::open(std::string_view bytes) {
  ZipArchive archive(nullptr, bytes, bytes.size());
  if (!archive.readDirectory()) return std::nullopt;
  return archive;
}

// The end record is the last 22 bytes but for a comment of up to 65535 bytes.
bool ZipArchive::readDirectory() {
  if (length_ < kEndRecordSize) return false;
  const std::uint64_t tailStart =
      length_ - std::min<std::uint64_t>(length_, kEndRecordSize + 65535);
  const std::string tail = readString(tailStart, static_cast<std::size_t>(length_ - tailStart));
  if (tail.size() < kEndRecordSize) return false;
  std::size_t end = tail.size() - kEndRecordSize + 1;
  do {
    --end;
  } while (end > 0 && number(tail, end, 4) != kEndRecord);
  if (number(tail, end, 4) != kEndRecord) return false;
  std::uint64_t count = number(tail, end + 10, 2);
  std::uint64_t size = number(tail, end + 12, 4);
  std::uint64_t offset = number(tail, end + 16, 4);
  const std::uint64_t endAt = tailStart + end;
  if (endAt >= kZip64LocatorSize &&
      number(readString(endAt - kZip64LocatorSize, 4), 0, 4) == kZip64Locator) {
    const std::string locator = readString(endAt - kZip64LocatorSize, kZip64LocatorSize);
    const std::string record = readString(number(locator, 8, 8), kZip64EndRecordSize);
    if (record.empty() || number(record, 0, 4) != kZip64EndRecord) return false;
    count = number(record, 32, 8);
    size = number(record, 40, 8);
    offset = number(record, 48, 8);
  }
  // Every record takes 46 bytes at least: a count or size beyond the file is a lie.
  if (offset > length_ || size > length_ - offset || count > size / kDirectoryRecordSize) {
    return false;
  }
  const std::string directory = readString(offset, static_cast<std::size_t>(size));
  if (directory.size() != size) return false;
  std::size_t at = 0;
  for (std::uint64_t i = 0; i < count; ++i) {
    if (!addEntry(directory, at)) return false;
  }
  return true;
}

// One central directory record at at, which moves past it.
bool ZipArchive::addEntry(const std::string& directory, std::size_t& at) {
  if (directory.size() - at < kDirectoryRecordSize ||
      number(directory, at, 4) != kDirectoryRecord) {
    return false;
  }
  const std::string_view record(directory.data() + at, directory.size() - at);
  const auto nameSize = static_cast<std::size_t>(number(record, 28, 2));
  const auto extraSize = static_cast<std::size_t>(number(record, 30, 2));
  const auto commentSize = static_cast<std::size_t>(number(record, 32, 2));
  const std::size_t recordSize = kDirectoryRecordSize + nameSize + extraSize + commentSize;
  if (record.size() < recordSize) return false;
  Entry entry{number(record, 42, 4),
              number(record, 20, 4),
              number(record, 24, 4),
              static_cast<std::uint32_t>(number(record, 16, 4)),
              static_cast<std::uint16_t>(number(record, 10, 2)),
              (number(record, 8, 2) & 1) != 0};
  // The zip64 extra field holds, in this order, those of the three that don't fit 32 bits.
  for (std::size_t field = kDirectoryRecordSize + nameSize;
       field + 4 <= kDirectoryRecordSize + nameSize + extraSize;) {
    const auto fieldSize = static_cast<std::size_t>(number(record, field + 2, 2));
    std::size_t value = field + 4;
    const std::size_t fieldEnd = value + fieldSize;
    if (fieldEnd > kDirectoryRecordSize + nameSize + extraSize) return false;
    if (number(record, field, 2) == 1) {
      for (std::uint64_t* wide : {&entry.size, &entry.packedSize, &entry.header}) {
        if (*wide != kNoValue32) continue;
        if (value + 8 > fieldEnd) return false;
        *wide = number(record, value, 8);
        value += 8;
      }
    }
    field = fieldEnd;
  }
  std::string name(record.substr(kDirectoryRecordSize, nameSize));
  std::replace(name.begin(), name.end(), '\\', '/');
  names_.push_back(std::move(name));
  entries_.push_back(entry);
  at += recordSize;
  return true;
}

const ZipArchive::Entry* ZipArchive::find(const std::string& name) const {
  const auto found = std::find(names_.begin(), names_.end(), name);
  if (found == names_.end()) return nullptr;
  return &entries_[static_cast<std::size_t>(found - names_.begin())];
}

std::optional<std::uint64_t> ZipArchive::size(const std::string& name) const {
  const Entry* entry = find(name);
  if (!entry) return std::nullopt;
  return entry->size;
}

WholeFile ZipArchive::read(const std::string& name, std::size_t limit) const {
  WholeFile whole;
  const Entry* entry = find(name);
  if (!entry || entry->size > limit || entry->encrypted ||
      (entry->method != 0 && entry->method != 8)) {
    return whole;
  }
  const std::string header = readString(entry->header, kLocalHeaderSize);
  if (header.empty() || number(header, 0, 4) != kLocalHeader) return whole;
  const std::uint64_t data =
      entry->header + kLocalHeaderSize + number(header, 26, 2) + number(header, 28, 2);
  if (data > length_ || entry->packedSize > length_ - data) return whole;
  const auto size = static_cast<std::size_t>(entry->size);
  whole.buffer = PageBlock::allocate(size + 1);
  if (whole.buffer.empty()) {
    whole.status = WholeFile::Status::OutOfMemory;
    return whole;
  }
  if (!inflateInto(*entry, data, whole.buffer.data())) return WholeFile{};
  whole.buffer.data()[size] = '\0';
  whole.size = size;
  whole.status = WholeFile::Status::Read;
  return whole;
}

// Exactly the entry's size into out, its checksum checked: a file that inflates to more or
// to less than its directory record says is damaged.
bool ZipArchive::inflateInto(const Entry& entry, std::uint64_t data, char* out) const {
  const auto size = static_cast<std::size_t>(entry.size);
  if (entry.method == 0) {
    if (entry.packedSize != entry.size || (size > 0 && !readAt(data, out, size))) {
      return false;
    }
  } else {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return false;
    stream.next_out = reinterpret_cast<Bytef*>(out);
    stream.avail_out = static_cast<uInt>(size);
    std::string chunk;
    std::uint64_t left = entry.packedSize;
    int status = Z_OK;
    while (status == Z_OK) {
      if (stream.avail_in == 0 && left > 0) {
        chunk = readString(data, static_cast<std::size_t>(std::min<std::uint64_t>(left, kChunk)));
        if (chunk.empty()) break;
        data += chunk.size();
        left -= chunk.size();
        stream.next_in = reinterpret_cast<Bytef*>(chunk.data());
        stream.avail_in = static_cast<uInt>(chunk.size());
      }
      status = inflate(&stream, Z_NO_FLUSH);
    }
    const bool complete = status == Z_STREAM_END && stream.total_out == size;
    inflateEnd(&stream);
    if (!complete) return false;
  }
  return crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(out),
               static_cast<uInt>(size)) == entry.crc;
}

}  // namespace regforge
