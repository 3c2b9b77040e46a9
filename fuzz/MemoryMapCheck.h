// What every reader's fuzz target checks in the memory map it has built, beyond "no fault":
// the elements nest as the file format has them, and the written file parses back into a
// tree that is written byte for byte the same.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "memorymap/MemoryMap.h"

namespace regforge::fuzz {

/// Ends the run as a finding when a property does not hold.
inline void require(bool holds) {
  if (!holds) std::abort();
}

/// The input of a target cut at one separator byte: the pieces in order.
inline std::vector<std::string> splitInput(const std::uint8_t* data, std::size_t size,
                                           char separator, std::size_t maxPieces) {
  std::vector<std::string> pieces(1);
  for (std::size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == separator && pieces.size() < maxPieces) {
      pieces.emplace_back();
    } else {
      pieces.back().push_back(c);
    }
  }
  return pieces;
}

namespace detail {

// The kind each kind of element holds as its children.
inline ElementKind childKindOf(ElementKind kind) {
  switch (kind) {
    case ElementKind::Root:
    case ElementKind::Processor:
      return ElementKind::RegisterGroup;
    case ElementKind::RegisterGroup:
      return ElementKind::Register;
    case ElementKind::Register:
      return ElementKind::BitField;
    case ElementKind::BitField:
      return ElementKind::Enum;
    default:
      return ElementKind::Other;  // holds nothing
  }
}

}  // namespace detail

/// Requires root (when there is one) to be of rootKind and every element below it to sit
/// under the kind that holds it: groups, registers, bit fields, values. Iterative.
inline void checkNesting(const MemoryMap& map, ElementKind rootKind) {
  const MemoryMapElement* root = map.rootElement();
  if (!root) return;
  require(root->kind() == rootKind);
  const XMLNode* node = root;
  for (;;) {
    if (const XMLNode* child = node->firstChild()) {
      require(child->isElement());
      const auto* parent = static_cast<const MemoryMapElement*>(node);
      const auto* element = static_cast<const MemoryMapElement*>(child);
      require(element->kind() == detail::childKindOf(parent->kind()));
      node = child;
      continue;
    }
    while (node != root && !node->nextSibling())
      node = node->parent();
    if (node == root) return;
    node = node->nextSibling();
    require(node->isElement());
    const auto* element = static_cast<const MemoryMapElement*>(node);
    require(element->kind() ==
            detail::childKindOf(static_cast<const MemoryMapElement*>(node->parent())->kind()));
  }
}

/// Writes map under the file's doctype, parses the text again and requires the parse to
/// succeed with the same doctype and root tag and to be written the same. Returns the text.
inline std::string checkRoundTrip(MemoryMap& map) {
  map.setDoctype("Register_Definition_File");
  std::string text;
  map.writeTo(text);
  XMLDocument again(false);
  require(again.parse(text.c_str()));
  require(again.doctype() == map.doctype());
  require((again.root() == nullptr) == (map.root() == nullptr));
  if (map.root()) require(again.root()->tagName() == map.root()->tagName());
  std::string rewritten;
  again.writeTo(rewritten);
  require(rewritten == text);
  return text;
}

}  // namespace regforge::fuzz
