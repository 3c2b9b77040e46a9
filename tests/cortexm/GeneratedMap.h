// Runs core group generators on a fresh map with a "Processor" root and returns the text
// the map writes.
#pragma once

#include <string>
#include <utility>

#include "cortexm/CortexMSVDFile.h"

namespace regforge {

template <typename Generate>
std::string generatedMap(Generate&& generate) {
  CortexMSVDFile map;
  map.setRoot(map.createMapElement("Processor"));
  std::forward<Generate>(generate)(map);
  std::string text;
  map.writeTo(text);
  return text;
}

}  // namespace regforge
