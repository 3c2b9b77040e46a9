// Runs that name a device of a pack description instead of an SVD file.
#pragma once

#include <string>

#include "driver/Options.h"
#include "driver/RunOutcome.h"
#include "files/FileAccess.h"
#include "memorymap/Diagnostics.h"

namespace regforge {

/// "-pack" (one device, or every device matching a pattern into a folder) or "-pack-list"
/// with the pack description (or zipped pack) as the first file, over files: what it would
/// print and its exit status. Warnings go to diagnostics, which the caller prints; so does
/// error, the message that ends the run, which the caller prints last.
RunOutcome runPack(Options options, FileAccess& files, Diagnostics& diagnostics,
                   std::string& error);

}  // namespace regforge
