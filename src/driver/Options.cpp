// The command-line scan: the table of options in their comparison order, and each word matched
// against it.
#include "driver/Options.h"

#include <cstring>

#include "readers/ReadOptions.h"
#include "text/Numbers.h"

namespace regforge {
namespace {

struct OptionRow {
  const char* name;
  const char* missing;  ///< message when the argument is missing; null for a flag
  void (*apply)(Options& options, const char* argument);
};

// In the order the words are compared with.
constexpr OptionRow kOptions[] = {
    {"-reg-size-bytes", nullptr,
     [](Options& o, const char*) { o.readOptions |= kRegisterSizeInBytes; }},
    {"-ignore-description", nullptr,
     [](Options& o, const char*) { o.readOptions |= kNoDescriptions; }},
    {"-irq-table", "Filename required for -irq-table option\n",
     [](Options& o, const char* a) { o.irqTable = a; }},
    {"-irq-start", "Size required for -irq-start option\n",
     [](Options& o, const char* a) {
       o.irqStart = cNumber(a);
       o.irqStartText = a;
     }},
    {"-ignore-name", "Name required for -ignore-name option\n",
     [](Options& o, const char* a) { o.ignoreName = a; }},
    {"-tcf", nullptr, [](Options& o, const char*) { o.tcf = true; }},
    {"-ddf", nullptr, [](Options& o, const char*) { o.ddf = true; }},
    {"-rdt", "CPU required for -rdt option\n", [](Options& o, const char* a) { o.rdtCpu = a; }},
    {"-nvic", "Num priority bits required for -nvic option\n",
     [](Options& o, const char* a) {
       o.nvicPrioBits = cNumber(a);
       o.nvicText = a;
     }},
    {"-include", "Argument required for -include option\n",
     [](Options& o, const char* a) { o.include = a; }},
    {"-include-macros", "Argument required for -include-macros option\n",
     [](Options& o, const char* a) { o.includeMacros = a; }},
    {"-pp", nullptr, [](Options& o, const char*) { o.ppb = true; }},
    {"-irqs", "Argument required for -irqs option\n",
     [](Options& o, const char* a) { o.irqs = a; }},
    {"-irqs2", "Argument required for -irqs2 option\n",
     [](Options& o, const char* a) { o.irqs2 = a; }},
    {"-remove", "Argument required for -remove option\n",
     [](Options& o, const char* a) { o.remove = a; }},
    {"-core", "Core number required for -core option\n",
     [](Options& o, const char* a) {
       o.core = cNumber(a);
       o.coreText = a;
     }},
    {"-mpu", nullptr, [](Options& o, const char*) { o.mpu = true; }},
    {"-fpu", nullptr, [](Options& o, const char*) { o.fpu = true; }},
    {"-nocmse", nullptr, [](Options& o, const char*) { o.nocmse = true; }},
    {"-nb", nullptr, [](Options& o, const char*) { o.debug = true; }},
    {"-warn", nullptr, [](Options& o, const char*) { o.warn = true; }},
    {"-strict", nullptr,
     [](Options& o, const char*) {
       o.warn = true;
       o.strict = true;
     }},
    {"-warn-off", "Check names required for -warn-off option\n",
     [](Options& o, const char* a) { o.warnOff = a; }},
    {"-warn-only", "Check names required for -warn-only option\n",
     [](Options& o, const char* a) { o.warnOnly = a; }},
    {"-array-limit", "Number required for -array-limit option\n",
     [](Options& o, const char* a) {
       o.arrayLimit = cNumber(a);
       o.arrayLimitText = a;
     }},
    {"-pack", "Device name required for -pack option\n",
     [](Options& o, const char* a) { o.pack = a; }},
    {"-pack-list", nullptr, [](Options& o, const char*) { o.packList = true; }},
    {"-standard", nullptr, [](Options& o, const char*) { o.readOptions |= kStandard; }},
};

const OptionRow* findOption(const char* word) {
  for (const OptionRow& row : kOptions) {
    if (std::strcmp(row.name, word) == 0) return &row;
  }
  return nullptr;
}

}  // namespace

const char kUsage[] =
    "Usage:\n"
    "  regforge [options] svd_file memory_map_file\n"
    "\n"
    "Options:\n"
    "  -reg-size-bytes          SVD register size definitions are in bytes\n"
    "  -ignore-description      Ignore description fields in SVD file\n"
    "  -irq-table name          Create an assembly code vector table in 'name'.vec\n"
    "  -irq-start number        The vector entry number to start from default is 16\n"
    "  -irqs irq0;irq1;..       Specify the list of interrupt names\n"
    "  -irqs2 filename          Get the interrupt names and CPU info from a CMSIS header "
    "'filename'\n"
    "  -ignore-name name        Ignore all entries with 'name'\n"
    "  -tcf                     Input file is a tcf file not an SVD file\n"
    "  -ddf                     Input file is a ddf file not an SVD file\n"
    "  -rdt cpu                 Input file is a rdt file not an SVD file\n"
    "  -nvic p                  Create an NVIC register group with 'p' priority bits\n"
    "  -pp                      Create PPB register groups e.g. nvic, scb, systick, mpu\n"
    "  -nb                      Create a Debug register group\n"
    "  -remove name;name;..     Remove the list of register groups\n"
    "  -include f               Add an <include file_name='f'\n"
    "  -include-macros m        Add an <include file_name='f' macros='m'\n"
    "  -core n                  Core type is Cortex-M'n'\n"
    "  -mpu                     Core has an mpu\n"
    "  -fpu                     Core has an fpu\n"
    "  -nocmse                  Core does not have cmse\n";

const char kMoreUsage[] =
    "  -standard                Read the SVD file by the CMSIS-SVD standard (hexadecimal\n"
    "                           sizes, inherited properties, arrays, dotted derivedFrom);\n"
    "                           interrupts then count from 0 (-irq-start 0)\n"
    "  -warn                    Print warnings about what the conversion did to the input\n"
    "  -strict                  As -warn; any warning fails the run and writes no file\n"
    "  -warn-off check,..       Turn these checks off for -warn and -strict\n"
    "  -warn-only check,..      Keep only these checks for -warn and -strict\n"
    "  -array-limit n           Write arrays of more than 'n' copies with 'n' copies\n"
    "  -pack device[:pname]     Input file is a pack description (.pdsc or .pack): convert\n"
    "                           this device's SVD file; with * or ? every match into a folder\n"
    "  -pack-list               List the devices of the one pack description given\n"
    "  --help                   Print this text\n"
    "  --version                Print the version\n";

ScanResult scanArguments(int argc, const char* const* argv) {
  ScanResult result;
  for (int i = 1; i < argc; ++i) {
    // Only in an option's place: as an option's argument the word is that argument.
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "--version") == 0) {
      result.status = argv[i][2] == 'h' ? ScanResult::Status::Help : ScanResult::Status::Version;
      return result;
    }
    const OptionRow* option = findOption(argv[i]);
    if (!option) {
      result.options.files.emplace_back(argv[i]);
      continue;
    }
    const char* argument = nullptr;
    if (option->missing) {
      if (i + 1 >= argc) {
        result.status = ScanResult::Status::MissingArgument;
        result.message = option->missing;
        return result;
      }
      argument = argv[++i];
    }
    option->apply(result.options, argument);
  }
  // Under the standard's reading interrupt numbers are device interrupt numbers throughout:
  // the vector table and the NVIC group start at interrupt 0 unless told otherwise.
  if ((result.options.readOptions & kStandard) != 0 && !result.options.irqStartText) {
    result.options.irqStart = 0;
  }
  const std::size_t fileCount = result.options.packList ? 1 : 2;
  if (result.options.files.size() != fileCount) result.status = ScanResult::Status::Usage;
  return result;
}

}  // namespace regforge
