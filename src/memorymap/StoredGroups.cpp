// The written text of finished groups, kept in memory up to a share and then in a temporary
// file, and copied out again in place of their groups.
#include "memorymap/StoredGroups.h"

#include "xml/XMLElement.h"

namespace regforge {
namespace {

// Written text kept in memory at most; the rest goes to the temporary file. Below this a file
// costs more than it saves; above it, fresh memory costs more than the file's page cache.
constexpr std::size_t kInMemory = 64 << 10;

}  // namespace

std::uint32_t StoredGroups::keep(const XMLElement& group, int level) {
  current_ = Piece{memory_.size(), 0, false};
  if (memory_.size() >= kInMemory) moveToSpill();
  writer_.tree(group, level);
  writer_.flush();
  current_.size = (current_.spilled ? spill_.size() : memory_.size()) - current_.offset;
  pieces_.push_back(current_);
  return static_cast<std::uint32_t>(pieces_.size() - 1);
}

bool StoredGroups::copyTo(ByteSink& sink, std::uint32_t first, std::uint32_t last) const {
  // Neighbours in the same place are copied together: the file is read in large pieces.
  Piece run = pieces_[first];
  for (std::uint32_t number = first + 1; number <= last; ++number) {
    const Piece& next = pieces_[number];
    if (next.spilled == run.spilled && run.offset + run.size == next.offset) {
      run.size += next.size;
      continue;
    }
    if (!copyPiece(sink, run)) return false;
    run = next;
  }
  return copyPiece(sink, run);
}

bool StoredGroups::copyPiece(ByteSink& sink, const Piece& piece) const {
  if (piece.spilled) return spill_.copyTo(sink, piece.offset, piece.size);
  sink.write(std::string_view(memory_).substr(piece.offset, piece.size));
  return true;
}

bool StoredGroups::appendTo(std::string& out, std::uint32_t number) const {
  StringSink sink(out);
  return copyTo(sink, number, number);
}

void StoredGroups::write(std::string_view bytes) {
  if (!current_.spilled && memory_.size() + bytes.size() > kInMemory) moveToSpill();
  if (current_.spilled) {
    spill_.append(bytes);
    return;
  }
  // All the room at once: growing step by step would leave each smaller copy behind in
  // pages already touched.
  if (memory_.capacity() < kInMemory) memory_.reserve(kInMemory);
  memory_.append(bytes.data(), bytes.size());
}

// The group's text so far moves from memory to the file, and the rest follows it there; with
// no file to be had, it stays in memory.
void StoredGroups::moveToSpill() {
  const std::size_t from = static_cast<std::size_t>(current_.offset);
  const std::optional<std::uint64_t> at = spill_.append(std::string_view(memory_).substr(from));
  if (!at) return;
  memory_.resize(from);
  current_.offset = *at;
  current_.spilled = true;
}

}  // namespace regforge
