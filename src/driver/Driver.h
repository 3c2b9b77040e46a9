// The program: scans the command line, runs one conversion and gives the exit status.
#pragma once

namespace regforge {

/// Runs regforge with the command line argv; prints every message itself and returns the
/// exit status (0 after a complete run, 1 after any error or a usage error).
int runRegforge(int argc, const char* const* argv);

struct Options;
/// One conversion with a scanned option set whose first file is the input; prints its own
/// messages and returns the exit status.
int convert(Options options);

}  // namespace regforge
