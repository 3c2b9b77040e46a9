// The memory map: the converter's output document. Every element in it carries the kind its
// tag name gives; readers and generators build it with the operations below.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "memorymap/AttributeText.h"
#include "memorymap/Diagnostics.h"
#include "memorymap/ElementKind.h"
#include "memorymap/MapDocument.h"
#include "memorymap/MemoryMapWriter.h"

namespace regforge {

class MemoryMap : public MapDocument {
 public:
  /// The content of groups refers to the texts of the input the map shares, as the map does.
  MemoryMap() { content_.useSourcesOf(*this); }
  ~MemoryMap() override;

  /// Creates an element in parent's document, sets each attribute that is not none and
  /// appends it to parent.
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

  /// Bytes of storage the map holds: its tree, the group being filled, the stored groups in
  /// memory or in their temporary file. All there is once the system refused memory, so
  /// that a reader stops at its next check.
  std::uint64_t storageCapacity() const;
  /// Whether the system refused memory while the map or any group's content was built.
  bool exhausted() const;

  /// Writes the map to sink, each finished group as its stored text; false when a stored
  /// text can't be read back.
  bool write(ByteSink& sink) const;
  /// Appends the written form of the map to out.
  void writeTo(std::string& out) const;
  /// The tree of a finished group, parsed again from its stored text: a document whose root
  /// is a copy of group with all its content. Null for an element that is no finished group,
  /// or when its text can't be read back.
  std::unique_ptr<MapDocument> storedGroup(const MemoryMapElement& group) const;

  /// Unlinks the root's direct children (up to the first non-element) whose "name" is in
  /// names; an element without a name counts as named "". Deeper elements are not looked at.
  void removeGroups(const std::vector<std::string>& names);

  /// Where readers and generators report warnings; the driver's, once it sets one, else a
  /// disabled one of the document's own. The driver keeps diagnostics alive while it is set.
  Diagnostics& diagnostics() { return *diagnostics_; }
  void setDiagnostics(Diagnostics& diagnostics) { diagnostics_ = &diagnostics; }

 private:
  friend class GroupContent;
  MemoryMapElement& startGroupContent(const XMLElement& group);
  void finishGroupContent(MemoryMapElement& group);

  MapDocument content_;  // the document of the group being filled, cleared for each
  bool inGroup_ = false;
  Diagnostics silent_;
  Diagnostics* diagnostics_ = &silent_;
  MemoryMapWriter writer_;
};

/// Brackets the content of one group: while it lives, the content is built below group(), the
/// root of a small document of the map's own that starts as a copy of the group with its
/// attributes; when it ends, that tree is written and stored as the group's text, exactly as
/// the file will hold it, and the document is cleared (its memory serves the next group). A
/// finished group thus costs its text only, however large the device; it keeps its
/// attributes, and must not change any more (storedGroup gives its tree back). One group at a
/// time. Elements of the content are made in its document (MemoryMap::addElement makes each
/// in its parent's), and an element links only elements of its own document.
class GroupContent {
 public:
  GroupContent(MemoryMap& map, XMLElement& group)
      : map_(map),
        group_(static_cast<MemoryMapElement&>(group)),
        content_(map.startGroupContent(group)) {}
  ~GroupContent() { map_.finishGroupContent(group_); }
  GroupContent(const GroupContent&) = delete;
  GroupContent& operator=(const GroupContent&) = delete;

  /// The element the content goes below.
  MemoryMapElement& group() const { return content_; }

 private:
  MemoryMap& map_;
  MemoryMapElement& group_;
  MemoryMapElement& content_;
};

}  // namespace regforge
