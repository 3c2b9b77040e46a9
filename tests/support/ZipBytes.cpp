// Stored or raw-deflated entries with their CRC, as zip writers lay them out.
#include "ZipBytes.h"

#include <zlib.h>

namespace regforge::testsupport {
namespace {

void put(std::string& out, std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i)
    out += static_cast<char>(value >> (8 * i) & 0xff);
}

std::string deflated(const std::string& bytes) {
  z_stream stream{};
  deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, static_cast<uLong>(bytes.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

// The fields that the local header and the directory record share, from the version needed
// to the name's length. Wide sizes say 0xffffffff: their values are in a zip64 extra field.
void putCommon(std::string& out, const ZipEntry& entry, std::uint32_t crc, std::size_t packed,
               bool wide) {
  put(out, 20, 2);  // version needed
  put(out, entry.flags, 2);
  put(out, entry.method.value_or(entry.deflated ? 8 : 0), 2);
  put(out, 0, 4);  // time and date
  put(out, crc, 4);
  put(out, wide ? 0xffffffff : packed, 4);
  put(out, wide ? 0xffffffff : entry.claimedSize.value_or(entry.bytes.size()), 4);
  put(out, entry.name.size(), 2);
}

// A timestamp field, which readers skip, then the zip64 field with size, packed size and
// local header offset.
std::string zip64Extra(const ZipEntry& entry, std::size_t packed, std::size_t header) {
  std::string extra;
  put(extra, 0x5455, 2);
  put(extra, 5, 2);
  put(extra, 0, 5);
  put(extra, 1, 2);
  put(extra, 24, 2);
  put(extra, entry.claimedSize.value_or(entry.bytes.size()), 8);
  put(extra, packed, 8);
  put(extra, header, 8);
  return extra;
}

// The zip64 end record and its locator, which lead to the directory.
void putZip64End(std::string& out, std::size_t count, std::size_t directorySize,
                 std::size_t directoryAt) {
  const std::size_t recordAt = out.size();
  put(out, 0x06064b50, 4);
  put(out, 44, 8);  // the record's size after this field
  put(out, 45, 2);  // version made by
  put(out, 45, 2);  // version needed
  put(out, 0, 8);   // disks
  put(out, count, 8);
  put(out, count, 8);
  put(out, directorySize, 8);
  put(out, directoryAt, 8);
  put(out, 0x07064b50, 4);
  put(out, 0, 4);  // disk of the record
  put(out, recordAt, 8);
  put(out, 1, 4);  // disks
}

}  // namespace

std::string zipBytes(const std::vector<ZipEntry>& entries, ZipLayout layout) {
  std::string out;
  std::string directory;
  for (const ZipEntry& entry : entries) {
    const std::string data = entry.deflated ? deflated(entry.bytes) : entry.bytes;
    const auto crc =
        static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(entry.bytes.data()),
                                         static_cast<uInt>(entry.bytes.size())));
    const std::string extra = layout.zip64 ? zip64Extra(entry, data.size(), out.size()) : "";
    put(directory, 0x02014b50, 4);
    put(directory, 20, 2);  // version made by
    putCommon(directory, entry, crc, data.size(), layout.zip64);
    put(directory, extra.size(), 2);
    put(directory, 0, 6);  // comment length, disk, internal attributes
    put(directory, 0, 4);  // external attributes
    put(directory, layout.zip64 ? 0xffffffff : out.size(), 4);
    directory += entry.name;
    directory += extra;
    put(out, 0x04034b50, 4);
    putCommon(out, entry, crc, data.size(), false);
    put(out, 0, 2);  // extra
    out += entry.name;
    out += data;
  }
  const std::size_t directoryAt = out.size();
  out += directory;
  if (layout.zip64) putZip64End(out, entries.size(), directory.size(), directoryAt);
  put(out, 0x06054b50, 4);
  put(out, 0, 4);  // disks
  put(out, layout.zip64 ? 0xffff : entries.size(), 2);
  put(out, layout.zip64 ? 0xffff : entries.size(), 2);
  put(out, layout.zip64 ? 0xffffffff : directory.size(), 4);
  put(out, layout.zip64 ? 0xffffffff : directoryAt, 4);
  put(out, 0, 2);  // comment
  return out;
}

}  // namespace regforge::testsupport
