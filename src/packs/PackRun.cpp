// The pack run: reads the pack description, finds the devices that the command line names and
// converts the SVD file of each, with the pack's core data in place of the core options the
// command line left out.
#include "packs/PackRun.h"

#include <cstdarg>
#include <string>
#include <string_view>
#include <vector>

#include "driver/Conversion.h"
#include "driver/CoreSettings.h"
#include "packs/PackCores.h"
#include "packs/PackDescription.h"
#include "packs/PackSource.h"
#include "text/ByteText.h"
#include "text/FileNames.h"
#include "text/NamePatterns.h"
#include "text/PrintableText.h"
#include "text/PrintfText.h"

namespace regforge {
namespace {

std::string joinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string path(folder);
  if (path.back() != '/') path += '/';
  return path.append(name);
}

// Names from the pack, fit for a terminal.
std::string joinNames(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) {
    if (!text.empty()) text += ", ";
    text += printable(name);
  }
  return text;
}

// The pack's folder stands for the one description in it: path becomes that description.
// False, with the message, for a folder that holds none or several.
bool packDescriptionInFolder(std::string& path, FileAccess& files, std::string& error) {
  if (!files.isFolder(path)) return true;
  const std::vector<std::string> found = files.filesEndingIn(path, ".pdsc");
  if (found.size() == 1) {
    path = joinPath(path, found.front());
    return true;
  }
  if (found.empty()) {
    error = "error: " + path + " holds no .pdsc file\n";
  } else {
    error = "error: " + path + " holds " + std::to_string(found.size()) +
            " .pdsc files: " + joinNames(found) + "; name one\n";
  }
  return false;
}

// A processor of a device, as the command line or an output file name calls it.
struct Choice {
  const PackDevice* device;
  const PackProcessor* processor;

  bool multiCore() const { return device->processors.size() > 1; }
  std::string name(char separator) const {
    return multiCore() ? device->name + separator + processor->pname : device->name;
  }
  /// The name for messages: a pack's names may hold anything.
  std::string shown() const { return printable(name(':')); }
};

class PackRun {
 public:
  PackRun(Options options, FileAccess& files, Diagnostics& diagnostics)
      : options_(std::move(options)),
        pdsc_(options_.files[0]),
        source_(pdsc_, files),
        diagnostics_(diagnostics) {}

  RunOutcome run(std::string& error) {
    outcome_.status = runSteps();
    error = std::move(ending_);
    return std::move(outcome_);
  }

 private:
  int runSteps() {
    if (!readPack()) return 1;
    if (options_.packList) return listDevices();
    std::string_view wanted = *options_.pack;
    std::string_view pname;
    if (const std::size_t colon = wanted.rfind(':'); colon != std::string_view::npos) {
      pname = wanted.substr(colon + 1);
      wanted = wanted.substr(0, colon);
    }
    if (hasWildcard(wanted) || hasWildcard(pname)) return convertMatching(wanted, pname);
    return convertOne(wanted, pname);
  }

  bool readPack() {
    XMLDocument document(XMLDocument::Content::Dropped);
    std::string message;
    if (!source_.readDescription(document, message)) {
      ending_ += message;
      return false;
    }
    std::optional<std::vector<PackDevice>> devices = readPackDescription(document);
    if (!devices) {
      fail("error: %s is not a pack description\n", pdsc_.c_str());
      return false;
    }
    devices_ = std::move(*devices);
    return true;
  }

  int listDevices() {
    for (const PackDevice& device : devices_) {
      for (const PackProcessor& processor : device.processors) {
        const Choice choice{&device, &processor};
        appendFormat(outcome_.out, "%s  svd=%s  Dcore=%s Dfpu=%s Dmpu=%s Dtz=%s  header=%s\n",
                     choice.shown().c_str(), orNone(processor.svd).c_str(),
                     orNone(processor.dcore).c_str(), orNone(processor.dfpu).c_str(),
                     orNone(processor.dmpu).c_str(), orNone(processor.dtz).c_str(),
                     orNone(processor.header).c_str());
      }
    }
    return 0;
  }

  static std::string orNone(const PackValue& value) {
    return value.text.empty() ? "-" : printable(value.text);
  }

  int convertOne(std::string_view wanted, std::string_view pname) {
    const PackDevice* device = findDevice(wanted);
    if (!device) device = findDeviceIgnoringCase(wanted);
    if (!device) {
      std::vector<std::string> names;
      for (const PackDevice& d : devices_)
        names.push_back(d.name);
      const std::string closest = joinNames(closestNames(wanted, names, 5));
      return fail("error: no device %.*s in %s%s%s\n", static_cast<int>(wanted.size()),
                  wanted.data(), pdsc_.c_str(),
                  closest.empty() ? "" : "; closest: ", closest.c_str());
    }
    const std::optional<Choice> choice = chooseProcessor(*device, pname);
    if (!choice) return 1;
    std::optional<Options> options = optionsFor(*choice, options_.files[1], options_.irqTable);
    return options ? convert(std::move(*options), coreFor(*choice->processor)) : 1;
  }

  // One conversion; its message, if any, goes to standard error.
  int convert(Options options, const CoreSettings& core) {
    Conversion conversion(std::move(options), source_.files(), core);
    conversion.map().setDiagnostics(diagnostics_);
    const int status = conversion.run();
    ending_ += conversion.message();
    return status;
  }

  const PackDevice* findDevice(std::string_view name) const {
    for (const PackDevice& device : devices_) {
      if (device.name == name) return &device;
    }
    return nullptr;
  }

  // A name that differs from one device's name in letter case only is taken, since the pack's
  // own spelling is plain to see; one that could be several devices is not.
  const PackDevice* findDeviceIgnoringCase(std::string_view name) {
    const PackDevice* found = nullptr;
    for (const PackDevice& device : devices_) {
      if (!equalsIgnoreAsciiCase(device.name, name)) continue;
      if (found) return nullptr;
      found = &device;
    }
    if (found) {
      warn("pack-letter-case", found->line,
           "device \"" + std::string(name) + "\" taken as \"" + found->name +
               "\", the one device of that name letter case aside");
    }
    return found;
  }

  // Without a processor name, a device must have exactly one processor.
  std::optional<Choice> chooseProcessor(const PackDevice& device, std::string_view pname) {
    std::vector<std::string> names;
    for (const PackProcessor& processor : device.processors) {
      if (!pname.empty() && processor.pname == pname) return Choice{&device, &processor};
      names.push_back(Choice{&device, &processor}.name(':'));
    }
    if (pname.empty() && device.processors.size() == 1) {
      return Choice{&device, &device.processors.front()};
    }
    const std::string choices = joinNames(names);
    if (pname.empty()) {
      fail("error: device %s has several processors; name one: %s\n",
           printable(device.name).c_str(), choices.c_str());
    } else {
      fail("error: device %s has no processor %.*s; its processors: %s\n",
           printable(device.name).c_str(), static_cast<int>(pname.size()), pname.data(),
           choices.c_str());
    }
    return std::nullopt;
  }

  // Every processor of every device that matches, into the folder that the output names.
  int convertMatching(std::string_view wanted, std::string_view pname) {
    std::vector<Choice> choices;
    for (const PackDevice& device : devices_) {
      if (!matchesPattern(device.name, wanted)) continue;
      for (const PackProcessor& processor : device.processors) {
        if (pname.empty() || matchesPattern(processor.pname, pname)) {
          choices.push_back({&device, &processor});
        }
      }
    }
    if (choices.empty()) {
      return fail("error: no device matches %s in %s\n", options_.pack->c_str(), pdsc_.c_str());
    }
    const std::string& folder = options_.files[1];
    if (!prepareFolder(folder)) return 1;
    if (options_.irqTable && !prepareFolder(*options_.irqTable)) return 1;
    std::size_t failed = 0;
    std::size_t skipped = 0;
    std::vector<std::string> names;  // the file names given so far
    // The lines reach standard output when the run ends; the steps show it going on.
    FileAccess& files = source_.files();
    for (std::size_t i = 0; i < choices.size(); ++i) {
      files.progress({i + 1, choices.size(), false});
      // A pack describes devices of other kinds as well: no SVD file, nothing to convert.
      if (choices[i].processor->svd.text.empty()) {
        ++skipped;
        appendFormat(outcome_.out, "%s  skipped: no SVD file\n", choices[i].shown().c_str());
        continue;
      }
      diagnostics_.startRun();
      const std::string name = choices[i].name('_');
      const std::string output = joinPath(folder, name + ".xml");
      std::optional<std::string> vectors;
      if (options_.irqTable) vectors = joinPath(*options_.irqTable, name);
      std::optional<Options> options;
      if (acceptFileName(choices[i], names)) options = optionsFor(choices[i], output, vectors);
      const CoreSettings core = options ? coreFor(*choices[i].processor) : CoreSettings();
      if (options && convert(std::move(*options), core) == 0) {
        appendFormat(outcome_.out, "%s -> %s  svd=%s  %s\n", choices[i].shown().c_str(),
                     output.c_str(), printable(choices[i].processor->svd.text).c_str(),
                     coreOptionsText(core).c_str());
      } else {
        ++failed;
        appendFormat(outcome_.out, "%s  failed\n", choices[i].shown().c_str());
      }
      // Each device's warnings, then its error.
      outcome_.err += diagnostics_.takeText() + ending_;
      ending_.clear();
      files.progress({i + 1, choices.size(), true});
    }
    // Counts as text: the Windows C runtime's formats know no %zu.
    outcome_.out += std::to_string(choices.size() - failed - skipped) + " converted, " +
                    std::to_string(failed) + " failed" +
                    (skipped > 0 ? ", " + std::to_string(skipped) + " skipped\n" : "\n");
    return failed == 0 ? 0 : 1;
  }

  // A name from the pack becomes a file name only here: one that could leave the folder, name
  // a device or, on Windows, the file of another device (letter case aside) is refused.
  bool acceptFileName(const Choice& choice, std::vector<std::string>& names) {
    const std::string name = choice.name('_');
    if (const char* problem = fileNameProblem(name)) {
      fail("error: device %s can't name a file: %s\n", choice.shown().c_str(), problem);
      return false;
    }
    for (const std::string& earlier : names) {
      if (!equalsIgnoreAsciiCase(earlier, name)) continue;
      fail(
          "error: device %s can't name a file: %s.xml is the file of an earlier device "
          "(letter case aside)\n",
          choice.shown().c_str(), printable(earlier).c_str());
      return false;
    }
    names.push_back(name);
    return true;
  }

  // An output folder that isn't there yet is made.
  bool prepareFolder(const std::string& folder) {
    FileAccess& files = source_.files();
    if (files.isFolder(folder)) return true;
    if (files.makeFolder(folder)) return true;
    fail("error: %s is not a folder\n", folder.c_str());
    return false;
  }

  // The options of one processor's conversion: the command line's, as if it named the
  // processor's SVD file and these outputs.
  std::optional<Options> optionsFor(const Choice& choice, const std::string& output,
                                    const std::optional<std::string>& irqTable) {
    const PackProcessor& processor = *choice.processor;
    if (processor.svd.text.empty()) {
      fail("error: device %s has no SVD file\n", choice.shown().c_str());
      return std::nullopt;
    }
    const std::optional<std::string> svd = findSvd(choice);
    if (!svd) return std::nullopt;
    Options options = options_;
    options.pack.reset();
    // The pack names SVD files: an option for another input kind can't apply.
    options.tcf = options.ddf = false;
    options.rdtCpu.reset();
    options.irqTable = irqTable;
    options.files = {*svd, output};
    return options;
  }

  // A message for standard error, after the warnings that came before it; gives the status
  // of a failed run.
  REGFORGE_PRINTF(2, 3) int fail(const char* format, ...) {
    va_list args;
    va_start(args, format);
    appendFormatted(ending_, format, args);
    va_end(args);
    return 1;
  }

  // The SVD file as the pack names it, or else one differing in letter case only; none for a
  // path that would leave the pack.
  std::optional<std::string> findSvd(const Choice& choice) {
    const PackValue& svd = choice.processor->svd;
    const PackSource::NamedFile file = source_.find(svd.text);
    if (file.problem) {
      fail("error: device %s: SVD file \"%s\" %s\n", choice.shown().c_str(),
           printable(svd.text).c_str(), file.problem);
      return std::nullopt;
    }
    if (file.byLetterCase) {
      warn("pack-letter-case", svd.line, "\"" + svd.text + "\" found as \"" + file.path + "\"");
    }
    return file.path;
  }

  // The processor's core data for the core options that the command line left out.
  CoreSettings coreFor(const PackProcessor& processor) {
    const PackCore core = packCoreOf(processor.dcore.text, processor.dfpu.text, processor.dmpu.text,
                                     processor.dtz.text);
    if (!options_.coreText && core.coreType && core.nearest) {
      warn("pack-core", processor.dcore.line,
           "Dcore \"" + processor.dcore.text +
               "\" has no core tables of its own; converted as core " +
               std::to_string(*core.coreType));
    }
    return coreSettings(options_, core);
  }

  // The core options that the conversion amounts to, as they would be written.
  static std::string coreOptionsText(const CoreSettings& core) {
    std::string text = core.coreNamed ? "-core " + std::to_string(core.core) : "";
    for (const auto& [given, word] :
         {std::pair{core.fpu, " -fpu"}, {core.mpu, " -mpu"}, {core.noSecurity, " -nocmse"}}) {
      if (given) text += word;
    }
    return text;
  }

  // A warning about the pack description, printed under "-warn".
  void warn(const char* check, int line, std::string text) {
    diagnostics_.setFile(pdsc_);
    diagnostics_.warn(check, line, std::move(text));
  }

  const Options options_;
  const std::string pdsc_;
  PackSource source_;
  RunOutcome outcome_;
  std::string ending_;  // messages of the run or of the device being converted
  std::vector<PackDevice> devices_;
  Diagnostics& diagnostics_;
};

}  // namespace

RunOutcome runPack(Options options, FileAccess& files, Diagnostics& diagnostics,
                   std::string& error) {
  if (!packDescriptionInFolder(options.files[0], files, error)) {
    RunOutcome outcome;
    outcome.status = 1;
    return outcome;
  }
  return PackRun(std::move(options), files, diagnostics).run(error);
}

}  // namespace regforge
