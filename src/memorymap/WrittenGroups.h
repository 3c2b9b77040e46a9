// Finished register groups kept as their written text: the first 64 KiB in memory, the rest in
// an unnamed temporary file, so that a large memory map costs its text and not its tree.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "memorymap/TextSpill.h"
#include "xml/XMLWriter.h"

namespace regforge {

class XMLElement;

class WrittenGroups : private ByteSink {
 public:
  // Small pieces: the writer's buffer would otherwise hold a whole group beside its copy here.
  WrittenGroups() : writer_(*this, 4 << 10) {}

  /// Writes group and its subtree at indentation level and keeps the text; gives the number
  /// under which writeKept finds it.
  std::uint32_t keep(const XMLElement& group, int level);
  /// Writes the text kept under number to writer, in place of its group.
  void writeKept(std::uint32_t number, XMLWriter& writer) const;
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

  std::vector<Piece> pieces_;
  std::string memory_;
  TextSpill spill_;
  Piece current_;  // the group being kept
  XMLWriter writer_;
};

}  // namespace regforge
