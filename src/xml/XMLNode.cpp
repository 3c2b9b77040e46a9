// The links of the node tree: children, siblings and the pre-order step.
#include "xml/XMLNode.h"

#include <cassert>

#include "xml/XMLDocument.h"
#include "xml/XMLElement.h"

namespace regforge {

XMLElement* XMLNode::toElement() {
  return isElement() ? static_cast<XMLElement*>(this) : nullptr;
}

const XMLElement* XMLNode::toElement() const {
  return isElement() ? static_cast<const XMLElement*>(this) : nullptr;
}

XMLNode* XMLNode::firstChild() const {
  return isElement() ? static_cast<const XMLElement*>(this)->firstChild_ : nullptr;
}

XMLNode* XMLNode::lastChild() const {
  return isElement() ? static_cast<const XMLElement*>(this)->lastChild_ : nullptr;
}

const XMLNode* nextInPreOrder(const XMLNode* node, const XMLNode* top, bool descend) {
  if (descend && node->firstChild()) return node->firstChild();
  while (node != top && !node->nextSibling())
    node = node->parent();
  return node == top ? nullptr : node->nextSibling();
}

namespace {

// Each document owns the memory of its elements: an element linked into another document would
// outlive it there.
[[maybe_unused]] bool sameDocument(const XMLElement& parent, const XMLNode& child) {
  const XMLElement* element = child.toElement();
  return !element || &element->document() == &parent.document();
}

}  // namespace

void XMLElement::appendChild(XMLNode* child) {
  assert(sameDocument(*this, *child) && "an element linked into another document");
  child->parent_ = this;
  child->nextSibling_ = nullptr;
  if (lastChild_) {
    lastChild_->nextSibling_ = child;
  } else {
    firstChild_ = child;
  }
  lastChild_ = child;
}

void XMLElement::prependChild(XMLNode* child) {
  assert(sameDocument(*this, *child) && "an element linked into another document");
  child->parent_ = this;
  child->nextSibling_ = firstChild_;
  firstChild_ = child;
  if (!lastChild_) lastChild_ = child;
}

void XMLElement::removeChild(XMLNode* child) {
  XMLNode* previous = nullptr;
  XMLNode* node = firstChild_;
  while (node && node != child) {
    previous = node;
    node = node->nextSibling_;
  }
  if (!node) return;
  if (previous) {
    previous->nextSibling_ = child->nextSibling_;
  } else {
    firstChild_ = child->nextSibling_;
  }
  if (lastChild_ == child) lastChild_ = previous;
}

}  // namespace regforge
