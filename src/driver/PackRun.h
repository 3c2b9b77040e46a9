// Runs that name a device of a pack description instead of an SVD file.
#pragma once

#include "driver/Options.h"

namespace regforge {

/// "-pack" (one device, or every device matching a pattern into a folder) or "-pack-list"
/// with the pack description as the first file; prints its own messages and returns the exit
/// status.
int runPack(Options options);

}  // namespace regforge
