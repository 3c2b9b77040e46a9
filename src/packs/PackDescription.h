// A pack description (.pdsc): the devices it describes, each with its processors and the
// SVD file and header that belong to them, resolved down the levels family -> subFamily ->
// device -> variant, where each level adds to or overrides what the level above set.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "xml/XMLDocument.h"

namespace regforge {

/// An attribute value as the pack writes it, with the line of the element that set it.
struct PackValue {
  std::string text;  ///< empty when no level set it
  int line = 0;      ///< counted from 1; 0 when no level set it
};

/// One processor of one device, with every level's contribution applied.
struct PackProcessor {
  std::string pname;  ///< empty when the pack names no processor
  PackValue dcore, dfpu, dmpu, dtz;
  PackValue svd;     ///< pack-relative path, '\' already turned into '/'
  PackValue header;  ///< the same for the device header
};

/// A device that can be chosen: a device without variants, or one variant of a device.
struct PackDevice {
  std::string name;
  int line = 0;                           ///< of the device or variant element, counted from 1
  std::vector<PackProcessor> processors;  ///< never empty; several for a multi-core device
};

/// The devices of a parsed pack description in document order; none when its root element
/// is not a "package" (the document is then no pack description).
std::optional<std::vector<PackDevice>> readPackDescription(const XMLDocument& document);

}  // namespace regforge
