#include "xml/XMLNode.h"

#include "xml/XMLElement.h"

namespace regforge {

XMLElement* XMLNode::toElement() {
  return isElement() ? static_cast<XMLElement*>(this) : nullptr;
}

const XMLElement* XMLNode::toElement() const {
  return isElement() ? static_cast<const XMLElement*>(this) : nullptr;
}

void XMLNode::appendChild(XMLNode* child) {
  child->parent_ = this;
  child->nextSibling_ = nullptr;
  if (lastChild_) {
    lastChild_->nextSibling_ = child;
  } else {
    firstChild_ = child;
  }
  lastChild_ = child;
}

void XMLNode::prependChild(XMLNode* child) {
  child->parent_ = this;
  child->nextSibling_ = firstChild_;
  firstChild_ = child;
  if (!lastChild_) lastChild_ = child;
}

void XMLNode::removeChild(XMLNode* child) {
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
