// What one <register> makes in each of its array copies, read once per register: texts
// inherited and formatted, numbers converted, fields and enumerations in source order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "readers/DimIndex.h"
#include "xml/XMLElement.h"

namespace regforge {

struct SVDEnumPlan {
  const XMLElement* element = nullptr;  // the <enumeratedValue> read, for its warnings' line
  std::string_view name;
  std::string_view value;  // as written, without a leading '#'
  bool binary = false;     // the value was written with '#': it is given "0b" instead
  std::optional<std::string> description;
};

struct SVDFieldPlan {
  const XMLElement* element = nullptr;  // the <field> read
  std::string_view name;
  std::int32_t lsb = 0;
  std::int32_t width = 0;
  std::string start;  // lsb and width in decimal
  std::string size;
  std::optional<std::string> description;
  std::vector<SVDEnumPlan> enums;
};

/// The output access of an SVD access text: ReadOnly, WriteOnly or, for any other text,
/// Read/Write.
std::string_view accessName(std::string_view svd);

struct SVDRegisterPlan {
  const XMLElement* element = nullptr;             // the <register> read
  std::string_view name;                           // own name; may hold "%s"
  std::size_t indexMark = std::string_view::npos;  // the "%s" that each copy's index fills
  std::uint32_t addressOffset = 0;
  std::string size;         // bytes, decimal
  std::string_view access;  // the output text
  std::optional<std::string> description;
  std::string_view resetValue;  // empty: no attribute
  std::string_view resetMask;
  std::uint32_t count = 1;  // array copies
  std::uint32_t step = 0;   // offset between copies
  DimIndex index;
  std::vector<SVDFieldPlan> fields;
  std::uint64_t elementsPerCopy = 1;
};

}  // namespace regforge
