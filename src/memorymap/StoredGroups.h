// Finished register groups stored as their written text: the first 64 KiB in memory, the rest
// in an unnamed temporary file, so that a large memory map costs its text and not its tree.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "memorymap/TextSpill.h"
#include "xml/ByteSink.h"
#include "xml/XMLWriter.h"

namespace regforge {

class XMLElement;

class StoredGroups : private ByteSink {
 public:
  // Small pieces: the writer's buffer would otherwise hold a whole group beside its copy here.
  StoredGroups() : writer_(*this, 4 << 10) {}

  /// Writes group and its subtree at indentation level and stores the text; gives the number
  /// under which it is found again.
  std::uint32_t keep(const XMLElement& group, int level);
  /// Writes the texts stored under first up to last to sink, in one piece where they lie
  /// together; false when any of them can't be read back.
  bool copyTo(ByteSink& sink, std::uint32_t first, std::uint32_t last) const;
  /// Appends the text stored under number to out; false when it can't be read back.
  bool appendTo(std::string& out, std::uint32_t number) const;
  /// Bytes held, in memory or in the temporary file.
  std::uint64_t size() const { return memory_.size() + spill_.size(); }

 private:
  // Where one group's text lies: in memory_ or in spill_.
  struct Piece {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    bool spilled = false;
  };
  /// Takes the writer's pieces of the group being kept.
  void write(std::string_view bytes) override;
  void moveToSpill();
  bool copyPiece(ByteSink& sink, const Piece& piece) const;

  std::vector<Piece> pieces_;
  std::string memory_;
  TextSpill spill_;
  Piece current_;  // the group being kept
  XMLWriter writer_;
};

}  // namespace regforge
