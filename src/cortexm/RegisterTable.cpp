// The generator shared by every core register table: one pass over the rows, repeating the
// rows of a Repeat once per index.
#include "cortexm/RegisterTable.h"

#include <string>
#include <string_view>

#include "cortexm/NonSecureAlias.h"
#include "memorymap/MemoryMap.h"
#include "text/Format.h"

namespace regforge {
namespace {

/// The round of a Repeat that rows are emitted in; round 0 of index 0 outside any Repeat.
struct Round {
  bool repeated = false;
  std::uint32_t index = 0;
  std::uint32_t number = 0;  // 0 for the first round
  std::uint32_t addressStep = 0;
  std::uint32_t bitStep = 0;
};

/// text with every "{n}" replaced by the round's index; text itself outside a Repeat.
std::string roundText(const char* text, const Round& round) {
  std::string result(text);
  if (!round.repeated) return result;
  constexpr std::string_view kMarker = "{n}";
  const std::string index = decimalText(static_cast<std::int32_t>(round.index));
  for (std::size_t at = result.find(kMarker); at != std::string::npos;
       at = result.find(kMarker, at + index.size())) {
    result.replace(at, kMarker.size(), index);
  }
  return result;
}

/// A description attribute: none for a null description.
AttributeText descriptionText(const char* description, const Round& round, std::string& storage) {
  if (!description) return AttributeText(nullptr);
  storage = roundText(description, round);
  return AttributeText(storage);
}

class TableWalker {
 public:
  TableWalker(MemoryMap& map, const TableView& view, MemoryMapElement* group)
      : map_(map), view_(view), group_(group) {}

  void walk(Rows rows) {
    for (std::size_t i = 0; i < rows.size; ++i) {
      const Row& row = rows[i];
      if (row.kind != RowKind::Repeat) {
        emitRow(row, Round{});
        continue;
      }
      std::size_t end = i + 1;
      while (end < rows.size && rows[end].kind != RowKind::EndRepeat)
        ++end;
      const std::uint32_t rounds = roundCount(row);
      for (std::uint32_t number = 0; number < rounds; ++number) {
        const Round round{true, row.first + number, number, row.addressStep, row.bitStep};
        for (std::size_t j = i + 1; j < end; ++j)
          emitRow(rows[j], round);
      }
      i = end;
    }
  }

 private:
  std::uint32_t roundCount(const Row& row) const {
    switch (row.countOf) {
      case RepeatCount::Fixed:
        return row.count;
      case RepeatCount::DwtComparators:
        return view_.dwtComparators;
      case RepeatCount::FpbComparators:
        return view_.fpbComparators;
    }
    return 0;
  }

  bool exists(const Row& row, const Round& round) const {
    if ((row.cores & view_.cores) == 0) return false;
    if ((row.flags & kSecureOnly) && view_.nonSecure) return false;
    if ((row.flags & kFirstIndexOnly) && round.number != 0) return false;
    return true;
  }

  void emitRow(const Row& row, const Round& round) {
    switch (row.kind) {
      case RowKind::Register:
        register_ = exists(row, round) ? addRegister(row, round) : nullptr;
        return;
      case RowKind::Field:
      case RowKind::PriorityField:
        if (register_ && exists(row, round)) addField(row, round);
        return;
      case RowKind::Fields:
        if (!register_ || !exists(row, round)) return;
        for (const Row& setRow : row.fields) {
          if (exists(setRow, round)) addField(setRow, round);
        }
        return;
      case RowKind::Repeat:  // not nested: the tables never need it
      case RowKind::EndRepeat:
        return;
    }
  }

  MemoryMapElement* addRegister(const Row& row, const Round& round) {
    const std::uint32_t address = row.address + round.number * round.addressStep;
    const std::string start = (row.flags & kLowerCaseStart) && !view_.nonSecure
                                  ? hexLowerText(address)
                                  : aliasAddressText(address, view_.nonSecure);
    const char* size = row.access == Access::Byte       ? "1"
                       : row.access == Access::HalfWord ? "2"
                                                        : nullptr;
    const char* access = row.access == Access::ReadOnly ? "ReadOnly" : nullptr;
    const std::string name = aliasName(roundText(row.name, round), view_.nonSecure);
    std::string description;
    return map_.addRegister(group_, start, size, access, name,
                            descriptionText(row.description, round, description));
  }

  void addField(const Row& row, const Round& round) {
    std::uint32_t start = row.bit + round.number * round.bitStep;
    std::uint32_t width = row.width;
    if (row.kind == RowKind::PriorityField) {
      // Any number of priority bits is written as computed, in 32 bits.
      start = row.bit - view_.nvicPrioBits;
      width = view_.nvicPrioBits;
    }
    std::string description;
    MemoryMapElement* bitField =
        map_.addBitField(register_, decimalText(static_cast<std::int32_t>(start)),
                         decimalText(static_cast<std::int32_t>(width)), roundText(row.name, round),
                         descriptionText(row.description, round, description));
    for (const EnumValue& value : row.values)
      map_.addElement(bitField, "Enum", value.value, nullptr, nullptr, value.name, nullptr);
  }

  MemoryMap& map_;
  const TableView& view_;
  MemoryMapElement* group_;
  MemoryMapElement* register_ = nullptr;  // the register that field rows belong to
};

}  // namespace

void addTableGroup(MemoryMap& map, const GroupTable& table, const TableView& view) {
  MemoryMapElement* root = map.rootElement();
  if (!root || (table.cores & view.cores) == 0) return;
  MemoryMapElement* group =
      map.addRegisterGroup(root, aliasAddressText(table.start, view.nonSecure), nullptr,
                           aliasName(table.name, view.nonSecure), table.description);
  TableWalker(map, view, group).walk(table.rows);
}

}  // namespace regforge
