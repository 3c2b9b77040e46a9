// The pack description reader on arbitrary documents. Only a "package" root gives devices;
// every device has a name and at least one processor, the processors of a multi-core device
// are named and distinct, and paths never keep a '\'.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "readers/PackDescription.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  regforge::XMLDocument document(regforge::XMLDocument::Content::Dropped);
  if (!document.parse(text.c_str())) return 0;
  const auto devices = regforge::readPackDescription(document);
  const bool isPackage = document.root() && document.root()->tagName() == "package";
  require(devices.has_value() == isPackage);
  if (!devices) return 0;
  for (const regforge::PackDevice& device : *devices) {
    require(!device.name.empty() && !device.processors.empty());
    std::set<std::string> pnames;
    for (const regforge::PackProcessor& processor : device.processors) {
      require(device.processors.size() == 1 || !processor.pname.empty());
      require(pnames.insert(processor.pname).second);
      require(processor.svd.text.find('\\') == std::string::npos);
      require(processor.header.text.find('\\') == std::string::npos);
    }
  }
  return 0;
}
