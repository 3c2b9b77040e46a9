// The checks of a whole run, made between its steps, that warn about what the outputs hold.
#include "driver/RunChecks.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "text/ByteText.h"
#include "text/Numbers.h"

namespace regforge {
namespace {

std::string quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

bool isWholeNumber(const std::string& text) {
  const char* end = nullptr;
  cStrtoul(text.c_str(), &end);
  return end != text.c_str() && *end == '\0';
}

template <class Visit>
void forEachGroup(MemoryMap& map, Visit visit) {
  const MemoryMapElement* root = map.rootElement();
  if (!root) return;
  for (const XMLNode* node = root->firstChild(); node; node = node->nextSibling()) {
    if (const XMLElement* element = node->toElement()) visit(*element);
  }
}

std::string_view nameOf(const XMLElement& element) {
  return element.attribute("name").value_or("");
}

}  // namespace

void checkOptions(const Options& options, Diagnostics& diagnostics) {
  if (options.coreText) {
    constexpr std::uint32_t kCores[] = {0, 3, 4, 7, 23, 33, 55};
    bool known = false;
    for (std::uint32_t core : kCores)
      known = known || core == options.core;
    if (!isWholeNumber(*options.coreText) || !known) {
      diagnostics.warn("option", 0,
                       "-core " + quoted(*options.coreText) +
                           " is not a core number (0, 3, 4, 7, 23, 33 or 55); core " +
                           std::to_string(options.core) + " used");
    }
  }
  if (options.nvicText &&
      (!isWholeNumber(*options.nvicText) || options.nvicPrioBits < 1 || options.nvicPrioBits > 8)) {
    diagnostics.warn(
        "option", 0,
        "-nvic " + quoted(*options.nvicText) + " is not a number of priority bits from 1 to 8; " +
            (options.nvicPrioBits == 0 ? std::string("no NVIC group made")
                                       : std::to_string(options.nvicPrioBits) + " used"));
  }
  if (options.irqStartText && !isWholeNumber(*options.irqStartText)) {
    diagnostics.warn("option", 0,
                     "-irq-start " + quoted(*options.irqStartText) + " is not a number; " +
                         std::to_string(options.irqStart) + " used");
  }
  if (options.arrayLimitText && !isWholeNumber(*options.arrayLimitText)) {
    diagnostics.warn("option", 0,
                     "-array-limit " + quoted(*options.arrayLimitText) + " is not a number; " +
                         std::to_string(*options.arrayLimit) + " used");
  }
}

void checkRemovals(MemoryMap& map, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    bool found = false;
    forEachGroup(map, [&](const XMLElement& group) { found = found || nameOf(group) == name; });
    if (!found) map.diagnostics().warn("option", 0, "-remove " + quoted(name) + " names no group");
  }
}

void checkNvicReplacement(MemoryMap& map, const char* cause) {
  forEachGroup(map, [&](const XMLElement& group) {
    if (nameOf(group) == "NVIC") {
      map.diagnostics().warn(
          "core-group", 0,
          std::string(cause) + " replaces the input's group \"NVIC\" with a generated one");
    }
  });
}

void checkCoreGroupsOverOthers(MemoryMap& map, std::size_t inputGroups, std::size_t groupsBefore) {
  struct Earlier {
    std::string_view name;
    bool fromInput;
  };
  std::map<std::uint32_t, Earlier> starts;
  std::size_t index = 0;
  forEachGroup(map, [&](const XMLElement& group) {
    const std::string start(group.attribute("start").value_or(""));
    const std::uint32_t address = cNumber(start.c_str());
    const std::size_t at = index++;
    if (at < groupsBefore) {
      starts.emplace(address, Earlier{nameOf(group), at < inputGroups});
      return;
    }
    const auto found = starts.find(address);
    if (found == starts.end()) return;
    const std::string earlier = quoted(found->second.name);
    map.diagnostics().warn(
        "core-group", 0,
        "-pp adds group " + quoted(nameOf(group)) + " at " + start + ", where " +
            (found->second.fromInput
                 ? "the input's group " + earlier + " starts; -remove " +
                       std::string(found->second.name) + " leaves the input's out"
                 : "the group " + earlier + " that this run made for the NVIC priority bits " +
                       "starts; both are written"));
  });
}

void checkRepeatedGroupNames(MemoryMap& map, std::size_t inputGroups) {
  // Sorted names rather than a map: a large file has groups by the ten thousand. Each name
  // carries whether the input gave it.
  std::vector<std::pair<std::string_view, bool>> names;
  std::size_t index = 0;
  forEachGroup(map, [&](const XMLElement& group) {
    const bool fromInput = index++ < inputGroups;
    if (group.tagName() == "RegisterGroup") names.emplace_back(nameOf(group), fromInput);
  });
  std::sort(names.begin(), names.end());
  for (std::size_t first = 0, next = 0; first < names.size(); first = next) {
    std::size_t fromInput = 0;
    for (; next < names.size() && names[next].first == names[first].first; ++next)
      fromInput += names[next].second ? 1 : 0;
    const std::size_t count = next - first;
    if (count < 2) continue;
    const char* every = count == 2 ? "both" : "all";
    const std::string whence = fromInput == count ? std::string(every) + " from the input"
                               : fromInput == 0
                                   ? std::string(every) + " made by this run"
                                   : std::to_string(fromInput) + " from the input and " +
                                         std::to_string(count - fromInput) + " made by this run";
    map.diagnostics().warn("duplicate-group", 0,
                           "the output holds " + std::to_string(count) + " groups named " +
                               quoted(names[first].first) + ", " + whence);
  }
}

void checkInterruptsBelowStart(CortexMSVDFile& map, std::int32_t irqStart, const char* what) {
  std::string names;
  int count = 0;
  for (std::int32_t i = 0; i < irqStart && i < CortexMSVDFile::kInterruptSlots; ++i) {
    const std::string_view name = map.interruptName(i);
    if (name.empty()) continue;
    if (++count <= 3)
      names += (count > 1 ? ", " : "") + std::string(name) + " (" + std::to_string(i) + ")";
  }
  if (count == 0) return;
  map.diagnostics().warn("irq-start", 0,
                         std::to_string(count) +
                             (count == 1 ? " interrupt name lies" : " interrupt names lie") +
                             " below -irq-start " + std::to_string(irqStart) + " and " +
                             (count == 1 ? "is" : "are") + " left out of the " + what + ": " +
                             names + (count > 3 ? ", ..." : "") + "; -irq-start 0 keeps them");
}

std::size_t topLevelCount(MemoryMap& map) {
  std::size_t count = 0;
  forEachGroup(map, [&](const XMLElement&) { ++count; });
  return count;
}

}  // namespace regforge
