// The walk over an element's children that the XML input readers share: the leading element
// children, in document order up to the first child that is not an element.
#pragma once

#include <iterator>

#include "xml/XMLElement.h"

namespace regforge {

/// Forward range over the leading element children of a node: the children from the first
/// one up to, not including, the first child that is not an element.
class LeadingElements {
 public:
  class iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = XMLElement;
    using difference_type = std::ptrdiff_t;
    using pointer = const XMLElement*;
    using reference = const XMLElement&;

    explicit iterator(const XMLNode* at) : at_(at ? at->toElement() : nullptr) {}
    reference operator*() const { return *at_; }
    pointer operator->() const { return at_; }
    iterator& operator++() {
      const XMLNode* next = at_->nextSibling();
      at_ = next ? next->toElement() : nullptr;
      return *this;
    }
    bool operator==(const iterator& other) const { return at_ == other.at_; }
    bool operator!=(const iterator& other) const { return at_ != other.at_; }

   private:
    const XMLElement* at_;
  };

  explicit LeadingElements(const XMLNode& parent) : first_(parent.firstChild()) {}
  iterator begin() const { return iterator(first_); }
  iterator end() const { return iterator(nullptr); }

 private:
  const XMLNode* first_;
};

}  // namespace regforge
