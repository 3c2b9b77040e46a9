// The writer of a memory map: it stores the text of each finished group as the group ends, and
// writes the map through the XML writer with each stored group's text where the group stands.
#pragma once

#include <cstdint>
#include <string>

#include "memorymap/StoredGroups.h"
#include "xml/ByteSink.h"

namespace regforge {

class XMLDocument;

class MemoryMapWriter {
 public:
  /// Writes group, at indentation level, and stores the text; gives its number.
  std::uint32_t store(const XMLElement& group, int level) { return stored_.keep(group, level); }
  /// Appends the text stored under number to out; false when it can't be read back.
  bool appendStored(std::string& out, std::uint32_t number) const {
    return stored_.appendTo(out, number);
  }
  /// Bytes of stored text, in memory or in the temporary file.
  std::uint64_t storedSize() const { return stored_.size(); }

  /// Writes map, whose finished groups are the ones stored here, to sink; false when a
  /// stored text can't be read back (the rest is written all the same).
  bool write(const XMLDocument& map, ByteSink& sink) const;

 private:
  StoredGroups stored_;
};

}  // namespace regforge
