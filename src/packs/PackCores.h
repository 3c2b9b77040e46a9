// The core data of a device pack's processor description turned into the core numbers and
// features that the core register groups are made for.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "driver/CoreSettings.h"

namespace regforge {

/// What "-core", "-fpu", "-mpu" and "-nocmse" would say for one processor of a pack.
struct PackCore {
  std::optional<std::uint32_t> coreType;  ///< none for a core name the table doesn't know
  bool nearest = false;  ///< the core isn't modelled: coreType is the nearest one that is
  bool fpu = false;
  bool mpu = false;
  bool noSecurity = false;  ///< a core that may have the security extension, without it
};

/// The core data for the pack's Dcore, Dfpu, Dmpu and Dtz values (empty when absent).
PackCore packCoreOf(std::string_view dcore, std::string_view dfpu, std::string_view dmpu,
                    std::string_view dtz);

/// The command line's core options; a pack processor's core type where "-core" isn't given,
/// and its features added to those the command line gives.
CoreSettings coreSettings(const Options& options, const PackCore& pack);

}  // namespace regforge
