// The assembly vector table: one macro line per interrupt index, a handler for a named slot
// and a reserved entry for an empty one.
#include "driver/VectorTable.h"

namespace regforge {
namespace {

constexpr std::size_t kFlushSize = 1 << 16;

void appendLine(std::string& text, std::string_view name) {
  if (name.empty()) {
    text += "ISR_RESERVED\n";
    return;
  }
  text += "ISR_HANDLER ";
  text += name;
  text += "_IRQHandler\n";
}

}  // namespace

std::string vectorFileName(const char* baseName) {
  return std::string(baseName) + ".vec";
}

void writeVectorTable(ByteSink& file, std::int32_t irqStart, const CortexMSVDFile& map) {
  // The text goes out in blocks so that a long run of reserved lines needs no more memory;
  // indices below the table (a negative start) have no name.
  std::string text;
  for (std::int64_t index = irqStart; index <= map.maxInterrupt(); ++index) {
    appendLine(text, map.interruptName(index));
    if (text.size() >= kFlushSize) {
      file.write(text);
      text.clear();
    }
  }
  file.write(text);
}

}  // namespace regforge
