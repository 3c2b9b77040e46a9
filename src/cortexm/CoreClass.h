// The core classes that the rows of the core register tables are selected by, and the
// spellings of the tables' core lists.
#pragma once

#include <cstdint>

namespace regforge {

/// A set of core classes, one bit per class; a table row exists for the classes in its set.
using CoreSet = std::uint32_t;

// Classes of the system control, SysTick, FPU, MPU and SAU tables.
constexpr CoreSet kCortexM0 = 1u << 0;
constexpr CoreSet kCortexM0Plus = 1u << 1;  // core type 0 with the M0+ flag
constexpr CoreSet kCortexM3 = 1u << 2;      // also 1, 2 and every negative number
constexpr CoreSet kCortexM4 = 1u << 3;
constexpr CoreSet kCortexM7 = 1u << 4;
constexpr CoreSet kCortexM23 = 1u << 5;
constexpr CoreSet kCortexM33 = 1u << 6;
constexpr CoreSet kCortexM55 = 1u << 7;
constexpr CoreSet kUnlistedAbove3 = 1u << 8;  // any other number above 3

// Classes of the debug tables.
constexpr CoreSet kDebugV6 = 1u << 16;          // 0
constexpr CoreSet kDebugV7 = 1u << 17;          // 3, 4, 7
constexpr CoreSet kDebugV8Baseline = 1u << 18;  // 23
constexpr CoreSet kDebugV8Mainline = 1u << 19;  // 33
constexpr CoreSet kDebugV81 = 1u << 20;         // 55, 85
constexpr CoreSet kDebugOther = 1u << 21;       // any other value

// The core lists as the tables write them.
constexpr CoreSet kAll = ~0u;
constexpr CoreSet kNot0 = kAll & ~(kCortexM0 | kCortexM0Plus);
constexpr CoreSet k3 = kCortexM3;
// An unlisted number above 3 takes the rows of core type 4, except the rows that name
// k4Only: those are core type 4's alone.
constexpr CoreSet k4 = kCortexM4 | kUnlistedAbove3;
constexpr CoreSet k4Only = kCortexM4;
constexpr CoreSet k7 = kCortexM7;
constexpr CoreSet k23 = kCortexM23;
constexpr CoreSet k33 = kCortexM33;
constexpr CoreSet k55 = kCortexM55;
constexpr CoreSet kNotV6 = kAll & ~kDebugV6;

/// Whether a core type has the security extension, which gives its core groups non-secure
/// twins: Cortex-M23, M33 and M55. Wide, so that signed and unsigned core types both fit.
constexpr bool hasSecurityExtension(std::int64_t coreType) {
  return coreType == 23 || coreType == 33 || coreType == 55;
}

/// The class of a core type in the system control, SysTick, FPU, MPU and SAU tables: the seven
/// core types have their own, with a separate class for core type 0 with the M0+ flag; 1, 2
/// and negative numbers are core type 3; any other number is kUnlistedAbove3.
CoreSet coreClassOf(std::int32_t coreType, bool cm0Plus);

}  // namespace regforge
