// The text look-ups that the SVD reader and the core description share.
#include <string>

#include "readers/SVDFile.h"

namespace regforge {

const XMLElement* SVDFile::findElementIn(const XMLNode* firstA, const XMLNode* firstB,
                                         std::string_view tag) {
  const XMLElement* found = findElement(firstA, tag);
  return found ? found : findElement(firstB, tag);
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
    text = texts_.keep(fixed);
  }
  return text;
}

const XMLElement* SVDFile::inheritedElement(const XMLElement* element, const XMLElement* base,
                                            std::string_view tag) {
  const XMLElement* own = element ? findElement(element->firstChild(), tag) : nullptr;
  if (own && !elementText(*own).empty()) return own;
  return base ? findElement(base->firstChild(), tag) : nullptr;
}

std::string_view SVDFile::inheritedText(const XMLElement* element, const XMLElement* base,
                                        std::string_view tag) {
  const std::string_view own = childText(element, tag);
  return own.empty() ? childText(base, tag) : own;
}

}  // namespace regforge
