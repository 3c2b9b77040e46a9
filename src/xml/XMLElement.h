// Elements of the XML object model and their attributes, kept in byte-wise name order.
#pragma once

#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

#include "xml/XMLNode.h"

namespace regforge {

class XMLDocument;

/// One attribute: a name and a value that may be absent. Absent values are written as "".
class XMLAttribute {
 public:
  /// name and value must already be stored by the element's document.
  XMLAttribute(std::string_view name, std::optional<std::string_view> value);

  std::string_view name() const { return {name_, nameSize_}; }
  bool hasValue() const { return value_ != nullptr; }
  /// The value, empty when absent.
  std::string_view value() const { return {value_ ? value_ : "", valueSize_}; }
  const XMLAttribute* next() const { return next_; }

 private:
  friend class XMLElement;

  XMLAttribute* next_ = nullptr;
  const char* name_;
  const char* value_;
  std::uint32_t nameSize_;
  std::uint32_t valueSize_;
};

/// Forward range over an element's attributes in byte-wise name order.
class XMLAttributeRange {
 public:
  class iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = XMLAttribute;
    using difference_type = std::ptrdiff_t;
    using pointer = const XMLAttribute*;
    using reference = const XMLAttribute&;
    explicit iterator(const XMLAttribute* at) : at_(at) {}
    reference operator*() const { return *at_; }
    pointer operator->() const { return at_; }
    iterator& operator++() {
      at_ = at_->next();
      return *this;
    }
    bool operator==(const iterator& other) const { return at_ == other.at_; }
    bool operator!=(const iterator& other) const { return at_ != other.at_; }

   private:
    const XMLAttribute* at_;
  };
  explicit XMLAttributeRange(const XMLAttribute* first) : first_(first) {}
  iterator begin() const { return iterator(first_); }
  iterator end() const { return iterator(nullptr); }
  bool empty() const { return first_ == nullptr; }

 private:
  const XMLAttribute* first_;
};

/// An element: a tag name and an ordered attribute map. Made by XMLDocument::createElement.
class XMLElement : public XMLNode {
 public:
  /// tagName must already be stored by document (XMLDocument::storeText).
  XMLElement(XMLDocument& document, std::string_view tagName);

  std::string_view tagName() const { return {tag_, tagSize_}; }
  XMLDocument& document() const { return *document_; }

  /// Links child, which must have no parent, as the new last child.
  void appendChild(XMLNode* child);
  /// Links child, which must have no parent, as the new first child.
  void prependChild(XMLNode* child);
  /// Unlinks child from the children. The child keeps its own parent and next-sibling links,
  /// so a walk over the children may remove the node it stands on and still step on. A node
  /// that is not a child leaves the list unchanged.
  void removeChild(XMLNode* child);

  /// The attributes in byte-wise name order.
  XMLAttributeRange attributes() const { return XMLAttributeRange(firstAttribute_); }

  /// The value of attribute name; none when the element has no such attribute or the
  /// attribute has no value.
  std::optional<std::string_view> attribute(std::string_view name) const;

  /// Sets name to a copy of value. A value of none stores the attribute without a value; it
  /// is only passed for an attribute the element does not hold yet. Setting the same text
  /// again changes nothing.
  void setAttribute(std::string_view name, std::optional<std::string_view> value);
  /// Gives an element without attributes the count attributes at first, whose names are
  /// distinct and in byte-wise order; the texts must already be stored by the document.
  void setOrderedAttributes(const std::pair<std::string_view, std::string_view>* first,
                            std::size_t count);
  void setName(std::optional<std::string_view> value) { setAttribute("name", value); }
  void setStart(std::optional<std::string_view> value) { setAttribute("start", value); }

 private:
  friend class XMLNode;
  friend class XMLDocument;

  XMLNode* firstChild_ = nullptr;
  XMLNode* lastChild_ = nullptr;
  XMLDocument* document_;
  const char* tag_;
  XMLAttribute* firstAttribute_ = nullptr;
  // The element's own text in a document parsed for element texts: the one piece, or, with
  // text_ null, where its pieces start in the document's piece list (0: no text).
  const char* text_ = nullptr;
  std::uint32_t tagSize_;
  std::uint32_t textSize_ = 0;
};

/// Visits root and its subtree in document order, without recursion, so that the depth of a
/// tree never exhausts the stack: start(node, level) as a node is reached, end(element, level)
/// once the children of an element that has some are done. root is at rootLevel.
template <typename Start, typename End>
void walkTree(const XMLNode& root, int rootLevel, Start start, End end) {
  const XMLNode* node = &root;
  int level = rootLevel;
  for (;;) {
    start(*node, level);
    if (node->firstChild()) {
      node = node->firstChild();
      ++level;
      continue;
    }
    while (node != &root && !node->nextSibling()) {
      node = node->parent();
      --level;
      end(*node->toElement(), level);
    }
    if (node == &root) return;
    node = node->nextSibling();
  }
}

}  // namespace regforge
