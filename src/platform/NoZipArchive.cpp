// The zip reader of a build without minizip and zlib: it finds no archive anywhere, and the
// driver tells the user to name the unpacked pack's description instead.
#include "platform/ZipArchive.h"

namespace regforge {

void ZipArchive::Closer::operator()(void*) const {}

bool ZipArchive::available() {
  return false;
}

std::optional<ZipArchive> ZipArchive::open(const std::string&) {
  return std::nullopt;
}

WholeFile ZipArchive::read(const std::string&, std::size_t) const {
  return WholeFile{};
}

}  // namespace regforge
