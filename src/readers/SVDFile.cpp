#include "readers/SVDFile.h"

namespace regforge {

bool SVDFile::readSvd(const XMLDocument& input, unsigned options,
                      std::optional<std::string_view> ignorePrefix) {
  (void)input;
  (void)options;
  (void)ignorePrefix;
  setRoot(createElement("Processor"));
  return true;
}

void SVDFile::formatDescription(std::string& text) {
  for (std::size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 5)) {
    text.replace(at, 2, "<br/>");
  }
}

void SVDFile::readCpu(const XMLElement&) {}

int SVDFile::interruptCount() const {
  return 0;
}

void SVDFile::setInterruptName(int, std::string_view) {}

}  // namespace regforge
