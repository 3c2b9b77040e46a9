// Elements and their attributes, kept in byte-wise name order.
#include "xml/XMLElement.h"

#include "text/ByteText.h"
#include "xml/XMLDocument.h"

namespace regforge {

XMLAttribute::XMLAttribute(std::string_view name, std::optional<std::string_view> value)
    : name_(name.data()),
      value_(value ? value->data() : nullptr),
      nameSize_(static_cast<std::uint32_t>(name.size())),
      valueSize_(value ? static_cast<std::uint32_t>(value->size()) : 0) {}

XMLElement::XMLElement(XMLDocument& document, std::string_view tagName)
    : XMLNode(Type::Element),
      document_(&document),
      tag_(tagName.data()),
      tagSize_(static_cast<std::uint32_t>(tagName.size())) {}

std::optional<std::string_view> XMLElement::attribute(std::string_view name) const {
  for (const XMLAttribute* at = firstAttribute_; at; at = at->next()) {
    if (at->name() == name) return at->hasValue() ? std::optional(at->value()) : std::nullopt;
  }
  return std::nullopt;
}

void XMLElement::setOrderedAttributes(const std::pair<std::string_view, std::string_view>* first,
                                      std::size_t count) {
  XMLAttribute** link = &firstAttribute_;
  for (std::size_t i = 0; i < count; ++i) {
    *link = document_->makeNode<XMLAttribute>(first[i].first, first[i].second);
    link = &(*link)->next_;
  }
}

void XMLElement::setAttribute(std::string_view name, std::optional<std::string_view> value) {
  XMLAttribute** link = &firstAttribute_;
  int order = 1;
  while (*link && (order = compareShort((*link)->name(), name)) < 0)
    link = &(*link)->next_;
  XMLAttribute* found = *link;
  if (found && order == 0) {
    if (value && found->hasValue() && found->value() == *value) return;
    if (!value) return;  // callers never clear a value that is set
    const std::string_view stored = document_->storeText(*value);
    found->value_ = stored.data();
    found->valueSize_ = static_cast<std::uint32_t>(stored.size());
    return;
  }
  std::optional<std::string_view> storedValue;
  if (value) storedValue = document_->storeText(*value);
  XMLAttribute* added = document_->makeNode<XMLAttribute>(document_->storeName(name), storedValue);
  added->next_ = found;
  *link = added;
}

}  // namespace regforge
