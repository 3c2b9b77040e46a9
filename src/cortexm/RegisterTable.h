// Register tables as data: rows in creation order, each carrying the core classes it exists
// for, and the one generator that walks a table into a register group of the memory map.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cortexm/CoreClass.h"

namespace regforge {

class MemoryMap;

/// A view of a fixed array, usable in constant expressions.
template <typename T>
struct TableSlice {
  const T* data = nullptr;
  std::size_t size = 0;

  constexpr TableSlice() = default;
  template <std::size_t N>
  constexpr TableSlice(const T (&array)[N]) : data(array), size(N) {}
  constexpr const T* begin() const { return data; }
  constexpr const T* end() const { return data + size; }
  constexpr const T& operator[](std::size_t i) const { return data[i]; }
};

/// One enumerated value of a bit field: its value text and its name.
struct EnumValue {
  const char* value;
  const char* name;
};

enum class RowKind : std::uint8_t {
  Register,       ///< a register; the field rows after it belong to it
  Field,          ///< a bit field of the register above
  PriorityField,  ///< a field holding the top nvicPrioBits bits below its top bit
  Fields,         ///< the field rows of another table, for field sets that repeat
  Repeat,         ///< the rows up to EndRepeat, once per index
  EndRepeat,
};

/// The "size" and "access" attributes of a register row.
enum class Access : std::uint8_t { None, ReadOnly, Byte, HalfWord };

/// Where the count of a Repeat row comes from.
enum class RepeatCount : std::uint8_t { Fixed, DwtComparators, FpbComparators };

enum RowFlag : std::uint8_t {
  kSecureOnly = 1,      ///< left out of the non-secure copy
  kLowerCaseStart = 2,  ///< secure start text in lower-case hexadecimal
  kFirstIndexOnly = 4,  ///< inside a Repeat, only in its first round
};

/// One row of a register table. Names and descriptions inside a Repeat may hold "{n}", which
/// stands for the decimal index of the round.
struct Row {
  RowKind kind = RowKind::Field;
  const char* name = nullptr;
  std::uint32_t address = 0;  ///< Register: absolute address
  Access access = Access::None;
  std::uint32_t bit = 0;              ///< Field: lowest bit; PriorityField: the bit above the field
  std::uint32_t width = 0;            ///< Field: width in bits
  const char* description = nullptr;  ///< null: no description attribute
  CoreSet cores = kAll;
  std::uint8_t flags = 0;
  TableSlice<Row> fields;        ///< Fields: the rows of the shared field set
  TableSlice<EnumValue> values;  ///< Field: its enumerated values
  std::uint32_t first = 0;       ///< Repeat: the first index
  std::uint32_t count = 0;       ///< Repeat: the number of rounds when Fixed
  RepeatCount countOf = RepeatCount::Fixed;
  std::uint32_t addressStep = 0;  ///< Repeat: added to register addresses per round
  std::uint32_t bitStep = 0;      ///< Repeat: added to field bits per round
};

using Rows = TableSlice<Row>;

constexpr Row reg(const char* name, std::uint32_t address, Access access, const char* description,
                  CoreSet cores = kAll, std::uint8_t flags = 0) {
  Row row;
  row.kind = RowKind::Register;
  row.name = name;
  row.address = address;
  row.access = access;
  row.description = description;
  row.cores = cores;
  row.flags = flags;
  return row;
}

constexpr Row field(const char* name, std::uint32_t bit, std::uint32_t width,
                    const char* description, CoreSet cores = kAll, std::uint8_t flags = 0) {
  Row row;
  row.kind = RowKind::Field;
  row.name = name;
  row.bit = bit;
  row.width = width;
  row.description = description;
  row.cores = cores;
  row.flags = flags;
  return row;
}

/// A field without description, with enumerated values when values is given.
constexpr Row bits(const char* name, std::uint32_t bit, std::uint32_t width, CoreSet cores = kAll,
                   TableSlice<EnumValue> values = {}, std::uint8_t flags = 0) {
  Row row = field(name, bit, width, nullptr, cores, flags);
  row.values = values;
  return row;
}

/// A priority field: the top nvicPrioBits bits below topBit (8, 16, 24 or 32).
constexpr Row priorityField(const char* name, std::uint32_t topBit, const char* description,
                            CoreSet cores) {
  Row row = field(name, topBit, 0, description, cores);
  row.kind = RowKind::PriorityField;
  return row;
}

/// The rows of a shared field set, for the classes in cores.
constexpr Row fields(Rows set, CoreSet cores = kAll) {
  Row row;
  row.kind = RowKind::Fields;
  row.fields = set;
  row.cores = cores;
  return row;
}

/// The rows up to endRepeat() once for each index from first on, count times.
constexpr Row repeat(std::uint32_t first, std::uint32_t count, std::uint32_t addressStep,
                     std::uint32_t bitStep) {
  Row row;
  row.kind = RowKind::Repeat;
  row.first = first;
  row.count = count;
  row.addressStep = addressStep;
  row.bitStep = bitStep;
  return row;
}

/// repeat() with the count taken from the core's comparators.
constexpr Row repeatPerComparator(RepeatCount countOf, std::uint32_t addressStep) {
  Row row = repeat(0, 0, addressStep, 0);
  row.countOf = countOf;
  return row;
}

constexpr Row endRepeat() {
  Row row;
  row.kind = RowKind::EndRepeat;
  return row;
}

/// Whether rows are well formed: every field row names no class its register lacks (kAll on a
/// field means wherever its register exists), shared sets hold field rows only, and every
/// repeat is closed and not nested. Each table checks itself with a static_assert.
constexpr bool wellFormed(Rows rows) {
  CoreSet registerCores = 0;
  bool inRepeat = false;
  for (const Row& row : rows) {
    const bool fieldFits = row.cores == kAll || (row.cores & ~registerCores) == 0;
    switch (row.kind) {
      case RowKind::Register:
        registerCores = row.cores;
        break;
      case RowKind::Field:
      case RowKind::PriorityField:
        if (!fieldFits) return false;
        break;
      case RowKind::Fields:
        for (const Row& setRow : row.fields) {
          if (setRow.kind != RowKind::Field) return false;
          if (setRow.cores != kAll && (setRow.cores & ~registerCores) != 0) return false;
        }
        break;
      case RowKind::Repeat:
        if (inRepeat) return false;
        inRepeat = true;
        break;
      case RowKind::EndRepeat:
        if (!inRepeat) return false;
        inRepeat = false;
        break;
    }
  }
  return !inRepeat;
}

/// A register group: its name, start address, description, the classes it is made for and
/// its rows.
struct GroupTable {
  const char* name;
  std::uint32_t start;
  const char* description;
  CoreSet cores;
  Rows rows;
};

/// What a walk selects: the core's class, the copy, and the numbers that computed rows use.
struct TableView {
  CoreSet cores = 0;
  bool nonSecure = false;
  std::uint32_t nvicPrioBits = 0;
  std::uint32_t dwtComparators = 0;
  std::uint32_t fpbComparators = 0;
};

/// Appends the group of table to map's root element with the rows that exist for view: group
/// and register names through aliasName, register starts through aliasAddressText (or in lower case
/// where a row says so, in the secure copy), fields with decimal start and size. Does nothing
/// when the map has no root or the group is not made for view's classes.
void addTableGroup(MemoryMap& map, const GroupTable& table, const TableView& view);

}  // namespace regforge
