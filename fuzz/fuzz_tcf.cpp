// The TCF reader on arbitrary input. A board file of the right shape gives a "Root" with one
// group per peripheral; any other document gives no root. The memory map must nest as the
// format has it and its written file must parse back into the same file.
#include <cstdint>
#include <string>

#include "MemoryMapCheck.h"
#include "readers/TcfReader.h"

using regforge::fuzz::require;

namespace {

// The board that readTcf reads: the first child of a "boards" root, when it is a "board".
const regforge::XMLElement* boardOf(const regforge::XMLDocument& input) {
  const regforge::XMLElement* boards = input.root();
  if (!boards || boards->tagName() != "boards" || !boards->firstChild()) return nullptr;
  const regforge::XMLElement* board = boards->firstChild()->toElement();
  return board && board->tagName() == "board" ? board : nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  regforge::XMLDocument input(regforge::XMLDocument::Content::Dropped);
  if (!input.parse(text.c_str())) return 0;
  regforge::MemoryMap map;
  // Bounds small enough that a run reaching them stays short under the sanitizers.
  if (!regforge::readTcf(input, map, {std::uint64_t{1} << 20, std::size_t{16} << 20})) {
    return 0;  // the driver reports it and writes nothing
  }

  const regforge::XMLElement* board = boardOf(input);
  require((map.rootElement() != nullptr) == (board != nullptr));
  if (board) {
    require(regforge::fuzz::countChildren(*map.rootElement()) ==
            regforge::fuzz::countLeading(*board, "peripheral"));
  }
  regforge::fuzz::checkWrittenMap(map, regforge::ElementKind::Root);
  return 0;
}
