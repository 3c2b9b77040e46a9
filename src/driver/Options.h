// The command line: the option set, the table of options in their comparison order, and the
// scan that fills the set.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace regforge {

/// Everything the command line asks for, as the scan found it: a value of its own, with copies
/// of the words; a run reads it and never changes it. What a run learns on the way (a pack's
/// core, a CMSIS header's core data) is kept apart from it.
struct Options {
  unsigned readOptions = 0;                 ///< ReadOption bits for the SVD reader
  std::optional<std::string> irqTable;      ///< vector-table base name
  std::uint32_t irqStart = 16;              ///< first vector index, used as a signed index
  std::optional<std::string> irqStartText;  ///< the "-irq-start" word irqStart was read from
  std::optional<std::string> ignoreName;
  bool tcf = false;
  bool ddf = false;
  std::optional<std::string> rdtCpu;  ///< set: the input is an RDT file with this CPU
  std::uint32_t nvicPrioBits = 0;     ///< 0: no NVIC group
  std::optional<std::string> include;
  std::optional<std::string> includeMacros;
  bool ppb = false;
  std::optional<std::string> irqs;
  std::optional<std::string> irqs2;
  std::optional<std::string> remove;
  std::uint32_t core = 0;
  bool mpu = false;
  bool fpu = false;
  bool nocmse = false;
  bool debug = false;
  // Opt-in options beyond the format: none of them changes a run that does not give it.
  bool warn = false;                    ///< print warnings about what the conversion did
  bool strict = false;                  ///< as warn; any warning fails the run and writes nothing
  std::optional<std::string> warnOff;   ///< checks to turn off, separated by ","
  std::optional<std::string> warnOnly;  ///< the only checks to keep, separated by ","
  std::optional<std::uint32_t> arrayLimit;  ///< arrays of more copies keep this many
  std::optional<std::string> coreText;      ///< the words behind core, nvicPrioBits and arrayLimit
  std::optional<std::string> nvicText;
  std::optional<std::string> arrayLimitText;
  std::optional<std::string> pack;  ///< set: the input is a pack description, convert this device
  bool packList = false;            ///< list the devices of a pack description instead
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
