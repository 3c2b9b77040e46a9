// How a derived element finds its bases when a file is read by the CMSIS-SVD standard: a
// plain name in the element's own scope or anywhere, a dotted path from the peripheral down or
// qualified from the right, and the chain of bases that a derived element takes its children
// from.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "memorymap/Diagnostics.h"
#include "readers/ElementTexts.h"
#include "readers/FlatMap.h"
#include "readers/ReadBudget.h"
#include "readers/SVDDerivation.h"
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
  /// The first link with a child named one of the tags, or null: lists are taken whole.
  const XMLElement* firstWithChild(std::string_view tag, std::string_view other = {}) const;
  void add(const XMLElement* base) { links_[length_++] = base; }
  void cut(std::size_t length) { length_ = length; }

 private:
  const XMLElement* links_[kMaxLength];
  std::size_t length_;
};

class SVDStandardBases {
 public:
  SVDStandardBases(ElementTexts& texts, SVDDerivation& names, ReadBudget& budget)
      : texts_(texts), names_(names), budget_(budget) {}

  /// The documents's first top-level node, where look-ups of a name anywhere start, and the
  /// <peripherals> element, whose paths dotted references name.
  void setDocument(const XMLNode* first, const XMLElement* peripherals) {
    first_ = first;
    peripherals_ = peripherals;
  }
  void setDiagnostics(Diagnostics& diagnostics) { diagnostics_ = &diagnostics; }

  /// element and its bases. A reference that names nothing ends the chain (with a warning),
  /// and so does one that comes back to an element of the chain.
  SVDChain chain(const XMLElement& element);

  /// Forgets what was found; needed before the input document goes away.
  void clear();

 private:
  const XMLElement* base(const XMLElement& element);
  const XMLElement* resolve(const XMLElement& element, std::string_view reference);
  const XMLElement* byPath(const XMLElement& element, std::string_view reference);
  void indexPaths();
  void indexMembers(const XMLElement& container, std::string& path, int depth);
  void addPath(const XMLElement& element, const std::string& path);
  void warn(const XMLElement& element, const std::string& text);

  ElementTexts& texts_;
  SVDDerivation& names_;
  ReadBudget& budget_;
  Diagnostics* diagnostics_ = nullptr;
  const XMLNode* first_ = nullptr;
  const XMLElement* peripherals_ = nullptr;
  FlatMap<const XMLElement*, const XMLElement*> bases_;  // each element's nearest base
  // Full paths of the elements that may be derived from, "tag path" keys, first one kept.
  struct Path {
    std::string key;
    const XMLElement* element;
  };
  bool pathsIndexed_ = false;
  std::vector<Path> paths_;
  std::unordered_map<std::string_view, const XMLElement*> byPath_;
  std::unordered_map<std::string, const XMLElement*> bySuffix_;  // found by a right-hand path
};

}  // namespace regforge
