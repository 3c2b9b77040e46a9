// The kind of a memory-map element, found from its tag name.
#include "memorymap/ElementKind.h"

namespace regforge {
namespace {

struct KindName {
  std::string_view tagName;
  ElementKind kind;
};

constexpr KindName kKindNames[] = {
    {"MemorySegment", ElementKind::MemorySegment},
    {"Register", ElementKind::Register},
    {"ProgramSection", ElementKind::ProgramSection},
    {"Root", ElementKind::Root},
    {"RegisterGroup", ElementKind::RegisterGroup},
    {"BitField", ElementKind::BitField},
    {"Enum", ElementKind::Enum},
    {"Processor", ElementKind::Processor},
    {"Vector", ElementKind::Vector},
};

}  // namespace

ElementKind elementKindOf(std::string_view tagName) {
  for (const KindName& entry : kKindNames) {
    if (entry.tagName == tagName) return entry.kind;
  }
  return ElementKind::Other;
}

}  // namespace regforge
