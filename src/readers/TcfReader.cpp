// The TCF reader: the first board of a "boards" file. Peripherals become register groups;
// a bit field that names an enumeration gets one value per entry of its list.
#include "readers/TcfReader.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "readers/LeadingElements.h"
#include "text/ByteText.h"
#include "text/Format.h"
#include "text/Numbers.h"

namespace regforge {
namespace {

// A bit number as C strtoul reads it; a missing attribute counts as 0.
std::uint32_t bitNumber(std::optional<std::string_view> text) {
  return cNumber(std::string(orEmpty(text)).c_str());
}

class TcfBuilder {
 public:
  TcfBuilder(MemoryMap& map, ReadBudget::Limits limits) : map_(map), budget_(limits) {}

  bool read(const XMLElement& board) {
    // The first enumeration of a name is the one found; one without a name is never found.
    for (const XMLElement& child : LeadingElements(board)) {
      if (child.tagName() != "enumeration") continue;
      if (const std::optional<std::string_view> name = child.attribute("name"))
        enumerations_.emplace(*name, Enumeration{child.attribute("values"), {}, false});
    }
    MemoryMapElement* root = map_.createMapElement("Root");
    map_.setRoot(root);
    for (const XMLElement& child : LeadingElements(board)) {
      if (child.tagName() == "peripheral" && !addPeripheral(*root, child)) return false;
    }
    return true;
  }

 private:
  bool addPeripheral(XMLElement& root, const XMLElement& source) {
    MemoryMapElement* group =
        map_.addRegisterGroup(&root, orEmpty(source.attribute("offset")), std::nullopt,
                              orEmpty(source.attribute("name")), std::nullopt);
    for (const XMLElement& child : LeadingElements(source)) {
      if (child.tagName() == "register" && !addRegister(*group, child)) return false;
    }
    return true;
  }

  bool addRegister(XMLElement& group, const XMLElement& source) {
    MemoryMapElement* reg = map_.addRegister(&group, orEmpty(source.attribute("offset")),
                                             orEmpty(source.attribute("size")), std::nullopt,
                                             orEmpty(source.attribute("name")), std::nullopt);
    for (const XMLElement& child : LeadingElements(source)) {
      if (child.tagName() == "bitField" && !addBitField(*reg, child)) return false;
    }
    return true;
  }

  // "start" is the low bit as written; "size" is computed, so a high bit below the low bit
  // gives a negative size, as the signed decimal of the 32-bit difference.
  bool addBitField(XMLElement& reg, const XMLElement& source) {
    const std::optional<std::string_view> low = source.attribute("low_bit");
    const std::uint32_t size = bitNumber(source.attribute("high_bit")) + 1 - bitNumber(low);
    MemoryMapElement* field =
        map_.addBitField(&reg, orEmpty(low), decimalText(static_cast<std::int32_t>(size)),
                         orEmpty(source.attribute("name")), std::nullopt);
    const std::optional<std::string_view> enumeration = source.attribute("enumerationId");
    if (!enumeration) return budget_.storageFits(map_.storageCapacity());
    const auto found = enumerations_.find(*enumeration);
    if (found == enumerations_.end()) return budget_.storageFits(map_.storageCapacity());
    const std::vector<std::string_view>& values = valuesOf(found->second);
    // One step per value written; the memory the values take is checked once they are.
    if (!budget_.spend(values.size())) return false;
    std::uint32_t position = 0;
    for (const std::string_view value : values) {
      map_.addElement(field, "Enum", decimalText(position++), std::nullopt, std::nullopt, value,
                      std::nullopt);
    }
    return budget_.storageFits(map_.storageCapacity());
  }

  // An enumeration's list is split once, when a bit field first refers to it.
  struct Enumeration {
    std::optional<std::string_view> values;
    std::vector<std::string_view> pieces;
    bool split;
  };

  // The list cut at commas: empty pieces are dropped and count for nothing, blanks stay.
  static const std::vector<std::string_view>& valuesOf(Enumeration& enumeration) {
    if (enumeration.split) return enumeration.pieces;
    enumeration.split = true;
    const std::string_view values = orEmpty(enumeration.values);
    std::size_t at = 0;
    while (at < values.size()) {
      std::size_t end = values.find(',', at);
      if (end == std::string_view::npos) end = values.size();
      if (end > at) enumeration.pieces.push_back(values.substr(at, end - at));
      at = end + 1;
    }
    return enumeration.pieces;
  }

  MemoryMap& map_;
  ReadBudget budget_;
  std::unordered_map<std::string_view, Enumeration> enumerations_;
};

}  // namespace

bool readTcf(const XMLDocument& input, MemoryMap& map, ReadBudget::Limits limits) {
  const XMLElement* boards = input.root();
  if (!boards || boards->tagName() != "boards") return true;
  const XMLNode* first = boards->firstChild();
  const XMLElement* board = first ? first->toElement() : nullptr;
  if (!board || board->tagName() != "board") return true;
  return TcfBuilder(map, limits).read(*board);
}

}  // namespace regforge
