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
  // A start of 2^31 or more on the command line is a negative index. No slot before the
  // table has a name, so those indices are written as reserved lines, as the loop says.
  // The text goes out in blocks so that a long run of them needs no more memory.
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
