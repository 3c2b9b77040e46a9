// The run sequence. Messages are kept for the driver, which alone prints them.
#include "driver/Conversion.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "cortexm/CoreClass.h"
#include "driver/RunChecks.h"
#include "driver/VectorTable.h"
#include "readers/CmsisHeader.h"
#include "readers/DdfReader.h"
#include "readers/InputRoot.h"
#include "readers/RdtReader.h"
#include "readers/TcfReader.h"
#include "text/ByteText.h"
#include "text/PrintableText.h"

namespace regforge {

Conversion::Conversion(Options options, FileAccess& files, CoreSettings core)
    : options_(std::move(options)),
      files_(files),
      core_(core),
      readOptions_(options_.readOptions),
      input_(options_.files[0]),
      output_(options_.files[1]) {
  if (options_.arrayLimit) map_.setArrayLimit(*options_.arrayLimit);
}

Conversion::Conversion(Options options, FileAccess& files)
    : Conversion(options, files, coreSettings(options)) {}

std::string parseErrorLine(std::string_view text, std::string_view path, int line) {
  std::string message = "error: ";
  message.append(text).append(" at ").append(path);
  return message + ":" + std::to_string(line) + "\n";
}

bool Conversion::report(const char* format, ...) {
  va_list args;
  va_start(args, format);
  message_.clear();
  appendFormatted(message_, format, args);
  va_end(args);
  return false;
}

int Conversion::run() {
  Diagnostics& diagnostics = map_.diagnostics();
  checkOptions(options_, diagnostics);
  if (!checkIrqStart() || !checkFileNames()) return 1;
  configureCore();
  if (!gatherInterruptNames()) return 1;
  diagnostics.setFile(input_);
  if (!readInput()) return 1;
  diagnostics.setFile("regforge");
  // Without a root element (a board file of another shape) the editing steps have
  // nothing to act on and are skipped; the file then holds the doctype line only.
  const bool hasRoot = map_.rootElement() != nullptr;
  if (hasRoot && options_.remove) removeGroups();
  // The groups after these are the run's own: the checks tell them from the input's.
  if (diagnostics.enabled()) inputGroups_ = topLevelCount(map_);
  const bool nonSecure = hasSecurityExtension(map_.coreType()) && !core_.noSecurity;
  if (hasRoot) {
    addNvicGroup(nonSecure);
    if (options_.ppb) addPpbGroups(nonSecure);
    if (options_.debug) map_.addDebugGroup(map_.coreType());
    addInclude();
  }
  if (diagnostics.enabled()) checkOutput();
  if (options_.strict && diagnostics.runCount() > 0) {
    report("error: -strict: %s warning%s; no file written\n",
           withThousands(diagnostics.runCount()).c_str(), diagnostics.runCount() == 1 ? "" : "s");
    return 1;
  }
  // The system refused memory on the way: what was made is incomplete, so nothing is written.
  if (map_.exhausted()) {
    report("error: out of memory\n");
    return 1;
  }
  if (!writeOutputs()) return 1;
  return 0;
}

// A start of 2^31 or more is a negative index: the vector table would get a line for each
// index up to the first named one, gigabytes of reserved lines. Without a vector table the
// value only shifts the names of the NVIC group, which stays as the numbers say.
bool Conversion::checkIrqStart() {
  if (!options_.irqTable || static_cast<std::int32_t>(options_.irqStart) >= 0) return true;
  return report("error: -irq-start %s is out of range (0 to 2147483647)\n",
                options_.irqStartText->c_str());
}

// An output that is an input or the other output would destroy it. Devices and pipes may
// appear twice, as nothing is lost there; an input that doesn't exist is the reader's to
// report.
bool Conversion::checkFileNames() {
  std::vector<std::string> names{input_};
  if (options_.irqs2 && !options_.irqs) names.emplace_back(*options_.irqs2);
  const std::size_t firstOutput = names.size();
  names.push_back(output_);
  if (options_.irqTable) names.push_back(vectorFileName(options_.irqTable->c_str()));
  for (std::size_t later = firstOutput; later < names.size(); ++later) {
    const std::optional<FileIdentity> output = files_.identify(names[later]);
    if (!output || !output->regular) continue;
    for (std::size_t earlier = 0; earlier < later; ++earlier) {
      const std::optional<FileIdentity> other = files_.identify(names[earlier]);
      if (other != output || (earlier < firstOutput && !other->newName.empty())) continue;
      return report("error: %s and %s name the same file\n", names[earlier].c_str(),
                    names[later].c_str());
    }
  }
  return true;
}

// The command line's core data reaches the document only with an option that needs it.
void Conversion::configureCore() {
  if (options_.irqTable || core_.nvicPrioBits != 0 || options_.ppb) {
    map_.setCoreConfig(static_cast<std::int32_t>(core_.core), true, core_.nvicPrioBits, core_.mpu,
                       core_.fpu);
  }
}

// "-irqs" wins over "-irqs2"; a header also gives the core data and replaces the
// interrupts and cpu of the SVD file.
bool Conversion::gatherInterruptNames() {
  if (options_.irqs) {
    map_.setInterruptNames(splitList(*options_.irqs));
    return true;
  }
  if (!options_.irqs2) return true;
  const std::string& path = *options_.irqs2;
  const WholeFile file = files_.readText(path);
  if (file.status != WholeFile::Status::Read) {
    report("couldn't read header file %s", path.c_str());
    // The message has no line end of its own; the reason goes on a line of its own.
    if (map_.diagnostics().enabled()) message_ += '\n';
    return explain(path, 0, files_.readProblem(path));
  }
  const CmsisHeader header = scanCmsisHeader(file.text(), core_.core, core_.mpu, core_.fpu);
  map_.setInterruptNames(header.interrupts);
  map_.setCoreConfig(static_cast<std::int32_t>(header.coreType), header.cm0Plus,
                     header.nvicPrioBits, header.mpu != 0, header.fpu != 0);
  core_.nvicPrioBits = header.nvicPrioBits;
  core_.mpu = header.mpu != 0;
  core_.fpu = header.fpu != 0;
  readOptions_ |= kIgnoreCpu | kIgnoreInterrupts;
  return true;
}

bool Conversion::readInput() {
  if (options_.tcf) return readTcfInput();
  if (options_.ddf) return readDdfInput();
  if (options_.rdtCpu) return readRdtInput();
  return readSvdInput();
}

bool Conversion::readSvdInput() {
  // The reader asks only for whole element texts, so no text nodes are needed.
  XMLDocument input(XMLDocument::Content::ElementText);
  if (!input.load(files_.read(input_), input_.c_str())) {
    message_ = parseErrorLine(input.errorText(), input_, input.errorLine());
    return explainLoadFailure(input);
  }
  map_.shareSources(input);  // names and numbers pass through without copies
  std::optional<std::string_view> ignorePrefix;
  if (options_.ignoreName) ignorePrefix = *options_.ignoreName;
  if (!map_.readSvd(input, readOptions_, ignorePrefix)) {
    reportImportFailure();
    return explain(input_, map_.importProblemLine(), map_.importProblem());
  }
  return true;
}

bool Conversion::readTcfInput() {
  XMLDocument input(XMLDocument::Content::Dropped);
  if (!input.load(files_.read(input_), input_.c_str())) {
    reportReadFailure();
    return explainLoadFailure(input);
  }
  if (!readTcf(input, map_)) {
    reportImportFailure();
    return explain(input_, 0, "the board asks for more than one conversion may make");
  }
  if (map_.diagnostics().enabled() && !map_.rootElement()) warnWrongReader(input, "-tcf");
  return true;
}

bool Conversion::readDdfInput() {
  const WholeFile file = files_.readText(input_);
  if (file.status != WholeFile::Status::Read) {
    reportReadFailure();
    return explain(input_, 0, files_.readProblem(input_));
  }
  readDdf(file.text(), map_);
  if (map_.diagnostics().enabled() && !map_.rootElement()->firstChild()) {
    // A file that makes nothing may be one of the XML formats.
    XMLDocument probe(XMLDocument::Content::Dropped);
    if (probe.load(files_.read(input_), input_.c_str())) warnWrongReader(probe, "-ddf");
  }
  return true;
}

bool Conversion::readRdtInput() {
  XMLDocument input(XMLDocument::Content::Dropped);
  if (!input.load(files_.read(input_), input_.c_str())) {
    reportReadFailure();
    return explainLoadFailure(input);
  }
  const XMLElement* cpu = findCpu(input.root(), *options_.rdtCpu);
  if (!cpu) {
    report("error: failed to find CPU %s\n", options_.rdtCpu->c_str());
    return explainMissingCpu(input);
  }
  // Register files count by the bytes read from them.
  const RdtFileLoader load = [this](XMLDocument& document,
                                    const std::string& path) -> std::optional<std::uint64_t> {
    WholeFile file = files_.read(path);
    const std::uint64_t size = file.size;
    if (!document.load(std::move(file), path.c_str())) return std::nullopt;
    return size;
  };
  if (const std::optional<RdtLoadError> error = readRdt(map_, *cpu, load)) {
    if (error->overBudget) {
      reportImportFailure();
      return explain(input_, 0, "the register files ask for more than one conversion may read");
    }
    report("error: load of %s:%d failed %s\n", error->path.c_str(), error->line,
           error->text.c_str());
    if (!error->detail.empty()) return explain(error->path, error->line + 1, error->detail);
    return explain(error->path, 0, files_.readProblem(error->path));
  }
  return true;
}

// With -warn, the line that follows an error: why, as "FILE[:LINE]: note: TEXT".
bool Conversion::explain(const std::string& file, int line, const std::string& text) {
  if (!map_.diagnostics().enabled() || text.empty()) return false;
  // The reason may quote the input (an element name, a path in it): printed escaped.
  message_ += printable(file, kPrintedTextLength) + (line > 0 ? ":" + std::to_string(line) : "") +
              ": note: " + printable(text, kPrintedTextLength) + "\n";
  return false;
}

bool Conversion::explainLoadFailure(const XMLDocument& input) {
  if (!input.errorDetail().empty())
    return explain(input_, input.errorLine() + 1, input.errorDetail());
  return explain(input_, 0, files_.readProblem(input_));
}

bool Conversion::explainMissingCpu(const XMLDocument& input) {
  if (!input.root() && !input.unclosed().empty()) return explain(input_, 0, input.unclosed());
  std::string ids;
  for (const std::string& id : cpuIds(input.root()))
    ids += (ids.empty() ? "" : ", ") + id;
  if (!ids.empty()) return explain(input_, 0, "the CPU ids in the file are: " + ids);
  const std::string reader = readerFor(input.root());
  return explain(input_, 0,
                 "the file has no <cpu> element with an id" +
                     (reader.empty() ? std::string() : "; " + reader + " reads it"));
}

void Conversion::warnWrongReader(const XMLDocument& input, const char* option) {
  const XMLElement* root = input.root();
  const std::string reader = readerFor(root);
  std::string text = std::string(option) + " read nothing from this file";
  if (root) text += ", whose root element is <" + std::string(root->tagName()) + ">";
  if (!root && !input.unclosed().empty()) text += ": " + input.unclosed();
  if (!reader.empty()) text += "; " + reader + " reads it";
  map_.diagnostics().warn("root-element", root ? root->line() + 1 : 0, text);
}

void Conversion::removeGroups() {
  const std::vector<std::string> names = splitList(*options_.remove);
  if (map_.diagnostics().enabled()) checkRemovals(map_, names);
  map_.removeGroups(names);
}

void Conversion::addPpbGroups(bool nonSecure) {
  const std::size_t groupsBefore = map_.diagnostics().enabled() ? topLevelCount(map_) : 0;
  map_.addPpbGroups(nonSecure);
  if (map_.diagnostics().enabled()) checkCoreGroupsOverOthers(map_, inputGroups_, groupsBefore);
}

// After every step: what the outputs hold.
void Conversion::checkOutput() {
  checkRepeatedGroupNames(map_, inputGroups_);
  const auto irqStart = static_cast<std::int32_t>(options_.irqStart);
  if (options_.irqTable) checkInterruptsBelowStart(map_, irqStart, "vector table");
  if (core_.nvicPrioBits != 0 && map_.rootElement())
    checkInterruptsBelowStart(map_, irqStart, ("NVIC group of " + nvicCause()).c_str());
}

bool Conversion::reportReadFailure() {
  return report("error: read of %s failed\n", input_.c_str());
}

// An input without what its reader needs, or one that asks for more than it may make.
bool Conversion::reportImportFailure() {
  return report("error: import of %s failed\n", input_.c_str());
}

// "-nvic": the generated group replaces any group named "NVIC"; the non-secure flag picks
// the one view that is made.
void Conversion::addNvicGroup(bool nonSecure) {
  if (core_.nvicPrioBits == 0) return;
  if (map_.diagnostics().enabled()) checkNvicReplacement(map_, nvicCause().c_str());
  map_.removeGroups({"NVIC"});
  map_.addNvicGroup(core_.core, core_.nvicPrioBits, static_cast<std::int32_t>(options_.irqStart),
                    (readOptions_ & kNoDescriptions) == 0, nonSecure);
}

// What asked for the NVIC group: a CMSIS header's priority bits take the place of -nvic.
std::string Conversion::nvicCause() const {
  if (options_.irqs2 && !options_.irqs) return "the header's __NVIC_PRIO_BITS";
  return "-nvic";
}

void Conversion::addInclude() {
  if (!options_.include) return;
  MemoryMapElement* include = map_.createMapElement("include");
  map_.rootElement()->appendChild(include);
  include->setAttribute("filename", *options_.include);
  if (options_.includeMacros) include->setAttribute("macros", *options_.includeMacros);
  include->setAttribute("no_root", "1");
}

// Both files are made before either is written, so that a vector table that can't be made
// (its folder missing) leaves the memory map unwritten too: a run writes all or none.
bool Conversion::writeOutputs() {
  map_.setDoctype("Register_Definition_File");
  // Without a commit a file is left out and an existing one keeps its content.
  const std::unique_ptr<OutputSink> mapFile = files_.create(output_, false);
  if (!mapFile) return reportWriteFailure(output_);
  const std::string vectorName =
      options_.irqTable ? vectorFileName(options_.irqTable->c_str()) : "";
  std::unique_ptr<OutputSink> vectorFile;
  if (options_.irqTable && !(vectorFile = files_.create(vectorName, true)))
    return reportWriteFailure(vectorName);
  if (!map_.write(*mapFile) || !mapFile->commit()) return reportWriteFailure(output_);
  if (!vectorFile) return true;
  regforge::writeVectorTable(*vectorFile, static_cast<std::int32_t>(options_.irqStart), map_);
  if (!vectorFile->commit()) return reportWriteFailure(vectorName);
  return true;
}

bool Conversion::reportWriteFailure(const std::string& name) {
  report("error: write of %s failed\n", name.c_str());
  return explain(name, 0, files_.writeProblem(name));
}

}  // namespace regforge
