// The core options of a run, from the command line and a pack's processor.
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

// A core the command line names wins: the pack's is what a user overrides.
CoreSettings coreSettings(const Options& options, const PackCore& pack) {
  CoreSettings settings = coreSettings(options);
  if (!settings.coreNamed && pack.coreType) {
    settings.core = *pack.coreType;
    settings.coreNamed = true;
  }
  settings.mpu = settings.mpu || pack.mpu;
  settings.fpu = settings.fpu || pack.fpu;
  settings.noSecurity = settings.noSecurity || pack.noSecurity;
  return settings;
}

}  // namespace regforge
