#include "platform/ZipArchive.h"

#include <minizip/unzip.h>

#include <algorithm>

namespace regforge {

void ZipArchive::Closer::operator()(void* handle) const {
  unzClose(handle);
}

std::optional<ZipArchive> ZipArchive::open(const std::string& path) {
  unzFile handle = unzOpen64(path.c_str());
  if (!handle) return std::nullopt;
  ZipArchive archive(handle);
  for (int status = unzGoToFirstFile(handle); status == UNZ_OK; status = unzGoToNextFile(handle)) {
    unz_file_info64 info;
    char name[1024];
    if (unzGetCurrentFileInfo64(handle, &info, name, sizeof name, nullptr, 0, nullptr, 0) !=
        UNZ_OK) {
      return std::nullopt;
    }
    unz64_file_pos place;
    if (unzGetFilePos64(handle, &place) != UNZ_OK) return std::nullopt;
    std::string normalName(name);
    std::replace(normalName.begin(), normalName.end(), '\\', '/');
    archive.names_.push_back(std::move(normalName));
    archive.places_.emplace_back(place.pos_in_zip_directory, place.num_of_file);
  }
  return archive;
}

WholeFile ZipArchive::read(const std::string& name, std::size_t limit) const {
  WholeFile whole;
  const auto found = std::find(names_.begin(), names_.end(), name);
  if (found == names_.end()) return whole;
  const auto& [directory, number] = places_[static_cast<std::size_t>(found - names_.begin())];
  unz64_file_pos place{directory, number};
  unzFile handle = handle_.get();
  unz_file_info64 info;
  if (unzGoToFilePos64(handle, &place) != UNZ_OK ||
      unzGetCurrentFileInfo64(handle, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
      info.uncompressed_size > limit || unzOpenCurrentFile(handle) != UNZ_OK) {
    return whole;
  }
  const auto size = static_cast<std::size_t>(info.uncompressed_size);
  whole.buffer = PageBlock::allocate(size + 1, PageBlock::pagesToFill(size));
  if (whole.buffer.empty()) {
    unzCloseCurrentFile(handle);
    whole.status = WholeFile::Status::OutOfMemory;
    return whole;
  }
  const int got =
      size == 0 ? 0 : unzReadCurrentFile(handle, whole.buffer.data(), static_cast<unsigned>(size));
  const bool intact = unzCloseCurrentFile(handle) == UNZ_OK;  // checks the CRC
  if (got < 0 || static_cast<std::size_t>(got) != size || !intact) return WholeFile{};
  whole.buffer.data()[size] = '\0';
  whole.size = size;
  whole.status = WholeFile::Status::Read;
  return whole;
}

}  // namespace regforge
