// The program's conversion of arbitrary SVD input, in memory, with the options chosen by four
// leading bytes:
//   byte 0: bits 0-3 the read options, bits 4-5 "-ignore" (none, "reserved", "", "R"),
//           bit 6 "-irq-table" (which also brings the command line's core data in before the
//           read), bit 7 "-nocmse";
//   byte 1: bits 0-3 the core type, bit 4 "-mpu", bit 5 "-fpu", bit 6 "-pp", bit 7 "-nb";
//   byte 2: bits 0-5 "-nvic" priority bits (0: no NVIC group; 63: the largest number), bit 6
//           "-standard", bit 7 "-warn";
//   byte 3: the first interrupt index of "-nvic", signed (-128: the smallest number); with
//           "-irq-table" its low 7 bits, since a negative start is refused then.
// The rest is the SVD document. A parsed input must give a "Processor" root; a complete run
// must write a file whose groups, registers, bit fields and values nest as the format has
// them and that parses back into the same file.
#include <cstdint>
#include <string>

#include "MemoryMapCheck.h"
#include "driver/Conversion.h"

using regforge::fuzz::require;

namespace {

constexpr std::int32_t kCoreTypes[16] = {0, 3, 4, 7,  23, 33, 55, 85,
                                         1, 2, 8, 22, 34, 56, -1, INT32_MIN};
constexpr const char* kIgnorePrefixes[4] = {nullptr, "reserved", "", "R"};

regforge::Options optionsOf(const std::uint8_t* head) {
  regforge::Options options;
  options.readOptions = head[0] & 15u;
  if (const char* prefix = kIgnorePrefixes[(head[0] >> 4) & 3u]) options.ignoreName = prefix;
  if ((head[0] & 64u) != 0) options.irqTable = "vectors";
  options.nocmse = (head[0] & 128u) != 0;
  options.core = static_cast<std::uint32_t>(kCoreTypes[head[1] & 15u]);
  options.mpu = (head[1] & 16u) != 0;
  options.fpu = (head[1] & 32u) != 0;
  options.ppb = (head[1] & 64u) != 0;
  options.debug = (head[1] & 128u) != 0;
  const unsigned bits = head[2] & 63u;
  options.nvicPrioBits = bits == 63 ? UINT32_MAX : bits;
  if ((head[2] & 64u) != 0) options.readOptions |= regforge::kStandard;
  options.warn = (head[2] & 128u) != 0;
  const auto start = static_cast<std::int8_t>(head[3]);
  // A vector table takes no negative start (the run refuses it before reading): 0 to 127.
  const bool smallest = start == INT8_MIN;
  if (options.irqTable) {
    options.irqStart = static_cast<std::uint32_t>(start & 127);
  } else {
    options.irqStart = static_cast<std::uint32_t>(smallest ? INT32_MIN : start);
  }
  options.files = {"in.svd", "out.xml"};
  return options;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHead = 4;
  if (size < kHead) return 0;
  regforge::MemoryFiles files;
  files.files["in.svd"].assign(reinterpret_cast<const char*>(data + kHead), size - kHead);
  regforge::Conversion conversion(optionsOf(data), files);
  regforge::SVDFile2& map = conversion.map();
  regforge::Diagnostics diagnostics;
  if ((data[2] & 128u) != 0) diagnostics.enable();
  map.setDiagnostics(diagnostics);
  // Small bounds keep a run that hits them short under the sanitizers; the checks that
  // stop at them are the same as at the program's bounds.
  map.setReadLimits({std::uint64_t{1} << 20, std::uint64_t{4} << 20});
  const int status = conversion.run();
  // Warnings are kept to at most ten of a kind, whatever their number.
  const std::string warnings = diagnostics.takeText();
  require(diagnostics.count() == 0 || !warnings.empty());

  const bool written = files.files.count("out.xml") != 0;
  require(written == (status == 0));
  if (!map.rootElement()) {  // only an input that doesn't parse gives no root
    require(status == 1 && conversion.message().find(" at in.svd:") != std::string::npos);
    return 0;
  }
  require(map.rootElement()->tagName() == "Processor");
  if (status != 0) return 0;  // the reader failed: nothing is written
  require(map.maxInterrupt() < regforge::CortexMSVDFile::kInterruptSlots);
  if ((data[0] & regforge::kIgnoreInterrupts) != 0) require(map.maxInterrupt() == -1);
  require(files.files.count("vectors.vec") == ((data[0] & 64u) != 0 ? 1u : 0u));
  regforge::fuzz::checkWrittenText(files.files["out.xml"], regforge::ElementKind::Processor);
  return 0;
}
