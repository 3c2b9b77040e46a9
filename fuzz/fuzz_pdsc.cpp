// The pack description reader on arbitrary documents. Only a "package" root gives devices;
// every device has a name and at least one processor, the processors of a multi-core device
// are named and distinct, and paths never keep a '\'. The names and paths then pass the rules
// that keep them inside their folders: a name accepted as a file name and a path accepted
// inside the pack hold nothing that leaves it, and printed text holds no control byte.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "packs/PackDescription.h"
#include "text/FileNames.h"
#include "text/PrintableText.h"
#include "text/RelativePath.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

bool hasControlByte(const std::string& text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return true;
  }
  return false;
}

void checkName(const std::string& name) {
  require(!hasControlByte(regforge::printable(name)));
  if (regforge::fileNameProblem(name)) return;
  require(!name.empty() && name.find_first_of("/\\:") == std::string::npos);
  require(name.find("..") == std::string::npos && !hasControlByte(name));
}

void checkPath(const std::string& path) {
  const regforge::RelativePath inside = regforge::relativePath(path);
  if (inside.problem) return;
  const std::string& steps = inside.path;
  require(!steps.empty() && steps.front() != '/' && steps.find(':') == std::string::npos);
  require(steps.find('\\') == std::string::npos && !hasControlByte(steps));
  const std::string padded = "/" + steps + "/";
  require(padded.find("/../") == std::string::npos && padded.find("/./") == std::string::npos);
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
    checkName(device.name);
    std::set<std::string> pnames;
    for (const regforge::PackProcessor& processor : device.processors) {
      require(device.processors.size() == 1 || !processor.pname.empty());
      require(pnames.insert(processor.pname).second);
      require(processor.svd.text.find('\\') == std::string::npos);
      require(processor.header.text.find('\\') == std::string::npos);
      checkName(device.name + "_" + processor.pname);
      checkPath(processor.svd.text);
      checkPath(processor.header.text);
    }
  }
  return 0;
}
