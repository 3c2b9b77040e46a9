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
// to the name's length.
void putCommon(std::string& out, const ZipEntry& entry, std::uint32_t crc, std::size_t packed) {
  put(out, 20, 2);                      // version needed
  put(out, 0, 2);                       // flags
  put(out, entry.deflated ? 8 : 0, 2);  // method
  put(out, 0, 4);                       // time and date
  put(out, crc, 4);
  put(out, packed, 4);
  put(out, entry.claimedSize.value_or(static_cast<std::uint32_t>(entry.bytes.size())), 4);
  put(out, entry.name.size(), 2);
}

}  // namespace

std::string zipBytes(const std::vector<ZipEntry>& entries) {
  std::string out;
  std::string directory;
  for (const ZipEntry& entry : entries) {
    const std::string data = entry.deflated ? deflated(entry.bytes) : entry.bytes;
    const auto crc =
        static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(entry.bytes.data()),
                                         static_cast<uInt>(entry.bytes.size())));
    put(directory, 0x02014b50, 4);
    put(directory, 20, 2);  // version made by
    putCommon(directory, entry, crc, data.size());
    put(directory, 0, 8);  // extra and comment lengths, disk, internal attributes
    put(directory, 0, 4);  // external attributes
    put(directory, out.size(), 4);
    directory += entry.name;
    put(out, 0x04034b50, 4);
    putCommon(out, entry, crc, data.size());
    put(out, 0, 2);  // extra
    out += entry.name;
    out += data;
  }
  const std::size_t directoryAt = out.size();
  out += directory;
  put(out, 0x06054b50, 4);
  put(out, 0, 4);  // disks
  put(out, entries.size(), 2);
  put(out, entries.size(), 2);
  put(out, directory.size(), 4);
  put(out, directoryAt, 4);
  put(out, 0, 2);  // comment
  return out;
}

}  // namespace regforge::testsupport
