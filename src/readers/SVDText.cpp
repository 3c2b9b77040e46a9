// The text look-ups that the SVD reader and the core description share.
#include <string>

#include "readers/SVDFile.h"

namespace regforge {

const XMLElement* SVDFile::findElement(const XMLNode* first, std::string_view tag) {
  for (const XMLNode* node = first; node; node = node->nextSibling()) {
    const XMLElement* element = node->toElement();
    if (element && element->tagName() == tag) return element;
  }
  return nullptr;
}

const XMLElement* SVDFile::findElementIn(const XMLNode* firstA, const XMLNode* firstB,
                                         std::string_view tag) {
  const XMLElement* found = findElement(firstA, tag);
  return found ? found : findElement(firstB, tag);
}

// An element with one child, the usual case, needs no cache. Any other is looked up first and
// remembered once read, so that its children are walked only once however often it is asked.
std::string_view SVDFile::elementText(const XMLElement& element) {
  const XMLDocument& document = element.document();
  if (document.content() == XMLDocument::Content::ElementText) {
    if (const std::optional<std::string_view> piece = document.elementTextPiece(element)) {
      return *piece;
    }
    auto [entry, added] = joinedTexts_.try_emplace(&element);
    if (added) {
      std::string joined;
      document.appendElementText(element, joined);
      entry->second = inputTexts_.copy(joined);
    }
    return entry->second;
  }
  const XMLNode* first = element.firstChild();
  if (!first) return {};
  if (first == element.lastChild()) {
    return first->type() == XMLNode::Type::Data ? static_cast<const XMLData*>(first)->text()
                                                : std::string_view();
  }
  auto [entry, added] = joinedTexts_.try_emplace(&element);
  if (!added) return entry->second;

  const XMLData* single = nullptr;
  int pieces = 0;
  for (const XMLNode* node = first; node && pieces < 2; node = node->nextSibling()) {
    if (node->type() != XMLNode::Type::Data) continue;
    single = static_cast<const XMLData*>(node);
    ++pieces;
  }
  if (pieces == 1) {
    entry->second = single->text();
  } else if (pieces == 2) {
    std::string joined;
    for (const XMLNode* node = first; node; node = node->nextSibling()) {
      if (node->type() == XMLNode::Type::Data) joined += static_cast<const XMLData*>(node)->text();
    }
    entry->second = inputTexts_.copy(joined);
  }
  return entry->second;
}

std::string_view SVDFile::childText(const XMLElement* element, std::string_view tag,
                                    bool fixHexPrefix) {
  if (!element) return {};
  const XMLElement* child = findElement(element->firstChild(), tag);
  if (!child) return {};
  std::string_view text = elementText(*child);
  if (fixHexPrefix && text.size() >= 2 && text[0] == '0' && text[1] == 'X') {
    std::string fixed(text);
    fixed[1] = 'x';
    text = inputTexts_.copy(fixed);
  }
  return text;
}

std::string_view SVDFile::inheritedText(const XMLElement* element, const XMLElement* base,
                                        std::string_view tag) {
  const std::string_view own = childText(element, tag);
  return own.empty() ? childText(base, tag) : own;
}

}  // namespace regforge
