// The program: scans the command line, runs one conversion and gives the exit status.
#pragma once

#include <string>

#include "driver/FileAccess.h"

namespace regforge {

/// What a run printed and its exit status.
struct RunOutcome {
  int status = 0;   ///< 0 after a complete run, 1 after any error or a usage error
  std::string out;  ///< standard output
  std::string err;  ///< standard error
};

/// Runs regforge with the command line argv over files, collecting what it would print.
RunOutcome runRegforge(int argc, const char* const* argv, FileAccess& files);

/// Runs regforge with the command line argv on the file system; prints every message itself
/// and returns the exit status.
int runRegforge(int argc, const char* const* argv);

}  // namespace regforge
