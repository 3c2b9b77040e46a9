// How a derived element finds its bases when a file is read by the CMSIS-SVD standard: a
// plain name in the element's own scope or anywhere, a dotted path from the peripheral down or
// qualified from the right, and the chain of bases that a derived element takes its children
// from.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "memorymap/Diagnostics.h"
#include "readers/ElementTexts.h"
#include "readers/FlatMap.h"
#include "readers/ReadBudget.h"
#include "xml/XMLElement.h"

namespace regforge {

/// An element and the bases it derives from, nearest first: a child element the element does
/// not give itself is taken from the first base that gives it.
class SVDChain {
 public:
  static constexpr std::size_t kMaxLength = 16;

  explicit SVDChain(const XMLElement* own = nullptr) : length_(own ? 1 : 0) { links_[0] = own; }

  const XMLElement* own() const { return links_[0]; }
  std::size_t size() const { return length_; }
  const XMLElement* operator[](std::size_t i) const { return links_[i]; }
  bool derived() const { return length_ > 1; }
  /// The first child named tag of the element, else of its nearest base that has one.
  const XMLElement* child(std::string_view tag) const;
  /// The first link with a child named one of tags, or null: lists are taken whole.
  const XMLElement* firstWithChild(std::initializer_list<std::string_view> tags) const;
  void add(const XMLElement* base) { links_[length_++] = base; }
  void cut(std::size_t length) { length_ = length; }

 private:
  const XMLElement* links_[kMaxLength];
  std::size_t length_;
};

class SVDStandardBases {
 public:
  SVDStandardBases(ElementTexts& texts, ReadBudget& budget) : texts_(texts), budget_(budget) {}

  /// The <peripherals> element: names and paths are looked for below it.
  void setPeripherals(const XMLElement& peripherals) { peripherals_ = &peripherals; }
  void setDiagnostics(Diagnostics& diagnostics) { diagnostics_ = &diagnostics; }

  /// element and its bases. A reference that names nothing ends the chain (with a warning),
  /// and so does one that comes back to an element of the chain.
  SVDChain chain(const XMLElement& element);

 private:
  // The elements of one tag, made once with a walk over <peripherals> when a reference first
  // asks for the tag.
  struct Sibling {
    const XMLElement* parent;
    std::string_view name;
    bool operator==(const Sibling& other) const {
      return parent == other.parent && name == other.name;
    }
  };
  struct SiblingHash {
    std::size_t operator()(const Sibling& key) const {
      return std::hash<const void*>()(key.parent) ^ std::hash<std::string_view>()(key.name);
    }
  };
  using Named = std::pair<std::string_view, const XMLElement*>;
  struct TagIndex {
    std::string_view tag;
    FlatMap<std::string_view, const XMLElement*> first;  // the first of each name
    FlatMap<std::string_view, bool> repeated;            // names given more than once
    // Made when first needed, with a second walk: most names are given once, and most
    // references are plain, and a device of tens of thousands of fields needs neither.
    std::vector<Named> all;                                      // in document order
    FlatMap<Sibling, const XMLElement*, SiblingHash> bySibling;  // the first in each scope
    std::vector<Named> byName;  // by name, in document order within one name
  };

  const XMLElement* base(const XMLElement& element);
  const XMLElement* resolve(const XMLElement& element, std::string_view reference);
  const XMLElement* byPath(const XMLElement& element, std::string_view reference);
  TagIndex& index(std::string_view tag);
  /// index.all, made on the first call.
  const std::vector<Named>& all(TagIndex& index);
  /// Calls visit(name, element) for each named element of tag below <peripherals>, in
  /// document order, without recursion.
  template <class Visit>
  void walk(std::string_view tag, const Visit& visit);
  /// The elements of index named name, in document order.
  static std::pair<const Named*, const Named*> named(const TagIndex& index, std::string_view name);
  std::string_view nameOf(const XMLElement& element);
  void warn(const XMLElement& element, const std::string& text);

  ElementTexts& texts_;
  ReadBudget& budget_;
  Diagnostics* diagnostics_ = nullptr;
  const XMLElement* peripherals_ = nullptr;
  FlatMap<const XMLElement*, const XMLElement*> bases_;  // each element's nearest base
  FlatMap<const XMLElement*, bool> warned_;
  // One index per tag a base can have, found without hashing the tag on every look-up.
  static constexpr std::string_view kTags[] = {"peripheral", "cluster", "register", "field",
                                               "enumeratedValues"};
  TagIndex indexes_[std::size(kTags)];
  bool built_[std::size(kTags)] = {};
  std::unordered_map<std::string, TagIndex> otherIndexes_;  // for elements of other tags
};

}  // namespace regforge
