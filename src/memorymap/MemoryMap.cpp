// Building the memory map: elements with their kinds, the search and removal of groups, the
// content of one group at a time in a document of its own, and the stored groups read again.
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

MemoryMap::~MemoryMap() = default;

MemoryMapElement* MemoryMap::addElement(XMLElement* parent, std::string_view tagName,
                                        const AttributeText& start, const AttributeText& size,
                                        const AttributeText& access, const AttributeText& name,
                                        const AttributeText& description) {
  auto* element = static_cast<MemoryMapElement*>(parent->document().createElement(tagName));
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

std::uint64_t MemoryMap::storageCapacity() const {
  if (exhausted()) return UINT64_MAX;
  return storage() + content_.storage() + writer_.storedSize();
}

bool MemoryMap::exhausted() const {
  return XMLDocument::exhausted() || content_.exhausted();
}

MemoryMapElement& MemoryMap::startGroupContent(const XMLElement& group) {
  assert(!inGroup_ && "one group's content at a time");
  inGroup_ = true;
  MemoryMapElement* copy = content_.createMapElement(group.tagName());
  for (const XMLAttribute& attribute : group.attributes()) {
    copy->setAttribute(attribute.name(),
                       attribute.hasValue() ? std::optional(attribute.value()) : std::nullopt);
  }
  content_.setRoot(copy);
  return *copy;
}

void MemoryMap::finishGroupContent(MemoryMapElement& group) {
  int level = 0;
  for (const XMLNode* above = group.parent(); above; above = above->parent())
    ++level;
  // The whole group is stored, tags included, so that finished groups lie one after the
  // other and are copied to the file together.
  group.setStoredText(writer_.store(*content_.root(), level));
  content_.clear();
  inGroup_ = false;
}

bool MemoryMap::write(ByteSink& sink) const {
  return writer_.write(*this, sink);
}

void MemoryMap::writeTo(std::string& out) const {
  StringSink sink(out);
  write(sink);
}

std::unique_ptr<MapDocument> MemoryMap::storedGroup(const MemoryMapElement& group) const {
  if (group.storedText() == 0) return nullptr;
  std::string text;
  if (!writer_.appendStored(text, group.storedText() - 1)) return nullptr;
  auto document = std::make_unique<MapDocument>();
  if (!document->parse(text.c_str())) return nullptr;
  return document;
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
