// The run sequence: core data, interrupt names, one reader, the edits of the tree, the
// memory-map file and the vector table, in that fixed order. Only this file prints.
#include "driver/Driver.h"

#include <cstdarg>
#include <cstdio>
#include <memory>

#include "driver/CmsisHeader.h"
#include "driver/Options.h"
#include "driver/PackRun.h"
#include "driver/SVDFile2.h"
#include "driver/VectorTable.h"
#include "readers/DdfReader.h"
#include "readers/RdtReader.h"
#include "readers/TcfReader.h"
#include "text/ByteText.h"

namespace regforge {
namespace {

// Writes one message to standard error; the caller then ends the run with status 1.
__attribute__((format(printf, 1, 2))) bool report(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vfprintf(stderr, format, args);
  va_end(args);
  return false;
}

bool isArmv8MainlineOrBaseline(std::int32_t coreType) {
  return coreType == 23 || coreType == 33 || coreType == 55;
}

class Conversion {
 public:
  explicit Conversion(Options options)
      : options_(std::move(options)), input_(options_.files[0]), output_(options_.files[1]) {}

  int run() {
    configureCore();
    if (!gatherInterruptNames() || !readInput()) return 1;
    // Without a root element (a board file of another shape) the editing steps have
    // nothing to act on and are skipped; the file then holds the doctype line only.
    const bool hasRoot = map_.rootElement() != nullptr;
    if (hasRoot && options_.remove) map_.removeGroups(splitList(options_.remove));
    const bool nonSecure = isArmv8MainlineOrBaseline(map_.coreType()) && !options_.nocmse;
    if (hasRoot) {
      addNvicGroup(nonSecure);
      if (options_.ppb) map_.addPpbGroups(nonSecure);
      if (options_.debug) map_.addDebugGroup(map_.coreType());
      addInclude();
    }
    if (!writeMemoryMap() || !writeVectorTable()) return 1;
    return 0;
  }

 private:
  // The command line's core data reaches the document only with an option that needs it.
  void configureCore() {
    if (options_.irqTable || options_.nvicPrioBits != 0 || options_.ppb) {
      map_.setCoreConfig(static_cast<std::int32_t>(options_.core), true, options_.nvicPrioBits,
                         options_.mpu, options_.fpu);
    }
  }

  // "-irqs" wins over "-irqs2"; a header also gives the core data and replaces the
  // interrupts and cpu of the SVD file.
  bool gatherInterruptNames() {
    if (options_.irqs) {
      map_.setInterruptNames(splitList(options_.irqs));
      return true;
    }
    if (!options_.irqs2) return true;
    const std::optional<CmsisHeader> header =
        scanCmsisHeader(options_.irqs2, options_.core, options_.mpu, options_.fpu);
    if (!header) return report("couldn't read header file %s", options_.irqs2);
    map_.setInterruptNames(header->interrupts);
    map_.setCoreConfig(static_cast<std::int32_t>(header->coreType), header->cm0Plus,
                       header->nvicPrioBits, header->mpu != 0, header->fpu != 0);
    options_.nvicPrioBits = header->nvicPrioBits;
    options_.mpu = header->mpu != 0;
    options_.fpu = header->fpu != 0;
    options_.readOptions |= kIgnoreCpu | kIgnoreInterrupts;
    return true;
  }

  bool readInput() {
    if (options_.tcf) return readTcfInput();
    if (options_.ddf) return readDdfInput();
    if (options_.rdtCpu) return readRdtInput();
    return readSvdInput();
  }

  bool readSvdInput() {
    // The reader asks only for whole element texts, so no text nodes are needed.
    XMLDocument input(XMLDocument::Content::ElementText);
    const bool parsed =
        options_.inputBytes ? input.parse(options_.inputBytes->c_str()) : input.read(input_);
    if (!parsed) {
      return report("error: %s at %s:%d\n", input.errorText(), input_.c_str(), input.errorLine());
    }
    map_.shareSources(input);  // names and numbers pass through without copies
    std::optional<std::string_view> ignorePrefix;
    if (options_.ignoreName) ignorePrefix = options_.ignoreName;
    if (!map_.readSvd(input, options_.readOptions, ignorePrefix)) return reportImportFailure();
    return true;
  }

  bool readTcfInput() {
    XMLDocument input(false);
    if (!input.load(input_.c_str())) return reportReadFailure();
    if (!readTcf(input, map_)) return reportImportFailure();
    return true;
  }

  bool readDdfInput() {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(input_.c_str(), "rt"),
                                                         &std::fclose);
    if (!file) return reportReadFailure();
    readDdf(file.get(), map_);
    return true;
  }

  bool readRdtInput() {
    XMLDocument input(false);
    if (!input.load(input_.c_str())) return reportReadFailure();
    const XMLElement* cpu = findCpu(input.root(), options_.rdtCpu);
    if (!cpu) return report("error: failed to find CPU %s\n", options_.rdtCpu);
    if (const std::optional<RdtLoadError> error = readRdt(map_, *cpu)) {
      if (error->overBudget) return reportImportFailure();
      return report("error: load of %s:%d failed %s\n", error->path.c_str(), error->line,
                    error->text.c_str());
    }
    return true;
  }

  bool reportReadFailure() { return report("error: read of %s failed\n", input_.c_str()); }
  // An input without what its reader needs, or one that asks for more than it may make.
  bool reportImportFailure() { return report("error: import of %s failed\n", input_.c_str()); }

  // "-nvic": the generated group replaces any group named "NVIC"; the non-secure flag picks
  // the one view that is made.
  void addNvicGroup(bool nonSecure) {
    if (options_.nvicPrioBits == 0) return;
    map_.removeGroups({"NVIC"});
    map_.addNvicGroup(options_.core, options_.nvicPrioBits,
                      static_cast<std::int32_t>(options_.irqStart),
                      (options_.readOptions & kNoDescriptions) == 0, nonSecure);
  }

  void addInclude() {
    if (!options_.include) return;
    MemoryMapElement* include = map_.createMapElement("include");
    map_.rootElement()->appendChild(include);
    include->setAttribute("filename", options_.include);
    if (options_.includeMacros) include->setAttribute("macros", options_.includeMacros);
    include->setAttribute("no_root", "1");
  }

  bool writeMemoryMap() {
    map_.setDoctype("Register_Definition_File");
    if (!map_.write(output_)) {
      return report("error: write of %s failed\n", output_.c_str());
    }
    return true;
  }

  bool writeVectorTable() {
    if (!options_.irqTable) return true;
    if (!regforge::writeVectorTable(options_.irqTable, static_cast<std::int32_t>(options_.irqStart),
                                    map_)) {
      return report("error: write of %s failed\n", vectorFileName(options_.irqTable).c_str());
    }
    return true;
  }

  Options options_;
  const std::string input_;  // the paths as their command-line bytes, for opening and messages
  const std::string output_;
  SVDFile2 map_;
};

}  // namespace

int runRegforge(int argc, const char* const* argv) {
  ScanResult scan = scanArguments(argc, argv);
  switch (scan.status) {
    case ScanResult::Status::MissingArgument:
      std::fputs(scan.message, stderr);
      return 1;
    case ScanResult::Status::Usage:
      std::fputs(kUsage, stdout);
      return 1;
    case ScanResult::Status::Run:
      break;
  }
  if (scan.options.pack || scan.options.packList) return runPack(std::move(scan.options));
  return convert(std::move(scan.options));
}

int convert(Options options) {
  return Conversion(std::move(options)).run();
}

}  // namespace regforge
