// The written form of a document, for tests that compare it with the text they expect.
#pragma once

#include <string>

#include "memorymap/MemoryMap.h"
#include "xml/XMLDocument.h"

namespace regforge::testsupport {

inline std::string written(const XMLDocument& document) {
  std::string text;
  document.writeTo(text);
  return text;
}

/// A map is written by its own writer, which puts each finished group's stored text in.
inline std::string written(const MemoryMap& map) {
  std::string text;
  map.writeTo(text);
  return text;
}

}  // namespace regforge::testsupport
