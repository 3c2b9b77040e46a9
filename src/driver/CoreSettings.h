// The core a conversion makes its groups for: the command line's core options, with what the
// run learns of the device on the way (a pack's processor) for those the command line left out.
#pragma once

#include <cstdint>

#include "driver/Options.h"

namespace regforge {

struct CoreSettings {
  std::uint32_t core = 0;
  bool coreNamed = false;  ///< by -core or by the device, rather than the default 0
  std::uint32_t nvicPrioBits = 0;
  bool mpu = false;
  bool fpu = false;
  bool noSecurity = false;
};

/// The command line's core options alone.
CoreSettings coreSettings(const Options& options);

}  // namespace regforge
