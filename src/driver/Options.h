// The command line: the option set, the table of options in their comparison order, and the
// scan that fills the set.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace regforge {

/// Everything the command line asks for. Text arguments point at the argument words.
struct Options {
  unsigned readOptions = 0;            ///< ReadOption bits for the SVD reader
  const char* irqTable = nullptr;      ///< vector-table base name
  std::uint32_t irqStart = 16;         ///< first vector index, used as a signed index
  const char* irqStartText = nullptr;  ///< the "-irq-start" word irqStart was read from
  const char* ignoreName = nullptr;
  bool tcf = false;
  bool ddf = false;
  const char* rdtCpu = nullptr;    ///< set: the input is an RDT file with this CPU
  std::uint32_t nvicPrioBits = 0;  ///< 0: no NVIC group
  const char* include = nullptr;
  const char* includeMacros = nullptr;
  bool ppb = false;
  const char* irqs = nullptr;
  const char* irqs2 = nullptr;
  const char* remove = nullptr;
  std::uint32_t core = 0;
  bool mpu = false;
  bool fpu = false;
  bool nocmse = false;
  bool debug = false;
  // Opt-in options beyond the format: none of them changes a run that does not give it.
  bool warn = false;               ///< print warnings about what the conversion did
  bool strict = false;             ///< as warn; any warning fails the run and writes nothing
  const char* warnOff = nullptr;   ///< checks to turn off, separated by ","
  const char* warnOnly = nullptr;  ///< the only checks to keep, separated by ","
  std::optional<std::uint32_t> arrayLimit;  ///< arrays of more copies keep this many
  const char* coreText = nullptr;           ///< the words behind core, nvicPrioBits and arrayLimit
  const char* nvicText = nullptr;
  const char* arrayLimitText = nullptr;
  const char* pack = nullptr;  ///< set: the input is a pack description, convert this device
  bool packList = false;       ///< list the devices of a pack description instead
  std::vector<std::string>
      files;  ///< every word that is neither an option nor an option's argument
};

struct ScanResult {
  enum class Status { Run, Usage, MissingArgument, Help, Version };
  Status status = Status::Run;
  const char* message = nullptr;  ///< for MissingArgument
  Options options;
};

/// Scans argv[1..argc-1]. Words are compared whole with each option name; an option with an
/// argument takes the next word whatever it is; unknown words are file names; a repeated
/// option overwrites. Anything but two file names (one with "-pack-list") asks for the usage
/// text.
ScanResult scanArguments(int argc, const char* const* argv);

/// The usage text, written to standard output.
extern const char kUsage[];
/// The options beyond the format, which --help lists after the usage text.
extern const char kMoreUsage[];

}  // namespace regforge
