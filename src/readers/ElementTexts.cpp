// The texts of input elements, each made once, and the sibling search behind every look-up.
#include "readers/ElementTexts.h"

#include <string>

#include "text/ByteText.h"
#include "xml/XMLDocument.h"

namespace regforge {

const XMLElement* ElementTexts::findElement(const XMLNode* first, std::string_view tag) {
  for (const XMLNode* node = first; node; node = node->nextSibling()) {
    const XMLElement* element = node->toElement();
    if (element && equalsShort(element->tagName(), tag)) return element;
  }
  return nullptr;
}

// Text in one piece is a view of the input; any other is joined once and remembered, so that
// an element asked for again is not joined again.
std::string_view ElementTexts::of(const XMLElement& element) {
  const XMLDocument& document = element.document();
  if (const std::optional<std::string_view> piece = document.elementTextPiece(element)) {
    return *piece;
  }
  auto [entry, added] = joined_.try_emplace(&element);
  if (added) {
    std::string joined;
    document.appendElementText(element, joined);
    entry->second = storage_.copy(joined);
  }
  return entry->second;
}

}  // namespace regforge
