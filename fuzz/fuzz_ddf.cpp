// The DDF reader on arbitrary bytes, read in lines as the driver reads a file.
// The memory map must nest as the format has it, every group must start at the lowest start
// of its registers (0xffffffff when it has none), and the written file must parse back into
// the same file.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "MemoryMapCheck.h"
#include "readers/DdfReader.h"
#include "text/Numbers.h"

using regforge::fuzz::require;

namespace {

void checkGroupStarts(const regforge::MemoryMap& map) {
  for (const regforge::XMLNode* group = map.rootElement()->firstChild(); group;
       group = group->nextSibling()) {
    std::uint32_t lowest = UINT32_MAX;
    for (const regforge::XMLNode* reg = group->firstChild(); reg; reg = reg->nextSibling()) {
      const std::string start(reg->toElement()->attribute("start").value_or(""));
      const std::uint32_t value = regforge::cNumber(start.c_str());
      if (value < lowest) lowest = value;
    }
    char expected[16];
    std::snprintf(expected, sizeof expected, "0x%x", static_cast<unsigned>(lowest));
    require(group->toElement()->attribute("start") == std::string_view(expected));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  regforge::MemoryMap map;
  regforge::readDdf(std::string_view(reinterpret_cast<const char*>(data), size), map);
  require(map.rootElement() && map.rootElement()->tagName() == "Root");
  checkGroupStarts(map);
  regforge::fuzz::checkWrittenMap(map, regforge::ElementKind::Root);
  return 0;
}
