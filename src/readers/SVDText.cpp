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

// Text in one piece is a view of the input; any other is joined once and remembered, so that
// an element asked for again is not joined again.
std::string_view SVDFile::elementText(const XMLElement& element) {
  const XMLDocument& document = element.document();
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
