// Memory-map elements are made with their kind.
#include "memorymap/MapDocument.h"

namespace regforge {

XMLElement* MapDocument::createElement(std::string_view tagName) {
  return makeNode<MemoryMapElement>(*this, storeName(tagName));
}

}  // namespace regforge
