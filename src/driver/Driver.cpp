// The program's entry: the option scan, one conversion, and the only printing there is.
#include "driver/Driver.h"

#include <cstdio>

#include "driver/Conversion.h"
#include "driver/Options.h"
#include "driver/PackRun.h"

namespace regforge {

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
      outcome.status = 1;
      return outcome;
    case ScanResult::Status::Run:
      break;
  }
  if (scan.options.pack || scan.options.packList) return runPack(std::move(scan.options), files);
  Conversion conversion(std::move(scan.options), files);
  outcome.status = conversion.run();
  outcome.err = conversion.message();
  return outcome;
}

int runRegforge(int argc, const char* const* argv) {
  DiskFiles files;
  const RunOutcome outcome = runRegforge(argc, argv, files);
  std::fwrite(outcome.out.data(), 1, outcome.out.size(), stdout);
  std::fwrite(outcome.err.data(), 1, outcome.err.size(), stderr);
  return outcome.status;
}

}  // namespace regforge
