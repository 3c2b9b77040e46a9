// The program's entry: the option scan, one conversion, and the only printing there is.
#include "entry/Entry.h"

#include <cstdio>

#include "driver/Conversion.h"
#include "driver/Options.h"
#include "driver/WarningChoice.h"
#include "packs/PackRun.h"
#include "platform/FileLookup.h"

namespace regforge {
namespace {

// With -warn, a command line without two file names says which words it took as file names.
std::string fileWordsNote(const Options& options) {
  if (!options.warn || options.files.empty()) return {};
  std::string note = "regforge: note: " + std::to_string(options.files.size()) +
                     (options.files.size() == 1 ? " word" : " words") +
                     " taken as file names, not 2:";
  for (const std::string& word : options.files)
    note += " " + word;
  return note + "\n";
}

// The warnings kept and the notes that count the rest; then the total, which a failed run
// without warnings leaves out: its error is what it has to say.
std::string warningsText(Diagnostics& diagnostics, int status) {
  const std::uint64_t count = diagnostics.count();
  std::string text = diagnostics.takeText();
  if (count > 0 || status == 0)
    text += "regforge: " + withThousands(count) + (count == 1 ? " warning\n" : " warnings\n");
  return text;
}

}  // namespace

RunOutcome runRegforge(int argc, const char* const* argv, FileAccess& files) {
  ScanResult scan = scanArguments(argc, argv);
  RunOutcome outcome;
  switch (scan.status) {
    case ScanResult::Status::MissingArgument:
      outcome.err = scan.message;
      outcome.status = 1;
      return outcome;
    case ScanResult::Status::Usage:
      outcome.out = kUsage;
      outcome.err = fileWordsNote(scan.options);
      outcome.status = 1;
      return outcome;
    case ScanResult::Status::Help:
      outcome.out = std::string(kUsage) + kMoreUsage + checksUsage();
      return outcome;
    case ScanResult::Status::Version:
      outcome.out = "regforge " REGFORGE_VERSION "\n";
      return outcome;
    case ScanResult::Status::Run:
      break;
  }
  Diagnostics diagnostics;
  std::string error;  // the message that ends a failed run, with its reason
  if (scan.options.warn) diagnostics.enable();
  if (std::optional<std::string> message = chooseChecks(scan.options, diagnostics)) {
    outcome.err = std::move(*message);
    outcome.status = 1;
    return outcome;
  }
  if (scan.options.pack || scan.options.packList) {
    outcome = runPack(std::move(scan.options), files, diagnostics, error);
  } else {
    Conversion conversion(std::move(scan.options), files);
    conversion.map().setDiagnostics(diagnostics);
    outcome.status = conversion.run();
    error = conversion.message();
  }
  // The warnings of the run up to an error come before it, so that the error is the last line.
  if (diagnostics.enabled() || diagnostics.count() > 0)
    outcome.err += warningsText(diagnostics, outcome.status);
  outcome.err += error;
  return outcome;
}

int runRegforge(int argc, const char* const* argv) {
  // A long run's count goes to a terminal, on one line, cleared while a step is under way and
  // before the messages come; a short run's would only flicker.
  const bool terminal = standardErrorIsTerminal();
  bool shown = false;
  DiskFiles files([terminal, &shown](const ProgressStep& step) {
    if (!terminal || step.total <= 20) return;
    shown = true;
    if (!step.ended) {
      std::fputs("\r\033[K", stderr);
      return;
    }
    // Counts as text: the Windows C runtime's formats know no %zu.
    std::fprintf(stderr, "[%s/%s]", std::to_string(step.step).c_str(),
                 std::to_string(step.total).c_str());
  });
  const RunOutcome outcome = runRegforge(argc, argv, files);
  if (shown) std::fputs("\r\033[K", stderr);
  std::fwrite(outcome.out.data(), 1, outcome.out.size(), stdout);
  std::fwrite(outcome.err.data(), 1, outcome.err.size(), stderr);
  return outcome.status;
}

}  // namespace regforge
