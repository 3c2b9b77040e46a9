// Checks of the whole run that the driver makes between its steps: options that mean
// something else than they say, groups that -remove, -nvic and -pp miss or shadow, group
// names that end up twice, interrupt names that the vector table leaves out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cortexm/CortexMSVDFile.h"
#include "driver/Options.h"

namespace regforge {

/// -core, -nvic, -irq-start, -array-limit: a word that is no number, or a number that no core
/// or NVIC has.
void checkOptions(const Options& options, Diagnostics& diagnostics);
/// -remove: each name that no top-level group has.
void checkRemovals(MemoryMap& map, const std::vector<std::string>& names);
/// -nvic (or what stands for it, cause): an input group "NVIC" that the generated one replaces.
void checkNvicReplacement(MemoryMap& map, const char* cause);
/// -pp: each group after the first groupsBefore top-level children that starts where an
/// earlier group starts: one of the input (the first inputGroups) or one the run made itself.
void checkCoreGroupsOverOthers(MemoryMap& map, std::size_t inputGroups, std::size_t groupsBefore);
/// Any top-level group name that the map holds more than once, telling the input's groups (the
/// first inputGroups top-level children) from those the run made.
void checkRepeatedGroupNames(MemoryMap& map, std::size_t inputGroups);
/// Interrupt names below irqStart, which the vector table (what) leaves out.
void checkInterruptsBelowStart(CortexMSVDFile& map, std::int32_t irqStart, const char* what);
/// The number of top-level children of the map's root.
std::size_t topLevelCount(MemoryMap& map);

}  // namespace regforge
