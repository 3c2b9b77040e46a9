// The run sequence: core data, interrupt names, one reader, the edits of the tree, the
// memory-map file and the vector table, in that fixed order. Only this file prints.
#include "driver/Driver.h"

#include <cstdarg>
#include <cstdio>
#include <memory>

#include "driver/CmsisHeader.h"
#include "driver/Options.h"
#include "driver/RunChecks.h"
#include "driver/SVDFile2.h"
#include "driver/VectorTable.h"
#include "platform/FileProblem.h"
#include "readers/DdfReader.h"
#include "readers/InputRoot.h"
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
  Conversion(Options options, Diagnostics& diagnostics)
      : options_(std::move(options)),
        input_(options_.files[0]),
        output_(options_.files[1]),
        diagnostics_(diagnostics) {
    map_.setDiagnostics(diagnostics_);
    if (options_.arrayLimit) map_.setArrayLimit(*options_.arrayLimit);
  }

  int run() {
    checkOptions(options_, diagnostics_);
    configureCore();
    if (!gatherInterruptNames()) return 1;
    diagnostics_.setFile(input_);
    if (!readInput()) return 1;
    diagnostics_.setFile("regforge");
    // Without a root element (a board file of another shape) the editing steps have
    // nothing to act on and are skipped; the file then holds the doctype line only.
    const bool hasRoot = map_.rootElement() != nullptr;
    if (hasRoot && options_.remove) removeGroups();
    const bool nonSecure = isArmv8MainlineOrBaseline(map_.coreType()) && !options_.nocmse;
    if (hasRoot) {
      addNvicGroup(nonSecure);
      if (options_.ppb) addPpbGroups(nonSecure);
      if (options_.debug) map_.addDebugGroup(map_.coreType());
      addInclude();
    }
    if (diagnostics_.enabled()) checkOutput();
    if (options_.strict && diagnostics_.count() > 0) {
      report("error: -strict: %s warning%s; no file written\n",
             withThousands(diagnostics_.count()).c_str(), diagnostics_.count() == 1 ? "" : "s");
      return 1;
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
    if (!header) {
      report("couldn't read header file %s", options_.irqs2);
      // The message has no line end of its own; the reason goes on a line of its own.
      if (diagnostics_.enabled()) std::fputc('\n', stderr);
      return explain(options_.irqs2, 0, fileProblem(options_.irqs2));
    }
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
    if (!input.read(input_)) {
      report("error: %s at %s:%d\n", input.errorText(), input_.c_str(), input.errorLine());
      return explainLoadFailure(input);
    }
    map_.shareSources(input);  // names and numbers pass through without copies
    std::optional<std::string_view> ignorePrefix;
    if (options_.ignoreName) ignorePrefix = options_.ignoreName;
    if (!map_.readSvd(input, options_.readOptions, ignorePrefix)) {
      reportImportFailure();
      return explain(input_, map_.importProblemLine(), map_.importProblem());
    }
    return true;
  }

  bool readTcfInput() {
    XMLDocument input(false);
    if (!input.load(input_.c_str())) return reportReadFailure(input);
    if (!readTcf(input, map_)) {
      reportImportFailure();
      return explain(input_, 0, "the board asks for more than one conversion may make");
    }
    if (diagnostics_.enabled() && !map_.rootElement()) warnWrongReader(input.root(), "-tcf");
    return true;
  }

  bool readDdfInput() {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(input_.c_str(), "rt"),
                                                         &std::fclose);
    if (!file) {
      reportReadFailure();
      return explain(input_, 0, fileProblem(input_.c_str()));
    }
    readDdf(file.get(), map_);
    if (diagnostics_.enabled() && !map_.rootElement()->firstChild()) {
      // A file that makes nothing may be one of the XML formats.
      XMLDocument probe(false);
      if (probe.load(input_.c_str())) warnWrongReader(probe.root(), "-ddf");
    }
    return true;
  }

  bool readRdtInput() {
    XMLDocument input(false);
    if (!input.load(input_.c_str())) return reportReadFailure(input);
    const XMLElement* cpu = findCpu(input.root(), options_.rdtCpu);
    if (!cpu) {
      report("error: failed to find CPU %s\n", options_.rdtCpu);
      return explainMissingCpu(input);
    }
    if (const std::optional<RdtLoadError> error = readRdt(map_, *cpu)) {
      if (error->overBudget) {
        reportImportFailure();
        return explain(input_, 0, "the register files ask for more than one conversion may read");
      }
      report("error: load of %s:%d failed %s\n", error->path.c_str(), error->line,
             error->text.c_str());
      if (!error->detail.empty()) return explain(error->path, error->line + 1, error->detail);
      return explain(error->path, 0, fileProblem(error->path.c_str()));
    }
    return true;
  }

  bool reportReadFailure() { return report("error: read of %s failed\n", input_.c_str()); }
  bool reportReadFailure(const XMLDocument& input) {
    reportReadFailure();
    return explainLoadFailure(input);
  }
  // An input without what its reader needs, or one that asks for more than it may make.
  bool reportImportFailure() { return report("error: import of %s failed\n", input_.c_str()); }

  // With -warn, the line that follows an error: why, as "FILE[:LINE]: note: TEXT".
  bool explain(const std::string& file, int line, const std::string& text) {
    if (!diagnostics_.enabled() || text.empty()) return false;
    std::fprintf(stderr, "%s%s: note: %s\n", file.c_str(),
                 line > 0 ? (":" + std::to_string(line)).c_str() : "", text.c_str());
    return false;
  }
  bool explainLoadFailure(const XMLDocument& input) {
    if (!input.errorDetail().empty())
      return explain(input_, input.errorLine() + 1, input.errorDetail());
    return explain(input_, 0, fileProblem(input_.c_str()));
  }
  bool explainMissingCpu(const XMLDocument& input) {
    std::string ids;
    for (const std::string& id : cpuIds(input.root()))
      ids += (ids.empty() ? "" : ", ") + id;
    if (!ids.empty()) return explain(input_, 0, "the CPU ids in the file are: " + ids);
    const std::string reader = readerFor(input.root());
    return explain(input_, 0,
                   "the file has no <cpu> element with an id" +
                       (reader.empty() ? std::string() : "; " + reader + " reads it"));
  }
  void warnWrongReader(const XMLElement* root, const char* option) {
    const std::string reader = readerFor(root);
    diagnostics_.warn(
        "root-element", root ? root->line() + 1 : 0,
        std::string(option) + " read nothing from this file" +
            (root ? ", whose root element is <" + std::string(root->tagName()) + ">" : "") +
            (reader.empty() ? "" : "; " + reader + " reads it"));
  }

  void removeGroups() {
    const std::vector<std::string> names = splitList(options_.remove);
    if (diagnostics_.enabled()) checkRemovals(map_, names);
    map_.removeGroups(names);
  }

  void addPpbGroups(bool nonSecure) {
    const std::size_t inputGroups = topLevelCount(map_);
    map_.addPpbGroups(nonSecure);
    if (diagnostics_.enabled()) checkCoreGroupsOverInput(map_, inputGroups);
  }

  // After every step: what the outputs hold.
  void checkOutput() {
    checkRepeatedGroupNames(map_);
    const auto irqStart = static_cast<std::int32_t>(options_.irqStart);
    if (options_.irqTable) checkInterruptsBelowStart(map_, irqStart, "vector table");
    if (options_.nvicPrioBits != 0 && map_.rootElement())
      checkInterruptsBelowStart(map_, irqStart, "NVIC group of -nvic");
  }

  // "-nvic": the generated group replaces any group named "NVIC"; the non-secure flag picks
  // the one view that is made.
  void addNvicGroup(bool nonSecure) {
    if (options_.nvicPrioBits == 0) return;
    if (diagnostics_.enabled()) checkNvicReplacement(map_);
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
      report("error: write of %s failed\n", output_.c_str());
      return explain(output_, 0, writeProblem(output_.c_str()));
    }
    return true;
  }

  bool writeVectorTable() {
    if (!options_.irqTable) return true;
    if (!regforge::writeVectorTable(options_.irqTable, static_cast<std::int32_t>(options_.irqStart),
                                    map_)) {
      const std::string name = vectorFileName(options_.irqTable);
      report("error: write of %s failed\n", name.c_str());
      return explain(name, 0, writeProblem(name.c_str()));
    }
    return true;
  }

  Options options_;
  const std::string input_;  // the paths as their command-line bytes, for opening and messages
  const std::string output_;
  Diagnostics& diagnostics_;
  SVDFile2 map_;
};

// With -warn, a command line without two file names says which words it took as file names.
void explainFileWords(const Options& options) {
  if (!options.warn || options.files.empty()) return;
  std::string words;
  for (const std::string& word : options.files)
    words += " " + word;
  std::fprintf(stderr, "regforge: note: %zu word%s taken as file names, not 2:%s\n",
               options.files.size(), options.files.size() == 1 ? "" : "s", words.c_str());
}

}  // namespace

int runRegforge(int argc, const char* const* argv) {
  ScanResult scan = scanArguments(argc, argv);
  switch (scan.status) {
    case ScanResult::Status::MissingArgument:
      std::fputs(scan.message, stderr);
      return 1;
    case ScanResult::Status::Usage:
      std::fputs(kUsage, stdout);
      explainFileWords(scan.options);
      return 1;
    case ScanResult::Status::Help:
      std::fputs(kUsage, stdout);
      std::fputs(kMoreUsage, stdout);
      return 0;
    case ScanResult::Status::Version:
      std::fputs("regforge " REGFORGE_VERSION "\n", stdout);
      return 0;
    case ScanResult::Status::Run:
      break;
  }
  Diagnostics diagnostics;
  if (scan.options.warn) diagnostics.enable();
  const int status = Conversion(std::move(scan.options), diagnostics).run();
  if (diagnostics.enabled() || diagnostics.count() > 0) {
    std::fputs(diagnostics.takeText().c_str(), stderr);
    const std::uint64_t count = diagnostics.count();
    std::fprintf(stderr, "regforge: %s warning%s\n", withThousands(count).c_str(),
                 count == 1 ? "" : "s");
  }
  return status;
}

}  // namespace regforge
