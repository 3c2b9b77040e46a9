// The written form of a document, for tests that compare it with the text they expect.
#pragma once

#include <string>

#include "xml/XMLDocument.h"

namespace regforge::testsupport {

inline std::string written(const XMLDocument& document) {
  std::string text;
  document.writeTo(text);
  return text;
}

}  // namespace regforge::testsupport
