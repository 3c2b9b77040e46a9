// The kinds of memory-map elements, fixed by their tag names.
#pragma once

#include <cstdint>
#include <string_view>

namespace regforge {

enum class ElementKind : std::int32_t {
  MemorySegment = 0,
  Register = 1,
  ProgramSection = 2,
  Root = 3,
  RegisterGroup = 4,
  BitField = 5,
  Enum = 6,
  Processor = 7,
  Vector = 8,
  Other = 9,
};

/// The kind a tag name gives (exact, case-sensitive); Other for any tag not listed.
ElementKind elementKindOf(std::string_view tagName);

}  // namespace regforge
