// Building the memory map: elements with their kinds, the search and removal of groups, and
// the content of one group at a time in scratch storage.
#include "memorymap/MemoryMap.h"

#include <cassert>
#include <unordered_set>

#include "text/ByteText.h"

namespace regforge {
namespace {

bool matches(const MemoryMapElement& element, ElementKind kind,
             std::optional<std::string_view> attributeName, std::optional<std::string_view> value,
             bool caseSensitive) {
  if (element.kind() != kind) return false;
  if (!attributeName || !value) return true;
  const std::optional<std::string_view> actual = element.attribute(*attributeName);
  if (!actual) return false;
  return caseSensitive ? *actual == *value : equalsIgnoreAsciiCase(*actual, *value);
}

}  // namespace

XMLElement* MemoryMap::createElement(std::string_view tagName) {
  return makeNode<MemoryMapElement>(*this, storeName(tagName));
}

MemoryMapElement* MemoryMap::addElement(XMLElement* parent, std::string_view tagName,
                                        const AttributeText& start, const AttributeText& size,
                                        const AttributeText& access, const AttributeText& name,
                                        const AttributeText& description) {
  MemoryMapElement* element = createMapElement(tagName);
  if (name.value()) element->setAttribute("name", name.value());
  if (start.value()) element->setAttribute("start", start.value());
  if (size.value()) element->setAttribute("size", size.value());
  if (access.value()) element->setAttribute("access", access.value());
  if (description.value()) element->setAttribute("description", description.value());
  parent->appendChild(element);
  return element;
}

MemoryMapElement* MemoryMap::findElementByAttribute(MemoryMapElement* from, ElementKind kind,
                                                    std::optional<std::string_view> attributeName,
                                                    std::optional<std::string_view> value,
                                                    bool caseSensitive) {
  for (XMLNode* node = from; node; node = nextInPreOrder(node, from)) {
    if (const XMLElement* element = node->toElement();
        element && matches(static_cast<const MemoryMapElement&>(*element), kind, attributeName,
                           value, caseSensitive)) {
      return static_cast<MemoryMapElement*>(node);
    }
  }
  return nullptr;
}

void MemoryMap::startGroupContent(const XMLElement& group) {
  assert(!inGroup_ && "one group's content at a time");
  inGroup_ = true;
  lendArena(&scratch_, &group);
}

void MemoryMap::finishGroupContent(XMLElement& group) {
  lendArena(nullptr, nullptr);
  inGroup_ = false;
  int level = 0;
  for (const XMLNode* above = group.parent(); above; above = above->parent())
    ++level;
  // The group itself is written too, so that finished groups lie one after the other and
  // are copied to the file together.
  const std::uint32_t number = written_.keep(group, level);
  while (XMLNode* child = group.firstChild())
    group.removeChild(child);
  static_cast<MemoryMapElement&>(group).setWrittenForm(number);
  scratch_.reset();
}

bool MemoryMap::writeInstead(const XMLElement& element, int, XMLWriter& writer) const {
  const std::uint32_t form = static_cast<const MemoryMapElement&>(element).writtenForm();
  if (form == 0) return false;
  written_.writeKept(form - 1, writer);
  return true;
}

void MemoryMap::removeGroups(const std::vector<std::string>& names) {
  MemoryMapElement* root = rootElement();
  if (!root) return;
  const std::unordered_set<std::string_view> wanted(names.begin(), names.end());
  // Each child is taken off the front, where unlinking costs nothing, and put back at the
  // end unless it goes: one pass, however many children go. Unlinking them where they stand
  // would search the list for each one.
  std::size_t count = 0;
  for (const XMLNode* child = root->firstChild(); child; child = child->nextSibling())
    ++count;
  bool looking = true;  // up to the first child that is no element
  for (std::size_t i = 0; i < count; ++i) {
    XMLNode* child = root->firstChild();
    root->removeChild(child);
    looking = looking && child->isElement();
    if (looking && wanted.count(child->toElement()->attribute("name").value_or(""))) continue;
    root->appendChild(child);
  }
}

}  // namespace regforge
