// The core options of a run, from the command line.
#include "driver/CoreSettings.h"

namespace regforge {

CoreSettings coreSettings(const Options& options) {
  CoreSettings settings;
  settings.core = options.core;
  settings.coreNamed = options.coreText.has_value();
  settings.nvicPrioBits = options.nvicPrioBits;
  settings.mpu = options.mpu;
  settings.fpu = options.fpu;
  settings.noSecurity = options.nocmse;
  return settings;
}

}  // namespace regforge
