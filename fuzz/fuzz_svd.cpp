// The SVD reader and the core generators on arbitrary input, run as the driver runs them.
// Four leading bytes choose the run:
//   byte 0: bits 0-3 the read options, bits 4-5 the ignore prefix (none, "reserved", "", "R"),
//           bit 6 core data from the command line before the read, bit 7 the non-secure flag;
//   byte 1: bits 0-3 the core type, bit 4 MPU, bit 5 FPU, bit 6 "-pp", bit 7 "-nb";
//   byte 2: bits 0-6 NVIC priority bits for "-nvic" (0: no NVIC group; 127: the largest
//           number), bit 7 the input parsed with text nodes instead of element texts;
//   byte 3: the first interrupt index of "-nvic", signed (-128: the smallest number).
// The rest is the SVD document. The memory map must hold a "Processor" root with groups,
// registers, bit fields and values nested as the format has them, and its file must parse
// back into the same file. Every run is checked as with "-warn", and its warnings written.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "MemoryMapCheck.h"
#include "driver/RunChecks.h"
#include "driver/SVDFile2.h"

using regforge::fuzz::require;

namespace {

constexpr std::int32_t kCoreTypes[16] = {0, 3, 4, 7,  23, 33, 55, 85,
                                         1, 2, 8, 22, 34, 56, -1, INT32_MIN};
constexpr std::optional<std::string_view> kIgnorePrefixes[4] = {std::nullopt, "reserved", "", "R"};

struct Run {
  unsigned readOptions;
  std::optional<std::string_view> ignorePrefix;
  bool coreFromCommandLine;
  bool nocmse;
  std::int32_t core;
  bool mpu;
  bool fpu;
  bool ppb;
  bool debug;
  std::uint32_t nvicPrioBits;
  regforge::XMLDocument::Content content;
  std::int32_t irqStart;
};

Run runOf(const std::uint8_t* head) {
  Run run;
  run.readOptions = head[0] & 15u;
  run.ignorePrefix = kIgnorePrefixes[(head[0] >> 4) & 3u];
  run.coreFromCommandLine = (head[0] & 64u) != 0;
  run.nocmse = (head[0] & 128u) != 0;
  run.core = kCoreTypes[head[1] & 15u];
  run.mpu = (head[1] & 16u) != 0;
  run.fpu = (head[1] & 32u) != 0;
  run.ppb = (head[1] & 64u) != 0;
  run.debug = (head[1] & 128u) != 0;
  const unsigned bits = head[2] & 127u;
  run.nvicPrioBits = bits == 127 ? UINT32_MAX : bits;
  run.content = (head[2] & 128u) != 0 ? regforge::XMLDocument::Content::Nodes
                                      : regforge::XMLDocument::Content::ElementText;
  const auto start = static_cast<std::int8_t>(head[3]);
  run.irqStart = start == INT8_MIN ? INT32_MIN : start;
  return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHead = 4;
  if (size < kHead) return 0;
  const Run run = runOf(data);
  const std::string text(reinterpret_cast<const char*>(data + kHead), size - kHead);

  regforge::Diagnostics diagnostics;
  diagnostics.enable();
  regforge::SVDFile2 map;
  map.setDiagnostics(diagnostics);
  // Small bounds keep a run that hits them short under the sanitizers; the checks that
  // stop at them are the same as at the program's bounds.
  map.setReadLimits({std::uint64_t{1} << 20, std::uint64_t{4} << 20});
  if (run.coreFromCommandLine)
    map.setCoreConfig(run.core, true, run.nvicPrioBits, run.mpu, run.fpu);
  bool read = false;
  {
    regforge::XMLDocument input(run.content);
    if (!input.parse(text.c_str())) return 0;
    map.shareSources(input);
    read = map.readSvd(input, run.readOptions, run.ignorePrefix);
  }  // the map must not point into the input document's tree
  require(map.rootElement() && map.rootElement()->tagName() == "Processor");
  if (!read) return 0;  // the driver reports the failure and writes nothing
  require(map.maxInterrupt() < regforge::CortexMSVDFile::kInterruptSlots);
  if ((run.readOptions & regforge::kIgnoreInterrupts) != 0) require(map.maxInterrupt() == -1);

  const std::int32_t core = map.coreType();
  const bool nonSecure = (core == 23 || core == 33 || core == 55) && !run.nocmse;
  if (run.nvicPrioBits != 0) {
    map.removeGroups({"NVIC"});
    map.addNvicGroup(static_cast<std::uint32_t>(run.core), run.nvicPrioBits, run.irqStart,
                     (run.readOptions & regforge::kNoDescriptions) == 0, nonSecure);
  }
  if (run.ppb) map.addPpbGroups(nonSecure);
  if (run.debug) map.addDebugGroup(core);
  regforge::checkRepeatedGroupNames(map);
  regforge::checkInterruptsBelowStart(map, run.irqStart, "vector table");
  const std::string warnings = diagnostics.takeText();
  require(diagnostics.count() == 0 || !warnings.empty());

  regforge::fuzz::checkWrittenMap(map, regforge::ElementKind::Processor);
  return 0;
}
