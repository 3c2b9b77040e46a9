// What every reader's fuzz target checks in the memory map it has built, beyond "no fault":
// the written file parses back into a tree that nests as the file format has it and that is
// written byte for byte the same.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "memorymap/MemoryMap.h"
#include "readers/LeadingElements.h"

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

/// The number of element's children, of any kind.
inline std::size_t countChildren(const XMLElement& element) {
  std::size_t count = 0;
  for (const XMLNode* node = element.firstChild(); node; node = node->nextSibling())
    ++count;
  return count;
}

/// The number of element's leading element children named tag: what a reader walks.
inline std::size_t countLeading(const XMLElement& element, std::string_view tag) {
  std::size_t count = 0;
  for (const XMLElement& child : LeadingElements(element)) {
    if (child.tagName() == tag) ++count;
  }
  return count;
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

inline ElementKind kindOf(const XMLNode& node) {
  require(node.isElement());
  return elementKindOf(node.toElement()->tagName());
}

// Requires the root (when there is one) to be of rootKind and every element below it to sit
// under the kind that holds it: groups, registers, bit fields, values. Iterative.
inline void checkNesting(const XMLDocument& document, ElementKind rootKind) {
  const XMLElement* root = document.root();
  if (!root) return;
  require(kindOf(*root) == rootKind);
  const XMLNode* node = root;
  for (;;) {
    if (const XMLNode* child = node->firstChild()) {
      require(kindOf(*child) == childKindOf(kindOf(*node)));
      node = child;
      continue;
    }
    while (node != root && !node->nextSibling())
      node = node->parent();
    if (node == root) return;
    node = node->nextSibling();
    require(kindOf(*node) == childKindOf(kindOf(*node->parent())));
  }
}

}  // namespace detail

/// Parses a written memory-map file: the parse must succeed with the file's doctype, its tree
/// must nest as the format has it under a root of rootKind (when there is a root), and it must
/// be written back the same.
inline void checkWrittenText(const std::string& text, ElementKind rootKind) {
  XMLDocument again(XMLDocument::Content::Dropped);
  require(again.parse(text.c_str()));
  require(again.doctype() == std::string_view("Register_Definition_File"));
  detail::checkNesting(again, rootKind);
  std::string rewritten;
  again.writeTo(rewritten);
  require(rewritten == text);
}

/// Writes map under the file's doctype and checks the text as checkWrittenText does; the
/// parsed tree has a root exactly when the map has one.
inline void checkWrittenMap(MemoryMap& map, ElementKind rootKind) {
  map.setDoctype("Register_Definition_File");
  std::string text;
  map.writeTo(text);
  XMLDocument again(XMLDocument::Content::Dropped);
  require(again.parse(text.c_str()));
  require((again.root() == nullptr) == (map.root() == nullptr));
  checkWrittenText(text, rootKind);
}

}  // namespace regforge::fuzz
