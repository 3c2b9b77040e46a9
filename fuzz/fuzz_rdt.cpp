// The RDT reader on arbitrary input: the input is cut at NUL bytes into the CPU identifier,
// the register-definition document and up to eight register files. An instance's register
// file is piece d when its path ends in the digit d; any other path names no file.
// Every instance read makes one group, a failing load names the failing path, and the memory
// map nests as the format has it and is written back the same after a parse.
#include <cstdint>
#include <string>

#include "MemoryMapCheck.h"
#include "readers/RdtReader.h"

using regforge::fuzz::require;

namespace {

constexpr std::size_t kFirstFile = 2;
constexpr std::size_t kMaxFiles = 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> pieces =
      regforge::fuzz::splitInput(data, size, '\0', kFirstFile + kMaxFiles);
  if (pieces.size() < kFirstFile) return 0;
  regforge::XMLDocument input(regforge::XMLDocument::Content::Dropped);
  if (!input.parse(pieces[1].c_str())) return 0;
  const regforge::XMLElement* cpu = regforge::findCpu(input.root(), pieces[0]);
  if (!cpu) return 0;
  require(cpu->tagName() == "cpu" && cpu->attribute("id") == pieces[0]);

  std::string failedPath;
  const auto load = [&](regforge::XMLDocument& document,
                        const std::string& path) -> std::optional<std::uint64_t> {
    const char last = path.empty() ? '\0' : path.back();
    const std::size_t file = kFirstFile + static_cast<std::size_t>(last - '0');
    if (last >= '0' && last <= '9' && file < pieces.size()) {
      if (document.parse(pieces[file].c_str())) return pieces[file].size();
    } else {
      require(!document.load("/nonexistent/register-file"));
    }
    failedPath = path;
    return std::nullopt;
  };
  regforge::MemoryMap map;
  // Bounds small enough that a run reaching them stays short under the sanitizers.
  const std::optional<regforge::RdtLoadError> error =
      regforge::readRdt(map, *cpu, load, {std::uint64_t{1} << 20, std::size_t{1} << 20});
  require(map.rootElement() && map.rootElement()->tagName() == "Root");
  const std::size_t groups = regforge::fuzz::countChildren(*map.rootElement());
  if (error) {
    require(groups >= 1 && groups <= regforge::fuzz::countLeading(*cpu, "instance"));
    if (error->overBudget) return 0;  // the driver reports it and writes nothing
    require(error->path == failedPath && !error->text.empty());
  } else {
    require(groups == regforge::fuzz::countLeading(*cpu, "instance"));
  }
  regforge::fuzz::checkWrittenMap(map, regforge::ElementKind::Root);
  return 0;
}
