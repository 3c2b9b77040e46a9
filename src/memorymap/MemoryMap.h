// The memory map: the converter's output document. Every element in it carries the kind its
// tag name gives; readers and generators build it with the operations below.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "memorymap/AttributeText.h"
#include "memorymap/Diagnostics.h"
#include "memorymap/ElementKind.h"
#include "memorymap/WrittenGroups.h"
#include "xml/XMLDocument.h"

namespace regforge {

class MemoryMapElement : public XMLElement {
 public:
  MemoryMapElement(XMLDocument& document, std::string_view tagName)
      : XMLElement(document, tagName), kind_(elementKindOf(tagName)) {}
  ElementKind kind() const { return kind_; }
  /// The number under which the map keeps this finished group's written form, plus one; 0
  /// for any other element.
  std::uint32_t writtenForm() const { return writtenForm_; }
  void setWrittenForm(std::uint32_t number) { writtenForm_ = number + 1; }

 private:
  ElementKind kind_;
  std::uint32_t writtenForm_ = 0;
};

class MemoryMap : public XMLDocument {
 public:
  MemoryMap() : XMLDocument(Content::Dropped) {}

  /// A new MemoryMapElement with the kind of tagName, owned by this document.
  XMLElement* createElement(std::string_view tagName) override;
  MemoryMapElement* createMapElement(std::string_view tagName) {
    return static_cast<MemoryMapElement*>(createElement(tagName));
  }

  /// Creates an element, sets each attribute that is not none and appends it to parent.
  MemoryMapElement* addElement(XMLElement* parent, std::string_view tagName,
                               const AttributeText& start, const AttributeText& size,
                               const AttributeText& access, const AttributeText& name,
                               const AttributeText& description);
  MemoryMapElement* addRegisterGroup(XMLElement* parent, const AttributeText& start,
                                     const AttributeText& size, const AttributeText& name,
                                     const AttributeText& description) {
    return addElement(parent, "RegisterGroup", start, size, std::nullopt, name, description);
  }
  MemoryMapElement* addRegister(XMLElement* parent, const AttributeText& start,
                                const AttributeText& size, const AttributeText& access,
                                const AttributeText& name, const AttributeText& description) {
    return addElement(parent, "Register", start, size, access, name, description);
  }
  MemoryMapElement* addBitField(XMLElement* parent, const AttributeText& start,
                                const AttributeText& size, const AttributeText& name,
                                const AttributeText& description) {
    return addElement(parent, "BitField", start, size, std::nullopt, name, description);
  }

  /// The root element, or null before a reader has set one.
  MemoryMapElement* rootElement() const { return static_cast<MemoryMapElement*>(root()); }

  /// The first element in pre-order from `from` (itself first) of the kind whose attribute
  /// equals value, byte-wise or ignoring ASCII case. With no attribute name or no value the
  /// first element of the kind matches.
  static MemoryMapElement* findElementByAttribute(MemoryMapElement* from, ElementKind kind,
                                                  std::optional<std::string_view> attributeName,
                                                  std::optional<std::string_view> value,
                                                  bool caseSensitive);

  /// Bytes of storage the document holds, in memory or set aside in its spill file.
  /// All there is once the system refused memory, so that a reader stops at its next check.
  std::uint64_t storageCapacity() {
    if (exhausted() || scratch_.exhausted()) return UINT64_MAX;
    return ownArena().capacity() + scratch_.capacity() + written_.size();
  }

  /// A finished group is written by its kept text.
  bool writeInstead(const XMLElement& element, int level, XMLWriter& writer) const override;

  /// Unlinks the root's direct children (up to the first non-element) whose "name" is in
  /// names; an element without a name counts as named "". Deeper elements are not looked at.
  void removeGroups(const std::vector<std::string>& names);

  /// Where readers and generators report warnings; the driver's, once it sets one, else a
  /// disabled one of the document's own. The driver keeps diagnostics alive while it is set.
  Diagnostics& diagnostics() { return *diagnostics_; }
  void setDiagnostics(Diagnostics& diagnostics) { diagnostics_ = &diagnostics; }

 private:
  friend class GroupContent;
  void startGroupContent(const XMLElement& group);
  void finishGroupContent(XMLElement& group);

  Arena scratch_;
  bool inGroup_ = false;
  Diagnostics silent_;
  Diagnostics* diagnostics_ = &silent_;
  WrittenGroups written_;
};

/// Brackets the content of one group: while it lives, new elements and texts of the map go
/// to scratch storage; when it ends, the group's children are replaced by the group's written
/// form, exactly as the file will hold it, and the scratch storage is released. A finished
/// group thus costs its text only, however large the device; it keeps its attributes, and
/// must not change any more. One group at a time. Elements made meanwhile may be linked only
/// below the group; an element made before keeps all it is given in the map's own storage.
class GroupContent {
 public:
  GroupContent(MemoryMap& map, XMLElement& group) : map_(map), group_(group) {
    map_.startGroupContent(group);
  }
  ~GroupContent() { map_.finishGroupContent(group_); }
  GroupContent(const GroupContent&) = delete;
  GroupContent& operator=(const GroupContent&) = delete;

 private:
  MemoryMap& map_;
  XMLElement& group_;
};

}  // namespace regforge
