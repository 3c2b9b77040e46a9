// Written markup set aside in a temporary file, in large pieces, and read back or copied out.
#include "memorymap/TextSpill.h"

#include <algorithm>
#include <memory>

namespace regforge {
namespace {

// What goes to and comes from the file at once: fresh memory costs more than calls. The
// buffer has room for the last line that makes a piece full.
constexpr std::size_t kPiece = 64 << 10;
constexpr std::size_t kBuffer = kPiece + kPiece / 2;

}  // namespace

std::optional<std::uint64_t> TextSpill::append(std::string_view text) {
  std::string* buffer = startAppend();
  if (!buffer) return std::nullopt;
  const std::uint64_t offset = size();
  // A large text goes to the file as it is, without a copy, once what waits is written.
  if (text.size() >= kPiece && flush()) {
    if (file_.write(text.data(), text.size())) {
      flushed_ += text.size();
      return offset;
    }
    broken_ = true;  // the file position is lost; the text is kept below
  }
  // The buffer is emptied rather than grown into fresh memory.
  if (buffer->size() + text.size() > buffer->capacity()) flush();
  buffer->append(text.data(), text.size());
  finishAppend();
  return offset;
}

std::string* TextSpill::startAppend() {
  if (!file_.isOpen() && !triedFile_) {
    triedFile_ = true;
    file_.create();
  }
  if (!file_.isOpen()) return nullptr;
  if (pending_.capacity() < kBuffer) pending_.reserve(kBuffer);
  return &pending_;
}

void TextSpill::finishAppend() {
  if (pending_.size() >= kPiece) flush();
}

bool TextSpill::flush() {
  // After a failed write everything stays in the buffer: part of the failed piece may be in
  // the file, but it is never read, because the piece is read from memory.
  if (broken_) return false;
  if (!file_.write(pending_.data(), pending_.size())) {
    broken_ = true;
    return false;
  }
  flushed_ += pending_.size();
  pending_.clear();
  return true;
}

bool TextSpill::copyTo(ByteSink& sink, std::uint64_t offset, std::uint64_t size) const {
  // The file is read back in large pieces, through one buffer that is never cleared; the part
  // still pending is written from memory.
  std::unique_ptr<char[]> piece;
  while (size > 0 && offset < flushed_) {
    const auto length =
        static_cast<std::size_t>(std::min({size, flushed_ - offset, std::uint64_t{kPiece}}));
    if (!piece) piece.reset(new char[kPiece]);
    if (!file_.readAt(piece.get(), offset, length)) return false;
    sink.write(std::string_view(piece.get(), length));
    offset += length;
    size -= length;
  }
  if (size > 0) sink.write(std::string_view(pending_.data() + (offset - flushed_), size));
  return true;
}

}  // namespace regforge
