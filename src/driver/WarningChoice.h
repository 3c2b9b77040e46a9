// -warn-off and -warn-only: which checks a run reports.
#pragma once

#include <optional>
#include <string>

#include "driver/Options.h"
#include "memorymap/Diagnostics.h"

namespace regforge {

/// Turns off the checks that -warn-off names and those that -warn-only leaves out. A name
/// that is no check gives the message that ends the run.
std::optional<std::string> chooseChecks(const Options& options, Diagnostics& diagnostics);

/// The checks, one line each, as --help lists them after the options.
std::string checksUsage();

}  // namespace regforge
