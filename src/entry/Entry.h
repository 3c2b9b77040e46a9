// The program's entry: scans the command line and runs one conversion, or a pack's, giving
// the exit status.
#pragma once

#include "driver/RunOutcome.h"
#include "files/FileAccess.h"

namespace regforge {

/// Runs regforge with the command line argv over files, collecting what it would print.
RunOutcome runRegforge(int argc, const char* const* argv, FileAccess& files);

/// Runs regforge with the command line argv on the file system; prints every message itself
/// and returns the exit status.
int runRegforge(int argc, const char* const* argv);

}  // namespace regforge
