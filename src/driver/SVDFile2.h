// The document class of a run: a Cortex-M memory map whose descriptions are white-space
// simplified.
#pragma once

#include "cortexm/CortexMSVDFile.h"
#include "text/Latin1Text.h"

namespace regforge {

class SVDFile2 : public CortexMSVDFile {
 public:
  /// Leading and trailing white space removed, inner runs collapsed to one blank.
  void formatDescription(std::string& text) override { simplify(text); }
};

}  // namespace regforge
