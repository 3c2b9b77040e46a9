// What a run of the program gives back instead of printing: its streams and exit status.
#pragma once

#include <string>

namespace regforge {

/// What a run printed and its exit status.
struct RunOutcome {
  int status = 0;   ///< 0 after a complete run, 1 after any error or a usage error
  std::string out;  ///< standard output
  std::string err;  ///< standard error
};

}  // namespace regforge
