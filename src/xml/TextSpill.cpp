#include "xml/TextSpill.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <vector>

namespace regforge {
namespace {

// An unnamed file in the temporary folder, gone when it is closed.
int makeUnnamedFile() {
  const char* folder = std::getenv("TMPDIR");
  std::string pattern = std::string(folder && *folder ? folder : "/tmp") + "/regforge-XXXXXX";
  const int descriptor = mkstemp(pattern.data());
  if (descriptor >= 0) unlink(pattern.c_str());
  return descriptor;
}

bool writeAll(int descriptor, const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(descriptor, bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

TextSpill::~TextSpill() {
  if (descriptor_ >= 0) close(descriptor_);
}

std::optional<std::uint64_t> TextSpill::append(std::string_view text) {
  if (broken_) return std::nullopt;
  if (descriptor_ < 0) descriptor_ = makeUnnamedFile();
  // A failed write may leave part of the text behind: it is never read, and nothing more is
  // written after it.
  if (descriptor_ < 0 || !writeAll(descriptor_, text.data(), text.size())) {
    broken_ = true;
    return std::nullopt;
  }
  const std::uint64_t offset = size_;
  size_ += text.size();
  return offset;
}

bool TextSpill::appendTo(std::string& out, std::uint64_t offset, std::uint32_t size) const {
  const std::size_t at = out.size();
  out.resize(at + size);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t read =
        pread(descriptor_, &out[at + done], size - done, static_cast<off_t>(offset + done));
    if (read < 0 && errno == EINTR) continue;
    if (read <= 0) {
      out.resize(at);
      return false;
    }
    done += static_cast<std::size_t>(read);
  }
  return true;
}

bool TextSpill::copyTo(std::FILE* file, std::uint64_t offset, std::uint32_t size) const {
  constexpr std::size_t kPiece = 64 << 10;
  std::string piece;
  piece.reserve(kPiece);
  for (std::uint32_t done = 0; done < size;) {
    const std::uint32_t length = std::min<std::uint32_t>(size - done, kPiece);
    piece.clear();
    if (!appendTo(piece, offset + done, length)) return false;
    std::fwrite(piece.data(), 1, piece.size(), file);
    done += length;
  }
  return true;
}

}  // namespace regforge
