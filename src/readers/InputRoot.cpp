// What an input's root element says about the reader it was meant for.
#include "readers/InputRoot.h"

#include "readers/SVDFile.h"

namespace regforge {

std::vector<std::string> cpuIds(const XMLElement* root) {
  std::vector<std::string> ids;
  if (!root) return ids;
  for (const XMLNode* node = root; node; node = nextInPreOrder(node, root)) {
    const XMLElement* element = node->toElement();
    if (element && element->tagName() == "cpu") {
      if (const auto id = element->attribute("id")) ids.emplace_back(*id);
    }
  }
  return ids;
}

std::string readerFor(const XMLElement* root) {
  if (!root) return {};
  if (root->tagName() == "boards") return "-tcf";
  if (root->tagName() == "package") return "-pack DEVICE";
  if (root->tagName() == "device" && SVDFile::findElement(root->firstChild(), "peripherals"))
    return "the SVD reader (no -tcf, -ddf or -rdt)";
  const std::vector<std::string> ids = cpuIds(root);
  return ids.empty() ? std::string() : "-rdt " + ids.front();
}

}  // namespace regforge
