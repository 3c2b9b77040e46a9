// An SVD file's memory map: one read through an SVDReader, and the default hooks.
#include "readers/SVDFile.h"

#include "readers/SVDReader.h"

namespace regforge {

bool SVDFile::readSvd(const XMLDocument& input, unsigned options,
                      std::optional<std::string_view> ignorePrefix) {
  texts_.clear();
  problem_.clear();
  problemLine_ = 0;
  XMLElement* processor = createElement("Processor");
  setRoot(processor);
  bool read = false;
  {
    SVDReader reader(*this, limits_, arrayLimit_);
    read = reader.readDevice(input, *processor, options, ignorePrefix);
    if (!read) {
      problem_ = reader.problem();
      problemLine_ = reader.problemLine();
    }
  }
  if (!read && problem_.empty()) {
    problem_ = "the file asks for more work than one conversion may do (" +
               withThousands(ReadBudget::kMaxSteps) + " elements read or made)";
  }
  // The texts point into the input document, which the caller destroys next.
  texts_.clear();
  return read;
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
