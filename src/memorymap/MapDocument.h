// The elements of a memory map, each with the kind its tag name gives, and the document that
// makes them: the map itself, and the small documents that one group's content is built in.
#pragma once

#include <cstdint>
#include <string_view>

#include "memorymap/ElementKind.h"
#include "xml/XMLDocument.h"

namespace regforge {

class MemoryMapElement : public XMLElement {
 public:
  MemoryMapElement(XMLDocument& document, std::string_view tagName)
      : XMLElement(document, tagName), kind_(elementKindOf(tagName)) {}
  ElementKind kind() const { return kind_; }
  /// The number under which the map stores this finished group's text, plus one; 0 for any
  /// other element.
  std::uint32_t storedText() const { return storedText_; }
  void setStoredText(std::uint32_t number) { storedText_ = number + 1; }

 private:
  ElementKind kind_;
  std::uint32_t storedText_ = 0;
};

class MapDocument : public XMLDocument {
 public:
  MapDocument() : XMLDocument(Content::Dropped) {}

  /// A new MemoryMapElement with the kind of tagName, owned by this document.
  XMLElement* createElement(std::string_view tagName) override;
  MemoryMapElement* createMapElement(std::string_view tagName) {
    return static_cast<MemoryMapElement*>(createElement(tagName));
  }
};

}  // namespace regforge
